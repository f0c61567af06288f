// The station table and the stereo models of the first example placed on a
// site, against hand computations; and the table against the drawn scheme.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "job/stazioni_commessa.h"
#include "scheme/piani_prova.h"
#include "support/entita_prova.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

using prova::punto;

constexpr double gradi = std::numbers::pi / 180;

// The first example (base 2.4 m, coverage 6 x 6 m, 10 m away, 9 frames) with
// the façade's corner at (1000, 2000, 50) and the façade at azimuth 30°.
struct esempio_collocato {
    commessa c;
    esempio_collocato() {
        prova::calcola_esempio(c);
        c.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
    }
};

// A point `lungo` along the façade from its corner, `davanti` in front of it
// (towards the cameras), `su` above the ground.
punto3 sul_sito(double lungo, double davanti, double su) {
    return {1000 + lungo * std::sin(30 * gradi) + davanti * std::cos(30 * gradi),
            2000 + lungo * std::cos(30 * gradi) - davanti * std::sin(30 * gradi), 50 + su};
}

TEST(Stazioni, EsempioCollocatoACalcolo) {
    esempio_collocato es;
    const auto righe = stazioni_commessa(es.c);
    ASSERT_EQ(righe.size(), 9u);
    EXPECT_NEAR(righe[0].est, 1008.960254, 1e-6);
    EXPECT_NEAR(righe[0].nord, 1995.519615, 1e-6);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const punto3 atteso = sul_sito(0.6 + 2.4 * static_cast<double>(i), 10, 1.5);
        EXPECT_EQ(righe[i].nome, "S1-0" + std::to_string(i + 1));
        EXPECT_EQ(righe[i].fotogramma, static_cast<std::int32_t>(i + 1));
        EXPECT_NEAR(righe[i].est, atteso.x, 1e-9);
        EXPECT_NEAR(righe[i].nord, atteso.y, 1e-9);
        EXPECT_DOUBLE_EQ(righe[i].quota, 51.5);
        EXPECT_DOUBLE_EQ(righe[i].azimut, 300);
        EXPECT_NEAR(righe[i].inclinazione, 2.590784, 1e-6);
    }
    es.c.sito = {1000, 2000, 50, 30 * 400.0 / 360, unita_angolo::gon};
    EXPECT_NEAR(stazioni_commessa(es.c)[0].azimut, 333.3333333, 1e-6);
    EXPECT_NEAR(stazioni_commessa(es.c)[0].est, 1008.960254, 1e-6);
    es.c.presa.num_foto = -5;  // a plan no calculation gives
    EXPECT_TRUE(stazioni_commessa(es.c).empty());
    EXPECT_TRUE(modelli_commessa(es.c).righe.empty());
    prova::calcola_esempio(es.c);
    es.c.fase = fase_calcolo::precisione_std;  // a failed scheme has no stations
    EXPECT_TRUE(stazioni_commessa(es.c).empty());
}

TEST(Stazioni, AzimutDellAsse) {
    const struct {
        collocazione sito;
        double atteso;
    } casi[] = {{{}, 0},
                {{0, 0, 0, 0}, 270},
                {{0, 0, 0, 359.5}, 269.5},
                {{0, 0, 0, 450}, 0},
                {{0, 0, 0, 50, unita_angolo::gon}, 350},
                {{0, 0, 0, -100, unita_angolo::gon}, 200}};
    for (const auto& caso : casi) EXPECT_DOUBLE_EQ(azimut_asse(caso.sito), caso.atteso);
}

