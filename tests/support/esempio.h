// The first worked example of the program's plans: focal length 100 mm,
// negative 60 x 60 mm, object 20 m wide and 5 m high, 10 m free in front of
// it, restitution scale 1:50, base not locked.
#pragma once

#include "base/formato_regionale.h"
#include "base/record.h"
#include "job/commessa.h"

namespace pianopre::prova {

inline dati_camera camera_esempio() {
    return {100, 60, 60};
}

inline dati_lavoro lavoro_esempio() {
    dati_lavoro lavoro;
    lavoro.distanza = 10;
    lavoro.larg_sogg = 20;
    lavoro.alt_sogg = 5;
    lavoro.scala = 50;
    return lavoro;
}

// The same example as typed in the window's boxes, Italian form.
inline caselle_lavoro caselle_esempio() {
    return {"100", "60,00", "60,00", "5", "20", "10", "50", ""};
}

// The example through the whole calculation of a job: plan, precision, scheme.
inline void calcola_esempio(commessa& c) {
    calcola_commessa(c, caselle_esempio(), formato_regionale::italiano());
}

}  // namespace pianopre::prova
