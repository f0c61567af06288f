// The control points edited in the real window: "Cancella PF" after Yes and
// No, a selected point deleted and a typed one added in "Stazioni e punti",
// and CSV files imported through their preview, E and N where they belong.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "dialogs/punti_dialoghi.h"
#include "dialogs/stazioni_finestra.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/modale.h"

namespace pianopre {
namespace {

// The first example placed at A = (1000, 2000, 50), two points in its first
// model, the job saved so that its title tells a change.
struct banco_punti : banco_finestra {
    prova::cartella_temporanea cartella;
    banco_punti() {
        lavoro.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
        esempio();
        calcola();
        scrivi("pf.xyz", "PF2,1001.866,2001.232,53\nPF1,1000.75,2001.299,52\n");
        servizi.file.push_back(file("pf.xyz"));
        azione("azione_apri_xyz");
        servizi.file.push_back(file("lavoro.pianopre"));
        azione("azione_salva_lavoro_con_nome");
    }
    void scrivi(const char* nome, const std::string& testo) {
        std::ofstream(cartella / nome, std::ios::binary) << testo;
    }
    QString file(const char* nome) const {
        return QString::fromStdString((cartella / nome).string());
    }
    void azione(const char* nome) { finestra.findChild<QAction*>(nome)->trigger(); }
    finestra_stazioni* stazioni() {
        azione("azione_stazioni");
        return finestra.findChild<finestra_stazioni*>();
    }
    // "nome|x|y|z" of every point in the list.
    QStringList punti() const {
        QStringList out;
        for (const punto_app& p : m.lista_punti.voci())
            out << QString("%1|%2|%3|%4")
                       .arg(QString::fromStdString(p.nome.testo()))
                       .arg(p.x, 0, 'g', 10)
                       .arg(p.y, 0, 'g', 10)
                       .arg(p.z, 0, 'g', 10);
        return out;
    }
    bool cambiato() const { return finestra.windowTitle().endsWith('*'); }
};

void premi_ok(QWidget* w) {
    w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

TEST(Punti, CancellaPfDopoLaDomanda) {
    banco_punti b;
    ASSERT_EQ(b.punti().size(), 2);
    ASSERT_FALSE(b.cambiato());
    finestra_stazioni* f = b.stazioni();
    const QImage prima = b.c.area->immagine();
    for (const bool si : {false, true}) {
        b.servizi.risposte = {si};
        b.clic(b.c.cancella_pf);
        EXPECT_EQ(b.servizi.eventi.last(), "domanda:Cancellare tutti i punti di appoggio (2)?");
        EXPECT_EQ(b.punti().size(), si ? 0 : 2);
        EXPECT_EQ(b.cambiato(), si);
        EXPECT_EQ(b.c.area->immagine() != prima, si);
        EXPECT_EQ(f->punti->rowCount(), si ? 0 : 2);
    }
    b.clic(b.c.cancella_pf);  // nothing left: told, nothing asked
    EXPECT_EQ(b.servizi.eventi.last(), "messaggio:Nessun punto di appoggio da cancellare.");
    b.servizi.risposte_annulla = {false};
    b.azione("azione_nuovo");
    EXPECT_EQ(b.servizi.eventi.last(), "domanda:Salvare le modifiche al lavoro?");

    // The stations window follows a new job and a job opened again.
    b.servizi.file.push_back(b.file("lavoro.pianopre"));
    b.azione("azione_apri_lavoro");
    EXPECT_EQ(f->punti->rowCount(), 2);
    b.azione("azione_nuovo");
    EXPECT_EQ(f->punti->rowCount(), 0);
}

TEST(Punti, EliminaSelezionatiEAggiungiScritto) {
    banco_punti b;
    finestra_stazioni* f = b.stazioni();
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->punti->rowCount(), 2);
    EXPECT_FALSE(f->riepilogo->text().contains("Nessun punto"));
    f->vista_punti->selectRow(0);
    f->elimina->click();
    EXPECT_EQ(b.punti(), QStringList{"PF2|1001.866|2001.232|53"});
    EXPECT_EQ(f->punti->rowCount(), 1);
    EXPECT_TRUE(b.cambiato());

    // A coordinate that is not wholly a number keeps the dialog open.
    QString errore;
    prova::quando_aperta([&](QWidget* w) {
        auto* d = static_cast<dialogo_punto*>(w);
        d->nome->setText("A1");
        d->est->setText("1000,5");
        d->nord->setText("2001.25");
        d->quota->setText("5O");
        premi_ok(d);
        errore = d->errore->text();
        d->quota->setText("-1,5");
        premi_ok(d);
    });
    f->aggiungi->click();
    EXPECT_EQ(errore, "Errore: Quota non è un numero: \"5O\".");
    EXPECT_EQ(b.punti(), (QStringList{"A1|1000.5|2001.25|-1.5", "PF2|1001.866|2001.232|53"}));
    EXPECT_EQ(f->punti->index(0, 1).data().toString(), "1000,500");
    EXPECT_EQ(f->punti->index(0, 2).data().toString(), "2001,250");

    prova::quando_aperta([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    f->aggiungi->click();
    EXPECT_EQ(b.punti().size(), 2);
}

TEST(Punti, ImportaCsvPnezdConPuntoEVirgola) {
    banco_punti b;
    finestra_stazioni* f = b.stazioni();
    const int nel_modello = f->modelli->index(0, 3).data().toInt();
    b.scrivi("rilievo.csv",
             "Punto;Nord;Est;Quota;Descrizione\r\n"
             "S1;2001,290;1000,800;52,100;spigolo\r\n"
             "S2;2001,240;1001,800;53;\r\n"
             "S3;abc;1001;52\r\n"
             "S4;2001,250\r\n");
    b.servizi.file.push_back(b.file("rilievo.csv"));
    QStringList anteprima;
    prova::quando_aperta([&](QWidget* w) {
        auto* a = static_cast<anteprima_punti*>(w);
        a->ordine->setCurrentIndex(0);
        anteprima << a->separatore->currentText();
        for (int r = 0; r < a->righe->rowCount(); ++r) {
            QStringList celle;
            for (int c = 0; c < 4; ++c)
                celle << (a->righe->item(r, c) ? a->righe->item(r, c)->text() : "");
            anteprima << celle.join('|');
        }
        EXPECT_TRUE(a->findChild<QRadioButton*>("sostituisci")->isChecked());
        a->findChild<QRadioButton*>("aggiungi")->setChecked(true);
        premi_ok(a);
    });
    f->importa->click();
    EXPECT_EQ(anteprima, (QStringList{"punto e virgola", "|intestazione: saltata||",
                                      "2|S1|1000,800|2001,290", "3|S2|1001,800|2001,240",
                                      "4|riga 4, colonna 2: \"abc\" non è un numero||",
                                      "5|riga 5: servono nome, due coordinate e quota||"}));
    EXPECT_EQ(b.punti(), (QStringList{"PF1|1000.75|2001.299|52", "PF2|1001.866|2001.232|53",
                                      "S1|1000.8|2001.29|52.1", "S2|1001.8|2001.24|53"}));
    EXPECT_EQ(b.servizi.eventi.last(),
              "messaggio:Attenzione: nel file rilievo.csv queste righe non sono punti e non sono "
              "state importate:\nriga 4, colonna 2: \"abc\" non è un numero\n"
              "riga 5: servono nome, due coordinate e quota");
    EXPECT_EQ(f->punti->rowCount(), 4);
    EXPECT_GT(f->modelli->index(0, 3).data().toInt(), nel_modello);
    EXPECT_TRUE(b.cambiato());

    // Replacing: only the file's points are left; an .xyz goes as "Apri XYZ" goes.
    prova::quando_aperta([](QWidget* w) { premi_ok(w); });
    b.servizi.file.push_back(b.file("rilievo.csv"));
    f->importa->click();
    EXPECT_EQ(b.punti(), (QStringList{"S1|1000.8|2001.29|52.1", "S2|1001.8|2001.24|53"}));
    b.servizi.file.push_back(b.file("pf.xyz"));
    f->importa->click();
    EXPECT_EQ(b.punti().size(), 2);
    EXPECT_TRUE(b.punti().front().startsWith("PF1|"));

    // A file without points imports nothing and says so.
    b.scrivi("vuoto.txt", "Nome E N H\nsolo testo\n");
    b.servizi.file.push_back(b.file("vuoto.txt"));
    prova::quando_aperta([](QWidget* w) {
        EXPECT_FALSE(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
        static_cast<QDialog*>(w)->reject();
    });
    f->importa->click();
    EXPECT_EQ(b.punti().size(), 2);
}

}  // namespace
}  // namespace pianopre
