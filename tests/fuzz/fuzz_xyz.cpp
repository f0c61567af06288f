// Arbitrary bytes through the .xyz control-point reader. A load either ends or
// fails with error 6 or 13 (a coordinate the number reader refuses); it never
// holds more than the 4500 places of the list; a load that ends normally
// leaves the points sorted by name; and reading the bytes in one block or in
// blocks of a few bytes gives the same points and the same outcome.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "base/errori.h"
#include "exchange/righe.h"
#include "exchange/xyz_lettura.h"
#include "scheme/modello.h"

namespace {

using namespace pianopre;

struct caricamento {
    int errore = 0;
    esito_xyz esito;
};

caricamento carica(modello& m, std::string_view testo, std::size_t blocco) {
    std::istringstream in{std::string(testo)};
    lettore_righe righe(in, blocco);
    caricamento c;
    try {
        c.esito = leggi_xyz(m, righe);
    } catch (const errore& e) {
        c.errore = e.numero();
    }
    return c;
}

bool stesso_punto(const punto_app& a, const punto_app& b) {
    return a.nome == b.nome && a.x == b.x && a.y == b.y && a.z == b.z;
}

bool stessi_punti(const modello& a, const modello& b) {
    const auto pa = a.lista_punti.voci();
    const auto pb = b.lista_punti.voci();
    if (pa.size() != pb.size()) return false;
    for (std::size_t i = 0; i < pa.size(); ++i)
        if (!stesso_punto(pa[i], pb[i])) return false;
    return true;
}

bool ordinati(const modello& m) {
    const auto p = m.lista_punti.voci();
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i].nome.grezzo() < p[i - 1].nome.grezzo()) return false;
    return true;
}

void verifica(const modello& m, const caricamento& c) {
    if (c.errore != 0 && c.errore != err_overflow && c.errore != err_tipo) std::abort();
    if (m.lista_punti.n_punti() > elenco_punti::posti) std::abort();
    if (c.esito.troppi_punti && m.lista_punti.n_punti() != elenco_punti::posti) std::abort();
    if (c.errore == 0 && !c.esito.troppi_punti && !ordinati(m)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    modello intero;
    const caricamento c = carica(intero, testo, n + 1);
    verifica(intero, c);
    modello a_pezzi;
    const caricamento p = carica(a_pezzi, testo, 1 + n % 64);
    if (p.errore != c.errore || p.esito.troppi_punti != c.esito.troppi_punti ||
        p.esito.riga_incompleta != c.esito.riga_incompleta || !stessi_punti(intero, a_pezzi))
        std::abort();
    return 0;
}
