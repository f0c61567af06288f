// The fixed information windows in both languages: every caption shown,
// measured with its control's own font, fits the control's rectangle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <functional>
#include <memory>

#include "common/lingua.h"
#include "dialogs/informazioni.h"
#include "dialogs/note_precisione.h"
#include "support/servizi_finti.h"

namespace pianopre {
namespace {

// The names of the shown captions that would be cut, with what they need.
QStringList tagliati(const QWidget& finestra) {
    QStringList fuori;
    for (const QWidget* w : finestra.findChildren<QWidget*>()) {
        if (w->isHidden()) continue;
        const QFontMetrics fm(w->font());
        QSize serve, ha;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            const QRect posto = l->contentsRect();
            const int a_capo = l->wordWrap() ? int(Qt::TextWordWrap) : 0;
            serve = fm.boundingRect(QRect(posto.topLeft(), QSize(posto.width(), 100000)),
                                    int(l->alignment()) | a_capo, l->text())
                        .size();
            ha = posto.size();
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            const int margine = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            serve = fm.size(Qt::TextShowMnemonic, b->text()) + QSize(2 * margine, 0);
            ha = b->size();
        } else {
            continue;
        }
        if (serve.width() > ha.width() || serve.height() > ha.height())
            fuori << QString("%1 (%2x%3 in %4x%5)")
                         .arg(w->objectName())
                         .arg(serve.width())
                         .arg(serve.height())
                         .arg(ha.width())
                         .arg(ha.height());
    }
    return fuori;
}

class AdattaLingua : public ::testing::Test {
protected:
    // Test programs share one application: it goes back to Italian.
    void TearDown() override { rimuovi_lingua(*QCoreApplication::instance()); }
};

TEST_F(AdattaLingua, DidascalieNeiControlliFissi) {
    servizi_finti s;
    const struct {
        const char* nome;
        std::function<std::unique_ptr<QDialog>()> crea;
    } finestre[] = {
        {"dialogo_informazioni", [&] { return std::make_unique<dialogo_informazioni>(s); }},
        {"dialogo_note_precisione", [] { return std::make_unique<dialogo_note_precisione>(); }},
    };
    const struct {
        lingua l;
        const char* titolo;  // shows which language the box got
    } lingue[] = {{lingua::italiano, "Informazioni su pianopre"},
                  {lingua::inglese, "About pianopre"}};
    for (const auto& lg : lingue) {
        rimuovi_lingua(*QCoreApplication::instance());
        installa_lingua(*QCoreApplication::instance(), lg.l);
        EXPECT_EQ(dialogo_informazioni(s).windowTitle(), lg.titolo);
        for (const auto& f : finestre) {
            const std::unique_ptr<QDialog> d = f.crea();
            EXPECT_EQ(tagliati(*d), QStringList())
                << f.nome << " in " << codice_lingua(lg.l).toStdString();
        }
    }
}

}  // namespace
}  // namespace pianopre
