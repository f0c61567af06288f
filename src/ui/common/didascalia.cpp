// Captions with carriage returns on labels.
#include "common/didascalia.h"

#include <QVariant>

namespace pianopre {

namespace {
constexpr const char* proprieta = "caption";
}

void imposta_didascalia(QLabel* etichetta, const QString& testo) {
    etichetta->setProperty(proprieta, testo);
    QString visto = testo;
    // CR LF, a lone CR and a lone LF each make one line break.
    visto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    visto.replace(QChar(u'\r'), QChar(u'\n'));
    etichetta->setText(visto);
}

QString didascalia(const QLabel* etichetta) {
    return etichetta->property(proprieta).toString();
}

}  // namespace pianopre
