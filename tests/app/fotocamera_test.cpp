// "Fotocamera..." and "Verifiche del piano" in the real window: the camera
// list fills the boxes as if typed, keeps the user's cameras in their file,
// and the checks window follows the calculation.
#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>

#include "base/testo_misure.h"
#include "common/percorsi.h"
#include "dialogs/fotocamere_dialogo.h"
#include "dialogs/verifiche_finestra.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/modale.h"

namespace pianopre {
namespace {

struct banco_fotocamere {
    // A configuration folder of this test process's own, away from the user's.
    banco_fotocamere() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QString("pianopre-prova-%1").arg(QCoreApplication::applicationPid()));
        QFile::remove(percorso_fotocamere_utente());
    }
    ~banco_fotocamere() {
        QFile::remove(percorso_fotocamere_utente());
        QCoreApplication::setApplicationName(nome_);
    }
    QString nome_ = QCoreApplication::applicationName();
};

// Chooses `nome` in the dialog opened by `apri` and presses "Usa".
void scegli(const QString& nome, const std::function<void()>& apri) {
    prova::quando_aperta([&](QWidget* w) {
        auto* d = qobject_cast<finestra_fotocamere*>(w);
        ASSERT_NE(d, nullptr);
        const auto trovate = d->elenco->findItems(nome, Qt::MatchExactly);
        ASSERT_EQ(trovate.size(), 1) << nome.toStdString();
        d->elenco->setCurrentItem(trovate.front());
        d->usa->click();
    });
    apri();
}

TEST(Fotocamera, UsaRiempieLeCaselleNelFormatoRegionale) {
    banco_fotocamere f;
    for (const auto& [formato, larghezza] : {std::pair{formato_regionale::italiano(), "35,7"},
                                             {formato_regionale::inglese(), "35.7"}}) {
        commessa lavoro;
        servizi_finti servizi;
        finestra_principale finestra(lavoro, servizi, formato);
        const controlli_principali& c = finestra.controlli();
        auto* azione = finestra.findChild<QAction*>("azione_fotocamera");
        ASSERT_NE(azione, nullptr);
        scegli("Pieno formato 35,7 x 23,8 - 60 Mpx", [&] { azione->trigger(); });
        EXPECT_EQ(c.casella_larg_neg->text(), larghezza);
        EXPECT_EQ(c.casella_focale->text(), "100");  // no focal length: the box keeps its text
        EXPECT_EQ(lavoro.sensore.larghezza_px, 9504);
        scegli("Pellicola metrica 130 x 180 - focale 100", [&] { azione->trigger(); });
        EXPECT_EQ(c.casella_alt_neg->text(), "180");
        EXPECT_TRUE(c.metrica->isChecked());
        EXPECT_EQ(lavoro.sensore.larghezza_px, 0);
        EXPECT_TRUE(servizi.eventi.isEmpty()) << servizi.eventi.join('\n').toStdString();
    }
}

TEST(Fotocamera, ListaDellUtenteSalvataEFileDanneggiato) {
    banco_fotocamere f;
    servizi_finti servizi;
    const QString file = percorso_fotocamere_utente();
    {
        finestra_fotocamere d(percorso_fotocamere_predefinite(), file, servizi,
                              formato_regionale::italiano());
        const int predefinite = d.elenco->count();
        EXPECT_EQ(predefinite, 8);
        EXPECT_FALSE(d.modifica->isEnabled());  // a preset is not changed in place
        d.duplica->click();
        d.nome->setText("La mia");
        d.larghezza_px->setText("6000 px");
        d.modifica->click();  // refused with its message, nothing saved
        d.larghezza_px->setText("6000");
        d.altezza_px->setText("4000");  // the sensor's 3:2
        d.modifica->click();
        EXPECT_EQ(d.elenco->count(), predefinite + 1);
        EXPECT_EQ(d.elenco->item(predefinite)->text(), "La mia");
    }
    EXPECT_EQ(servizi.messaggi().size(), 1);
    {
        finestra_fotocamere d(percorso_fotocamere_predefinite(), file, servizi,
                              formato_regionale::italiano());
        EXPECT_EQ(d.elenco->item(8)->text(), "La mia");
    }
    QFile guasto(file);
    ASSERT_TRUE(guasto.open(QIODevice::WriteOnly | QIODevice::Truncate));
    guasto.write("{\"fotocamere\": [");
    guasto.close();
    servizi.eventi.clear();
    finestra_fotocamere d(percorso_fotocamere_predefinite(), file, servizi,
                          formato_regionale::italiano());
    EXPECT_EQ(d.elenco->count(), 8);  // the presets stay usable
    ASSERT_EQ(servizi.messaggi().size(), 1);
    EXPECT_TRUE(servizi.messaggi().front().contains(file));
    d.duplica->click();  // the damaged file is kept aside before the first save
    EXPECT_TRUE(QFile::exists(file + ".bak"));
    QFile::remove(file + ".bak");
}

