// The image network of a computed job and its coverage and precision map.
#pragma once

#include <vector>

#include "job/commessa.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

// The stations of every strip, strip after strip, frame after frame, in the
// façade frame: u from corner A along the façade, v the shooting distance in
// front of it, w the camera's height above the façade's foot, looking
// straight at the façade (rotation 0) with the plan's tilt. Empty before the
// scheme is built. With convergent images on, each station is followed by
// its two images turned by +γ and −γ in heading.
std::vector<immagine_rete> immagini_commessa(const commessa& c);

// The job's camera: focal length, negative, pixel size (0 when not known).
camera_rete camera_commessa(const commessa& c);

// The map's settings from the checks' settings: the cell size, s, and the
// tolerance on the object T / divisor (T the graphic tolerance at the scale).
impostazioni_mappa impostazioni_mappa_commessa(const commessa& c);

// The map of the job's network over its object (width × height); no cells
// before the scheme is built.
mappa_copertura copertura_commessa(const commessa& c);

}  // namespace pianopre
