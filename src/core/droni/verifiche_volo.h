// Checks of a drone's flight over the plan: motion blur, the time between
// shots against the camera's interval, path, flight time and batteries, the
// distance to the façade, the height above take-off and the gimbal's pitch.
//
// The drone flies in straight lines from the take-off point through the
// waypoints in flight order and back to take-off. Hovering at each shot it
// waits there for the camera's shutter interval, so that the camera is ready
// for the next shot when it moves on; the flight time is the path at the
// flight speed plus that wait at every shot. A waypoint with more photos
// (the convergent images) waits the shutter interval again before each of
// the others.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"
#include "droni/missione.h"
#include "droni/volo.h"

namespace pianopre {

inline constexpr double mosso_max_px = 0.5;
inline constexpr double beccheggio_min_gradi = -90;
inline constexpr double beccheggio_max_gradi = 30;

struct risultato_volo {
    std::optional<double> mosso_px;  // v · t over the GSD; unknown without the pixel
    double tempo_scatti_s = 0;       // between two shots along a strip, hover included
    double sosta_s = 0;              // hover at each shot
    double percorso_m = 0;
    double tempo_volo_s = 0;
    int batterie = 0;
    double distanza_min_m = 0;  // nearest waypoint to the façade plane
    double altezza_max_m = 0;   // highest waypoint above take-off
    double beccheggio_min = 0;  // gimbal pitch, degrees
    double beccheggio_max = 0;
    esito_verifica mosso = esito_verifica::non_disponibile;
    esito_verifica intervallo = esito_verifica::ok;
    esito_verifica distanza = esito_verifica::ok;
    esito_verifica altezza = esito_verifica::ok;
    esito_verifica beccheggio = esito_verifica::ok;
};

// The checks of mission `m` (at least one waypoint, usable settings) over
// `facciata`; `gsd_mm` the ground sample distance at the frame's centre (none
// when the pixel is unknown), `base_m` the base between frames of a strip,
// `foto_per_punto` the photos taken at each waypoint.
risultato_volo verifica_volo(const missione& m, const facciata_sito& facciata,
                             std::optional<double> gsd_mm, double base_m, int foto_per_punto = 1);

// Whether the plan needs a lift: some strip's camera stands above the highest
// held by hand. The drone rows are shown only then.
bool volo_necessario(const risultato_verifiche& r);

// The rows of the checks table, after the plan's, numbers rounded for reading.
std::vector<riga_verifica> righe_volo(const risultato_volo& r, const impostazioni_drone& imp,
                                      const formato_regionale& formato);

}  // namespace pianopre
