// The dialog font and its stand-in.
#include "common/aspetto.h"

#include <QFontInfo>
#include <QString>
#include <QStringList>

namespace pianopre {

namespace {

const QString famiglia = QStringLiteral("MS Sans Serif");

// Liberation Sans is about 4 % wider than the bitmap "MS Sans Serif" it
// replaces; at 96 % the self-sizing labels come out at their original widths
// and the three instruction lines keep to one line each.
constexpr int larghezza_sostituto = 96;

void registra_sostituti() {
    static const bool fatto = [] {
        QFont::insertSubstitutions(famiglia,
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)fatto;
}

}  // namespace

QFont carattere_sistema(double punti, bool grassetto) {
    registra_sostituti();
    QFont f(famiglia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punti);
    f.setWeight(grassetto ? QFont::Bold : QFont::Normal);
    if (QFontInfo(f).family().compare(famiglia, Qt::CaseInsensitive) != 0) {
        f.setStretch(larghezza_sostituto);
    }
    return f;
}

}  // namespace pianopre