// What the dialog refuses, each with its message, and what it takes: the
// fields of the 35,7 x 23,8 mm preset with some changed, then a button.
TEST(Fotocamera, RifiutaProporzioniNomiRipetutiEFocali) {
    banco_fotocamere f;
    servizi_finti servizi;
    finestra_fotocamere d(percorso_fotocamere_predefinite(), percorso_fotocamere_utente(), servizi,
                          formato_regionale::italiano());
    const struct {
        const char *nome, *larghezza_px, *altezza_px, *focale;
        bool modifica;          // "Modifica" on the selected camera, otherwise "Aggiungi"
        const char* messaggio;  // part of the message; empty when taken
        int voci;
    } casi[] = {
        {"Mia", "9504", "4500", "", false,
         "Errore: l'immagine di 9504 × 4500 pixel ha proporzioni 2,112 e il sensore di 35,7 × "
         "23,8 mm 1,5: differiscono di più del 5 %",
         8},
        {"Mia", "6336", "9504", "", false, "proporzioni 0,667 e il sensore", 8},
        {" pieno FORMATO 35,7 x 23,8 -  60 mpx ", "9504", "6336", "", false,
         "Errore: c'è già una fotocamera di nome \"Pieno formato 35,7 x 23,8 - 60 Mpx\"", 8},
        {"Mia", "9504", "6336", "0,5", false,
         "Errore: la focale di 0,5 mm non è quella di un obiettivo: deve essere tra 1 e 2000 mm.",
         8},
        {"Mia", "9504", "6336", "2500", false, "la focale di 2500 mm", 8},
        {"Mia", "9504", "6336", "-24", false, "Errore: valore non valido in \"Focale\".", 8},
        {"Mia", "9504", "6336", "24", false, "", 9},
        {"MIA ", "6000", "4000", "", false, "c'è già una fotocamera di nome \"Mia\"", 9},
        {"mia", "9504", "4500", "24", true, "proporzioni 2,112", 9},
        {"mia", "9504", "6336", "24", true, "", 9},  // its own name, in other case
        {"Pieno formato 36 x 24 - 21 Mpx", "9504", "6336", "", true, "c'è già", 9},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome + std::string(" ") + k.altezza_px + " " + k.focale);
        servizi.eventi.clear();
        d.nome->setText(k.nome);
        d.larghezza_mm->setText("35,7");
        d.altezza_mm->setText("23,8");
        d.larghezza_px->setText(k.larghezza_px);
        d.altezza_px->setText(k.altezza_px);
        d.focale_mm->setText(k.focale);
        (k.modifica ? d.modifica : d.aggiungi)->click();
        const QStringList messaggi = servizi.messaggi();
        if (*k.messaggio == '\0') {
            EXPECT_TRUE(messaggi.isEmpty()) << messaggi.join('\n').toStdString();
        } else {
            ASSERT_EQ(messaggi.size(), 1);
            EXPECT_TRUE(messaggi.front().contains(QString::fromUtf8(k.messaggio)))
                << messaggi.front().toStdString();
        }
        EXPECT_EQ(d.elenco->count(), k.voci);
        const QString file = percorso_fotocamere_utente();  // written from the first camera on
        EXPECT_EQ(QFile::exists(file) ? leggi_file_fotocamere(percorso_locale(file)).size() : 0u,
                  static_cast<std::size_t>(k.voci - 8));
    }
    EXPECT_EQ(d.elenco->item(8)->text(), "mia");

    servizi.eventi.clear();  // "Usa" refuses the same fields
    d.altezza_px->setText("4500");
    d.usa->click();
    EXPECT_FALSE(d.scelta().has_value());
    EXPECT_EQ(servizi.messaggi().size(), 1);
}

