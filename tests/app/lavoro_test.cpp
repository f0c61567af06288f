// Job files in the real window: save, reopen, the title and its "*", the
// question before changes are lost, damaged files, files dropped on the window.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <optional>

#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/con_lingua.h"
#include "support/leggi_file.h"
#include "support/modale.h"

namespace pianopre {
namespace {

const QString titolo =
    "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici";

struct banco_lavoro : banco_finestra {
    prova::cartella_temporanea cartella;
    QString file(const char* nome) const {
        return QString::fromStdString((cartella / nome).string());
    }
    void azione(const char* nome) { finestra.findChild<QAction*>(nome)->trigger(); }
};

TEST(Lavoro, SalvaRiapriETitolo) {
    banco_lavoro b;
    EXPECT_EQ(b.finestra.windowTitle(), titolo);
    b.esempio();
    b.c.metrica->setChecked(true);
    b.calcola();
    b.lavoro.sensore.larghezza_px = 6000;
    b.servizi.file.push_back(b.file("primo"));  // the extension is added
    b.azione("azione_salva_lavoro");
    EXPECT_EQ(b.finestra.windowTitle(), titolo + " - primo.pianopre");
    b.c.casella_scala->setText("100");
    EXPECT_EQ(b.finestra.windowTitle(), titolo + " - primo.pianopre*");
    b.c.casella_scala->setText("50");  // back as saved: nothing to save
    EXPECT_EQ(b.finestra.windowTitle(), titolo + " - primo.pianopre");

    banco_lavoro altro;
    altro.finestra.apri_file(b.file("primo.pianopre"));
    EXPECT_EQ(altro.c.casella_scala->text(), "50");
    EXPECT_TRUE(altro.c.metrica->isChecked());
    EXPECT_EQ(altro.lavoro.sensore.larghezza_px, 6000);
    EXPECT_EQ(altro.c.uscita_prec_max->text(), b.c.uscita_prec_max->text());  // computed again
    EXPECT_EQ(altro.c.uscita_num_foto->text(), "9");
    EXPECT_EQ(altro.finestra.windowTitle(), titolo + " - primo.pianopre");
    EXPECT_TRUE(altro.servizi.messaggi().isEmpty())
        << altro.servizi.eventi.join('\n').toStdString();
}

// "Dati del lavoro...": OK changes the job (the title gets its "*"), Cancel
// does not; the fields come back with the file and go with "Nuovo".
TEST(Lavoro, DatiDelLavoroNelFile) {
    banco_lavoro b;
    b.esempio();
    b.servizi.file.push_back(b.file("dati.pianopre"));
    b.azione("azione_salva_lavoro");
    const struct {
        const char* progetto;
        const char* operatore;
        bool ok;
        const char* titolo;
    } passi[] = {
        {"Palazzo Ducale", "Anna Rossi", false, ""},
        {" Palazzo Ducale ", "Anna Rossi", true, "*"},
    };
    for (const auto& p : passi) {
        prova::quando_aperta([&p](QWidget* box) {
            box->findChild<QLineEdit*>("progetto")->setText(QString::fromUtf8(p.progetto));
            box->findChild<QLineEdit*>("localita")->setText(QString::fromUtf8("Città"));
            box->findChild<QLineEdit*>("operatore")->setText(QString::fromUtf8(p.operatore));
            if (p.ok)
                box->findChild<QPushButton*>("ok")->click();
            else
                box->close();
        });
        b.azione("azione_dati_lavoro");
        EXPECT_EQ(b.finestra.windowTitle(), titolo + " - dati.pianopre" + p.titolo);
    }
    EXPECT_EQ(b.lavoro.intestazione,
              (intestazione_lavoro{"Palazzo Ducale", "Città", "Anna Rossi"}));
    b.azione("azione_salva_lavoro");

    banco_lavoro altro;
    altro.finestra.apri_file(b.file("dati.pianopre"));
    EXPECT_EQ(altro.lavoro.intestazione, b.lavoro.intestazione);
    prova::quando_aperta([](QWidget* box) {
        EXPECT_EQ(box->findChild<QLineEdit*>("operatore")->text(), "Anna Rossi");
        box->close();
    });
    altro.azione("azione_dati_lavoro");
    altro.azione("azione_nuovo");
    EXPECT_EQ(altro.lavoro.intestazione, intestazione_lavoro{});
}

TEST(Lavoro, DomandaPrimaDiPerdereLeModifiche) {
    banco_lavoro b;
    b.esempio();
    b.servizi.file.push_back(b.file("a.pianopre"));
    b.azione("azione_salva_lavoro");
    b.c.casella_distanza->setText("12");
    b.servizi.risposte_annulla = {std::nullopt};  // Annulla: the job stays
    b.azione("azione_nuovo");
    EXPECT_EQ(b.c.casella_distanza->text(), "12");
    b.servizi.risposte_annulla = {false};  // No: a new job, the file untouched
    b.azione("azione_nuovo");
    EXPECT_TRUE(b.c.casella_distanza->text().isEmpty());
    EXPECT_EQ(b.c.casella_focale->text(), "100");
    EXPECT_EQ(b.servizi.eventi.filter("Salvare le modifiche al lavoro?").size(), 2);
    EXPECT_EQ(b.finestra.windowTitle(), titolo);

    banco_lavoro c;
    c.finestra.apri_file(b.file("a.pianopre"));
    EXPECT_EQ(c.c.casella_distanza->text(), "10");
    c.c.casella_distanza->setText("12");
    c.servizi.risposte_annulla = {true};  // Sì on Esci: saved, then the run ends
    QTimer::singleShot(0, &c.finestra, [&c] { c.azione("azione_esci"); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    banco_lavoro d;
    d.finestra.apri_file(b.file("a.pianopre"));
    EXPECT_EQ(d.c.casella_distanza->text(), "12");
}

TEST(Lavoro, FileDanneggiatoNonCambiaNulla) {
    banco_lavoro b;
    b.esempio();
    b.calcola();
    std::ofstream(b.cartella / "rotto.pianopre")
        << "{\"formato\": \"pianopre-lavoro\", \"versione\": 1, \"caselle\": [";
    b.finestra.apri_file(b.file("rotto.pianopre"));
    ASSERT_EQ(b.servizi.messaggi().size(), 1);
    EXPECT_TRUE(b.servizi.messaggi().front().contains("rotto.pianopre"));
    EXPECT_EQ(b.c.casella_distanza->text(), "10");
    EXPECT_EQ(b.m.lista_entita.n_entita(), 154);
    EXPECT_EQ(b.finestra.windowTitle(), titolo);
}

TEST(Lavoro, FileTrascinatoSullaFinestra) {
    banco_lavoro b;
    b.esempio();
    b.servizi.file.push_back(b.file("t.pianopre"));
    b.azione("azione_salva_lavoro");
    banco_lavoro altro;
    altro.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&altro.finestra));
    QMimeData dati;
    dati.setUrls({QUrl::fromLocalFile(b.file("t.pianopre"))});
    QDragEnterEvent entra(QPoint(10, 10), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&altro.finestra, &entra);
    EXPECT_TRUE(entra.isAccepted());
    QDropEvent rilascio(QPointF(10, 10), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&altro.finestra, &rilascio);
    EXPECT_EQ(altro.c.casella_larg_sogg->text(), "20");
    EXPECT_EQ(altro.finestra.windowTitle(), titolo + " - t.pianopre");
}

}  // namespace
}  // namespace pianopre

namespace pianopre {
namespace {

// A job saved with the English interface holds the same bytes as one saved in
// Italian, and opens in Italian with nothing lost.
TEST(Lavoro, IlFileNonDipendeDallaLingua) {
    const auto salvato = [](bool inglese, const char* nome) {
        std::optional<prova::con_lingua> lingua_installata;
        if (inglese) lingua_installata.emplace(lingua::inglese);
        banco_lavoro b;
        b.esempio();
        b.calcola();
        b.servizi.file.push_back(b.file(nome));
        b.azione("azione_salva_lavoro");
        return prova::leggi_tutto(b.cartella / (std::string(nome) + ".pianopre"));
    };
    const std::string italiano = salvato(false, "it");
    const std::string inglese = salvato(true, "en");
    ASSERT_FALSE(italiano.empty());
    EXPECT_EQ(inglese, italiano);
}

}  // namespace
}  // namespace pianopre
