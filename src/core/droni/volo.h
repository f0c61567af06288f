// The flight over the plan's stations: the façade the drone keeps away from,
// the check of the drone settings and the mission in flight order.
//
// Order: strip after strip from the lowest, the first strip from its first
// frame to its last, the next one back, and so on (S1-01 … S1-n, S2-n …
// S2-01, S3-01 …). Every waypoint stands at its station, its height above the
// take-off point is the station's height less the take-off's, its heading the
// optical axis in degrees from the grid's North and its gimbal pitch the
// camera's tilt. Without a take-off point of the user's the drone takes off
// on the ground (the façade foot's height) right under the first waypoint, in
// the free space the stations stand in, and climbs straight up to it.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "droni/missione.h"
#include "site/collocazione.h"
#include "site/stazioni.h"

namespace pianopre {

// The façade on the site: the ground at its start corner A and the direction
// along it.
struct facciata_sito {
    punto3 piede{};            // East, North, height of corner A at the foot
    double azimut_gradi = 90;  // along the façade, clockwise from the grid's North
};

// The message for the first setting out of its range (speed, exposure,
// battery time and largest height above zero; interval and smallest distance
// not negative; reserve from 0 up to but not including 1; a take-off point
// with finite coordinates); none when all are usable.
std::optional<std::string> errore_impostazioni_drone(const impostazioni_drone& imp);

// A station's azimuth in the placement's unit as degrees in [0, 360).
double azimut_in_gradi(double azimut, unita_angolo unita);

// The horizontal distance from `p` to the façade's vertical plane.
double distanza_facciata(const facciata_sito& f, const punto3& p);

// The mission over `stazioni` (strip after strip, frame after frame, as the
// station table lists them), their azimuths in `unita`; no waypoints without
// stations.
missione pianifica_missione(std::span<const riga_stazione> stazioni, unita_angolo unita,
                            const facciata_sito& facciata, const impostazioni_drone& imp);

}  // namespace pianopre
