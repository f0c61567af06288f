// The view state of a job, the same for the window, the command line's
// bitmaps and the printed plan.
#pragma once

#include "job/commessa.h"
#include "view/stato_vista.h"

namespace pianopre {

// The job's view with "Fronte" and "Assonom." ticked or not: its scheme
// origin and placement; the site drawing under the scheme when it has
// entities; the control points when there are any, and then, in front view,
// the outlines of the stereo models short of points. The state points into
// `c`, which must outlive it.
stato_vista vista_commessa(const commessa& c, bool fronte, bool assonometrica);

// Whether a site drawing has heights of its own: some entity (a point, a
// vertex, a text) stands more than a millimetre above or below height 0, as
// the reader placed it (Z of its coordinates, or a polyline's elevation).
// A drawing made only in plan has every height 0; survey drawings carry the
// ground's heights.
bool ha_quote_proprie(const elenco_entita& disegno);

// The height added to every entity of the site drawing so that it stands where
// the scheme stands: a flat drawing is lifted to the placement's height A_h
// (the ground at the façade's foot); one with heights of its own keeps them.
double quota_sottofondo(const elenco_entita& disegno, const collocazione& sito);

}  // namespace pianopre
