// Arbitrary texts through the number reader, under both regional formats: it
// either returns a finite number or fails with error 6 or 13, nothing else.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/errori.h"
#include "base/numeri.h"
#include "base/testo_numeri.h"

namespace {

void prova(std::string_view testo, const pianopre::formato_regionale& formato) {
    try {
        const double x = pianopre::leggi_numero(testo, formato);
        if (!std::isfinite(x)) std::abort();
        // What the program writes back into a box must read back as the same value.
        const std::string scritto = pianopre::testo_generale(x, formato);
        const double riletto = pianopre::leggi_numero(scritto, formato);
        if (std::fabs(riletto - x) > std::fabs(x) * 1e-14) std::abort();
    } catch (const pianopre::errore& e) {
        if (e.numero() != pianopre::err_overflow && e.numero() != pianopre::err_tipo) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    prova(testo, pianopre::formato_regionale::italiano());
    prova(testo, pianopre::formato_regionale::inglese());
    return 0;
}
