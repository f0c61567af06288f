// Arbitrary bytes read as a DXF drawing, then the round trip of what was read:
// saved with the DXF writer and read again, it comes back with the same kinds
// and coordinates, and a second save and read changes nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "dxf_comune.h"
#include "exchange/dxf_scrittura.h"

using namespace pianopre;
using namespace pianopre::prova_fuzz;

namespace {

// A coordinate written with 15 significant digits and read back.
bool vicino(double scritto, double riletto) {
    return std::fabs(riletto - scritto) <= std::fabs(scritto) * 1e-14 ||
           (std::fabs(scritto) < 1e-300 && std::fabs(riletto) < 1e-300);
}

// The drawing read back from its own save: same kinds, same places.
bool stesso_disegno(const modello& letto, const modello& riletto) {
    const auto a = letto.lista_entita.voci();
    const auto b = riletto.lista_entita.voci();
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].tipo != b[i].tipo || !vicino(a[i].x, b[i].x) || !vicino(a[i].y, b[i].y) ||
            !vicino(a[i].z, b[i].z))
            return false;
    return true;
}

std::string salva(const modello& m) {
    std::ostringstream out;
    salva_dxf(out, m.lista_entita, 0, 0, 0);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    modello letto;
    const int e = leggi(letto, std::string_view(reinterpret_cast<const char*>(dati), n), n + 1);
    if (!errore_atteso(e)) std::abort();
    // A save without entities is the fixed head and tail alone: nothing to compare.
    if (letto.lista_entita.n_entita() == 0) return 0;
    const std::string primo = salva(letto);
    modello riletto;
    if (leggi(riletto, primo, primo.size() + 1) != 0) std::abort();
    if (!stesso_disegno(letto, riletto)) std::abort();
    const std::string secondo = salva(riletto);
    modello terzo;
    if (leggi(terzo, secondo, secondo.size() + 1) != 0) std::abort();
    if (!stesse_liste(riletto, terzo)) std::abort();
    return 0;
}
