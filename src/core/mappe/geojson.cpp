// The plan as GeoJSON. The height of a position is the site's own height,
// not one above the ellipsoid: no geoid model is applied (see docs/mappe.md).
// Property names are the file's own and do not follow the language.
#include "mappe/geojson.h"

#include <nlohmann/json.hpp>

#include "base/file_testo.h"

namespace pianopre {

namespace {

using json = nlohmann::ordered_json;

json posizione(const posizione_geo& g, double quota) {
    return json::array({g.lon, g.lat, quota});
}

json elemento(json geometria, json proprieta) {
    return {{"type", "Feature"},
            {"geometry", std::move(geometria)},
            {"properties", std::move(proprieta)}};
}

json punto(const posizione_geo& g, double quota) {
    return {{"type", "Point"}, {"coordinates", posizione(g, quota)}};
}

json stazione(const stazione_mappa& s) {
    const riga_stazione& r = s.riga;
    json e = elemento(punto(s.geo, r.quota), {{"tipo", "stazione"},
                                              {"nome", r.nome},
                                              {"striscia", r.striscia},
                                              {"fotogramma", r.fotogramma},
                                              {"direzione", s.direzione},
                                              {"inclinazione", r.inclinazione},
                                              {"altezza_suolo", r.altezza},
                                              {"est", r.est},
                                              {"nord", r.nord},
                                              {"quota", r.quota}});
    // A convergent image says which way it is turned: +1 or -1.
    if (r.convergente != 0) e["properties"]["convergente"] = r.convergente;
    return e;
}

json facciata(const elementi_mappa& m) {
    json linea = json::array();
    for (const punto_mappa& p : m.facciata) linea.push_back(posizione(p.geo, p.sito.z));
    linea.push_back(linea.front());
    return elemento({{"type", "LineString"}, {"coordinates", std::move(linea)}},
                    {{"tipo", "facciata"}, {"nome", m.nome}});
}

json controllo(const punto_mappa& p) {
    return elemento(punto(p.geo, p.sito.z), {{"tipo", "punto"},
                                             {"nome", p.nome},
                                             {"est", p.sito.x},
                                             {"nord", p.sito.y},
                                             {"quota", p.sito.z}});
}

}  // namespace

std::string testo_geojson(const elementi_mappa& m) {
    json elementi = json::array();
    for (const stazione_mappa& s : m.stazioni) elementi.push_back(stazione(s));
    if (!m.facciata.empty()) elementi.push_back(facciata(m));
    for (const punto_mappa& p : m.punti) elementi.push_back(controllo(p));
    const json doc = {{"type", "FeatureCollection"}, {"features", std::move(elementi)}};
    return doc.dump(1) + "\n";
}

void scrivi_geojson(const std::filesystem::path& percorso, const elementi_mappa& m) {
    scrivi_file_atomico(percorso, testo_geojson(m));
}

}  // namespace pianopre
