// The map's two rows of the checks table, "Copertura" and "Precisione sulla
// facciata", and their verdicts.
#pragma once

#include <vector>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

// Coverage: OK when at least 99 % of the façade is seen by 2 images or more
// (by 3 or more with convergent images); n/d for a map without cells.
esito_verifica esito_copertura(const mappa_copertura& m, bool convergenti = false);

// Precision: OK when at least 95 % of the façade has its largest σ within the
// tolerance the map was computed with (T / divisor); n/d without cells or
// without a known pixel (no cell has a σ while some is seen twice).
esito_verifica esito_precisione(const mappa_copertura& m, bool con_pixel);

// The two rows, values rounded for reading, each with its formula.
std::vector<riga_verifica> righe_mappa(const mappa_copertura& m, double tolleranza_mm,
                                       bool con_pixel, const formato_regionale& formato,
                                       bool convergenti = false);

}  // namespace pianopre
