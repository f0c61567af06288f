// QGroundControl's plan: JSON with the mission as simple items, each one
// MAVLink command. Take-off (22) over the take-off point, then at every
// waypoint: waypoint (16, frame 3: height above home, hold = the hover,
// yaw = the heading), gimbal pitch (1000, positive up, pitch locked to the
// horizon), the actions (2000 single image, 115 absolute yaw), and a return
// to launch (20) at the end. Commands without a position use frame 2.
#include <nlohmann/json.hpp>

#include "base/file_testo.h"
#include "droni/comune_missione.h"

namespace pianopre {

namespace {

using json = nlohmann::ordered_json;

constexpr int cmd_waypoint = 16;
constexpr int cmd_rtl = 20;
constexpr int cmd_decollo = 22;
constexpr int cmd_imbardata = 115;
constexpr int cmd_gimbal = 1000;
constexpr int cmd_foto = 2000;
constexpr int frame_relativo = 3;                // MAV_FRAME_GLOBAL_RELATIVE_ALT
constexpr int frame_comando = 2;                 // MAV_FRAME_MISSION
constexpr int quota_relativa = 1;                // QGroundControl's altitude mode "relative"
constexpr int blocco_rollio_beccheggio = 4 + 8;  // GIMBAL_MANAGER_FLAGS_ROLL_LOCK | PITCH_LOCK

struct elenco {
    json voci = json::array();

    // null stands for NaN: "not set" in MAVLink, as QGroundControl writes it.
    void voce(int comando, int frame, std::array<json, 7> parametri) {
        json v;
        if (frame == frame_relativo) {
            v["AMSLAltAboveTerrain"] = nullptr;
            v["Altitude"] = parametri[6];
            v["AltitudeMode"] = quota_relativa;
        }
        v["autoContinue"] = true;
        v["command"] = comando;
        v["doJumpId"] = voci.size() + 1;
        v["frame"] = frame;
        v["params"] = json::array();
        for (json& x : parametri) v["params"].push_back(std::move(x));
        v["type"] = "SimpleItem";
        voci.push_back(std::move(v));
    }
};

}  // namespace

std::string testo_piano_qgc(const std::filesystem::path& percorso, const missione& m,
                            std::span<const azioni_punto> azioni) {
    missioni::verifica(percorso, m, azioni, 1000);
    const double sosta = durata_sosta_s(m.impostazioni);
    elenco e;
    e.voce(cmd_decollo, frame_relativo,
           {0, 0, 0, nullptr, m.decollo_geo.lat, m.decollo_geo.lon, m.punti[0].altezza_decollo});
    int scatto = 0;
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        const punto_missione& p = m.punti[i];
        e.voce(cmd_waypoint, frame_relativo,
               {sosta, 0, 0, angolo_360(p.direzione), p.geo.lat, p.geo.lon, p.altezza_decollo});
        e.voce(cmd_gimbal, frame_comando,
               {p.beccheggio, 0, nullptr, nullptr, blocco_rollio_beccheggio, 0, 0});
        for (const azione_missione& a : azioni[i]) {
            if (a.cosa == azione_missione::tipo::foto)
                e.voce(cmd_foto, frame_comando, {0, 0, 1, ++scatto, nullptr, nullptr, nullptr});
            else
                e.voce(cmd_imbardata, frame_comando, {angolo_360(a.direzione), 0, 0, 0, 0, 0, 0});
        }
    }
    e.voce(cmd_rtl, frame_comando, {0, 0, 0, 0, 0, 0, 0});

    json piano;
    piano["fileType"] = "Plan";
    piano["geoFence"] = {{"circles", json::array()}, {"polygons", json::array()}, {"version", 2}};
    piano["groundStation"] = "pianopre";
    json& mis = piano["mission"];
    mis["cruiseSpeed"] = m.impostazioni.velocita_ms;
    mis["firmwareType"] = 0;  // MAV_AUTOPILOT_GENERIC: any autopilot
    mis["globalPlanAltitudeMode"] = quota_relativa;
    mis["hoverSpeed"] = m.impostazioni.velocita_ms;
    mis["items"] = std::move(e.voci);
    mis["plannedHomePosition"] = {m.decollo_geo.lat, m.decollo_geo.lon, m.decollo.z};
    mis["vehicleType"] = 2;  // MAV_TYPE_QUADROTOR
    mis["version"] = 2;
    piano["rallyPoints"] = {{"points", json::array()}, {"version", 2}};
    piano["version"] = 1;
    return piano.dump(4) + '\n';
}

void scrivi_piano_qgc(const std::filesystem::path& percorso, const missione& m,
                      std::span<const azioni_punto> azioni) {
    scrivi_file_atomico(percorso, testo_piano_qgc(percorso, m, azioni));
}

void scrivi_piano_qgc(const std::filesystem::path& percorso, const missione& m) {
    scrivi_piano_qgc(percorso, m, azioni_semplici(m));
}

}  // namespace pianopre
