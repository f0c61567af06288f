// Moving about the drawing: zoom around the centre or a point, panning, arrow
// steps, and centring the scheme on the marked entities. Plain functions over
// the view window and the scheme origin.
#pragma once

#include <optional>

#include "scheme/elenco_entita.h"
#include "view/proiezione.h"

namespace pianopre {

// The window scaled by `fattore` (0.5 zooms in, 2 out) around its centre, in
// double precision and stored as 32-bit reals. Empty when the new window would
// not be usable: not finite, zero, or narrower than a hundred thousandth of the
// coordinates it shows (far beyond anything a survey needs).
std::optional<finestra_vista> zoom_centro(const finestra_vista& f, double fattore);

// The same, keeping the drawing point (u, v) where it is on screen.
std::optional<finestra_vista> zoom_punto(const finestra_vista& f, double fattore, double u,
                                         double v);

// A drag of (dx, dy) drawing units: the window moves the other way, so the
// drawing follows the mouse.
finestra_vista trascina_vista(const finestra_vista& f, float dx, float dy);

// The arrow buttons and keys step a tenth of the visible width or height.
enum class freccia { su, giu, sinistra, destra };
struct passo_freccia {
    float dx;
    float dy;
};
passo_freccia passo_di(const finestra_vista& f, freccia direzione);

// The origin that brings the scheme's centre onto the marked entities' centre
// in x and z, and the scheme's y = 200 onto their centre in y.
origine_schema centra_schema(const elenco_entita& lista);

}  // namespace pianopre
