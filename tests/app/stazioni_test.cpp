// "Stazioni e punti" and "Esporta stazioni CSV..." in the real window, with the
// first example placed at A = (1000, 2000, 50) and an azimuth of 30 degrees.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "dialogs/stazioni_finestra.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/leggi_file.h"
#include "support/modale.h"

namespace pianopre {
namespace {

struct banco_stazioni : banco_finestra {
    prova::cartella_temporanea cartella;
    banco_stazioni() {
        lavoro.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
        esempio();
        calcola();
    }
    QString file(const char* nome) const {
        return QString::fromStdString((cartella / nome).string());
    }
    void azione(const char* nome) { finestra.findChild<QAction*>(nome)->trigger(); }
    QString cella(QTableView* v, int r, int c) { return v->model()->index(r, c).data().toString(); }
};

int rossi(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == qRgb(255, 0, 0);
    return n;
}

TEST(Stazioni, TabelleSeguonoCalcoloEPunti) {
    banco_stazioni b;
    b.azione("azione_stazioni");
    auto* f = b.finestra.findChild<finestra_stazioni*>();
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->stazioni->rowCount(), 9);
    EXPECT_EQ(b.cella(f->vista_stazioni, 0, 0), "S1-01");
    EXPECT_EQ(b.cella(f->vista_stazioni, 0, 3), "1008,96");  // to the centimetre
    EXPECT_EQ(b.cella(f->vista_stazioni, 0, 4), "1995,52");
    EXPECT_EQ(b.cella(f->vista_stazioni, 0, 6), "300,0000");
    EXPECT_EQ(f->modelli->rowCount(), 8);
    EXPECT_TRUE(f->riepilogo->text().contains("Nessun punto"));

    // Two control points in the first model's overlap, on the site.
    std::ofstream(b.cartella / "pf.xyz") << "PF1,1000.75,2001.299,52\nPF2,1001.866,2001.232,53\n";
    b.c.fronte->click();
    b.c.area->pulisci();
    b.finestra.ridis(adattamento::adatta);
    const int prima = rossi(b.c.area->immagine());
    b.servizi.file.push_back(b.file("pf.xyz"));
    b.azione("azione_apri_xyz");
    EXPECT_EQ(f->modelli->index(0, 3).data().toInt() + f->modelli->index(1, 3).data().toInt(), 2);
    EXPECT_TRUE(f->riepilogo->text().contains("meno di 4")) << f->riepilogo->text().toStdString();
    EXPECT_GT(rossi(b.c.area->immagine()), prima);  // the short models outlined in red

