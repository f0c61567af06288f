// A coverage map made by hand, 10 m × 5 m in 0,25 m cells: the two left
// columns seen by one image (a gap), the lower half by two images and the
// upper half by three, two cells of two images without σ (rays at no angle),
// σ growing to the right and upwards, σ in height the largest at the upper left. The shares are
// counted from its cells.
#pragma once

#include <algorithm>
#include <vector>

#include "rete/mappa_copertura.h"

namespace pianopre::prova {

inline mappa_copertura mappa_sintetica(double tolleranza_mm = 1.0, std::int32_t colonne = 40,
                                       std::int32_t righe = 20) {
    mappa_copertura m;
    m.cella_m = 10.0 / colonne;
    m.larghezza_m = 10;
    m.altezza_m = m.cella_m * righe;
    m.colonne = colonne;
    m.righe = righe;
    std::int64_t due = 0, tre = 0, entro = 0;
    for (std::int32_t r = 0; r < righe; ++r)
        for (std::int32_t k = 0; k < colonne; ++k) {
            cella_mappa c;
            const float x = static_cast<float>(k) / static_cast<float>(colonne);
            const float y = static_cast<float>(r) / static_cast<float>(righe);
            c.immagini = k < colonne / 20 ? 1 : r < righe / 2 ? 2 : 3;
            c.angolo_gradi = c.immagini >= 2 ? 4 + 20 * x : 0;
            const bool senza_angolo = c.immagini >= 2 && k == colonne / 20 && r < 2;
            if (c.immagini >= 2 && !senza_angolo) {
                c.sigma_lungo_mm = 0.2f + 0.3f * x;
                c.sigma_altezza_mm = 0.2f + 0.8f * y;
                c.sigma_profondita_mm = 0.5f + 1.5f * x + 0.2f * y;
                const double s =
                    std::max({c.sigma_lungo_mm, c.sigma_altezza_mm, c.sigma_profondita_mm});
                if (s <= tolleranza_mm) ++entro;
                if (s > m.sigma_peggiore_mm) {
                    m.sigma_peggiore_mm = s;
                    m.u_peggiore = (k + 0.5) * m.cella_m;
                    m.w_peggiore = (r + 0.5) * m.cella_m;
                }
            } else {
                c.angolo_gradi = 0;
            }
            due += c.immagini >= 2;
            tre += c.immagini >= 3;
            m.celle.push_back(c);
        }
    const double n = static_cast<double>(m.celle.size());
    m.quota_2 = static_cast<double>(due) / n;
    m.quota_3 = static_cast<double>(tre) / n;
    m.quota_tolleranza = static_cast<double>(entro) / n;
    return m;
}

// Two strips of five stations each, 2 m apart from u = 1 m.
inline std::vector<immagine_rete> stazioni_sintetiche() {
    std::vector<immagine_rete> s;
    for (std::int32_t striscia = 1; striscia <= 2; ++striscia)
        for (std::int32_t i = 0; i < 5; ++i) {
            immagine_rete im;
            im.nome = "S" + std::to_string(striscia) + "-0" + std::to_string(i + 1);
            im.striscia = striscia;
            im.fotogramma = i + 1;
            im.u = 1 + 2.0 * i;
            im.v = 8;
            im.w = 1.5 + 2.0 * (striscia - 1);
            s.push_back(im);
        }
    return s;
}

}  // namespace pianopre::prova
