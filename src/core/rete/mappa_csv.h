// The map's grid as a CSV file: one line per cell, row after row from the
// façade's foot up, each from corner A along it.
#pragma once

#include <filesystem>
#include <string>

#include "rete/mappa_copertura.h"

namespace pianopre {

// A header line, then per cell: along and height of its centre (m), the
// images that see it, the largest angle between two rays (degrees), σ along,
// σ in height and σ in depth (mm; empty where the cell has none). Commas
// between fields, a decimal point, whatever the regional form.
std::string testo_mappa_csv(const mappa_copertura& m);

// The same written atomically: the old file stays whole when it fails.
void salva_mappa_csv(const std::filesystem::path& percorso, const mappa_copertura& m);

}  // namespace pianopre
