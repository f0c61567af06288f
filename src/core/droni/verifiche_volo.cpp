// The drone's flight checked: values and verdicts.
#include "droni/verifiche_volo.h"

#include <algorithm>
#include <cmath>

namespace pianopre {

namespace {

double distanza(const punto3& a, const punto3& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

// a <= b, forgiving the last bits of a value computed to sit on the limit.
bool al_piu(double a, double b) {
    return a <= b + 1e-9 * std::abs(b);
}

esito_verifica esito(bool ok) {
    return ok ? esito_verifica::ok : esito_verifica::non_soddisfatto;
}

}  // namespace

risultato_volo verifica_volo(const missione& m, const facciata_sito& facciata,
                             std::optional<double> gsd_mm, double base_m, int foto_per_punto) {
    const impostazioni_drone& imp = m.impostazioni;
    risultato_volo r;
    if (gsd_mm && *gsd_mm > 0) {
        r.mosso_px = imp.velocita_ms * imp.esposizione_s * 1000.0 / *gsd_mm;
        r.mosso = esito(imp.sosta || al_piu(*r.mosso_px, mosso_max_px));
    }
    r.sosta_s = imp.sosta ? imp.intervallo_s : 0;
    r.tempo_scatti_s = base_m / imp.velocita_ms + r.sosta_s;
    r.intervallo = esito(al_piu(imp.intervallo_s, r.tempo_scatti_s));

    punto3 prima = m.decollo;
    for (const punto_missione& p : m.punti) {
        r.percorso_m += distanza(prima, p.sito);
        prima = p.sito;
    }
    r.percorso_m += distanza(prima, m.decollo);
    const double a_punto = r.sosta_s + std::max(foto_per_punto - 1, 0) * imp.intervallo_s;
    r.tempo_volo_s = r.percorso_m / imp.velocita_ms + static_cast<double>(m.punti.size()) * a_punto;
    const double utile_s = imp.autonomia_min * 60.0 * (1.0 - imp.riserva);
    r.batterie = static_cast<int>(std::ceil(r.tempo_volo_s / utile_s - 1e-9));

    if (!m.punti.empty()) {
        r.distanza_min_m = distanza_facciata(facciata, m.punti.front().sito);
        r.altezza_max_m = m.punti.front().altezza_decollo;
        r.beccheggio_min = r.beccheggio_max = m.punti.front().beccheggio;
    }
    for (const punto_missione& p : m.punti) {
        r.distanza_min_m = std::min(r.distanza_min_m, distanza_facciata(facciata, p.sito));
        r.altezza_max_m = std::max(r.altezza_max_m, p.altezza_decollo);
        r.beccheggio_min = std::min(r.beccheggio_min, p.beccheggio);
        r.beccheggio_max = std::max(r.beccheggio_max, p.beccheggio);
    }
    r.distanza = esito(al_piu(imp.distanza_min_m, r.distanza_min_m));
    r.altezza = esito(al_piu(r.altezza_max_m, imp.altezza_max_m));
    r.beccheggio = esito(al_piu(beccheggio_min_gradi, r.beccheggio_min) &&
                         al_piu(r.beccheggio_max, beccheggio_max_gradi));
    return r;
}

bool volo_necessario(const risultato_verifiche& r) {
    return std::any_of(r.strisce.begin(), r.strisce.end(), [](const altezza_striscia& s) {
        return s.esito == esito_verifica::attenzione;
    });
}

}  // namespace pianopre
