// The coverage and precision map on networks computed by hand: one image, a
// point on the frame's edge, convergent images at one station; the grid's
// cells, gaps and summary; the cell size.
#include "rete/mappa_copertura.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace pianopre {
namespace {

// 24 mm on a 36 × 24 mm frame, pixel 4 µm: σ = 0.5 px = 0.002 mm on the image.
const camera_rete camera{24, 36, 24, 0.004};

immagine_rete immagine(double u, double v, double w, double rotazione = 0) {
    return {"S", 1, 1, u, v, w, rotazione, 0};
}

// A triple turned about a tripod's vertical axis at (0, 10 + e, 1.5), the
// projection centre e in front of the axis: e = 0 is one centre for all three.
std::vector<immagine_rete> tripla(double e) {
    std::vector<immagine_rete> v;
    for (const double gamma : {0.0, 20.0, -20.0}) {
        const double r = gamma * std::numbers::pi / 180;
        v.push_back(immagine(e * std::sin(r), 10 + e - e * std::cos(r), 1.5, gamma));
    }
    return v;
}

struct caso_punto {
    const char* nome;
    std::vector<immagine_rete> immagini;
    double u, w;
    std::int32_t viste;
    bool con_precisione;
    double sigma_profondita_mm;  // checked when con_precisione
};

// Camera at u = 0, 10 m away, axis at w = 0: its frame covers ±7.5 m along the
// façade (10 · 18 / 24) and ±5 m in height (10 · 12 / 24), both exact.
//
// The triple with e = 0.1 m, point P straight ahead (u = 0, w = 1.5): the
// turned centres are at (±e sin γ, 10 + e − e cos γ); with D' = 10 + e the
// depth to P along a turned axis is z = D' cos γ − e = 9.3908955 m and the
// image abscissa's derivative by v is ∓f e sin γ / z² (0 for the middle image,
// whose ray is its axis). The two turned images alone fix the depth:
// σ_v = σ z² / (√2 f e sin γ) = 0.002 · 88.18892 / (1.41421 · 24 · 0.1 · 0.34202)
// = 0.151938 m. With e = 0 the three rays are one: P can slide along it
// unseen, the normal matrix is singular and there is no precision.
TEST(MappaCopertura, PuntiCalcolatiAMano) {
    const caso_punto casi[] = {
        {"una sola immagine", {immagine(0, 10, 0)}, 1, 1, 1, false, 0},
        {"bordo destro", {immagine(0, 10, 0)}, 7.5, 0, 1, false, 0},
        {"appena fuori dal bordo", {immagine(0, 10, 0)}, 7.5 + 1e-6, 0, 0, false, 0},
        {"bordo superiore", {immagine(0, 10, 0)}, 0, 5, 1, false, 0},
        {"spigolo", {immagine(0, 10, 0), immagine(1, 10, 0)}, 7.5, -5, 2, true, -1},
        {"dietro la camera", {immagine(0, -1, 0)}, 0, 0, 0, false, 0},
        {"tripla, un solo centro", tripla(0), 0, 1.5, 3, false, 0},
        {"tripla, centro davanti all'asse", tripla(0.1), 0, 1.5, 3, true, 151.9378876931},
    };
    for (const caso_punto& k : casi) {
        SCOPED_TRACE(k.nome);
        const punto_rete p = valuta_punto(k.immagini, camera, k.u, k.w, 0.5);
        EXPECT_EQ(p.immagini, k.viste);
        EXPECT_EQ(p.con_precisione, k.con_precisione);
        if (k.con_precisione && k.sigma_profondita_mm > 0) {
            EXPECT_NEAR(p.sigma_profondita_mm, k.sigma_profondita_mm, 1e-9 * k.sigma_profondita_mm);
        }
    }
}

// The grid agrees with the point it stands on; a cell seen once is a gap.
TEST(MappaCopertura, GrigliaELacune) {
    // Two images 10 m away, 2 m apart: seen by both from u = −5.5 to 7.5 m.
    const immagine_rete coppia[] = {immagine(0, 10, 2), immagine(2, 10, 2)};
    impostazioni_mappa imp;
    imp.cella_m = 0.5;
    imp.tolleranza_mm = 10;
    const mappa_copertura m = calcola_mappa(coppia, camera, 12, 4, imp);
    ASSERT_EQ(m.colonne, 24);
    ASSERT_EQ(m.righe, 8);
    std::int32_t doppie = 0;
    for (std::int32_t r = 0; r < m.righe; ++r) {
        for (std::int32_t c = 0; c < m.colonne; ++c) {
            const cella_mappa& cella = m.cella(c, r);
            const double u = (c + 0.5) * 0.5, w = (r + 0.5) * 0.5;
            const punto_rete p = valuta_punto(coppia, camera, u, w, imp.precisione_px);
            ASSERT_EQ(cella.immagini, p.immagini) << u << " " << w;
            EXPECT_EQ(cella.immagini, u <= 7.5 ? 2 : u <= 9.5 ? 1 : 0);
            doppie += cella.immagini >= 2;
            if (cella.immagini < 2) {
                EXPECT_EQ(cella.sigma_profondita_mm, -1);  // a gap
                continue;
            }
            EXPECT_FLOAT_EQ(cella.sigma_profondita_mm, static_cast<float>(p.sigma_profondita_mm));
            EXPECT_FLOAT_EQ(cella.sigma_lungo_mm, static_cast<float>(p.sigma_lungo_mm));
            EXPECT_FLOAT_EQ(cella.angolo_gradi, static_cast<float>(p.angolo_gradi));
        }
    }
    EXPECT_EQ(doppie, 15 * 8);
    EXPECT_DOUBLE_EQ(m.quota_2, 15.0 / 24);
    EXPECT_EQ(m.quota_3, 0);
    // Depth is the worst: σ D² √2 / (B f) = 0.002 · 100 · 1.41421 / 48 = 5.9 mm
    // straight between them, more at the far corners.
    EXPECT_GT(m.sigma_peggiore_mm, 5.89);
    EXPECT_LT(m.sigma_peggiore_mm, 10);
    EXPECT_DOUBLE_EQ(m.quota_tolleranza, m.quota_2);
    const punto_rete peggiore =
        valuta_punto(coppia, camera, m.u_peggiore, m.w_peggiore, imp.precisione_px);
    EXPECT_NEAR(m.sigma_peggiore_mm, peggiore.sigma_profondita_mm, 1e-9);
}

TEST(MappaCopertura, DimensioneCella) {
    struct caso {
        double larghezza, altezza, richiesta, attesa;
    };
    const caso casi[] = {
        {30, 14, 0, 0.05},      // 600 × 280 = 168,000 cells
        {30, 14, 0.2, 0.2},     // as asked
        {30, 14, 0.01, 0.05},   // 4.2 million cells: enlarged
        {0, 14, 0, 0},          // no façade
        {78600, 14, 0, -1},     // the largest: within 200,000 cells
        {1e300, 1e300, 0, -1},  // no overflow
    };
    for (const caso& k : casi) {
        const double cella = dimensione_cella(k.larghezza, k.altezza, k.richiesta);
        if (k.attesa >= 0) {
            EXPECT_NEAR(cella, k.attesa, 1e-12) << k.larghezza;
        }
        if (cella == 0) continue;
        EXPECT_TRUE(std::isfinite(cella)) << k.larghezza;
        EXPECT_LE(std::ceil(k.larghezza / cella) * std::ceil(k.altezza / cella), 200000);
    }
}

}  // namespace
}  // namespace pianopre
