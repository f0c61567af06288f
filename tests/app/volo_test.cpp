// The "Drone" section of the checks window in the real window: the drone rows
// of the 24 mm example, the settings edited, kept with the job, and shown
// anew when another job is opened while the window is open.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "dialogs/verifiche_finestra.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"

namespace pianopre {
namespace {

void esempio_24(banco_finestra& b) {
    const char* caselle[] = {"24", "35,7", "23,8", "14", "30", "10", "50", ""};
    QLineEdit* const ordine[] = {b.c.casella_focale,   b.c.casella_larg_neg,  b.c.casella_alt_neg,
                                 b.c.casella_alt_sogg, b.c.casella_larg_sogg, b.c.casella_distanza,
                                 b.c.casella_scala,    b.c.casella_base};
    for (std::size_t i = 0; i < 8; ++i) ordine[i]->setText(caselle[i]);
    b.lavoro.sensore = {"Pieno formato 35,7 x 23,8 - 60 Mpx", 9504, 6336, 0};
    b.calcola();
}

finestra_verifiche* apri_verifiche(banco_finestra& b) {
    b.finestra.findChild<QAction*>("azione_verifiche")->trigger();
    return b.finestra.findChild<finestra_verifiche*>();
}

QString riga(finestra_verifiche* w, const QString& nome) {
    const auto trovate = w->tabella->findItems(nome, Qt::MatchExactly);
    if (trovate.size() != 1) return "?";
    QStringList t;
    for (int c = 0; c < 4; ++c) t << w->tabella->item(trovate[0]->row(), c)->text();
    return t.join(" | ");
}

void scrivi(QLineEdit* casella, const QString& testo) {
    casella->setText(testo);
    emit casella->editingFinished();
}

TEST(VoloFinestra, RigheEImpostazioniDelDrone) {
    prova::cartella_temporanea cartella;
    const QString file = QString::fromStdString((cartella / "drone.pianopre").string());
    banco_finestra b;
    esempio_24(b);
    auto* v = apri_verifiche(b);
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->tabella->rowCount(), 20);  // the map's two rows last
    for (int r = 10; r < 20; ++r) EXPECT_FALSE(v->tabella->item(r, 0)->toolTip().isEmpty()) << r;
    EXPECT_EQ(v->drone[0]->text(), "2");
    EXPECT_EQ(v->drone[1]->text(), "1/500");
    EXPECT_EQ(v->drone[4]->text(), "25");
    EXPECT_TRUE(v->sosta->isChecked());
    EXPECT_TRUE(v->decollo[0]->text().isEmpty());
    EXPECT_EQ(riga(v, "Mosso del drone"),
              "Mosso del drone | 2,56 px | ≤ 0,5 px in volo; fermo a ogni scatto | OK");
    b.servizi.file.push_back(file);
    b.finestra.findChild<QAction*>("azione_salva_lavoro")->trigger();
    ASSERT_FALSE(b.finestra.windowTitle().endsWith('*'));

    // Flying through the shots at 0,5 m/s, 1/2000 s: 0,25 mm over a 1,565 mm GSD.
    v->sosta->click();
    scrivi(v->drone[0], "0,5");
    scrivi(v->drone[1], "1/2000");
    EXPECT_EQ(riga(v, "Mosso del drone"), "Mosso del drone | 0,16 px | ≤ 0,5 px | OK");
    EXPECT_EQ(riga(v, "Tempo tra due scatti"), "Tempo tra due scatti | 5,00 s | ≥ 2,00 s | OK");
    EXPECT_TRUE(b.finestra.windowTitle().endsWith('*'));
    // A box that is not a number, or a take-off with a coordinate missing, is
    // told and changes nothing.
    scrivi(v->drone[5], "cinque");
    EXPECT_TRUE(v->stato->text().startsWith("Errore")) << v->stato->text().toStdString();
    EXPECT_EQ(b.lavoro.drone.distanza_min_m, 5);
    scrivi(v->drone[5], "6");
    EXPECT_EQ(b.lavoro.drone.distanza_min_m, 6);
    scrivi(v->decollo[0], "1000");
    EXPECT_TRUE(v->stato->text().startsWith("Errore")) << v->stato->text().toStdString();
    EXPECT_FALSE(b.lavoro.drone.decollo);
    v->decollo[1]->setText("2000");
    scrivi(v->decollo[2], "22,125");
    ASSERT_TRUE(b.lavoro.drone.decollo);
    // The second strip at 20 + 10,425 = 30,425 m, less 22,125.
    EXPECT_EQ(riga(v, "Altezza massima sul decollo"),
              "Altezza massima sul decollo | 8,30 m | ≤ 120,00 m | OK");
    b.finestra.findChild<QAction*>("azione_salva_lavoro")->trigger();

