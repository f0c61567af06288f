// Plans and jobs for the scheme builder tests: the first example's plan
// (6 x 6 m frame coverage at 10 m, base 2.4 m) filled by hand with the counts
// varied, and the example's job.
#pragma once

#include <cstdint>

#include "base/record.h"
#include "support/errori_prova.h"
#include "support/esempio.h"

namespace pianopre::prova {

inline dati_presa piano(double num_foto, std::int16_t num_strisc, double incl = 0) {
    dati_presa p;
    p.h_camera = 1.5;
    p.dist_presa = 10;
    p.larg_cop = 6;
    p.alt_cop = 6;
    p.semi_alt = 3;
    p.base_presa = 2.4;
    p.num_foto = num_foto;
    p.num_strisc = num_strisc;
    p.incl = incl;
    return p;
}

// The example's job with the legend labels a job's scheme gets.
inline dati_lavoro lavoro_prova() {
    dati_lavoro l = lavoro_esempio();
    l.progetto = "Progetto:";
    l.localita = "Localita':";
    return l;
}

}  // namespace pianopre::prova
