// "Calcola -->" end to end in the real window, Italian regional format.
#include <gtest/gtest.h>

#include <QPalette>

#include "support/banco_form6.h"

namespace pianopre {
namespace {

QColor sfondo(const QLineEdit* casella) { return casella->palette().color(QPalette::Base); }
const QColor rosso(255, 0, 0);

TEST(Calcola, EsempioCameraNonMetrica) {
    banco_form6 b;
    b.esempio();
    b.calcola();
    EXPECT_TRUE(b.servizi.eventi.isEmpty()) << b.servizi.eventi.join("; ").toStdString();
    EXPECT_EQ(b.c.txt_basep->text(), "2,4");
    EXPECT_EQ(b.c.txt_numfot->text(), "9");
    EXPECT_EQ(b.c.txt_strinum->text(), "1");
    EXPECT_TRUE(b.c.txt_incli->text().startsWith("2,5907")) << b.c.txt_incli->text().toStdString();
    EXPECT_EQ(b.c.txt_sovrapp->text(), "60");
    EXPECT_EQ(b.c.txt_scalafot->text(), "2");
    EXPECT_EQ(b.c.Txt_precis->text(), " 10.6 /  16.7");
    EXPECT_EQ(b.c.txt_precisau->text(), " 11.2 /  29.0");
    EXPECT_NE(sfondo(b.c.txt_sovrapp), rosso);
    EXPECT_NE(sfondo(b.c.txt_scalafot), rosso);
    // The scheme: façade, legend, 9 stations, 9 footprints with their rays.
    EXPECT_EQ(b.m.lista_entita.n_entita(), 9 + 10 + 2 * 9 + 13 * 9);
    EXPECT_EQ(b.finestra.lavoro.progetto.grezzo(), "Progetto:      ");
    EXPECT_TRUE(b.m.nome_disegno.empty());
    EXPECT_FLOAT_EQ(b.finestra.prec_x, 11.25f);
}

TEST(Calcola, CameraMetricaEBaseBloccata) {
    banco_form6 b;
    b.esempio();
    b.c.Check4->setChecked(true);
    b.calcola();
    EXPECT_EQ(b.c.Txt_precis->text(), " .609 /  1.76");
    EXPECT_EQ(b.c.txt_precisau->text(), " 1.25 /  14.0");

    b.c.Check5->setChecked(true);
    b.c.txt_basep->setText("4");
    b.calcola();
    EXPECT_EQ(b.c.txt_sovrapp->text(), "33,3333333333333");
    EXPECT_EQ(sfondo(b.c.txt_sovrapp), rosso);
    EXPECT_EQ(b.c.txt_numfot->text(), "7");
    EXPECT_TRUE(b.c.Check5->isChecked());
}

// A lock without a base is released and the computed base is shown.
TEST(Calcola, BloccoSenzaBaseRilasciato) {
    for (const char* base : {"", "0", "0,0"}) {
        banco_form6 b;
        b.esempio();
        b.c.Check5->setChecked(true);
        b.c.txt_basep->setText(base);
        b.calcola();
        EXPECT_FALSE(b.c.Check5->isChecked()) << base;
        EXPECT_EQ(b.finestra.base_bloccata, 0);
        EXPECT_EQ(b.c.txt_basep->text(), "2,4");
    }
}

// The second click reads back the texts the first one wrote.
TEST(Calcola, DueClicStessiRisultati) {
    banco_form6 b;
    b.esempio();
    b.c.Check5->setChecked(true);
    b.c.txt_basep->setText("1,3");
    b.calcola();
    QStringList primo;
    for (auto* c : {b.c.txt_basep, b.c.txt_numfot, b.c.txt_strinum, b.c.txt_incli,
                    b.c.txt_sovrapp, b.c.txt_scalafot, b.c.Txt_precis, b.c.txt_precisau})
        primo << c->text();
    b.calcola();
    QStringList secondo;
    for (auto* c : {b.c.txt_basep, b.c.txt_numfot, b.c.txt_strinum, b.c.txt_incli,
                    b.c.txt_sovrapp, b.c.txt_scalafot, b.c.Txt_precis, b.c.txt_precisau})
        secondo << c->text();
    EXPECT_EQ(primo, secondo);
    EXPECT_EQ(b.c.txt_basep->text(), "1,3");
}

TEST(Calcola, ColoriDiAvviso) {
    struct caso {
        const char* base;
        const char* scala;
        const char* distanza;
        bool sovrapp_rossa;
        bool ingrand_rosso;
    } casi[] = {
        {"", "50", "10", false, false},      // 60 % exactly
        {"0,57", "50", "10", true, false},   // about 90.5 %
        {"", "20", "11", false, false},      // enlargement 110 / 20 = 5.5 exactly
        {"", "19", "11", false, true},       // 5.79
    };
    for (const auto& c : casi) {
        banco_form6 b;
        b.esempio();
        b.c.txt_Scala->setText(c.scala);
        b.c.txt_spazio->setText(c.distanza);
        if (*c.base) {
            b.c.Check5->setChecked(true);
            b.c.txt_basep->setText(c.base);
        }
        b.calcola();
        EXPECT_EQ(sfondo(b.c.txt_sovrapp) == rosso, c.sovrapp_rossa) << c.base << " " << c.scala;
        EXPECT_EQ(sfondo(b.c.txt_scalafot) == rosso, c.ingrand_rosso) << c.base << " " << c.scala;
    }
}

TEST(Calcola, MessaggiDiErroreERecordIntatti) {
    struct caso {
        QLineEdit* controlli_form6::*casella;
        const char* testo;
        const char* messaggio;
    } casi[] = {
        {&controlli_form6::txt_spazio, "",
         "Errore 6. Occorre riempire tutte le caselle per ottenere il risultato."},
        {&controlli_form6::txt_foc, "", "Errore 11: Divisione per zero. Controllare i dati inseriti"},
        {&controlli_form6::Txt_Larg_sogg, "2,5 m",
         "Errore 13: Tipo di dato errato. Controllare il separatore decimale (virgola o punto)."},
    };
    for (const auto& c : casi) {
        banco_form6 b;
        b.esempio();
        b.calcola();
        const double foto = b.finestra.presa.num_foto;
        const int entita = b.m.lista_entita.n_entita();
        (b.c.*c.casella)->setText(c.testo);
        b.calcola();
        EXPECT_EQ(b.servizi.eventi, QStringList({"beep", QString("messaggio:") + c.messaggio}));
        EXPECT_EQ(b.finestra.presa.num_foto, foto);
        EXPECT_EQ(b.finestra.camera.focale, 100);
        EXPECT_EQ(b.m.lista_entita.n_entita(), entita);
        EXPECT_EQ(b.c.txt_numfot->text(), "9");
    }
}

TEST(Calcola, SoloLeCaselleDiPartenza) {
    banco_form6 b;
    b.calcola();
    EXPECT_EQ(b.servizi.messaggi(),
              QStringList({"messaggio:Errore 6. Occorre riempire tutte le caselle per ottenere il "
                           "risultato."}));
}

}  // namespace
}  // namespace pianopre
