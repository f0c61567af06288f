// Arbitrary bytes through the DXF reader, ASCII and binary, with blocks,
// references and every kind it converts. A read either ends or fails with one
// of its numbered errors (6, 9, 13, 62), and the bytes read in one block and
// in blocks of a few bytes give the same lists and the same error, so lines
// cut at block ends read as whole ones. What the reader keeps, saved and read
// again, is the other DXF target's work (fuzz_dxf_giro).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dxf_comune.h"

using namespace pianopre;
using namespace pianopre::prova_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    // One block holds the whole input, as the 1 MiB blocks of a real read do.
    modello intero;
    const int e = leggi(intero, testo, n + 1);
    if (!errore_atteso(e)) std::abort();
    modello a_pezzi;
    if (leggi(a_pezzi, testo, 1 + n % 64) != e || !stesse_liste(intero, a_pezzi)) std::abort();
    return 0;
}
