// "Info" and "?" in the real window: modal to the whole program, built anew
// at every opening, discarded on closing, the drawing left as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "common/didascalia.h"
#include "dialogs/informazioni.h"
#include "dialogs/note_precisione.h"
#include "info/testi_info.h"
#include "stampa_qt.h"
#include "support/banco_finestra.h"
#include "support/modale.h"

namespace pianopre {
namespace {

using prova::quando_aperta;

// A click that goes through the window system, where modal blocking happens.
void clic_da_finestra(QWidget* finestra, QWidget* controllo) {
    const QPoint centro = controllo->mapTo(finestra, controllo->rect().center());
    QTest::mouseClick(finestra->windowHandle(), Qt::LeftButton, {}, centro);
}

struct banco_visibile : banco_finestra {
    banco_visibile() {
        finestra.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    }
};

int finestre_aperte(const char* classe) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += w->inherits(classe) ? 1 : 0;
    return n;
}

TEST(Info, ModaleNuovaOgniVoltaEScartata) {
    banco_visibile b;
    b.esempio();
    b.calcola();
    const QImage disegno = b.c.area->immagine().copy();
    QStringList visti;
    for (int volta = 0; volta < 2; ++volta) {
        quando_aperta([&](QWidget* w) {
            auto* box = qobject_cast<dialogo_informazioni*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            visti << box->windowTitle() << didascalia(box->lblVersion) << didascalia(box->Lbltitle);
            // Changes to this opening must not reach the next one.
            imposta_didascalia(box->lblVersion, "cambiato");
            box->setWindowTitle("cambiato");
            QTest::mouseClick(box->CmdOK, Qt::LeftButton);
        });
        b.clic(b.c.info);
        EXPECT_EQ(finestre_aperte("pianopre::dialogo_informazioni"), 0);
    }
    const QStringList attesi = {"Informazioni su pianopre", "Versione 1.0.0", "pianopre"};
    EXPECT_EQ(visti, attesi + attesi);
    EXPECT_TRUE(b.c.area->immagine() == disegno);
    EXPECT_TRUE(b.servizi.eventi.isEmpty());
}

TEST(Note, ModaleNuovaOgniVoltaEScartata) {
    banco_visibile b;
    QStringList testi;
    for (int volta = 0; volta < 2; ++volta) {
        quando_aperta([&](QWidget* w) {
            auto* d = qobject_cast<dialogo_note_precisione*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(d->windowTitle(), "Informazioni sulla precisione");
            testi << didascalia(d->Label1);
            imposta_didascalia(d->Label1, "cambiato");
            if (volta == 0) {
                QTest::mouseClick(d->OKButton, Qt::LeftButton);
            } else {
                d->close();  // the close box
            }
        });
        b.clic(b.c.note);
        EXPECT_EQ(finestre_aperte("pianopre::dialogo_note_precisione"), 0);
    }
    const QString note = QString::fromStdString(testo_note());
    EXPECT_EQ(testi, QStringList({note, note}));
}

// While either box is open the main window takes no clicks; after it closes
// the same click goes through.
TEST(InfoENote, FinestraPrincipaleBloccata) {
    banco_visibile b;
    for (QPushButton* comando : {b.c.info, b.c.note}) {
        SCOPED_TRACE(comando->text().toStdString());
        b.esempio();
        b.c.uscita_num_foto->clear();
        bool aperta = false;
        quando_aperta([&](QWidget* w) {
            aperta = true;
            clic_da_finestra(&b.finestra, b.c.calcola);
            EXPECT_TRUE(b.c.uscita_num_foto->text().isEmpty());
            static_cast<QDialog*>(w)->accept();
        });
        b.clic(comando);
        EXPECT_TRUE(aperta);
        EXPECT_TRUE(b.c.uscita_num_foto->text().isEmpty());
        clic_da_finestra(&b.finestra, b.c.calcola);
        EXPECT_EQ(b.c.uscita_num_foto->text(), "9");
    }
}

}  // namespace
}  // namespace pianopre
