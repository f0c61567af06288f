// A drone mission over the plan's stations: the settings kept with the job,
// and the waypoints in flight order with everything a mission file needs.
// The planner fills the site side (positions, heights, headings on the
// site's grid); the coordinate system adds latitude, longitude and the
// heading from true North; the writers of mission files read the result.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/posizione_geo.h"
#include "base/punti.h"

namespace pianopre {

struct impostazioni_drone {
    // Site East, North, height of the take-off point; none: on the ground in
    // front of the first station.
    std::optional<punto3> decollo;
    double velocita_ms = 2;            // flight speed
    double esposizione_s = 1.0 / 500;  // exposure time
    double intervallo_s = 2;           // shortest shutter interval the camera sustains
    bool sosta = true;                 // hover at each shot
    double autonomia_min = 20;         // flight time per battery
    double riserva = 0.25;             // share of each battery kept in reserve
    double distanza_min_m = 5;         // smallest distance to the façade
    double altezza_max_m = 120;        // largest height above take-off
};

struct punto_missione {
    std::string nome;  // the station's name, "S1-01"
    int striscia = 0;
    int fotogramma = 0;
    punto3 sito{};               // East, North, height on the site
    double altezza_decollo = 0;  // above the take-off point, m
    double azimut_griglia = 0;   // optical axis, degrees clockwise from the grid's North
    double beccheggio = 0;       // gimbal pitch, degrees, positive up (the camera's tilt)
    posizione_geo geo;           // filled by the coordinate system
    double direzione = 0;        // heading, degrees clockwise from true North, [0, 360)
};

struct missione {
    impostazioni_drone impostazioni;
    punto3 decollo{};                   // site East, North, height
    posizione_geo decollo_geo;          // filled by the coordinate system
    std::vector<punto_missione> punti;  // in flight order
};

}  // namespace pianopre
