// Stereo models of a job: their overlap areas and the control points in them.
#include "site/modelli.h"

#include <algorithm>
#include <cmath>

#include "base/traduzione.h"

namespace pianopre {

namespace {

// The points near the façade plane in the scheme's frame, sorted along it.
std::vector<punto3> punti_vicini(double dist_presa, const collocazione& sito,
                                 const geometria_strisce& g, std::span<const punto_app> punti) {
    std::vector<punto3> vicini;
    const double fascia = dist_presa / 2 + tolleranza_bordo;
    for (const punto_app& p : punti) {
        const punto3 q = dal_sito(sito, {p.x, p.y, p.z});
        if (std::abs(q.y - g.y_facciata) <= fascia) vicini.push_back(q);
    }
    std::sort(vicini.begin(), vicini.end(),
              [](const punto3& a, const punto3& b) { return a.x < b.x; });
    return vicini;
}

std::int32_t conta_dentro(const std::vector<punto3>& vicini, const riga_modello& m) {
    const auto primo = std::lower_bound(vicini.begin(), vicini.end(), m.x_da - tolleranza_bordo,
                                        [](const punto3& p, double x) { return p.x < x; });
    std::int32_t n = 0;
    for (auto i = primo; i != vicini.end() && i->x <= m.x_a + tolleranza_bordo; ++i) {
        if (i->z >= m.z_da - tolleranza_bordo && i->z <= m.z_a + tolleranza_bordo) ++n;
    }
    return n;
}

}  // namespace

esito_modello esito_per_punti(std::int32_t punti) {
    if (punti >= 4) return esito_modello::ok;
    if (punti == 3) return esito_modello::attenzione;
    return esito_modello::non_soddisfatto;
}

std::string_view testo_esito(esito_modello esito) {
    switch (esito) {
        case esito_modello::ok:
            return TESTO_DA_TRADURRE("esiti", "OK");
        case esito_modello::attenzione:
            return TESTO_DA_TRADURRE("esiti", "Attenzione");
        case esito_modello::non_soddisfatto:
            break;
    }
    return TESTO_DA_TRADURRE("esiti", "Non soddisfatto");
}

std::string esito_mostrato(esito_modello esito) {
    return traduci("esiti", testo_esito(esito).data());
}

tabella_modelli modelli_piano(const geometria_strisce& g, double dist_presa,
                              const collocazione& sito, std::span<const punto_app> punti) {
    tabella_modelli t;
    if (g.per_striscia < 2) return t;
    const std::vector<punto3> vicini = punti_vicini(dist_presa, sito, g, punti);
    t.righe.reserve(static_cast<std::size_t>(g.strisce) *
                    static_cast<std::size_t>(g.per_striscia - 1));
    t.collocata = !e_identita(sito);
    const trasformazione_sito al_sito(sito);
    riga_modello m;
    m.y_facciata = g.y_facciata;
    for (std::int32_t s = 1; s <= g.strisce; ++s) {
        m.z_a = g.z(s) + g.sopra;
        m.z_da = m.z_a - g.altezza;
        m.altezza_da = m.z_da - g.z_piede;
        m.altezza_a = m.z_a - g.z_piede;
        for (std::int32_t f = 1; f < g.per_striscia; ++f) {
            m.stazione_1 = nome_stazione(s, f);
            m.stazione_2 = nome_stazione(s, f + 1);
            m.x_da = g.x(f + 1) - g.mezza_copertura;
            m.x_a = g.x(f) + g.mezza_copertura;
            m.da_a_inizio = m.x_da - g.x_angolo;
            m.da_a_fine = m.x_a - g.x_angolo;
            m.angoli_sito = {al_sito.applica({m.x_da, m.y_facciata, m.z_da}),
                             al_sito.applica({m.x_da, m.y_facciata, m.z_a}),
                             al_sito.applica({m.x_a, m.y_facciata, m.z_a}),
                             al_sito.applica({m.x_a, m.y_facciata, m.z_da})};
            m.punti = conta_dentro(vicini, m);
            m.esito = esito_per_punti(m.punti);
            if (m.scarso()) ++t.scarsi;
            t.righe.push_back(m);
        }
    }
    return t;
}

}  // namespace pianopre
