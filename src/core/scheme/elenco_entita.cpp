// The entity list: numbered access, clearing and the capacity steps.
#include "scheme/elenco_entita.h"

#include <algorithm>
#include <limits>

#include "base/errori.h"

namespace pianopre {

const entita& elenco_entita::voce(std::int32_t numero) const {
    if (numero < 1 || numero > n_entita()) throw errore(err_indice);
    return voci_[static_cast<std::size_t>(numero - 1)];
}

entita& elenco_entita::modifica(std::int32_t numero) {
    if (numero < 1 || numero > n_entita()) throw errore(err_indice);
    return voci_[static_cast<std::size_t>(numero - 1)];
}

void elenco_entita::azzera() {
    // The memory stays: the next drawing is usually of the same size, and
    // fresh pages cost ten times the copying of the entries themselves.
    voci_.clear();
    voci_.reserve(passo);
    dim_ = passo;
}

void elenco_entita::riserva(std::int64_t n) {
    const std::int64_t massimo = std::numeric_limits<std::int32_t>::max();
    voci_.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(n, 0, massimo)));
}

void elenco_entita::aggiungi(const entita& e) {
    if (n_entita() == dim_) {
        // Checked before anything changes, so a failed append leaves the list intact.
        if (dim_ > std::numeric_limits<std::int32_t>::max() - passo) throw errore(err_overflow);
        dim_ += passo;
    }
    voci_.push_back(e);
}

}  // namespace pianopre
