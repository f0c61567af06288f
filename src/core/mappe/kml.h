// The plan as KML 2.2 (OGC), for globe and GIS programs: a document with a
// folder of stations (points at their height above the ground), the façade's
// outline and a folder of control points.
#pragma once

#include <filesystem>
#include <string>

#include "base/formato_regionale.h"
#include "mappe/elementi_mappa.h"

namespace pianopre {

std::string testo_kml(const elementi_mappa& m, const formato_regionale& formato);

// Saved atomically; errore_file on failure, the previous file untouched.
void scrivi_kml(const std::filesystem::path& percorso, const elementi_mappa& m,
                const formato_regionale& formato);

}  // namespace pianopre
