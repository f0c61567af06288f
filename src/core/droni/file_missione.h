// The mission files a drone's ground station reads: DJI's WPML archive
// (.kmz with wpmz/template.kml and wpmz/waylines.wpml), Litchi's mission hub
// CSV and QGroundControl's plan (.plan JSON, MAVLink commands). Each is built
// whole in memory, then saved atomically: on failure the previous file stays
// and errore_file names the target and the problem.
//
// Every waypoint carries its position, height above take-off, heading and
// gimbal pitch; its actions (by default one photo) follow in order, after a
// short hover when the settings ask for one. docs/droni.md says which
// documentation each format follows.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "droni/missione.h"

namespace pianopre {

// What the aircraft does at a waypoint once there.
struct azione_missione {
    enum class tipo { foto, rotazione };
    tipo cosa = tipo::foto;
    double direzione = 0;  // rotazione: the heading to turn to, degrees from true North

    bool operator==(const azione_missione&) const = default;
};

using azioni_punto = std::vector<azione_missione>;

// One photo at every waypoint of `m`.
std::vector<azioni_punto> azioni_semplici(const missione& m);

// Three photos at every waypoint of `m`, for convergent images: one along the
// waypoint's heading, then turned to heading + γ, then to heading − γ, and a
// last turn back to the heading, so that each leg starts as it would without.
std::vector<azioni_punto> azioni_convergenti(const missione& m, double angolo_gradi);

// Seconds the aircraft hovers at each waypoint before its actions: the
// shutter interval the camera sustains when hovering is on, none otherwise.
double durata_sosta_s(const impostazioni_drone& impostazioni);

// The angle in [-180, 180) and in [0, 360), degrees.
double angolo_pm180(double gradi);
double angolo_360(double gradi);

// The file texts; `azioni` has one list per waypoint of `m`. errore_file on
// `percorso` when the mission cannot be written (no waypoints, a value that
// is not a number, too many actions for the format).
std::string archivio_kmz_dji(const std::filesystem::path& percorso, const missione& m,
                             std::span<const azioni_punto> azioni);
std::string testo_litchi_csv(const std::filesystem::path& percorso, const missione& m,
                             std::span<const azioni_punto> azioni);
std::string testo_piano_qgc(const std::filesystem::path& percorso, const missione& m,
                            std::span<const azioni_punto> azioni);

// The saves; without `azioni`, one photo at every waypoint.
void scrivi_kmz_dji(const std::filesystem::path& percorso, const missione& m);
void scrivi_kmz_dji(const std::filesystem::path& percorso, const missione& m,
                    std::span<const azioni_punto> azioni);
void scrivi_litchi_csv(const std::filesystem::path& percorso, const missione& m);
void scrivi_litchi_csv(const std::filesystem::path& percorso, const missione& m,
                       std::span<const azioni_punto> azioni);
void scrivi_piano_qgc(const std::filesystem::path& percorso, const missione& m);
void scrivi_piano_qgc(const std::filesystem::path& percorso, const missione& m,
                      std::span<const azioni_punto> azioni);

}  // namespace pianopre
