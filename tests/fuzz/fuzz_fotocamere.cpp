// Arbitrary bytes through the camera-list reader. A read either returns a list
// whose every entry is in range, or fails with the reader's own message naming
// the file; a list read back from the text the program writes for it is the
// same list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "job/fotocamere.h"

namespace {

using namespace pianopre;

const std::string nome_file = "fuzz.json";

bool messaggio_valido(const errore_fotocamere& e) {
    return std::string_view(e.what()).starts_with("Errore: file \"" + nome_file + "\": ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    std::vector<voce_fotocamera> voci;
    try {
        voci = leggi_fotocamere(testo, nome_file);
    } catch (const errore_fotocamere& e) {
        if (!messaggio_valido(e)) std::abort();
        return 0;
    }
    try {
        if (leggi_fotocamere(testo_fotocamere(voci, nome_file), nome_file) != voci) std::abort();
    } catch (const errore_fotocamere&) {
        std::abort();  // a list the reader accepted must be written and read back
    }
    return 0;
}
