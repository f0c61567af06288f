// The boxes read leniently and the negative sizes refused before a plan.
#include "job/letture_caselle.h"

#include <gtest/gtest.h>

#include "support/errori_prova.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

TEST(LettureDubbie, SoloLeCaselleLetteASenso) {
    caselle_lavoro caselle = prova::caselle_esempio();
    caselle.focale = "3O";
    caselle.alt_neg = "1.000";
    caselle.larg_sogg = "trenta";
    caselle.scala = "2,5 m";  // rejected: the calculation's error 13, not a lenient reading
    caselle.base = "";
    const auto dubbie = letture_dubbie(caselle, formato_regionale::italiano());
    ASSERT_EQ(dubbie.size(), 3u);
    const struct {
        casella_lavoro casella;
        const char* testo;
        double valore;
    } attese[] = {{casella_lavoro::focale, "3O", 3},
                  {casella_lavoro::alt_neg, "1.000", 1},
                  {casella_lavoro::larg_sogg, "trenta", 0}};
    for (std::size_t i = 0; i < dubbie.size(); ++i) {
        EXPECT_EQ(dubbie[i].casella, attese[i].casella) << i;
        EXPECT_EQ(dubbie[i].testo, attese[i].testo) << i;
        EXPECT_EQ(dubbie[i].valore, attese[i].valore) << i;
    }
    EXPECT_TRUE(letture_dubbie(prova::caselle_esempio(), formato_regionale::italiano()).empty());
}

std::string rifiuto(const caselle_lavoro& caselle, commessa& c) {
    try {
        calcola_commessa(c, caselle, formato_regionale::italiano());
    } catch (const dato_negativo& e) {
        return e.what();
    }
    return {};
}

// Each negative size is named and leaves the job as it was; zero and the
// sizes of the camera and the base are the calculation's own business.
TEST(DatiNegativi, NominatiPrimaDelPiano) {
    const struct {
        std::string caselle_lavoro::*casella;
        const char* testo;
        const char* messaggio;
    } casi[] = {
        {&caselle_lavoro::larg_sogg, "-30",
         "Errore: la larghezza del soggetto non può essere negativa (-30)."},
        {&caselle_lavoro::alt_sogg, "-0,5",
         "Errore: l'altezza del soggetto non può essere negativa (-0,5)."},
        {&caselle_lavoro::distanza, "-12",
         "Errore: la distanza di presa non può essere negativa (-12)."},
        {&caselle_lavoro::scala, "-50",
         "Errore: la scala di restituzione non può essere negativa (-50)."},
        {&caselle_lavoro::larg_sogg, "0", ""},
        {&caselle_lavoro::alt_sogg, "-0", ""},
        {&caselle_lavoro::base, "-1", ""},
        {&caselle_lavoro::larg_neg, "-60", ""},
    };
    for (const auto& caso : casi) {
        commessa c;
        prova::calcola_esempio(c);
        caselle_lavoro caselle = prova::caselle_esempio();
        caselle.*caso.casella = caso.testo;
        const int entita = c.disegno.lista_entita.n_entita();
        std::string detto;
        const int numero = prova::numero_errore([&] { detto = rifiuto(caselle, c); });
        EXPECT_EQ(detto, caso.messaggio) << caso.testo;
        if (detto.empty()) continue;
        EXPECT_EQ(numero, 0);
        EXPECT_EQ(c.fase, fase_calcolo::nessuna);
        EXPECT_EQ(c.lavoro.larg_sogg, 20) << caso.testo;
        EXPECT_EQ(c.presa.num_foto, 9) << caso.testo;
        EXPECT_EQ(c.disegno.lista_entita.n_entita(), entita) << caso.testo;
    }
}

}  // namespace
}  // namespace pianopre
