// The plan as GeoJSON (RFC 7946): one FeatureCollection of the stations and
// the control points (Point) and the façade's outline (LineString), each
// position longitude, latitude, height in WGS 84, with the site's data in the
// properties.
#pragma once

#include <filesystem>
#include <string>

#include "mappe/elementi_mappa.h"

namespace pianopre {

std::string testo_geojson(const elementi_mappa& m);

// Saved atomically; errore_file on failure, the previous file untouched.
void scrivi_geojson(const std::filesystem::path& percorso, const elementi_mappa& m);

}  // namespace pianopre
