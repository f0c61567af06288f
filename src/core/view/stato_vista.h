// What a picture of a job shows beyond its entity list: the view, the scheme
// origin, the placement on the site, the site drawing and the control points
// drawn under and over the scheme, and the outlines drawn in red.
#pragma once

#include <array>
#include <vector>

#include "base/punti.h"
#include "scheme/elenco_entita.h"
#include "scheme/elenco_fisso.h"
#include "site/collocazione.h"

namespace pianopre {

struct stato_vista {
    bool fronte = false;         // "Fronte" ticked
    bool assonometrica = false;  // "Assonom." ticked
    origine_schema origine;
    collocazione sito;  // where the drawing stands on the site
    // Drawn as they are, in site coordinates: the site drawing under the
    // scheme, lightened, and the control points over it.
    const elenco_entita* sottofondo = nullptr;
    // Added to the height of every entity of the site drawing: a flat drawing
    // is lifted to the ground of the placement (see quota_sottofondo).
    double quota_sottofondo = 0;
    const elenco_punti* punti = nullptr;
    // Outlines drawn in red over the front view, in the scheme's frame.
    std::vector<std::array<punto3, 4>> contorni_rossi;
};

// Where an entity of the site drawing is drawn.
inline punto3 posizione_sottofondo(const entita& e, const stato_vista& v) {
    return {e.x, e.y, e.z + v.quota_sottofondo};
}

}  // namespace pianopre
