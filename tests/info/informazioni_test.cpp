// The About box: window, controls, load step, the hidden system-information
// command and its search, over a registry and a launcher written by the test.
#include <gtest/gtest.h>

#include <QSet>
#include <QTest>

#include "common/didascalia.h"
#include "dialogs/immagine_about.h"
#include "dialogs/informazioni.h"
#include "info/testi_info.h"
#include "registro_finto.h"
#include "stampa_qt.h"
#include "support/servizi_finti.h"
#include "support/twips.h"

namespace pianopre {
namespace {

using prova::twips;

struct controllo_atteso {
    const char* nome;
    const char* classe;
    QString testo;
    QRect posto;
    double punti;
};

const QString messaggio = "messaggio:Le informazioni sul sistema non sono attualmente disponibili.";

TEST(dialogo_informazioni, FinestraFissaEModale) {
    servizi_finti s;
    dialogo_informazioni box(s);
    EXPECT_EQ(box.objectName(), "frmAbout");
    EXPECT_EQ(box.windowTitle(), "Informazioni su pianopre");
    EXPECT_EQ(box.geometry(), twips(2340, 1935, 5730, 6495));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 9.75);
}

TEST(dialogo_informazioni, ControlliConTestiPostiECaratteri) {
    servizi_finti s;
    dialogo_informazioni box(s);
    const controllo_atteso attesi[] = {
        {"Lbltitle", "QLabel", "pianopre", twips(1680, 240, 3885, 480), 8.25},
        {"lblVersion", "QLabel", "Versione 1.0.0", twips(1680, 780, 3885, 225), 8.25},
        {"lblDescription", "QLabel",
         "Il programma permette di calcolare, in base alla camera utilizzata, alle dimensioni "
         "dell'oggetto, alla distanza di presa, il numero dei fotogrammi da scattare, il numero "
         "delle strisciate e la precisione teorica ottenibile dalla restituzione "
         "fotogrammetrica.",
         twips(1680, 1125, 3885, 1170), 8.25},
        {"lblDisclaimer", "QLabel", testo_avvertenza, twips(255, 2640, 3990, 1185), 9.75},
        {"CmdOK", "QPushButton", "OK", twips(4440, 2640, 1215, 375), 9.75},
        {"cmdSysInfo", "QPushButton", "&System Info...", twips(4440, 3075, 1245, 345), 8.25},
        {"Label3", "QLabel", testo_condizioni[0], twips(240, 3840, 5295, 615), 9.75},
        {"Label6", "QLabel", testo_condizioni[1], twips(240, 4320, 5055, 495), 9.75},
        {"Label5", "QLabel", testo_condizioni[2], twips(240, 4800, 5175, 495), 9.75},
        {"Label4", "QLabel", testo_condizioni[3], twips(240, 5280, 5175, 495), 9.75},
        {"Label1", "QLabel", indirizzo_web, twips(2160, 5760, 1455, 375), 12},
        {"Label2", "QLabel", indirizzo_posta, twips(1920, 6120, 1815, 255), 9.75},
    };
    for (const controllo_atteso& a : attesi) {
        SCOPED_TRACE(a.nome);
        QWidget* w = box.findChild<QWidget*>(a.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), a.classe);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(didascalia(l), a.testo);
            EXPECT_TRUE(l->wordWrap());
            // Our own wording must fit the box it was written for.
            EXPECT_LE(l->heightForWidth(l->width()), l->height());
        } else {
            EXPECT_EQ(static_cast<QPushButton*>(w)->text(), a.testo);
        }
        EXPECT_EQ(w->geometry(), a.posto);
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), a.punti);
        EXPECT_FALSE(w->font().bold());
    }
    for (QLabel* l : {box.Lbltitle, box.lblDescription, box.lblDisclaimer}) {
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

TEST(dialogo_informazioni, ImmagineELineeIncise) {
    servizi_finti s;
    dialogo_informazioni box(s);
    const QImage img = immagine_about();
    EXPECT_EQ(img.size(), QSize(60, 51));
    EXPECT_EQ(img.format(), QImage::Format_RGB888);
    EXPECT_EQ(img.depth(), 24);
    QSet<QRgb> colori;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) colori.insert(img.pixel(x, y));
    }
    EXPECT_GT(colori.size(), 16);  // a picture, not a flat box

    ASSERT_NE(box.picIcon, nullptr);
    EXPECT_EQ(box.picIcon->pixmap().toImage().convertToFormat(QImage::Format_RGB888), img);
    // Sized to the picture and its sunken border.
    EXPECT_EQ(box.picIcon->geometry(), twips(240, 240, 960, 825));

    auto* sopra = box.findChild<QWidget*>("Line1(1)");
    auto* sotto = box.findChild<QWidget*>("Line1(0)");
    ASSERT_NE(sopra, nullptr);
    ASSERT_NE(sotto, nullptr);
    EXPECT_EQ(sopra->geometry(), QRect(6, 163, 372, 1));
    EXPECT_EQ(sotto->geometry(), QRect(7, 164, 371, 2));
    EXPECT_EQ(sopra->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(sotto->palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST(dialogo_informazioni, OkEChiusuraChiudono) {
    servizi_finti s;
    dialogo_informazioni box(s);
    box.show();
    EXPECT_TRUE(box.CmdOK->isVisible());
    EXPECT_FALSE(box.cmdSysInfo->isVisible());
    QTest::mouseClick(box.CmdOK, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);

    dialogo_informazioni altro(s);
    altro.show();
    altro.close();
    EXPECT_FALSE(altro.isVisible());
    EXPECT_EQ(altro.result(), QDialog::Rejected);
    EXPECT_TRUE(s.eventi.isEmpty());
}

// The access key of the hidden button does nothing; the same key on the
// button made visible starts the command, so the first half means something.
// An access key clicks after a short animation, hence the waits.
TEST(dialogo_informazioni, TastoDiAccessoNascostoInattivo) {
    servizi_finti s;
    dialogo_informazioni box(s);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(box.windowHandle(), Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_TRUE(s.eventi.isEmpty());
    EXPECT_TRUE(box.isVisible());

    box.cmdSysInfo->show();
    QTest::keyClick(box.windowHandle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !s.eventi.isEmpty(); }, 2000));
    EXPECT_EQ(s.eventi, QStringList{messaggio});
}

TEST(StartSysInfo, PrimaChiaveAvviataOppureMessaggio) {
    servizi_finti s;
    registro_finto r;
    QStringList avviati;
    bool riesce = true;
    dialogo_informazioni box(s, r, [&](const QString& p) {
        avviati << p;
        return riesce;
    });
    r.testo(chiave_msinfo, "PATH", "/opt/strumenti/msinfo");
    box.StartSysInfo();
    EXPECT_EQ(avviati, QStringList{"/opt/strumenti/msinfo"});
    EXPECT_TRUE(s.eventi.isEmpty());

    riesce = false;
    box.StartSysInfo();
    EXPECT_EQ(avviati.size(), 2);
    EXPECT_EQ(s.eventi, QStringList{messaggio});
}

// This platform's box finds no registry; with the real launcher a path to a
// missing file fails to start.
TEST(StartSysInfo, NessunRegistroOPercorsoInesistente) {
    servizi_finti s;
    dialogo_informazioni box(s);
    box.StartSysInfo();
    registro_finto r;
    r.testo(chiave_msinfo, "PATH", "/manca/del/tutto/msinfo32");
    dialogo_informazioni con_chiave(s, r);
    con_chiave.StartSysInfo();
    EXPECT_EQ(s.eventi, QStringList({messaggio, messaggio}));
}

TEST(StartSysInfo, SecondaChiaveSenzaProgrammaNonAvviaNulla) {
    servizi_finti s;
    registro_finto r;
    r.testo(chiave_strumenti, "MSINFO", "/manca/cartella");
    int avvii = 0;
    dialogo_informazioni box(s, r, [&](const QString&) {
        ++avvii;
        return true;
    });
    box.StartSysInfo();
    EXPECT_EQ(avvii, 0);
    EXPECT_EQ(s.eventi, QStringList{messaggio});
    EXPECT_EQ(r.letture, 2);
}

}  // namespace
}  // namespace pianopre
