// The first worked example through the job's whole calculation, as the window
// runs it: the plan, both precision pairs and the full entity list, compared
// with a reviewed listing.
#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>

#include "support/errori_prova.h"
#include "support/esempio.h"
#include "support/riferimento.h"

namespace pianopre {
namespace {

// Shortest text that reads back to the same value.
template <typename T>
std::string numero(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string elenco(const modello& m) {
    std::ostringstream out;
    std::int32_t n = 0;
    for (const entita& e : m.lista_entita.voci()) {
        out << ++n << ' ' << e.tipo << ' ' << e.colore << ' ' << e.attributi << " \""
            << e.nome.grezzo() << "\" " << numero(e.x) << ' ' << numero(e.y) << ' ' << numero(e.z)
            << ' ' << numero(e.altezza) << ' ' << numero(e.rotazione) << ' ' << e.riservato << '\n';
    }
    return out.str();
}

TEST(Esempio, PrimoPianoCompleto) {
    commessa c;
    prova::calcola_esempio(c);
    EXPECT_EQ(c.fase, fase_calcolo::schema);
    EXPECT_EQ(c.presa.num_foto, 9);
    EXPECT_EQ(c.presa.num_strisc, 1);
    EXPECT_NEAR(c.presa.incl, 2.59078, 1e-5);
    EXPECT_EQ(c.presa.base_presa, 6 * 0.4);
    EXPECT_EQ(c.camera.larg_neg, 60);
    EXPECT_FLOAT_EQ(c.prec_max.x, 10.6093f);
    EXPECT_NEAR(c.prec_max.z, 16.7678f, 1e-3);
    EXPECT_FLOAT_EQ(c.prec_std.x, 11.25f);
    EXPECT_NEAR(c.prec_std.z, 29.0, 0.1);
    EXPECT_EQ(c.disegno.lista_entita.n_entita(), 154);
    EXPECT_TRUE(prova::uguale_al_riferimento(elenco(c.disegno), "scheme/esempio1.txt"));
}

// A failure stops the calculation at its step: what came before keeps the
// new values, the rest the old ones, and a lock without a base is released.
TEST(Esempio, ErroreFermaAlSuoPasso) {
    commessa c;
    prova::calcola_esempio(c);
    caselle_lavoro caselle = prova::caselle_esempio();
    caselle.focale = "0";
    c.blocca_base = true;
    EXPECT_EQ(
        prova::numero_errore([&] { calcola_commessa(c, caselle, formato_regionale::italiano()); }),
        err_divisione);
    EXPECT_FALSE(c.blocca_base);
    EXPECT_EQ(c.fase, fase_calcolo::nessuna);
    EXPECT_EQ(c.camera.focale, 100);
    EXPECT_EQ(c.disegno.lista_entita.n_entita(), 154);

    caselle = prova::caselle_esempio();
    caselle.scala = "2,5 m";
    EXPECT_EQ(
        prova::numero_errore([&] { calcola_commessa(c, caselle, formato_regionale::italiano()); }),
        err_tipo);
}

}  // namespace
}  // namespace pianopre
