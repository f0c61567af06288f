// Hand-filled plans and jobs for the scheme builder tests: the first example
// plan (6 x 6 m frame coverage at 10 m, base 2.4 m) with the counts varied.
#pragma once

#include <cstdint>

#include "base/record.h"
#include "support/errori_prova.h"

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

inline dati_lavoro lavoro_prova() {
    dati_lavoro l;
    l.progetto = "Progetto:";
    l.localita = "Localita':";
    l.larg_sogg = 20;
    l.alt_sogg = 5;
    return l;
}

}  // namespace pianopre::prova