// A list written before these checks loads whole, its faulty cameras named in
// one warning; copies get names of their own.
TEST(Fotocamera, ListaConVociDaCorreggereECopie) {
    banco_fotocamere f;
    const QString file = percorso_fotocamere_utente();
    scrivi_file_fotocamere(percorso_locale(file),
                           {{"Quadrata", 36, 24, 6000, 6000, 0, false, {}},
                            {"Tele", 36, 24, 6000, 4000, 0, false, 5000},
                            {"Buona", 36, 24, 6000, 4000, 0, false, 50},
                            {" buona", 23.5, 15.6, 6000, 4000, 0, false, {}}});
    servizi_finti servizi;
    finestra_fotocamere d(percorso_fotocamere_predefinite(), file, servizi,
                          formato_regionale::italiano());
    EXPECT_EQ(d.elenco->count(), 12);
    ASSERT_EQ(servizi.messaggi().size(), 1);
    const QString avviso = servizi.messaggi().front();
    EXPECT_TRUE(avviso.startsWith("messaggio:Attenzione: alcune fotocamere del file " + file));
    for (const char* riga : {"\nQuadrata: l'immagine di 6000 × 6000 pixel ha proporzioni 1 e il "
                             "sensore di 36 × 24 mm 1,5:",
                             "\nTele: la focale di 5000 mm", "\n buona: il nome è già"})
        EXPECT_TRUE(avviso.contains(QString::fromUtf8(riga))) << riga;
    EXPECT_EQ(avviso.count('\n'), 3) << avviso.toStdString();

    servizi.eventi.clear();
    d.elenco->setCurrentRow(10);  // "Buona", twice copied
    d.duplica->click();
    d.elenco->setCurrentRow(10);
    d.duplica->click();
    EXPECT_EQ(d.elenco->item(12)->text(), "Buona (copia)");
    EXPECT_EQ(d.elenco->item(13)->text(), "Buona (copia 2)");
    EXPECT_TRUE(servizi.messaggi().isEmpty());
    EXPECT_EQ(leggi_file_fotocamere(percorso_locale(file)).size(), 6u);
}

TEST(Verifiche, SegueIlCalcoloEGliErrori) {
    banco_finestra b;
    b.finestra.findChild<QAction*>("azione_verifiche")->trigger();
    auto* v = b.finestra.findChild<finestra_verifiche*>();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->tabella->rowCount(), 0);
    EXPECT_TRUE(v->stato->text().contains("Nessun piano"));

    b.lavoro.sensore.larghezza_px = 6000;
    b.esempio();
    b.calcola();
    ASSERT_GT(v->tabella->rowCount(), 3);
    QStringList esiti;
    for (int r = 0; r < v->tabella->rowCount(); ++r) {
        esiti << v->tabella->item(r, 3)->text();
        EXPECT_FALSE(v->tabella->item(r, 0)->toolTip().isEmpty());
        EXPECT_FALSE(v->tabella->item(r, 1)->text().contains("nan"));
    }
    // The strip's camera and the map's coverage and precision too.
    EXPECT_EQ(esiti.count("OK"), 6) << esiti.join(',').toStdString();
    // Under the table both estimates, each labelled, the classic one as the
    // main window's boxes hold it, rounded.
    const QStringList precisioni = v->precisioni->text().split('\n');
    ASSERT_EQ(precisioni.size(), 3) << v->precisioni->text().toStdString();
    const QString massima = QString::fromStdString(
        testo_coppia_misure(b.lavoro.prec_max.x, b.lavoro.prec_max.z, misura::millimetri,
                            formato_regionale::italiano()));
    EXPECT_TRUE(precisioni[0].startsWith("Stima classica X / Z max: " + massima + " - "))
        << precisioni[0].toStdString();
    EXPECT_TRUE(precisioni[1].startsWith("Stima classica X / Z min: "));
    const auto righe = v->tabella->findItems("Precisione X / Z col pixel", Qt::MatchExactly);
    ASSERT_EQ(righe.size(), 1);
    const QString pixel = v->tabella->item(righe[0]->row(), 1)->text();
    EXPECT_TRUE(precisioni[2].startsWith("Precisione X / Z col pixel: " + pixel + " - "))
        << precisioni[2].toStdString();

    v->impostazioni[1]->setText("0");  // GSD divisor
    emit v->impostazioni[1]->editingFinished();
    EXPECT_TRUE(v->stato->text().startsWith("Errore")) << v->stato->text().toStdString();
    EXPECT_EQ(b.lavoro.verifiche.divisore_gsd, 3);

    b.c.casella_distanza->clear();
    b.calcola();
    EXPECT_EQ(v->tabella->rowCount(), 0);
    EXPECT_TRUE(v->precisioni->text().isEmpty());
    EXPECT_TRUE(v->stato->text().contains("non è riuscito"));
}

