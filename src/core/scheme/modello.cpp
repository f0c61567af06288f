// Clearing and filling the lists of the scheme model; the exchange of axes
// for zenith and nadir shooting.
#include "scheme/modello.h"

#include <utility>

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
