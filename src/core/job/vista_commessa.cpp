// The view state of a job.
#include "job/vista_commessa.h"

#include "job/stazioni_commessa.h"

namespace pianopre {

stato_vista vista_commessa(const commessa& c, bool fronte, bool assonometrica) {
    stato_vista v;
    v.fronte = fronte;
    v.assonometrica = assonometrica;
    v.origine = c.origine;
    v.sito = c.sito;
    if (c.disegno_sito.lista_entita.n_entita() > 0) v.sottofondo = &c.disegno_sito.lista_entita;
    // Without control points no model is outlined: the front view shows the plan alone.
    if (c.disegno.lista_punti.n_punti() == 0) return v;
    v.punti = &c.disegno.lista_punti;
    if (!fronte) return v;
    for (const riga_modello& m : modelli_commessa(c).righe) {
        if (!m.scarso()) continue;
        const double y = m.y_facciata;
        v.contorni_rossi.push_back({punto3{m.x_da, y, m.z_da}, punto3{m.x_a, y, m.z_da},
                                    punto3{m.x_a, y, m.z_a}, punto3{m.x_da, y, m.z_a}});
    }
    return v;
}

}  // namespace pianopre
