// The drone checks of the 24 mm example (focal 24 mm, negative 35,7 x 23,8 mm,
// 9504 x 6336 px, object 14 m high and 30 m wide, 10 m away, 1:50) computed
// by hand, and their rows.
//
// The plan: coverage 35,7 · 10 / 24 = 14,875 m wide, 9,9167 m high; base
// 10 / 4 = 2,5 m (overlap 83 %, above 60 %); (30 − 14,875) / 2,5 = 6,05 steps,
// so ⌊7,05⌋ + 3 = 10 frames per strip; two strips, the cameras 1,5 m and
// 1,5 + 0,9 · 9,9167 = 10,425 m above the façade's foot, 10 m in front of it.
// Pixel 35,7 / 9504 = 0,0037563 mm, GSD at the centre 0,0037563 · 1000 · 10 /
// 24 = 1,565130 mm.
//
// The path, taking off on the ground under S1-01: up 1,5 m, along strip 1
// 9 · 2,5 = 22,5 m, up 8,925 m, back along strip 2 22,5 m, down 10,425 m:
// 65,85 m.
#include "droni/verifiche_volo.h"

#include <gtest/gtest.h>

#include "job/commessa.h"
#include "job/missione_commessa.h"
#include "job/stazioni_commessa.h"

namespace pianopre {
namespace {

using esito = esito_verifica;

void esempio_24(commessa& c, const impostazioni_drone& drone, collocazione sito = {}) {
    c.sensore = {"Pieno formato 35,7 x 23,8 - 60 Mpx", 9504, 6336, 0};
    c.drone = drone;
    c.sito = sito;
    calcola_commessa(c, {"24", "35,7", "23,8", "14", "30", "10", "50", ""},
                     formato_regionale::italiano());
}

struct caso {
    const char* nome;
    double velocita, esposizione, autonomia;
    bool sosta;
    double mosso, tempo_scatti, tempo_volo;
    int batterie;
    esito mosso_esito, intervallo_esito;
};

const caso casi[] = {
    // 2 · 1/500 = 0,004 m = 4 mm in the exposure: 4 / 1,565130 = 2,5557 px, still at the
    // shot. Shots 2,5 / 2 + 2 = 3,25 s apart. 65,85 / 2 + 20 shots · 2 s = 72,925 s;
    // 72,925 / (20 · 60 · 0,75 = 900 s) → 1 battery.
    {"2 m/s, fermo", 2, 1.0 / 500, 20, true, 2.555697, 3.25, 72.925, 1, esito::ok, esito::ok},
    // Flying through the shots: the same blur now spoils them, and 2,5 / 2 = 1,25 s
    // between shots is less than the 2 s the camera needs. 65,85 / 2 = 32,925 s.
    {"2 m/s, in volo", 2, 1.0 / 500, 20, false, 2.555697, 1.25, 32.925, 1, esito::non_soddisfatto,
     esito::non_soddisfatto},
    // A minute a battery, 25 % kept: 45 s each; 72,925 / 45 = 1,62 → 2 batteries.
    {"batterie da un minuto", 2, 1.0 / 500, 1, true, 2.555697, 3.25, 72.925, 2, esito::ok,
     esito::ok},
    // 0,5 · 1/2000 = 0,25 mm: 0,25 / 1,565130 = 0,1597 px; 2,5 / 0,5 = 5 s apart;
    // 65,85 / 0,5 = 131,7 s in 45 s batteries: 2,93 → 3.
    {"lento e veloce di otturatore", 0.5, 1.0 / 2000, 1, false, 0.159731, 5, 131.7, 3, esito::ok,
     esito::ok},
};

TEST(VerificheVolo, EsempioA24mmCalcolatoAMano) {
    for (const caso& k : casi) {
        SCOPED_TRACE(k.nome);
        impostazioni_drone imp;
        imp.velocita_ms = k.velocita;
        imp.esposizione_s = k.esposizione;
        imp.autonomia_min = k.autonomia;
        imp.sosta = k.sosta;
        commessa c;
        esempio_24(c, imp);
        ASSERT_EQ(c.presa.num_foto, 20);
        ASSERT_EQ(c.presa.base_presa, 2.5);
        const risultato_verifiche r =
            calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
        const auto v = verifiche_volo_commessa(c, r);
        ASSERT_TRUE(v);
        ASSERT_TRUE(v->mosso_px);
        EXPECT_NEAR(*v->mosso_px, k.mosso, 1e-6);
        EXPECT_NEAR(v->tempo_scatti_s, k.tempo_scatti, 1e-9);
        EXPECT_NEAR(v->percorso_m, 65.85, 1e-9);
        EXPECT_NEAR(v->tempo_volo_s, k.tempo_volo, 1e-9);
        EXPECT_EQ(v->batterie, k.batterie);
        EXPECT_EQ(v->mosso, k.mosso_esito);
        EXPECT_EQ(v->intervallo, k.intervallo_esito);
        EXPECT_NEAR(v->distanza_min_m, 10, 1e-9);
        EXPECT_NEAR(v->altezza_max_m, 10.425, 1e-9);
        EXPECT_EQ(v->beccheggio_min, 0);
        EXPECT_EQ(v->beccheggio_max, 0);
    }
}

// Placed at 150 gon with a take-off of the user's: the headings turn, the
// distances stay, the heights follow the take-off.
TEST(VerificheVolo, LimitiDelVolo) {
    const struct {
        double distanza_min, altezza_max, decollo_h;
        esito distanza, altezza;
        double alto;
    } casi_limiti[] = {
        {5, 120, 20, esito::ok, esito::ok, 10.425},  // the ground at the foot is 20
        {10, 10.425, 20, esito::ok, esito::ok, 10.425},
        {10.5, 10.4, 20, esito::non_soddisfatto, esito::non_soddisfatto, 10.425},
        {5, 8.5, 22, esito::ok, esito::ok, 8.425},  // taking off 2 m higher
    };
    for (const auto& k : casi_limiti) {
        SCOPED_TRACE(k.distanza_min);
        impostazioni_drone imp;
        imp.distanza_min_m = k.distanza_min;
        imp.altezza_max_m = k.altezza_max;
        imp.decollo = punto3{1000, 2000, k.decollo_h};
        commessa c;
        esempio_24(c, imp, {1000, 2000, 20, 150, unita_angolo::gon});
        const missione m = missione_commessa(c);
        ASSERT_EQ(m.punti.size(), 20u);
        EXPECT_NEAR(m.punti.front().azimut_griglia, 45, 1e-9);  // 150 − 100 gon = 50 gon
        const auto v = verifiche_volo_commessa(
            c, calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche));
        ASSERT_TRUE(v);
        EXPECT_NEAR(v->distanza_min_m, 10, 1e-9);
        EXPECT_NEAR(v->altezza_max_m, k.alto, 1e-9);
        EXPECT_EQ(v->distanza, k.distanza);
        EXPECT_EQ(v->altezza, k.altezza);
    }
}

TEST(VerificheVolo, BeccheggioDelGimbal) {
    const struct {
        double min, max;
        esito atteso;
    } casi_b[] = {{-90, 30, esito::ok},
                  {-90.5, 0, esito::non_soddisfatto},
                  {0, 30.2, esito::non_soddisfatto},
                  {12, 12, esito::ok}};
    for (const auto& k : casi_b) {
        missione m;
        m.punti.resize(2);
        m.punti[0].beccheggio = k.min;
        m.punti[1].beccheggio = k.max;
        const risultato_volo r = verifica_volo(m, {}, 1.0, 2.5);
        EXPECT_EQ(r.beccheggio, k.atteso) << k.min << " " << k.max;
    }
}

// Only a plan with a strip out of reach gets the drone rows; their texts.
TEST(VerificheVolo, RigheSoloQuandoServeUnDrone) {
    commessa c;
    esempio_24(c, {});
    risultato_verifiche r = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    const auto v = verifiche_volo_commessa(c, r);
    ASSERT_TRUE(v);
    const auto righe = righe_volo(*v, c.drone, formato_regionale::italiano());
    const char* attese[][4] = {
        {"Mosso del drone", "2,56 px", "≤ 0,5 px in volo; fermo a ogni scatto", "OK"},
        {"Tempo tra due scatti", "3,25 s", "≥ 2,00 s", "OK"},
        {"Percorso di volo", "65,85 m", "", ""},
        {"Tempo di volo", "1,2 min", "", ""},  // 72,925 s
        {"Batterie", "1", "20,0 min per batteria, 25,0 % di riserva", ""},
        {"Distanza minima dalla facciata", "10,00 m", "≥ 5,00 m", "OK"},
        {"Altezza massima sul decollo", "10,43 m", "≤ 120,00 m", "OK"},
        {"Beccheggio del gimbal", "0,0°", "da -90,0° a +30,0°", "OK"},
    };
    ASSERT_EQ(righe.size(), std::size(attese));
    for (std::size_t i = 0; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].nome, attese[i][0]);
        EXPECT_EQ(righe[i].valore, attese[i][1]) << attese[i][0];
        EXPECT_EQ(righe[i].limite, attese[i][2]) << attese[i][0];
        EXPECT_EQ(righe[i].testo_esito, attese[i][3]) << attese[i][0];
        EXPECT_FALSE(righe[i].formula.empty()) << attese[i][0];
    }
    // Cameras within reach by hand: no flight to check.
    c.verifiche.altezza_max_camera_m = 11;
    r = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    EXPECT_FALSE(verifiche_volo_commessa(c, r));
    // Unusable settings are told as the plan's are.
    c.verifiche.altezza_max_camera_m = 1.5;
    c.drone.velocita_ms = 0;
    r = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    EXPECT_THROW(verifiche_volo_commessa(c, r), errore_verifiche);
}

}  // namespace
}  // namespace pianopre
