// The largest job of the benchmarks: 32,767 frames in one strip along a
// 78.64 km object, its scheme built, placed by `sito`.
#pragma once

#include "job/commessa.h"
#include "scheme/piani_prova.h"

namespace pianopre::prova {

inline void commessa_grande(commessa& c, const collocazione& sito) {
    c.presa = piano(32767, 1, 2.59078);
    c.lavoro.larg_sogg = 78640;
    c.lavoro.alt_sogg = 5;
    crea_schema_lavoro(c.disegno, c.presa, c.lavoro, formato_regionale::italiano());
    c.fase = fase_calcolo::schema;
    c.sito = sito;
}

}  // namespace pianopre::prova
