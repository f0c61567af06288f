// The site in the real window: the site drawing under the scheme survives the
// calculation and "Apri DXF", the placement typed or chosen with two clicks
// that snap, and what the picture then shows.
#include <gtest/gtest.h>

#include <QCompleter>
#include <QSettings>
#include <QTest>

#include "dialogs/collocazione_dialogo.h"
#include "exchange/file_scambio.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/modale.h"

namespace pianopre {
namespace {

// A site drawing with a wall from (1000, 2000) to (1010, 2017.32): azimuth 30 degrees.
std::string disegno_sito() {
    return "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nMURO\n10\n1000\n20\n2000\n30\n0\n11\n"
           "1010\n21\n2017.320508075689\n31\n0\n0\nENDSEC\n0\nEOF\n";
}

struct banco_sito : banco_finestra {
    prova::cartella_temporanea cartella;
    std::filesystem::path file = cartella / "sito.dxf";
    banco_sito() {
        QSettings().remove("collocazione/unita");
        std::ofstream(file) << disegno_sito();
        servizi.file.push_back(QString::fromStdString(file.string()));
        finestra.findChild<QAction*>("azione_apri_sito")->trigger();
    }
    void colloca(const std::function<void(finestra_collocazione*)>& compila) {
        prova::quando_aperta([&](QWidget* w) {
            auto* d = qobject_cast<finestra_collocazione*>(w);
            ASSERT_NE(d, nullptr);
            compila(d);
        });
        finestra.findChild<QAction*>("azione_colloca")->trigger();
    }
};

TEST(Sito, DisegnoSottoLoSchemaResisteAlCalcolo) {
    banco_sito b;
    EXPECT_EQ(b.lavoro.disegno_sito.lista_entita.n_entita(), 2);
    EXPECT_EQ(b.m.lista_entita.n_entita(), 0);  // the scheme's list is not touched
    b.esempio();
    b.calcola();
    EXPECT_EQ(b.lavoro.disegno_sito.lista_entita.n_entita(), 2);
    EXPECT_EQ(b.m.lista_entita.n_entita(), 154);
    // The fit takes in the site drawing, 900 m away from the scheme.
    EXPECT_LT(b.c.area->scala().left, 101);
    EXPECT_GT(b.c.area->scala().left + b.c.area->scala().width, 1010);
    b.finestra.findChild<QAction*>("azione_chiudi_sito")->trigger();
    EXPECT_EQ(b.lavoro.disegno_sito.lista_entita.n_entita(), 0);
    EXPECT_TRUE(b.servizi.messaggi().isEmpty());
}

// A file that is not a drawing leaves the site drawing, the job and its title
// as they were: only the message tells of it.
TEST(Sito, AperturaFallitaLasciaIlDisegno) {
    banco_sito b;
    const QString titolo = b.finestra.windowTitle();
    const std::string file_sito = b.lavoro.file_sito;
    const std::filesystem::path testo = b.cartella / "appunti.txt";
    std::ofstream(testo) << "non un disegno\n";
    b.servizi.file.push_back(QString::fromStdString(testo.string()));
    b.finestra.findChild<QAction*>("azione_apri_sito")->trigger();
    EXPECT_EQ(b.lavoro.disegno_sito.lista_entita.n_entita(), 2);
    EXPECT_EQ(b.lavoro.file_sito, file_sito);
    EXPECT_EQ(b.finestra.windowTitle(), titolo);
    ASSERT_FALSE(b.servizi.messaggi().isEmpty());
    EXPECT_TRUE(b.servizi.messaggi().back().contains("appunti.txt"));  // names the file
}

TEST(Sito, CollocazioneScrittaEInGon) {
    banco_sito b;
    b.esempio();
    b.calcola();
    b.colloca([](finestra_collocazione* d) {
        d->est->setText("1000");
        d->nord->setText("2000");
        d->quota->setText("50");
        d->azimut->setText("30");
        d->unita->setCurrentIndex(1);  // the azimuth follows the unit
        EXPECT_EQ(d->azimut->text().left(7), "33,3333");
        d->ok->click();
    });
    EXPECT_EQ(b.lavoro.sito.unita, unita_angolo::gon);
    EXPECT_NEAR(in_radianti(b.lavoro.sito.azimut, unita_angolo::gon),
                in_radianti(30, unita_angolo::gradi), 1e-12);
    EXPECT_EQ(b.lavoro.sito.quota, 50);
    b.colloca([](finestra_collocazione* d) {
        d->nord->setText("nord");
        d->ok->click();  // refused: the dialog stays open
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    EXPECT_EQ(b.servizi.messaggi().size(), 1);
    EXPECT_EQ(b.lavoro.sito.nord, 2000);
}

// The site's system: the name resolved beside the field as it is typed, the
// code kept on OK, refusals that keep the dialog open.
TEST(Sito, SistemaDiRiferimento) {
    banco_sito b;
    const struct {
        const char* scritto;
        const char* mostrato;  // in the label beside the field
        const char* tenuto;    // nullptr: OK is refused
    } casi[] = {
        {"6707", "EPSG:6707  RDN2008 / UTM zone 32N", "EPSG:6707"},
        {"wgs 84 / utm zone 33n", "EPSG:32633  WGS 84 / UTM zone 33N", "EPSG:32633"},
        {"", "Le esportazioni per mappe e droni richiedono un sistema di riferimento.", ""},
        {"EPSG:4326", "Errore: EPSG:4326 (WGS 84) è un sistema geografico", nullptr},
        {"EPSG:999999", "Errore: \"EPSG:999999\" non è un codice", nullptr},
    };
    for (const auto& c : casi) {
        const std::string prima = b.lavoro.sito.sistema;
        const std::size_t messaggi = static_cast<std::size_t>(b.servizi.messaggi().size());
        b.colloca([&](finestra_collocazione* d) {
            EXPECT_EQ(d->sistema->text().toStdString(), prima);  // the job's system is offered
            d->sistema->selectAll();
            QTest::keyClick(d->sistema, Qt::Key_Delete);
            QTest::keyClicks(d->sistema, c.scritto);  // typed: the list of names is read
            EXPECT_NE(d->findChild<QCompleter*>("completamento_sistema"), nullptr);
            EXPECT_TRUE(d->nome_sistema->text().startsWith(QString::fromUtf8(c.mostrato)))
                << d->nome_sistema->text().toStdString();
            d->ok->click();
            EXPECT_EQ(d->isVisible(), c.tenuto == nullptr) << c.scritto;
            if (d->isVisible()) d->reject();
        });
        EXPECT_EQ(b.lavoro.sito.sistema, c.tenuto ? c.tenuto : prima) << c.scritto;
        EXPECT_EQ(static_cast<std::size_t>(b.servizi.messaggi().size()),
                  messaggi + (c.tenuto ? 0 : 1))
            << c.scritto;
    }

    // A job not placed yet keeps its system when the unit chosen last time is gon.
    b.lavoro.sito = {};
    b.lavoro.sito.sistema = "EPSG:3003";
    QSettings().setValue("collocazione/unita", "gon");
    b.colloca([](finestra_collocazione* d) {
        EXPECT_EQ(d->unita->currentIndex(), 1);
        EXPECT_EQ(d->sistema->text(), "EPSG:3003");
        EXPECT_TRUE(d->nome_sistema->text().endsWith("Monte Mario / Italy zone 1"));
        d->reject();
    });
    QSettings().remove("collocazione/unita");
}

// Two clicks a few pixels off the wall's ends snap to them: A and the azimuth of A->B.
TEST(Sito, DueClicAgganciati) {
    banco_sito b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.finestra));
    b.colloca([](finestra_collocazione* d) { d->scegli->click(); });
    const area_disegno& area = *b.c.area;
    const auto clic = [&](double x, double y, QPoint scarto) {
        const QPoint p = area.in_pixel(x, y).toPoint() + scarto;
        QTest::mousePress(b.c.area, Qt::LeftButton, {}, p);
        QTest::mouseRelease(b.c.area, Qt::LeftButton, {}, p);
    };
    clic(1000, 2000, {3, -4});
    bool aperta = false;
    prova::quando_aperta([&](QWidget* w) {
        auto* d = qobject_cast<finestra_collocazione*>(w);
        ASSERT_NE(d, nullptr);
        aperta = true;
        EXPECT_EQ(d->est->text(), "1000");
        EXPECT_EQ(d->nord->text(), "2000");
        EXPECT_NEAR(d->azimut->text().replace(',', '.').toDouble(), 30, 1e-9);
        d->ok->click();
    });
    clic(1010, 2017.320508075689, {-5, 2});
    EXPECT_TRUE(aperta);
    EXPECT_NEAR(b.lavoro.sito.azimut, 30, 1e-9);
    EXPECT_EQ(b.lavoro.sito.est, 1000);
}

// A job placed along East over a site drawing whose only text is 0,1 m high,
// saved; a drawing with a 5 m text; and the window's picture as an image.
struct banco_riapertura : banco_sito {
    std::filesystem::path lavoro_file = cartella / "via_roma.pianopre";
    std::filesystem::path grande = cartella / "grande.dxf";
    banco_riapertura() {
        const std::filesystem::path via = cartella / "via_roma.dxf";
        std::ofstream(via) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nMURO\n10\n1000\n20\n2000\n"
                              "30\n0\n11\n1030\n21\n2000\n31\n0\n0\nTEXT\n8\nNOMI\n10\n1005\n"
                              "20\n2010\n30\n0\n40\n0.1\n1\nVia Roma\n0\nENDSEC\n0\nEOF\n";
        std::ofstream(grande) << "0\nSECTION\n2\nENTITIES\n0\nTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n"
                                 "40\n5\n1\nGRANDE\n0\nENDSEC\n0\nEOF\n";
        servizi.file.push_back(QString::fromStdString(via.string()));
        finestra.findChild<QAction*>("azione_apri_sito")->trigger();
        esempio();
        calcola();
        colloca([](finestra_collocazione* d) {
            d->est->setText("1000");
            d->nord->setText("2000");
            d->quota->setText("50");
            d->azimut->setText("90");
            d->ok->click();
        });
        servizi.file.push_back(QString::fromStdString(lavoro_file.string()));
        finestra.findChild<QAction*>("azione_salva_lavoro")->trigger();
    }
    QImage apri(const std::filesystem::path& file) {
        servizi.risposte_annulla.push_back(false);  // changes, if asked, are not saved
        finestra.apri_file(QString::fromStdString(file.string()));
        return c.area->immagine().copy();
    }
};

// The labels of a job keep their size when it is opened again after a drawing
// with large texts: the picture is the same as the first time, which is the
// same as in a window just started.
TEST(Sito, LavoroRiapertoComeLaPrimaVolta) {
    banco_riapertura b;
    ASSERT_EQ(b.lavoro.disegno_sito.lista_entita.n_entita(), 3);
    const QImage prima = b.apri(b.lavoro_file);
    b.apri(b.grande);
    EXPECT_EQ(b.m.lista_entita.n_entita(), 1);
    const QImage seconda = b.apri(b.lavoro_file);
    EXPECT_EQ(b.m.lista_entita.n_entita(), 154);
    EXPECT_TRUE(seconda == prima);
    EXPECT_TRUE(b.apri(b.lavoro_file) == prima);

    banco_finestra nuova;
    nuova.finestra.apri_file(QString::fromStdString(b.lavoro_file.string()));
    EXPECT_TRUE(nuova.c.area->immagine() == prima);
    EXPECT_TRUE(b.servizi.messaggi().isEmpty()) << b.servizi.eventi.join('\n').toStdString();
}

}  // namespace
}  // namespace pianopre