    banco_finestra altro;
    altro.finestra.apri_file(file);
    const impostazioni_drone& d = altro.lavoro.drone;
    EXPECT_EQ(d.velocita_ms, 0.5);
    EXPECT_EQ(d.esposizione_s, 1.0 / 2000);
    EXPECT_FALSE(d.sosta);
    EXPECT_EQ(d.distanza_min_m, 6);
    ASSERT_TRUE(d.decollo);
    EXPECT_EQ(std::tie(d.decollo->x, d.decollo->y, d.decollo->z),
              std::make_tuple(1000.0, 2000.0, 22.125));
    auto* w = apri_verifiche(altro);
    EXPECT_EQ(w->drone[1]->text(), "1/2000");
    EXPECT_EQ(w->decollo[2]->text(), "22,125");
    EXPECT_FALSE(w->sosta->isChecked());
}

// Opening a job while the window is open shows that job's settings: an edit
// after it changes only the edited value of the job now open.
TEST(VoloFinestra, ApreUnAltroLavoroConLaFinestraAperta) {
    prova::cartella_temporanea cartella;
    const QString primo = QString::fromStdString((cartella / "primo.pianopre").string());
    const QString secondo = QString::fromStdString((cartella / "secondo.pianopre").string());
    {
        banco_finestra b;
        b.lavoro.verifiche.divisore_gsd = 4;
        b.lavoro.drone.velocita_ms = 3;
        b.lavoro.drone.sosta = false;
        b.lavoro.drone.decollo = punto3{5, 6, 7};
        b.servizi.file = {primo};
        b.finestra.findChild<QAction*>("azione_salva_lavoro")->trigger();
        b.lavoro.verifiche.divisore_gsd = 5;
        b.lavoro.drone = {};
        b.lavoro.drone.autonomia_min = 31;
        b.servizi.file = {secondo};
        b.finestra.findChild<QAction*>("azione_salva_lavoro_con_nome")->trigger();
    }
    banco_finestra b;
    b.finestra.apri_file(primo);
    auto* v = apri_verifiche(b);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->drone[0]->text(), "3");
    EXPECT_EQ(v->decollo[0]->text(), "5");
    for (const QString& file : {secondo, primo, secondo}) {
        SCOPED_TRACE(file.toStdString());
        b.finestra.apri_file(file);
        const bool due = file == secondo;
        EXPECT_EQ(v->impostazioni[1]->text(), due ? "5" : "4");
        EXPECT_EQ(v->drone[0]->text(), due ? "2" : "3");
        EXPECT_EQ(v->drone[3]->text(), due ? "31" : "20");
        EXPECT_EQ(v->decollo[0]->text(), due ? "" : "5");
        EXPECT_EQ(v->sosta->isChecked(), due);
    }
    scrivi(v->drone[6], "100");
    scrivi(v->impostazioni[6], "2");
    EXPECT_EQ(b.lavoro.drone.altezza_max_m, 100);
    EXPECT_EQ(b.lavoro.drone.velocita_ms, 2);
    EXPECT_EQ(b.lavoro.drone.autonomia_min, 31);
    EXPECT_FALSE(b.lavoro.drone.decollo);
    EXPECT_TRUE(b.lavoro.drone.sosta);
    EXPECT_EQ(b.lavoro.verifiche.divisore_gsd, 5);
    EXPECT_EQ(b.lavoro.verifiche.altezza_max_camera_m, 2);
    // "Nuovo" brings the defaults back into the boxes.
    b.servizi.risposte_annulla = {false};
    b.finestra.findChild<QAction*>("azione_nuovo")->trigger();
    EXPECT_EQ(v->drone[6]->text(), "120");
    EXPECT_EQ(v->impostazioni[1]->text(), "3");
}

}  // namespace
}  // namespace pianopre