    b.c.casella_distanza->setText("12");
    b.calcola();
    EXPECT_NE(b.cella(f->vista_stazioni, 0, 3), "1008,960");
}

TEST(Stazioni, EsportaCsvNeiDueFormati) {
    banco_stazioni b;
    for (const int formato : {0, 1}) {
        prova::quando_aperta([&](QWidget* w) {
            w->findChild<QComboBox*>("ordine")->setCurrentIndex(formato);
            w->findChild<QComboBox*>("separatori")->setCurrentIndex(formato);
            static_cast<QDialog*>(w)->accept();
        });
        b.servizi.file.push_back(b.file(formato == 0 ? "a" : "b.csv"));
        b.azione("azione_esporta_csv");
    }
    std::ifstream a(b.cartella / "a.csv"), c(b.cartella / "b.csv");
    std::string intestazione, riga;
    std::getline(a, intestazione);
    std::getline(a, riga);
    EXPECT_EQ(riga.rfind("S1-01,1995.520,1008.960,51.500,", 0), 0u) << riga;
    std::getline(c, intestazione);
    std::getline(c, riga);
    EXPECT_EQ(riga.rfind("S1-01;1008,960;1995,520;51,500;", 0), 0u) << riga;
    b.servizi.file.push_back(b.file("a.csv/x.csv"));  // under a file: no folder
    prova::quando_aperta([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    b.azione("azione_esporta_csv");
    EXPECT_TRUE(
        b.servizi.messaggi().last().startsWith("messaggio:Errore: impossibile salvare il file: "));
}

// "Esporta per mappe e droni...": refused without a coordinate system, asked
// before anything else; with one, the file of the format chosen.
TEST(Stazioni, EsportaPerMappeEDroni) {
    banco_stazioni b;
    b.azione("azione_esporta_geo");
    ASSERT_EQ(b.servizi.messaggi().size(), 1);
    EXPECT_TRUE(b.servizi.messaggi()[0].contains("richiedono un sistema di riferimento"));
    EXPECT_TRUE(b.servizi.eventi.filter("salva:").isEmpty());

    b.lavoro.sito = {402000, 4640000, 50, 30, unita_angolo::gradi, "EPSG:32633"};
    const struct {
        const char* scelta;
        const char* nome;
        const char* inizio;  // of the file written
    } casi[] = {{"geojson", "piano.geojson", "{"}, {"litchi", "volo", "latitude,longitude"}};
    for (const auto& caso : casi) {
        b.servizi.eventi.clear();
        prova::quando_aperta([&](QWidget* w) {
            EXPECT_TRUE(w->findChild<QLabel*>("sistema")->text().contains("EPSG:32633"));
            w->findChild<QRadioButton*>(caso.scelta)->setChecked(true);
            static_cast<QDialog*>(w)->accept();
        });
        b.servizi.file.push_back(b.file(caso.nome));
        b.azione("azione_esporta_geo");
        const QString atteso = std::strcmp(caso.scelta, "litchi") == 0 ? "volo.csv" : caso.nome;
        EXPECT_EQ(b.servizi.messaggi(),
                  QStringList({"messaggio:File: " + b.file(atteso.toUtf8()) + " salvato."}));
        EXPECT_EQ(prova::leggi_tutto(b.cartella / atteso.toStdString()).rfind(caso.inizio, 0), 0u);
    }
}

// The printed plan of the placed job; before a calculation there is none.
TEST(Stazioni, ReportPdfDelPiano) {
    banco_stazioni b;
    b.servizi.file.push_back(b.file("piano"));
    b.azione("azione_report_pdf");
    EXPECT_EQ(prova::leggi_tutto(b.cartella / "piano.pdf").substr(0, 4), "%PDF");
    EXPECT_TRUE(b.servizi.messaggi().last().endsWith("piano.pdf salvato."));
    // A plan of several pages shows its progress and stops at a Cancel, writing nothing.
    b.c.casella_larg_sogg->setText("300");
    b.calcola();
    b.servizi.ferma_al_passo = 1;
    b.servizi.file.push_back(b.file("lungo.pdf"));
    const int messaggi = b.servizi.messaggi().size();
    const std::size_t passi = b.servizi.passi.size();
    b.azione("azione_report_pdf");
    EXPECT_EQ(b.servizi.passi.size(), passi + 1);
    EXPECT_FALSE(std::filesystem::exists(b.cartella / "lungo.pdf"));
    EXPECT_EQ(b.servizi.messaggi().size(), messaggi);

    banco_finestra vuoto;
    vuoto.finestra.findChild<QAction*>("azione_report_pdf")->trigger();
    EXPECT_TRUE(vuoto.servizi.messaggi().last().contains("nessun piano"));
    EXPECT_EQ(vuoto.servizi.eventi.filter("salva:").size(), 0);
}

// The models of the 24 mm example as a surveyor reads them: from corner A along
// the façade, above the ground; placed, the corners in site coordinates too.
// Coverage 14,875 x 9,91667 m: the first model spans 0 to 12,375 m and
// 1,5 ∓ 4,95833 m; the second strip's camera stands 8,925 m higher.
TEST(Stazioni, ModelliDallAngoloA) {
    banco_finestra b;
    const char* caselle[] = {"24", "35,7", "23,8", "14", "30", "10", "50", ""};
    QLineEdit* const ordine[] = {b.c.casella_focale,   b.c.casella_larg_neg,  b.c.casella_alt_neg,
                                 b.c.casella_alt_sogg, b.c.casella_larg_sogg, b.c.casella_distanza,
                                 b.c.casella_scala,    b.c.casella_base};
    for (std::size_t i = 0; i < 8; ++i) ordine[i]->setText(caselle[i]);
    b.calcola();
    b.finestra.findChild<QAction*>("azione_stazioni")->trigger();
    auto* f = b.finestra.findChild<finestra_stazioni*>();
    ASSERT_NE(f, nullptr);
    const auto cella = [&](int r, int c) { return f->modelli->index(r, c).data().toString(); };
    ASSERT_EQ(f->modelli->rowCount(), 18);
    EXPECT_EQ(f->modelli->columnCount(), 5);  // not placed: no site corners
    EXPECT_EQ(cella(0, 1), "0,00 ÷ 12,38");
    EXPECT_EQ(cella(9, 2), "5,47 ÷ 15,38");
    EXPECT_EQ(f->modelli->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Dall'angolo A (m)");

    // Placed with the façade along North from A = (1000, 2000, 50).
    b.lavoro.sito = {1000, 2000, 50, 0, unita_angolo::gradi};
    b.calcola();
    ASSERT_EQ(f->modelli->columnCount(), 9);
    EXPECT_EQ(cella(0, 5), "1000,00 / 2000,00 / 46,54");
    EXPECT_EQ(cella(9, 7), "1000,00 / 2012,38 / 65,38");
}

}  // namespace
}  // namespace pianopre
