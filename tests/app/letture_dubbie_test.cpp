// Boxes read leniently by "Calcola -->": marked with a red frame and a "Letto
// come" tooltip, named once in a notice, unmarked when read again as numbers.
#include <gtest/gtest.h>

#include <QAction>

#include "support/banco_finestra.h"

namespace pianopre {
namespace {

bool segnata(const QLineEdit* casella) {
    return casella->property("lettura_dubbia").toBool() &&
           casella->styleSheet().contains("border: 2px solid rgb(255, 0, 0)");
}

const QString intestazione =
    "messaggio:Queste caselle non contenevano solo un numero e sono state lette così:\n";

TEST(LettureDubbie, CasellaSegnataENominata) {
    const struct {
        QLineEdit* controlli_principali::*casella;
        const char* testo;
        const char* letto;
        const char* riga;
        QStringList prima;  // the calculation's own events, before the notice
    } casi[] = {
        {&controlli_principali::casella_larg_sogg,
         "trenta",
         "0",
         "Larghezza soggetto: \"trenta\" letto come 0",
         {}},
        {&controlli_principali::casella_focale,
         "100 mm",
         "100",
         "Lunghezza focale (mm): \"100 mm\" letto come 100",
         {}},
        {&controlli_principali::casella_distanza,
         "1O",
         "1",
         "Distanza di presa: \"1O\" letto come 1",
         {}},
        {&controlli_principali::casella_scala,
         "dieci",
         "0",
         "Scala di restituzione: \"dieci\" letto come 0",
         {"beep", "messaggio:Errore 11: Divisione per zero. Controllare i dati inseriti"}},
    };
    for (const auto& caso : casi) {
        banco_finestra b;
        b.esempio();
        QLineEdit* casella = b.c.*caso.casella;
        const QString proprio = casella->toolTip();
        casella->setText(caso.testo);
        b.calcola();
        EXPECT_EQ(b.servizi.eventi, caso.prima + QStringList{intestazione + caso.riga})
            << caso.testo;
        EXPECT_TRUE(segnata(casella)) << caso.testo;
        EXPECT_EQ(casella->toolTip(), QString("Letto come ") + caso.letto);
        for (QLineEdit* altra :
             {b.c.casella_focale, b.c.casella_larg_neg, b.c.casella_alt_neg, b.c.casella_alt_sogg,
              b.c.casella_larg_sogg, b.c.casella_distanza, b.c.casella_scala, b.c.casella_base})
            if (altra != casella) {
                EXPECT_FALSE(segnata(altra)) << altra->objectName().toStdString();
            }

        // Read again as a number: the box's own look and tooltip, nothing said.
        b.esempio();
        b.servizi.eventi.clear();
        b.calcola();
        EXPECT_TRUE(b.servizi.eventi.isEmpty()) << caso.testo;
        EXPECT_FALSE(casella->property("lettura_dubbia").toBool());
        EXPECT_TRUE(casella->styleSheet().isEmpty());
        EXPECT_EQ(casella->toolTip(), proprio);
        EXPECT_EQ(b.c.uscita_num_foto->text(), "9");
    }
}

// The base the calculation writes over a misread text is a number: only the
// notice tells what was typed. A new job leaves no mark behind.
TEST(LettureDubbie, BaseRiscrittaENuovoLavoro) {
    banco_finestra b;
    b.esempio();
    b.c.casella_base->setText("due");
    b.c.casella_larg_sogg->setText("20 m");
    b.calcola();
    EXPECT_EQ(b.c.casella_base->text(), "2,4");
    EXPECT_FALSE(segnata(b.c.casella_base));
    EXPECT_TRUE(segnata(b.c.casella_larg_sogg));
    EXPECT_EQ(b.servizi.eventi,
              QStringList{intestazione + "Larghezza soggetto: \"20 m\" letto come 20\n"
                                         "Base di presa: \"due\" letto come 0"});
    QAction* nuovo = b.finestra.findChild<QAction*>("azione_nuovo");
    ASSERT_NE(nuovo, nullptr);
    nuovo->trigger();
    EXPECT_FALSE(segnata(b.c.casella_larg_sogg));
    EXPECT_EQ(b.c.casella_larg_sogg->toolTip(), "Larghezza dell'oggetto da rilevare (Metri)");
}

}  // namespace
}  // namespace pianopre
