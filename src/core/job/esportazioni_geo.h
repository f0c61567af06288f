// The plan leaves for maps and drones: the placed job's stations, façade and
// control points in WGS 84 for KML and GeoJSON, its drone mission with
// latitude, longitude and headings from true North for DJI, Litchi and
// QGroundControl, and the one entry that writes any of the five files.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "base/formato_regionale.h"
#include "droni/file_missione.h"
#include "droni/missione.h"
#include "job/commessa.h"
#include "mappe/elementi_mappa.h"

namespace pianopre {

enum class formato_geo { kml, geojson, dji, litchi, qgc };

// "kml", "geojson", "dji", "litchi", "qgc" and back; the file's extension.
std::string_view nome_formato(formato_geo f);
std::optional<formato_geo> formato_da_nome(std::string_view nome);
std::string_view estensione_formato(formato_geo f);

// A job that cannot be exported: no coordinate system, no stations, a point
// PROJ cannot transform. The message is the one the user reads.
class errore_esportazione : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The map of the computed, placed job `c`.
elementi_mappa mappa_commessa(const commessa& c);

// The drone mission of `c` with its WGS 84 positions and true headings.
missione missione_geo(const commessa& c);

// The actions at each waypoint of `m`, the mission of `c`: one photo, or the
// three of the convergent images when the job asks for them.
std::vector<azioni_punto> azioni_commessa(const commessa& c, const missione& m);

// Writes `f` for `c` at `percorso`, atomically; errore_esportazione for a job
// that cannot be exported, errore_file for a file that cannot be written.
void esporta_geo(const commessa& c, formato_geo f, const std::filesystem::path& percorso,
                 const formato_regionale& formato);

}  // namespace pianopre
