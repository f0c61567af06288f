// What a map shows of a placed plan: the camera stations, the façade's
// outline and the control points, each with its site coordinates and its
// WGS 84 latitude and longitude. The writers of KML and GeoJSON take this and
// nothing else, so they know nothing of coordinate systems.
#pragma once

#include <string>
#include <vector>

#include "base/posizione_geo.h"
#include "base/punti.h"
#include "site/stazioni.h"

namespace pianopre {

struct stazione_mappa {
    riga_stazione riga;  // as in the station table: name, strip, frame, site E/N/H
    posizione_geo geo;
    double direzione = 0;  // heading of the optical axis from true North, degrees
};

struct punto_mappa {
    std::string nome;
    punto3 sito{};  // East, North, height
    posizione_geo geo;
};

struct elementi_mappa {
    std::string nome;        // the job's name, for the document
    std::string sistema;     // "EPSG:6707"
    double quota_suolo = 0;  // the ground at the façade's foot (A's height)
    std::vector<stazione_mappa> stazioni;
    std::vector<punto_mappa> facciata;  // A, B at the foot, then C above B and D above A
    std::vector<punto_mappa> punti;     // control points
};

}  // namespace pianopre
