// The stereo models of a job and the control points each one holds: a model is
// two consecutive frames of a strip, its area the overlap of their footprints
// on the façade plane.
//
// Along the façade the area runs from the later frame's left edge to the
// earlier frame's right edge (half the coverage width around each station);
// in height it takes the footprint's lower and upper edge as the scheme draws
// them, raised strip by strip. A control point (site coordinates) counts for a
// model when, taken into the scheme's frame, it lies within half the shooting
// distance of the façade plane and inside the area; a point on an edge counts
// (within a micrometre, so that a point set on the edge stays on it after the
// placement's rounding).
//
// As a surveyor reads it the area runs along the façade from corner A and up
// from the ground at the façade's foot; its corners also have site
// coordinates, which say something of their own once the scheme is placed.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scheme/entita.h"
#include "site/collocazione.h"
#include "site/stazioni.h"

namespace pianopre {

// Within this distance of an edge a point is on it.
inline constexpr double tolleranza_bordo = 1e-6;

// Four or more points orient a model, three leave no check, fewer are not enough.
enum class esito_modello { ok, attenzione, non_soddisfatto };

esito_modello esito_per_punti(std::int32_t punti);
// "OK", "Attenzione", "Non soddisfatto": the verdict's name, the same in every
// language (the --json output keeps it).
std::string_view testo_esito(esito_modello esito);
// The verdict as the user reads it, in the user's language.
std::string esito_mostrato(esito_modello esito);

struct riga_modello {
    std::string stazione_1;  // the earlier frame
    std::string stazione_2;
    // The overlap area in the scheme's frame, origin included, on the façade plane.
    double x_da = 0;
    double x_a = 0;
    double z_da = 0;
    double z_a = 0;
    double y_facciata = 0;
    std::int32_t punti = 0;
    esito_modello esito = esito_modello::non_soddisfatto;
    // The same area from corner A along the façade and above the ground at its foot, m.
    double da_a_inizio = 0;
    double da_a_fine = 0;
    double altezza_da = 0;
    double altezza_a = 0;
    // Its corners on the site: lower and upper at the start (towards A), then
    // upper and lower at the end.
    std::array<punto3, 4> angoli_sito{};

    bool scarso() const { return esito != esito_modello::ok; }
};

struct tabella_modelli {
    std::vector<riga_modello> righe;
    std::int32_t scarsi = 0;  // models with fewer than four points
    bool collocata = false;   // the placement is not the identity: site corners mean something
};

// Strip after strip, model after model of the strips `g`, shot from
// `dist_presa`, with the control points `punti` (site coordinates) counted
// through the placement `sito`; empty without two frames a strip.
tabella_modelli modelli_piano(const geometria_strisce& g, double dist_presa,
                              const collocazione& sito, std::span<const punto_app> punti);

}  // namespace pianopre
