// The mission in flight order and the check of the drone settings.
#include "droni/volo.h"

#include <cmath>
#include <numbers>

#include "base/segnaposti.h"
#include "base/traduzione.h"

namespace pianopre {

namespace {

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

bool non_negativo(double x) {
    return std::isfinite(x) && x >= 0;
}

// `cosa` is a text marked for the "volo" context.
std::string messaggio(const char* regola, const char* cosa) {
    return inserisci(traduci("volo", regola), {traduci("volo", cosa)});
}

const char* const maggiore_di_zero =
    TESTO_DA_TRADURRE("volo", "Errore: %1 deve essere un numero maggiore di zero.");
const char* const non_negativo_testo =
    TESTO_DA_TRADURRE("volo", "Errore: %1 deve essere un numero non negativo.");

}  // namespace

std::optional<std::string> errore_impostazioni_drone(const impostazioni_drone& imp) {
    if (imp.decollo && !(std::isfinite(imp.decollo->x) && std::isfinite(imp.decollo->y) &&
                         std::isfinite(imp.decollo->z)))
        return traduci("volo",
                       "Errore: il punto di decollo deve avere est, nord e quota numerici.");
    if (!positivo(imp.velocita_ms))
        return messaggio(maggiore_di_zero, TESTO_DA_TRADURRE("volo", "la velocità di volo"));
    if (!positivo(imp.esposizione_s))
        return messaggio(maggiore_di_zero, TESTO_DA_TRADURRE("volo", "il tempo di esposizione"));
    if (!non_negativo(imp.intervallo_s))
        return messaggio(non_negativo_testo, TESTO_DA_TRADURRE("volo", "l'intervallo di scatto"));
    if (!positivo(imp.autonomia_min))
        return messaggio(maggiore_di_zero,
                         TESTO_DA_TRADURRE("volo", "il tempo di volo per batteria"));
    if (!(non_negativo(imp.riserva) && imp.riserva < 1))
        return traduci("volo", "Errore: la riserva deve essere da 0 a meno di 100 %.");
    if (!non_negativo(imp.distanza_min_m))
        return messaggio(non_negativo_testo,
                         TESTO_DA_TRADURRE("volo", "la distanza minima dalla facciata"));
    if (!positivo(imp.altezza_max_m))
        return messaggio(maggiore_di_zero, TESTO_DA_TRADURRE("volo", "l'altezza massima di volo"));
    return std::nullopt;
}

double azimut_in_gradi(double azimut, unita_angolo unita) {
    double a = std::fmod(unita == unita_angolo::gon ? azimut * 0.9 : azimut, 360.0);
    if (a < 0) a += 360;
    return a >= 360 ? 0 : a;
}

double distanza_facciata(const facciata_sito& f, const punto3& p) {
    const double a = f.azimut_gradi * std::numbers::pi / 180.0;
    // The façade runs along (sin a, cos a); its normal is (−cos a, sin a).
    return std::abs(-(p.x - f.piede.x) * std::cos(a) + (p.y - f.piede.y) * std::sin(a));
}

missione pianifica_missione(std::span<const riga_stazione> stazioni, unita_angolo unita,
                            const facciata_sito& facciata, const impostazioni_drone& imp) {
    missione m;
    m.impostazioni = imp;
    m.punti.reserve(stazioni.size());
    // A strip is a run of rows of one strip number; every second one is reversed.
    std::size_t inizio = 0;
    bool indietro = false;
    while (inizio < stazioni.size()) {
        std::size_t fine = inizio;
        while (fine < stazioni.size() && stazioni[fine].striscia == stazioni[inizio].striscia)
            ++fine;
        for (std::size_t k = 0; k < fine - inizio; ++k) {
            const riga_stazione& s = stazioni[indietro ? fine - 1 - k : inizio + k];
            punto_missione p;
            p.nome = s.nome;
            p.striscia = s.striscia;
            p.fotogramma = s.fotogramma;
            p.sito = {s.est, s.nord, s.quota};
            p.azimut_griglia = azimut_in_gradi(s.azimut, unita);
            p.beccheggio = s.inclinazione;
            m.punti.push_back(p);
        }
        indietro = !indietro;
        inizio = fine;
    }
    if (imp.decollo)
        m.decollo = *imp.decollo;
    else if (!m.punti.empty())
        m.decollo = {m.punti.front().sito.x, m.punti.front().sito.y, facciata.piede.z};
    else
        m.decollo = facciata.piede;
    for (punto_missione& p : m.punti) p.altezza_decollo = p.sito.z - m.decollo.z;
    return m;
}

}  // namespace pianopre
