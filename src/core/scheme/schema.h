// The scheme builder: turns a computed shooting plan into the entities of a
// schematic 3-D drawing (the façade, a legend, the camera stations of every
// strip, and the rays and footprints of the first strip's frames).
//
// Frame of the scheme: x runs along the façade, y is the depth axis (the
// façade lies in the plane y = y0, the cameras stand at smaller y), z is the
// height; metres throughout.
#pragma once

#include <cstdint>

#include "base/formato_regionale.h"
#include "base/record.h"
#include "scheme/entita.h"
#include "scheme/modello.h"

namespace pianopre {

// Appends the whole scheme to the entity list, which the caller has emptied.
// (px, py, pz) is a proposed origin, used when px and py are both non-zero;
// otherwise the scheme stands at (100, 200, 20). Legend values are written in
// the given regional format. Errors: 11 when num_strisc is 0 (6 if num_foto is
// 0 too), 6 when the frames per strip leave the 16-bit range or a coordinate
// overflows; what was appended before stays in the list.
void crea_schema(modello& m, const dati_presa& presa, const dati_lavoro& lavoro, double px,
                 double py, double pz, const formato_regionale& formato);

// The ten legend texts, stacked downward in plan and front view alike.
void crea_legenda(modello& m, std::int16_t codice_vista, const dati_presa& presa,
                  const dati_lavoro& lavoro, float x0, float y0, float z0,
                  const formato_regionale& formato);

// The four rays from station e to the corners of its frame's footprint on the
// plane dist_presa in front of it, then the footprint outline in e's colour.
void crea_impronta(modello& m, std::int16_t codice_vista, const entita& e, double dist_presa,
                   double larg_cop, double altezza_impronta, double sopra);

}  // namespace pianopre
