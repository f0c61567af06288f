// The image network of a computed job against its station table, and the
// map of the 24 mm example.
#include "job/rete_commessa.h"

#include <gtest/gtest.h>

#include <tuple>

#include "job/stazioni_commessa.h"

namespace pianopre {
namespace {

// 24 mm on 35.7 × 23.8 mm, 9504 × 6336 px; a façade 30 m wide and 14 m high,
// 10 m away, scale 1:50, base computed.
void esempio_24mm(commessa& c) {
    c.sensore = {"", 9504, 6336, 0};
    calcola_commessa(c, {"24", "35,7", "23,8", "14", "30", "10", "50", ""},
                     formato_regionale::italiano());
}

TEST(ReteCommessa, ImmaginiComeLeStazioni) {
    for (const bool spostato : {false, true}) {
        commessa c;
        if (spostato) {  // the scheme's origin and the placement move stations, not the network
            c.origine = {5, -3, 2};
            c.sito = {1000, 2000, 50, 30};
        }
        esempio_24mm(c);
        ASSERT_EQ(c.fase, fase_calcolo::schema);
        const std::vector<immagine_rete> rete = immagini_commessa(c);
        const std::vector<riga_stazione> stazioni = stazioni_commessa(c);
        const geometria_strisce g = geometria_commessa(c);
        ASSERT_EQ(rete.size(), stazioni.size());
        for (std::size_t i = 0; i < rete.size(); ++i) {
            const immagine_rete& r = rete[i];
            const riga_stazione& s = stazioni[i];
            EXPECT_EQ(r.nome, s.nome);
            EXPECT_EQ(r.striscia, s.striscia);
            EXPECT_EQ(r.fotogramma, s.fotogramma);
            EXPECT_NEAR(r.w, s.altezza, 1e-9);
            EXPECT_NEAR(r.v, c.presa.dist_presa, 1e-9);
            EXPECT_NEAR(r.u, g.mezza_copertura - c.presa.base_presa * (2 - s.fotogramma), 1e-9);
            EXPECT_EQ(r.inclinazione, s.inclinazione);
            EXPECT_EQ(r.rotazione, 0);
        }
    }
    EXPECT_TRUE(immagini_commessa(commessa{}).empty());
    EXPECT_TRUE(copertura_commessa(commessa{}).celle.empty());
}

// Convergent images: each station followed by its two images turned by ±γ
// at the same place, and then every cell seen three times.
TEST(ReteCommessa, ImmaginiConvergenti) {
    commessa c;
    c.convergenti = {true, 15};
    esempio_24mm(c);
    const std::vector<immagine_rete> rete = immagini_commessa(c);
    const std::vector<riga_stazione> stazioni = stazioni_commessa(c);
    ASSERT_EQ(rete.size(), 3 * stazioni.size());
    const struct {
        const char* suffisso;
        double rotazione;
    } terna[] = {{"", 0}, {"+", 15}, {"\u2212", -15}};
    for (std::size_t i = 0; i < rete.size(); ++i) {
        const immagine_rete& r = rete[i];
        const immagine_rete& stazione = rete[i - i % 3];
        EXPECT_EQ(r.nome, stazioni[i / 3].nome + terna[i % 3].suffisso);
        EXPECT_EQ(r.rotazione, terna[i % 3].rotazione);
        EXPECT_EQ(std::tie(r.u, r.v, r.w, r.inclinazione),
                  std::tie(stazione.u, stazione.v, stazione.w, stazione.inclinazione));
    }
    EXPECT_EQ(copertura_commessa(c).quota_3, 1);
}

// Every cell is seen twice; the share seen three times and the worst σ are
// printed for the record.
TEST(ReteCommessa, Esempio24mm) {
    commessa c;
    esempio_24mm(c);
    const mappa_copertura m = copertura_commessa(c);
    EXPECT_EQ(m.cella_m, 0.05);
    ASSERT_EQ(m.celle.size(), 168000u);
    for (const cella_mappa& k : m.celle) {
        ASSERT_GE(k.immagini, 2);
        ASSERT_GT(k.sigma_profondita_mm, 0);
    }
    EXPECT_EQ(m.quota_2, 1);
    EXPECT_GT(m.quota_3, 0);
    EXPECT_GT(m.sigma_peggiore_mm, 0);
    EXPECT_LT(m.sigma_peggiore_mm, 100);
    std::cout << "24 mm: " << immagini_commessa(c).size() << " images, ≥ 3 on " << m.quota_3 * 100
              << " %, within " << impostazioni_mappa_commessa(c).tolleranza_mm << " mm on "
              << m.quota_tolleranza * 100 << " %, worst σ " << m.sigma_peggiore_mm << " mm at u "
              << m.u_peggiore << " m, w " << m.w_peggiore << " m\n";
}

}  // namespace
}  // namespace pianopre
