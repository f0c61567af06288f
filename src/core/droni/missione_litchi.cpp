// Litchi's mission hub CSV: a header of 46 columns, one line per waypoint.
// Heights are above the take-off point (altitudemode 0, "Above Ground" off),
// the heading in 0..360 from true North, the gimbal pitch interpolated
// between waypoints (gimbalmode 2), negative down. Actions: 0 stay for (ms),
// 1 take photo, 4 rotate aircraft (degrees), -1 none; fifteen at most.
#include "base/file_testo.h"
#include "droni/comune_missione.h"

namespace pianopre {

namespace {

constexpr std::size_t azioni_litchi = 15;

constexpr const char* testata =
    "latitude,longitude,altitude(m),heading(deg),curvesize(m),rotationdir,gimbalmode,"
    "gimbalpitchangle,actiontype1,actionparam1,actiontype2,actionparam2,actiontype3,"
    "actionparam3,actiontype4,actionparam4,actiontype5,actionparam5,actiontype6,actionparam6,"
    "actiontype7,actionparam7,actiontype8,actionparam8,actiontype9,actionparam9,actiontype10,"
    "actionparam10,actiontype11,actionparam11,actiontype12,actionparam12,actiontype13,"
    "actionparam13,actiontype14,actionparam14,actiontype15,actionparam15,altitudemode,"
    "speed(m/s),poi_latitude,poi_longitude,poi_altitude(m),poi_altitudemode,"
    "photo_timeinterval,photo_distinterval\n";

}  // namespace

std::string testo_litchi_csv(const std::filesystem::path& percorso, const missione& m,
                             std::span<const azioni_punto> azioni) {
    using missioni::decimale;
    const double sosta_ms = durata_sosta_s(m.impostazioni) * 1000;
    missioni::verifica(percorso, m, azioni, sosta_ms > 0 ? azioni_litchi - 1 : azioni_litchi);
    std::string out = testata;
    out.reserve(out.size() * (m.punti.size() + 1));
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        const punto_missione& p = m.punti[i];
        out += decimale(p.geo.lat, missioni::cifre_gradi_geo) + ',';
        out += decimale(p.geo.lon, missioni::cifre_gradi_geo) + ',';
        out += decimale(p.altezza_decollo, missioni::cifre_metri) + ',';
        out += decimale(angolo_360(p.direzione), missioni::cifre_angoli) + ',';
        out += "0,0,2,";  // stop at the waypoint, clockwise, pitch interpolated
        out += decimale(p.beccheggio, missioni::cifre_angoli) + ',';
        std::size_t scritte = 0;
        auto azione = [&](int tipo, const std::string& parametro) {
            out += std::to_string(tipo) + ',' + parametro + ',';
            ++scritte;
        };
        if (sosta_ms > 0) azione(0, decimale(sosta_ms, 0));
        for (const azione_missione& a : azioni[i]) {
            if (a.cosa == azione_missione::tipo::foto)
                azione(1, "0");
            else
                azione(4, decimale(angolo_360(a.direzione), missioni::cifre_angoli));
        }
        while (scritte < azioni_litchi) azione(-1, "0");
        out += "0,";  // altitudemode: above the take-off point
        out += decimale(m.impostazioni.velocita_ms, 2);
        out += ",0,0,0,0,-1,-1\n";  // no point of interest, no interval shots
    }
    return out;
}

void scrivi_litchi_csv(const std::filesystem::path& percorso, const missione& m,
                       std::span<const azioni_punto> azioni) {
    scrivi_file_atomico(percorso, testo_litchi_csv(percorso, m, azioni));
}

void scrivi_litchi_csv(const std::filesystem::path& percorso, const missione& m) {
    scrivi_litchi_csv(percorso, m, azioni_semplici(m));
}

}  // namespace pianopre
