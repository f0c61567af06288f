// The flight order, heights, headings and pitch of the waypoints over station
// tables of two and three strips; the drone settings' ranges; the exposure
// written as photographers write it.
#include "droni/volo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "droni/esposizione.h"

namespace pianopre {
namespace {

// `strisce` strips of `per` frames, as the station table lists them: strip n
// at 21,5 + (n − 1) · 8,925 m, frame f at East 100 + 2,5 f.
std::vector<riga_stazione> tabella(int strisce, int per, double azimut, double tilt) {
    std::vector<riga_stazione> righe;
    for (int s = 1; s <= strisce; ++s)
        for (int f = 1; f <= per; ++f)
            righe.push_back({nome_stazione(s, f), s, f, 100 + 2.5 * f, 190, 21.5 + (s - 1) * 8.925,
                             azimut, tilt, 0});
    return righe;
}

std::string ordine(const missione& m) {
    std::string t;
    for (const punto_missione& p : m.punti) t += (t.empty() ? "" : " ") + p.nome;
    return t;
}

TEST(Volo, OrdineAltezzeEAssi) {
    const facciata_sito facciata{{100, 200, 20}, 90};  // foot at height 20, along East
    const struct {
        int strisce, per;
        double azimut;
        unita_angolo unita;
        double tilt;
        std::optional<punto3> decollo;
        const char* ordine;
        double decollo_e, decollo_h, azimut_gradi;
    } casi[] = {
        // Default take-off: under S1-01 (East 102,5, North 190) on the ground, height 20.
        {2, 3, 0, unita_angolo::gradi, 0, std::nullopt, "S1-01 S1-02 S1-03 S2-03 S2-02 S2-01",
         102.5, 20, 0},
        // 300 gon = 270°; a take-off of the user's.
        {3, 2, 300, unita_angolo::gon, 12.5, punto3{90, 180, 23},
         "S1-01 S1-02 S2-02 S2-01 S3-01 S3-02", 90, 23, 270},
        // 450 gon wraps to 50 gon = 45°; one frame per strip.
        {3, 1, 450, unita_angolo::gon, -7, std::nullopt, "S1-01 S2-01 S3-01", 102.5, 20, 45},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.ordine);
        impostazioni_drone imp;
        imp.decollo = k.decollo;
        const auto righe = tabella(k.strisce, k.per, k.azimut, k.tilt);
        const missione m = pianifica_missione(righe, k.unita, facciata, imp);
        EXPECT_EQ(ordine(m), k.ordine);
        EXPECT_EQ(m.decollo.x, k.decollo_e);
        EXPECT_EQ(m.decollo.z, k.decollo_h);
        ASSERT_EQ(m.punti.size(), righe.size());
        for (const punto_missione& p : m.punti) {
            SCOPED_TRACE(p.nome);
            // The station's own position, found again by strip and frame.
            const riga_stazione& s =
                righe[static_cast<std::size_t>((p.striscia - 1) * k.per + p.fotogramma - 1)];
            EXPECT_EQ(p.nome, s.nome);
            EXPECT_EQ(std::tie(p.sito.x, p.sito.y, p.sito.z), std::tie(s.est, s.nord, s.quota));
            // Strip n: 21,5 + (n − 1) · 8,925 above the site's zero, less the take-off's height.
            EXPECT_NEAR(p.altezza_decollo, 21.5 + (p.striscia - 1) * 8.925 - k.decollo_h, 1e-12);
            EXPECT_NEAR(p.azimut_griglia, k.azimut_gradi, 1e-12);
            EXPECT_EQ(p.beccheggio, k.tilt);
        }
    }
    EXPECT_TRUE(pianifica_missione({}, unita_angolo::gradi, facciata, {}).punti.empty());
}

TEST(Volo, DistanzaDallaFacciata) {
    // The façade from (100, 200) towards 45°: a point 10 m off it on its normal.
    const facciata_sito obliqua{{100, 200, 20}, 45};
    const double r = 10 / std::sqrt(2.0);
    const struct {
        facciata_sito f;
        punto3 p;
        double distanza;
    } casi[] = {
        {{{100, 200, 20}, 90}, {130, 190, 50}, 10},  // along East, in front
        {{{100, 200, 20}, 90}, {130, 215, 50}, 15},  // behind it counts too
        {{{100, 200, 20}, 0}, {93, 400, 0}, 7},      // along North
        {obliqua, {100 + r, 200 - r, 0}, 10},
        {obliqua, {150, 250, 0}, 0},  // on the façade's line
    };
    for (const auto& k : casi) EXPECT_NEAR(distanza_facciata(k.f, k.p), k.distanza, 1e-9);
}

TEST(Volo, ImpostazioniFuoriIntervallo) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(errore_impostazioni_drone({}));
    impostazioni_drone limite;  // the edges that are still allowed
    limite.intervallo_s = 0;
    limite.riserva = 0;
    limite.distanza_min_m = 0;
    limite.decollo = punto3{-5, 0, 1e6};
    EXPECT_FALSE(errore_impostazioni_drone(limite));
    const struct {
        double impostazioni_drone::*campo;
        double valore;
        const char* messaggio;
    } casi[] = {
        {&impostazioni_drone::velocita_ms, 0, "la velocità di volo deve essere"},
        {&impostazioni_drone::esposizione_s, -0.002, "il tempo di esposizione deve essere"},
        {&impostazioni_drone::intervallo_s, -1, "l'intervallo di scatto deve essere"},
        {&impostazioni_drone::autonomia_min, nan, "il tempo di volo per batteria"},
        {&impostazioni_drone::riserva, 1, "la riserva deve essere da 0 a meno di 100 %"},
        {&impostazioni_drone::riserva, -0.1, "la riserva deve essere"},
        {&impostazioni_drone::distanza_min_m, -5, "la distanza minima dalla facciata"},
        {&impostazioni_drone::altezza_max_m, 0, "l'altezza massima di volo"},
    };
    for (const auto& k : casi) {
        impostazioni_drone imp;
        imp.*k.campo = k.valore;
        const auto e = errore_impostazioni_drone(imp);
        ASSERT_TRUE(e) << k.messaggio;
        EXPECT_EQ(e->rfind("Errore: ", 0), 0u) << *e;
        EXPECT_NE(e->find(k.messaggio), std::string::npos) << *e;
    }
    impostazioni_drone storto;
    storto.decollo = punto3{0, nan, 0};
    EXPECT_TRUE(errore_impostazioni_drone(storto));
}

TEST(Volo, Esposizione) {
    const auto it = formato_regionale::italiano();
    const struct {
        double secondi;
        const char* testo;
    } scritti[] = {
        {1.0 / 500, "1/500"}, {0.5, "1/2"}, {0.3, "0,3"}, {2, "2"}, {1.0 / 8000, "1/8000"}};
    for (const auto& k : scritti) {
        EXPECT_EQ(testo_esposizione(k.secondi, it), k.testo);
        EXPECT_NEAR(*leggi_esposizione(k.testo, it), k.secondi, 1e-15) << k.testo;
    }
    const struct {
        const char* testo;
        std::optional<double> secondi;
    } letti[] = {{" 1/250 ", 0.004},   {"0,002", 0.002},        {"1/0", std::nullopt},
                 {"1/", std::nullopt}, {"a/500", std::nullopt}, {"1/500 s", std::nullopt}};
    for (const auto& k : letti) EXPECT_EQ(leggi_esposizione(k.testo, it), k.secondi) << k.testo;
}

}  // namespace
}  // namespace pianopre
