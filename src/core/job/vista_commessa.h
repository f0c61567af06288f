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

}  // namespace pianopre
