// WGS 84 latitude and longitude of what a placed job sets out on the site:
// its camera stations, the four corners of the façade and its control
// points, transformed from the site's coordinate system in one PROJ call.
// The map and drone exports start from here.
#pragma once

#include <string>
#include <vector>

#include "base/punti.h"
#include "geo/trasformazione_wgs84.h"
#include "job/commessa.h"
#include "site/stazioni.h"

namespace pianopre {

struct punto_wgs84 {
    std::string nome;  // UTF-8
    punto3 sito{};     // East, North, height on the site
    posizione_wgs84 wgs84;
};

struct posizioni_commessa {
    sistema_riferimento sistema;
    std::vector<riga_stazione>
        stazioni;  // as the station table lists them, convergent images included
    std::vector<posizione_wgs84> stazioni_wgs84;  // one for each station, in the same order
    // The façade's corners: "A" (start, at the foot), "B" (end, at the foot),
    // "C" (end, at the top), "D" (start, at the top); none before the scheme is built.
    std::vector<punto_wgs84> facciata;
    std::vector<punto_wgs84> punti;  // the control points, in the list's order
};

// The façade's four corners on the site, as above; none before the scheme is built.
std::vector<punto_wgs84> angoli_facciata(const commessa& c);

// Everything above for the job `c` in its placement's system. Throws
// errore_sistema with the user's message when the job has no system or it
// does not resolve; a point PROJ cannot transform gets an invalid position.
posizioni_commessa posizioni_wgs84(const commessa& c);

}  // namespace pianopre
