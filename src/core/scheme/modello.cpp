// Clearing, filling and sorting the lists of the scheme model; the exchange of axes
// for zenith and nadir shooting.
#include "scheme/modello.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pianopre {

void azzera_liste(modello& m) {
    m.lista_entita.azzera();
    m.lista_layer.azzera();
}

void agg_entita(modello& m, const entita& e) {
    m.lista_entita.aggiungi(e);
}

void agg_coppia(modello& m, const entita& a, const entita& b) {
    m.lista_entita.aggiungi(a);
    m.lista_entita.aggiungi(b);
}

void agg_layer(modello& m, const voce_layer& voce) {
    m.lista_layer.aggiungi(voce);
}

void azzera_punti(modello& m) {
    m.lista_punti.azzera();
}

void agg_punto(modello& m, const punto_app& punto) {
    m.lista_punti.aggiungi(punto);
}

void ordina_punti(modello& m) {
    std::vector<punto_app> punti(m.lista_punti.voci().begin(), m.lista_punti.voci().end());
    std::stable_sort(punti.begin(), punti.end(), [](const punto_app& a, const punto_app& b) {
        return a.nome.grezzo() < b.nome.grezzo();  // byte codes: upper before lower case
    });
    for (std::size_t i = 0; i < punti.size(); ++i)
        m.lista_punti.modifica(static_cast<std::int32_t>(i + 1)) = punti[i];
}

void togli_punti(modello& m, std::span<const std::int32_t> numeri) {
    const std::int32_t n = m.lista_punti.n_punti();
    std::vector<bool> via(static_cast<std::size_t>(n), false);
    for (const std::int32_t k : numeri)
        if (k >= 1 && k <= n) via[static_cast<std::size_t>(k - 1)] = true;
    std::vector<punto_app> restano;
    for (std::int32_t k = 1; k <= n; ++k)
        if (!via[static_cast<std::size_t>(k - 1)]) restano.push_back(m.lista_punti.voce(k));
    m.lista_punti.azzera();
    for (const punto_app& p : restano) m.lista_punti.aggiungi(p);
}

void ruota_vista(std::int16_t codice_vista, entita& e) {
    switch (codice_vista) {
        case 1:
            std::swap(e.y, e.z);
            break;
        case 2: {
            const double y = e.y;
            e.y = e.z;
            e.z = -y;
            break;
        }
        default:
            break;
    }
}

}  // namespace pianopre
