// "Calcola -->" end to end in the real window, Italian regional format.
#include <gtest/gtest.h>

#include <QPalette>

#include "support/banco_finestra.h"

namespace pianopre {
namespace {

QColor sfondo(const QLineEdit* casella) {
    return casella->palette().color(QPalette::Base);
}
const QColor rosso(255, 0, 0);

TEST(Calcola, EsempioCameraNonMetrica) {
    banco_finestra b;
    b.esempio();
    b.calcola();
    EXPECT_TRUE(b.servizi.eventi.isEmpty()) << b.servizi.eventi.join("; ").toStdString();
    EXPECT_EQ(b.c.casella_base->text(), "2,4");
    EXPECT_EQ(b.c.uscita_num_foto->text(), "9");
    EXPECT_EQ(b.c.uscita_num_strisc->text(), "1");
    EXPECT_TRUE(b.c.uscita_incl->text().startsWith("2,5907"))
        << b.c.uscita_incl->text().toStdString();
    EXPECT_EQ(b.c.uscita_sovrapp->text(), "60");
    EXPECT_EQ(b.c.uscita_ingrand->text(), "2");
    EXPECT_EQ(b.c.uscita_prec_max->text(), " 10.6 /  16.7");
    EXPECT_EQ(b.c.uscita_prec_std->text(), " 11.2 /  29.0");
    EXPECT_NE(sfondo(b.c.uscita_sovrapp), rosso);
    EXPECT_NE(sfondo(b.c.uscita_ingrand), rosso);
    // The scheme: façade, legend, 9 stations, 9 footprints with their rays.
    EXPECT_EQ(b.m.lista_entita.n_entita(), 9 + 10 + 2 * 9 + 13 * 9);
    EXPECT_EQ(b.lavoro.lavoro.progetto.grezzo(), "Progetto:      ");
    EXPECT_TRUE(b.m.nome_disegno.empty());
    EXPECT_FLOAT_EQ(b.lavoro.prec_std.x, 11.25f);
}

TEST(Calcola, CameraMetricaEBaseBloccata) {
    banco_finestra b;
    b.esempio();
    b.c.metrica->setChecked(true);
    b.calcola();
    EXPECT_EQ(b.c.uscita_prec_max->text(), " .609 /  1.76");
    EXPECT_EQ(b.c.uscita_prec_std->text(), " 1.25 /  14.0");

    b.c.blocca_base->setChecked(true);
    b.c.casella_base->setText("4");
    b.calcola();
    EXPECT_EQ(b.c.uscita_sovrapp->text(), "33,3333333333333");
    EXPECT_EQ(sfondo(b.c.uscita_sovrapp), rosso);
    EXPECT_EQ(b.c.uscita_num_foto->text(), "7");
    EXPECT_TRUE(b.c.blocca_base->isChecked());
}

// A lock without a base is released and the computed base is shown.
TEST(Calcola, BloccoSenzaBaseRilasciato) {
    for (const char* base : {"", "0", "0,0"}) {
        banco_finestra b;
        b.esempio();
        b.c.blocca_base->setChecked(true);
        b.c.casella_base->setText(base);
        b.calcola();
        EXPECT_FALSE(b.c.blocca_base->isChecked()) << base;
        EXPECT_FALSE(b.lavoro.blocca_base);
        EXPECT_EQ(b.c.casella_base->text(), "2,4");
    }
}

// The second click reads back the texts the first one wrote.
TEST(Calcola, DueClicStessiRisultati) {
    banco_finestra b;
    b.esempio();
    b.c.blocca_base->setChecked(true);
    b.c.casella_base->setText("1,3");
    b.calcola();
    QStringList primo;
    for (auto* c :
         {b.c.casella_base, b.c.uscita_num_foto, b.c.uscita_num_strisc, b.c.uscita_incl,
          b.c.uscita_sovrapp, b.c.uscita_ingrand, b.c.uscita_prec_max, b.c.uscita_prec_std})
        primo << c->text();
    b.calcola();
    QStringList secondo;
    for (auto* c :
         {b.c.casella_base, b.c.uscita_num_foto, b.c.uscita_num_strisc, b.c.uscita_incl,
          b.c.uscita_sovrapp, b.c.uscita_ingrand, b.c.uscita_prec_max, b.c.uscita_prec_std})
        secondo << c->text();
    EXPECT_EQ(primo, secondo);
    EXPECT_EQ(b.c.casella_base->text(), "1,3");
}

TEST(Calcola, ColoriDiAvviso) {
    struct caso {
        const char* base;
        const char* scala;
        const char* distanza;
        bool sovrapp_rossa;
        bool ingrand_rosso;
    } casi[] = {
        {"", "50", "10", false, false},     // 60 % exactly
        {"0,57", "50", "10", true, false},  // about 90.5 %
        {"", "20", "11", false, false},     // enlargement 110 / 20 = 5.5 exactly
        {"", "19", "11", false, true},      // 5.79
    };
    for (const auto& c : casi) {
        banco_finestra b;
        b.esempio();
        b.c.casella_scala->setText(c.scala);
        b.c.casella_distanza->setText(c.distanza);
        if (*c.base) {
            b.c.blocca_base->setChecked(true);
            b.c.casella_base->setText(c.base);
        }
        b.calcola();
        EXPECT_EQ(sfondo(b.c.uscita_sovrapp) == rosso, c.sovrapp_rossa) << c.base << " " << c.scala;
        EXPECT_EQ(sfondo(b.c.uscita_ingrand) == rosso, c.ingrand_rosso) << c.base << " " << c.scala;
    }
}

TEST(Calcola, MessaggiDiErroreERecordIntatti) {
    struct caso {
        QLineEdit* controlli_principali::*casella;
        const char* testo;
        const char* messaggio;
    } casi[] = {
        {&controlli_principali::casella_distanza, "",
         "Errore 6. Occorre riempire tutte le caselle per ottenere il risultato."},
        {&controlli_principali::casella_focale, "",
         "Errore 11: Divisione per zero. Controllare i dati inseriti"},
        {&controlli_principali::casella_larg_sogg, "2,5 m",
         "Errore 13: Tipo di dato errato. Controllare il separatore decimale (virgola o punto)."},
        {&controlli_principali::casella_larg_sogg, "-30",
         "Errore: la larghezza del soggetto non può essere negativa (-30)."},
        {&controlli_principali::casella_scala, "-50",
         "Errore: la scala di restituzione non può essere negativa (-50)."},
    };
    for (const auto& c : casi) {
        banco_finestra b;
        b.esempio();
        b.calcola();
        const double foto = b.lavoro.presa.num_foto;
        const int entita = b.m.lista_entita.n_entita();
        (b.c.*c.casella)->setText(c.testo);
        b.calcola();
        EXPECT_EQ(b.servizi.eventi, QStringList({"beep", QString("messaggio:") + c.messaggio}));
        EXPECT_EQ(b.lavoro.presa.num_foto, foto);
        EXPECT_EQ(b.lavoro.camera.focale, 100);
        EXPECT_EQ(b.m.lista_entita.n_entita(), entita);
        EXPECT_EQ(b.c.uscita_num_foto->text(), "9");
    }
}

TEST(Calcola, SoloLeCaselleDiPartenza) {
    banco_finestra b;
    b.calcola();
    EXPECT_EQ(b.servizi.messaggi(),
              QStringList({"messaggio:Errore 6. Occorre riempire tutte le caselle per ottenere il "
                           "risultato."}));
}

}  // namespace
}  // namespace pianopre