// The 24 mm example's two strips (cameras at 1,5 and 10,43 m) against the
// highest camera held by hand, a setting kept with the job.
TEST(Verifiche, AltezzaMassimaDellaCameraConIlLavoro) {
    prova::cartella_temporanea cartella;
    const QString file = QString::fromStdString((cartella / "alto.pianopre").string());
    banco_finestra b;
    const char* caselle[] = {"24", "35,7", "23,8", "14", "30", "10", "50", ""};
    QLineEdit* const ordine[] = {b.c.casella_focale,   b.c.casella_larg_neg,  b.c.casella_alt_neg,
                                 b.c.casella_alt_sogg, b.c.casella_larg_sogg, b.c.casella_distanza,
                                 b.c.casella_scala,    b.c.casella_base};
    for (std::size_t i = 0; i < 8; ++i) ordine[i]->setText(caselle[i]);
    b.lavoro.sensore = {"", 9504, 6336, 0};
    b.calcola();
    b.finestra.findChild<QAction*>("azione_verifiche")->trigger();
    auto* v = b.finestra.findChild<finestra_verifiche*>();
    ASSERT_NE(v, nullptr);
    // Strip rows follow the eight checks: name, value, limit, verdict.
    const auto riga = [](finestra_verifiche* w, int r) {
        QStringList t;
        for (int c = 0; c < 4; ++c) t << w->tabella->item(r, c)->text();
        return t.join(" | ");
    };
    // The second strip out of reach by hand: the drone's eight rows follow,
    // then the map's two.
    ASSERT_EQ(v->tabella->rowCount(), 20);
    EXPECT_EQ(riga(v, 18), "Copertura | 100,0 % | ≥ 99,0 % vista da ≥ 2 immagini | OK");
    EXPECT_EQ(riga(v, 19),
              "Precisione sulla facciata | 92,0 % | ≥ 95,0 % con σ ≤ 4,17 mm | Non soddisfatto")
        << riga(v, 19).toStdString();
    EXPECT_EQ(v->impostazioni[6]->text(), "1,5");
    EXPECT_EQ(riga(v, 8), "Altezza camera, striscia 1 | 1,50 m | ≤ 1,50 m | OK");
    EXPECT_EQ(riga(v, 9),
              "Altezza camera, striscia 2 | 10,43 m | ≤ 1,50 m | "
              "Attenzione: serve un'asta, un cestello o un drone");

    v->impostazioni[6]->setText("11");
    emit v->impostazioni[6]->editingFinished();
    EXPECT_EQ(b.lavoro.verifiche.altezza_max_camera_m, 11);
    EXPECT_TRUE(riga(v, 9).endsWith("| ≤ 11,00 m | OK")) << riga(v, 9).toStdString();
    v->impostazioni[7]->setText("0,5");  // the map's cell
    emit v->impostazioni[7]->editingFinished();
    EXPECT_EQ(b.lavoro.verifiche.cella_mappa_m, 0.5);
    b.servizi.file.push_back(file);
    b.finestra.findChild<QAction*>("azione_salva_lavoro")->trigger();

    banco_finestra altro;
    altro.finestra.apri_file(file);
    EXPECT_EQ(altro.lavoro.verifiche.altezza_max_camera_m, 11);
    altro.finestra.findChild<QAction*>("azione_verifiche")->trigger();
    auto* w = altro.finestra.findChild<finestra_verifiche*>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->impostazioni[6]->text(), "11");
    EXPECT_EQ(w->impostazioni[7]->text(), "0,5");
    ASSERT_EQ(w->tabella->rowCount(), 12);
    EXPECT_TRUE(riga(w, 9).endsWith("| ≤ 11,00 m | OK")) << riga(w, 9).toStdString();
}

}  // namespace
}  // namespace pianopre
