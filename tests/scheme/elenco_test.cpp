// Tests of the entity, layer and control-point lists and of ruota_vista.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "piani_prova.h"
#include "scheme/modello.h"

namespace pianopre {
namespace {

using prova::numero_errore;

TEST(ListaEntita, CapacitaAPassiDi2000ConservandoLeVoci) {
    modello m;
    EXPECT_EQ(m.lista_entita.dim_entita(), 0);
    azzera_liste(m);
    const std::pair<std::int32_t, std::int32_t> passi[] = {
        {2000, 2000}, {2001, 4000}, {4000, 4000}, {4001, 6000}};
    entita e;
    for (const auto& [fino_a, dim] : passi) {
        while (m.lista_entita.n_entita() < fino_a) {
            e.x = m.lista_entita.n_entita() + 1;
            agg_entita(m, e);
        }
        EXPECT_EQ(m.lista_entita.dim_entita(), dim) << "after " << fino_a;
    }
    for (std::int32_t i = 1; i <= 4001; ++i) ASSERT_EQ(m.lista_entita.voce(i).x, i);
    for (std::int32_t fuori : {0, -1, 4002}) {
        EXPECT_EQ(numero_errore([&] { (void)m.lista_entita.voce(fuori); }), err_indice);
    }
    azzera_liste(m);
    EXPECT_EQ(m.lista_entita.n_entita(), 0);
    EXPECT_EQ(m.lista_entita.dim_entita(), 2000);
    EXPECT_EQ(numero_errore([&] { (void)m.lista_entita.voce(1); }), err_indice);
}

TEST(Entita, VuotaENomiDi16Caratteri) {
    entita e;
    EXPECT_EQ(e.nome.grezzo(), std::string(16, ' '));
    EXPECT_TRUE(e.x == 0 && e.y == 0 && e.z == 0 && e.altezza == 0 && e.rotazione == 0);
    EXPECT_TRUE(e.tipo == 0 && e.colore == 0 && e.attributi == 0 && e.riservato == 0);
    e.nome = "ABCDEFGHIJKLMNOPQRS";
    EXPECT_EQ(e.nome.grezzo(), "ABCDEFGHIJKLMNOP");
    e.nome = "FONDO";
    EXPECT_EQ(e.nome.grezzo(), "FONDO" + std::string(11, ' '));
    EXPECT_EQ(e.nome.pulito(), "FONDO");
}

// Removing points by their numbers, and sorting them by their padded names.
TEST(ListeFisse, PuntiTolteEOrdinati) {
    const std::pair<std::vector<std::int32_t>, std::string> casi[] = {
        {{1}, "bcd"},         {{4, 2}, "ac"},     {{2, 2, 2}, "acd"},
        {{0, 5, -1}, "abcd"}, {{1, 2, 3, 4}, ""}, {{}, "abcd"},
    };
    for (const auto& [numeri, restano] : casi) {
        modello m;
        for (const char* nome : {"a", "b", "c", "d"})
            agg_punto(m, {testo_fisso<15>(nome), 0, 0, 0});
        togli_punti(m, numeri);
        std::string nomi;
        for (const punto_app& p : m.lista_punti.voci()) nomi += p.nome.testo();
        EXPECT_EQ(nomi, restano);
    }
    modello m;
    for (const char* nome : {"b", "B", "a 1", "a", "b"})
        agg_punto(m, {testo_fisso<15>(nome), 0, 0, 0});
    m.lista_punti.modifica(5).x = 1;
    ordina_punti(m);
    std::string nomi;
    for (const punto_app& p : m.lista_punti.voci()) nomi += p.nome.testo() + "|";
    EXPECT_EQ(nomi, "B|a|a 1|b|b|");
    EXPECT_EQ(m.lista_punti.voce(5).x, 1);  // equal names keep their order
}

TEST(ListeFisse, LayerEPuntiRifiutanoLaVoceInPiu) {
    modello m;
    azzera_liste(m);
    voce_layer layer;
    punto_app punto;
    for (int i = 1; i <= 300; ++i) agg_layer(m, layer);
    for (int i = 1; i <= 4500; ++i) agg_punto(m, punto);
    EXPECT_EQ(numero_errore([&] { agg_layer(m, layer); }), err_indice);
    EXPECT_EQ(numero_errore([&] { agg_punto(m, punto); }), err_indice);
    EXPECT_EQ(m.lista_layer.n_layer(), 300);
    azzera_liste(m);
    EXPECT_EQ(m.lista_layer.n_layer(), 0);
    EXPECT_EQ(m.lista_punti.n_punti(), 4500);  // control points survive a new drawing
}

struct caso_rotazione {
    std::int16_t codice;
    double y1, z1;  // after one application to (y, z) = (1, 2)
    double y2, z2;  // after a second one
};

std::ostream& operator<<(std::ostream& out, const caso_rotazione& c) {
    return out << "code " << c.codice;
}

class RuotaVista : public ::testing::TestWithParam<caso_rotazione> {};

TEST_P(RuotaVista, DueApplicazioni) {
    const caso_rotazione c = GetParam();
    entita e;
    e.x = 5;
    e.y = 1;
    e.z = 2;
    ruota_vista(c.codice, e);
    EXPECT_EQ(std::make_pair(e.y, e.z), std::make_pair(c.y1, c.z1));
    ruota_vista(c.codice, e);
    EXPECT_EQ(std::make_pair(e.y, e.z), std::make_pair(c.y2, c.z2));
    EXPECT_EQ(e.x, 5);
}

INSTANTIATE_TEST_SUITE_P(Codici, RuotaVista,
                         ::testing::Values(caso_rotazione{0, 1, 2, 1, 2},
                                           caso_rotazione{1, 2, 1, 1, 2},
                                           caso_rotazione{2, 2, -1, -1, -2},
                                           caso_rotazione{3, 1, 2, 1, 2},
                                           caso_rotazione{-1, 1, 2, 1, 2}));

}  // namespace
}  // namespace pianopre