// Each row stands where the scheme draws its station (shifted by the origin),
// half a metre nearer the façade, for several strips and for a single pair.
TEST(Stazioni, ComeLoSchemaDisegnato) {
    const struct {
        double foto;
        std::int16_t strisce;
    } piani[] = {{9, 1}, {12, 3}, {2, 1}};
    for (const auto& piano : piani) {
        commessa c;
        c.presa = prova::piano(piano.foto, piano.strisce, 2.5);
        c.lavoro = prova::lavoro_prova();
        crea_schema_lavoro(c.disegno, c.presa, c.lavoro, formato_regionale::italiano());
        c.fase = fase_calcolo::schema;
        c.origine = {5, -3, 2};
        c.sito = {1000, 2000, 50, 30};
        const auto righe = stazioni_commessa(c);
        std::size_t n = 0;
        for (const entita& e : c.disegno.lista_entita.voci()) {
            if (e.tipo != tipo_punto) continue;
            ASSERT_LT(n, righe.size());
            punto3 p = posizione_piazzata(e, c.origine);
            p.y += 0.5;
            const punto3 s = al_sito(c.sito, p);
            EXPECT_NEAR(righe[n].est, s.x, 1e-4);
            EXPECT_NEAR(righe[n].nord, s.y, 1e-4);
            EXPECT_NEAR(righe[n].quota, s.z, 1e-4);
            EXPECT_NEAR(righe[n].altezza, 1.5 + 5.4 * (righe[n].striscia - 1), 1e-12);
            ++n;
        }
        EXPECT_EQ(n, righe.size());
        EXPECT_EQ(righe.back().nome, nome_stazione(piano.strisce, righe.back().fotogramma));
    }
}

// Model 1 of the example covers 0 to 3.6 m along the façade and the frame's
// lower to upper edge; model 2 starts at 2.4 m.
TEST(Modelli, PuntiDiAppoggioDelPrimoModello) {
    esempio_collocato es;
    const tabella_modelli vuota = modelli_commessa(es.c);
    ASSERT_EQ(vuota.righe.size(), 8u);
    const riga_modello& m1 = vuota.righe[0];
    EXPECT_EQ(m1.stazione_1, "S1-01");
    EXPECT_EQ(m1.stazione_2, "S1-02");
    EXPECT_NEAR(m1.x_da, 100, 1e-12);
    EXPECT_NEAR(m1.x_a, 103.6, 1e-12);
    // The tilt brings the upper edge to the façade's top (within the plan's pi of 3.141592).
    EXPECT_NEAR(m1.z_a, 25, 1e-5);
    EXPECT_NEAR(vuota.righe[1].x_da, 102.4, 1e-12);
    EXPECT_EQ(vuota.scarsi, 8);

    const double z_b = m1.z_da - 20, z_a = m1.z_a - 20;  // above the ground
    const struct {
        const char* nome;
        punto3 p;
    } punti[] = {{"A1", sul_sito(0.1, 0, z_b + 0.1)},    {"A2", sul_sito(3.5, 0, z_b + 0.1)},
                 {"A3", sul_sito(3.5, -4.9, z_a - 0.1)}, {"A4", sul_sito(0.1, 4.9, z_a - 0.1)},
                 {"BORDO", sul_sito(3.6, 0, 2)},         {"FUORI", sul_sito(-0.2, 0, 2)},
                 {"AVANTI", sul_sito(1, 20, 2)},         {"SOTTO", sul_sito(1, 0, z_b - 0.2)}};
    for (const auto& p : punti) agg_punto(es.c.disegno, punto(p.nome, p.p.x, p.p.y, p.p.z));
    const tabella_modelli t = modelli_commessa(es.c);
    const struct {
        std::int32_t punti;
        esito_modello esito;
    } attesi[] = {{5, esito_modello::ok},
                  {3, esito_modello::attenzione},
                  {0, esito_modello::non_soddisfatto}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(t.righe[i].punti, attesi[i].punti) << i;
        EXPECT_EQ(t.righe[i].esito, attesi[i].esito) << i;
    }
    EXPECT_EQ(t.scarsi, 7);

    // Without the edge point the first model keeps the four corners.
    const std::span<const punto_app> tutti = es.c.disegno.lista_punti.voci();
    std::vector<punto_app> senza_bordo;
    for (const punto_app& p : tutti) {
        if (p.nome.pulito() != "BORDO") senza_bordo.push_back(p);
    }
    EXPECT_EQ(modelli_con_punti(es.c, senza_bordo).righe[0].punti, 4);
    EXPECT_EQ(modelli_con_punti(es.c, senza_bordo).righe[1].punti, 2);
}

