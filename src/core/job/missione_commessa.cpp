// The drone's flight over a computed job.
#include "job/missione_commessa.h"

#include "job/stazioni_commessa.h"

namespace pianopre {

facciata_sito facciata_commessa(const commessa& c) {
    const geometria_strisce g = geometria_commessa(c);
    if (g.strisce == 0)
        return {al_sito(c.sito, angolo_schema), azimut_in_gradi(c.sito.azimut, c.sito.unita)};
    return {al_sito(c.sito, {g.x_angolo, g.y_facciata, g.z_piede}),
            azimut_in_gradi(c.sito.azimut, c.sito.unita)};
}

missione missione_commessa(const commessa& c) {
    const std::vector<riga_stazione> stazioni = stazioni_commessa(c);
    return pianifica_missione(stazioni, c.sito.unita, facciata_commessa(c), c.drone);
}

std::optional<risultato_volo> verifiche_volo_commessa(const commessa& c,
                                                      const risultato_verifiche& r) {
    if (!volo_necessario(r)) return std::nullopt;
    if (auto e = errore_impostazioni_drone(c.drone)) throw errore_verifiche(*e);
    const missione m = missione_commessa(c);
    if (m.punti.empty()) return std::nullopt;
    return verifica_volo(m, facciata_commessa(c), r.gsd_centro_mm, c.presa.base_presa,
                         c.convergenti.attive ? 3 : 1);
}

}  // namespace pianopre
