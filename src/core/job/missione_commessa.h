// The drone's flight over a computed job: the façade on the site, the mission
// over the job's stations with the job's drone settings, and its checks.
#pragma once

#include <optional>

#include "droni/verifiche_volo.h"
#include "droni/volo.h"
#include "job/commessa.h"

namespace pianopre {

// Corner A at the façade's foot on the site and the façade's direction.
facciata_sito facciata_commessa(const commessa& c);

// The mission over the stations of the job's scheme; no waypoints without one.
missione missione_commessa(const commessa& c);

// The flight checks beside the plan's `r`: none when the plan has no
// stations or does not need a lift (volo_necessario). Throws errore_verifiche
// for unusable drone settings.
std::optional<risultato_volo> verifiche_volo_commessa(const commessa& c,
                                                      const risultato_verifiche& r);

}  // namespace pianopre