// The edge rule at the identity, where coordinates are exact: on the edge
// counts, a micrometre beyond still counts, ten micrometres beyond do not.
TEST(Modelli, RegolaDelBordo) {
    commessa c;
    prova::calcola_esempio(c);
    const riga_modello m1 = modelli_commessa(c).righe[0];
    const struct {
        double fuori;
        std::int32_t conta;
    } casi[] = {{0, 1}, {0.5e-6, 1}, {1e-5, 0}};
    for (const auto& caso : casi) {
        const punto_app p = punto("P", m1.x_da - caso.fuori, m1.y_facciata, m1.z_a + caso.fuori);
        const punto_app q =
            punto("Q", m1.x_a - 1, m1.y_facciata + c.presa.dist_presa / 2 + caso.fuori, m1.z_da);
        EXPECT_EQ(modelli_con_punti(c, std::span(&p, 1)).righe[0].punti, caso.conta);
        EXPECT_EQ(modelli_con_punti(c, std::span(&q, 1)).righe[0].punti, caso.conta);
    }
    EXPECT_EQ(testo_esito(esito_per_punti(2)), "Non soddisfatto");
}

// The 24 mm example (façade 30 x 14 m, 10 m away, sensor 35,7 x 23,8 mm):
// coverage 14,875 x 9,91667 m, base 2,5 m, two strips of ten frames. Model f of
// a strip runs from (f − 1) · 2,5 m to (f − 1) · 2,5 + 12,375 m along the façade
// from A; strip s from h − 4,95833 to h + 4,95833 m above the ground, with
// h = 1,5 + (s − 1) · 8,925 m. The scheme origin moves none of it.
TEST(Modelli, DaAngoloAEDaTerra) {
    commessa c;
    calcola_commessa(c, {"24", "35,7", "23,8", "14", "30", "10", "50", ""},
                     formato_regionale::italiano());
    const double semi = 23.8 * 10 / 24 / 2;
    const struct {
        std::size_t riga;
        const char* stazione_2;
        double inizio, fine, basso, alto;
    } attesi[] = {
        {0, "S1-02", 0, 12.375, 1.5 - semi, 1.5 + semi},
        {8, "S1-10", 20, 32.375, 1.5 - semi, 1.5 + semi},
        {9, "S2-02", 0, 12.375, 10.425 - semi, 10.425 + semi},
        {17, "S2-10", 20, 32.375, 10.425 - semi, 10.425 + semi},
    };
    for (const origine_schema origine : {origine_schema{}, origine_schema{-7.5, 3, 2.25}}) {
        c.origine = origine;
        const tabella_modelli t = modelli_commessa(c);
        ASSERT_EQ(t.righe.size(), 18u);
        EXPECT_FALSE(t.collocata);
        for (const auto& a : attesi) {
            const riga_modello& m = t.righe[a.riga];
            EXPECT_EQ(m.stazione_2, a.stazione_2);
            EXPECT_NEAR(m.da_a_inizio, a.inizio, 1e-9) << a.riga;
            EXPECT_NEAR(m.da_a_fine, a.fine, 1e-9) << a.riga;
            EXPECT_NEAR(m.altezza_da, a.basso, 1e-9) << a.riga;
            EXPECT_NEAR(m.altezza_a, a.alto, 1e-9) << a.riga;
        }
    }

    // Placed at A = (1000, 2000, 50), façade at azimuth 30°: the corners on the site.
    c.origine = {};
    c.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
    const tabella_modelli t = modelli_commessa(c);
    EXPECT_TRUE(t.collocata);
    for (const auto& a : attesi) {
        const riga_modello& m = t.righe[a.riga];
        const punto3 angoli[] = {sul_sito(a.inizio, 0, a.basso), sul_sito(a.inizio, 0, a.alto),
                                 sul_sito(a.fine, 0, a.alto), sul_sito(a.fine, 0, a.basso)};
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(m.angoli_sito[k].x, angoli[k].x, 1e-9) << a.riga << " " << k;
            EXPECT_NEAR(m.angoli_sito[k].y, angoli[k].y, 1e-9) << a.riga << " " << k;
            EXPECT_NEAR(m.angoli_sito[k].z, angoli[k].z, 1e-9) << a.riga << " " << k;
        }
    }
}

}  // namespace
}  // namespace pianopre
