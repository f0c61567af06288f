// The view state of a job.
#include "job/vista_commessa.h"

#include <cmath>

#include "job/stazioni_commessa.h"

namespace pianopre {

namespace {
constexpr double quota_trascurabile = 0.001;  // m: a height below it is a flat drawing's 0
}  // namespace

bool ha_quote_proprie(const elenco_entita& disegno) {
    for (const entita& e : disegno.voci())
        if (std::fabs(e.z) > quota_trascurabile) return true;  // NaN is no height
    return false;
}

double quota_sottofondo(const elenco_entita& disegno, const collocazione& sito) {
    return ha_quote_proprie(disegno) ? 0 : sito.quota;
}

stato_vista vista_commessa(const commessa& c, bool fronte, bool assonometrica) {
    stato_vista v;
    v.fronte = fronte;
    v.assonometrica = assonometrica;
    v.origine = c.origine;
    v.sito = c.sito;
    if (c.disegno_sito.lista_entita.n_entita() > 0) {
        v.sottofondo = &c.disegno_sito.lista_entita;
        v.quota_sottofondo = quota_sottofondo(*v.sottofondo, c.sito);
    }
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
