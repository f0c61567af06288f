// Arbitrary bytes through the DXF reader, ASCII and binary, with blocks,
// references and every kind it converts. A read either ends or fails with one
// of its numbered errors (6, 9, 13, 62); references may add at most 1,024
// entities, so that each input stays quick (at 65,536 an input of a few
// kilobytes took more than a second, and a long run slowed to 140 inputs a
// second); the limit's error path is the same at any size. Beyond that, two checks that
// nothing is lost or invented on the way:
// - the bytes read in one block and in blocks of a few bytes give the same
//   lists and the same error, so lines cut at block ends read as whole ones;
// - what was read, saved with the DXF writer and read again, comes back with
//   the same kinds and coordinates, and a second save and read changes nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "exchange/dxf_scrittura.h"
#include "exchange/righe.h"
#include "scheme/modello.h"

namespace {

using namespace pianopre;

// The error number of reading testo in blocks of `blocco` bytes, 0 when it reads.
int leggi(modello& m, std::string_view testo, std::size_t blocco) {
    azzera_liste(m);
    std::istringstream in{std::string(testo)};
    lettore_righe righe(in, blocco);
    try {
        leggi_dxf(m, righe, std::int64_t{1} << 10);
    } catch (const errore& e) {
        return e.numero();
    }
    return 0;
}

bool errore_atteso(int n) {
    return n == 0 || n == err_overflow || n == err_indice || n == err_tipo || n == err_fine_file;
}

bool stessa_entita(const entita& a, const entita& b) {
    return a.nome == b.nome && a.x == b.x && a.y == b.y && a.z == b.z && a.tipo == b.tipo &&
           a.colore == b.colore && a.altezza == b.altezza && a.rotazione == b.rotazione &&
           a.attributi == b.attributi;
}

bool stesse_liste(const modello& a, const modello& b) {
    const auto ea = a.lista_entita.voci();
    const auto eb = b.lista_entita.voci();
    if (ea.size() != eb.size()) return false;
    for (std::size_t i = 0; i < ea.size(); ++i)
        if (!stessa_entita(ea[i], eb[i])) return false;
    const auto la = a.lista_layer.voci();
    const auto lb = b.lista_layer.voci();
    if (la.size() != lb.size()) return false;
    for (std::size_t i = 0; i < la.size(); ++i)
        if (!(la[i].nome == lb[i].nome) || la[i].colore != lb[i].colore) return false;
    return true;
}

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

void giro_completo(const modello& letto) {
    const std::string primo = salva(letto);
    modello riletto;
    if (leggi(riletto, primo, primo.size() + 1) != 0) std::abort();
    if (!stesso_disegno(letto, riletto)) std::abort();
    const std::string secondo = salva(riletto);
    modello terzo;
    if (leggi(terzo, secondo, secondo.size() + 1) != 0) std::abort();
    if (!stesse_liste(riletto, terzo)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    // One block holds the whole input, as the 1 MiB blocks of a real read do.
    modello intero;
    const int e = leggi(intero, testo, n + 1);
    if (!errore_atteso(e)) std::abort();
    modello a_pezzi;
    if (leggi(a_pezzi, testo, 1 + n % 64) != e || !stesse_liste(intero, a_pezzi)) std::abort();
    // A save without entities is the fixed head and tail alone: nothing to compare.
    if (intero.lista_entita.n_entita() > 0) giro_completo(intero);
    return 0;
}
