// The coverage and precision map of the whole image network over the façade.
//
// The façade frame: u along the façade from corner A (m), v in front of the
// façade plane towards the cameras (m), w above the façade's foot (m). The
// façade is the rectangle v = 0, 0 ≤ u ≤ width, 0 ≤ w ≤ height; the map is a
// grid of cells over it, each judged at its centre.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pianopre {

// One image of the network: a station of the plan, or one of the two
// convergent images beside it.
struct immagine_rete {
    std::string nome;  // "S1-01", "S1-01+", "S1-01−"
    std::int32_t striscia = 0;
    std::int32_t fotogramma = 0;
    double u = 0, v = 0, w = 0;  // projection centre in the façade frame, m
    // Heading of the optical axis in the façade's plan: 0 looks straight at the
    // façade (towards −v), positive turns it towards +u; degrees.
    double rotazione = 0;
    double inclinazione = 0;  // upward tilt of the optical axis, degrees
};

// The camera of every image.
struct camera_rete {
    double focale_mm = 0;
    double larghezza_mm = 0;  // frame along the façade (the image's x)
    double altezza_mm = 0;    // frame across it (the image's y)
    double pixel_mm = 0;      // 0 when not known: no precision then
};

struct impostazioni_mappa {
    double cella_m = 0;          // 0: the largest of 0.05 m and the size keeping ≤ 200,000 cells
    double precisione_px = 0.5;  // s of the checks: σ on the image = s · pixel
    double tolleranza_mm = 0;    // T / divisor of the GSD check, on the object
};

// One cell: the images that see its centre (it lies in front of the camera
// and projects inside the frame; a point on the frame's edge, to a relative
// 1e-12 of the frame's size, is inside), the largest angle between two of
// their rays and, with two images or more at a non-zero angle and a known
// pixel, the standard deviations of the point by least-squares forward
// intersection: σ = precisione_px · pixel_mm on the image in both directions;
// each image adds JᵀJ / σ² to the 3 × 3 normal matrix, J the derivative of the
// point's image coordinates (collinearity) by its façade coordinates; the
// covariance is the inverse, when the matrix is not singular.
struct cella_mappa {
    std::int32_t immagini = 0;
    float angolo_gradi = 0;
    float sigma_lungo_mm = -1;       // along the façade (u); −1 when not computed
    float sigma_altezza_mm = -1;     // in height (w)
    float sigma_profondita_mm = -1;  // in depth (v)
};

struct mappa_copertura {
    double larghezza_m = 0, altezza_m = 0, cella_m = 0;
    std::int32_t colonne = 0, righe = 0;
    // Row after row from the foot up, each from corner A along the façade:
    // cell (colonna, riga) has its centre at u = (colonna + 0.5) · cella_m,
    // w = (riga + 0.5) · cella_m (the last column and row may stick out).
    std::vector<cella_mappa> celle;
    double quota_2 = 0;                     // share of cells seen by ≥ 2 images, 0 … 1
    double quota_3 = 0;                     // by ≥ 3
    double quota_tolleranza = 0;            // with the largest σ ≤ tolleranza_mm
    double sigma_peggiore_mm = 0;           // the largest σ over the cells that have one; 0: none
    double u_peggiore = 0, w_peggiore = 0;  // where it is

    const cella_mappa& cella(std::int32_t colonna, std::int32_t riga) const {
        return celle[static_cast<std::size_t>(riga) * static_cast<std::size_t>(colonne) +
                     static_cast<std::size_t>(colonna)];
    }
};

// The most cells a map holds: a smaller cell than this allows is enlarged.
inline constexpr std::int64_t massimo_celle = 200000;

// The cell size of a façade `larghezza` × `altezza` metres: `richiesta` when
// positive and the grid stays within massimo_celle, otherwise the largest of
// 0.05 m and the smallest size keeping the grid within massimo_celle; 0 for a
// façade without positive finite sizes.
double dimensione_cella(double larghezza, double altezza, double richiesta = 0);

// The map of `immagini` over a façade `larghezza` × `altezza` metres; no cells
// for a façade without positive finite sizes. The shares count every cell
// alike; a cell without σ is outside the tolerance.
mappa_copertura calcola_mappa(std::span<const immagine_rete> immagini, const camera_rete& camera,
                              double larghezza, double altezza, const impostazioni_mappa& imp);

// One point P = (u, 0, w) of the façade plane judged as a cell's centre, in
// full precision: what calcola_mappa stores, rounded, for each cell.
struct punto_rete {
    std::int32_t immagini = 0;
    double angolo_gradi = 0;
    bool con_precisione = false;  // the σ below are meaningful
    double sigma_lungo_mm = 0, sigma_altezza_mm = 0, sigma_profondita_mm = 0;
};

punto_rete valuta_punto(std::span<const immagine_rete> immagini, const camera_rete& camera,
                        double u, double w, double precisione_px);

}  // namespace pianopre
