// The exposure time between its text and seconds.
#include "droni/esposizione.h"

#include <cmath>

#include "base/numeri.h"
#include "base/testo_numeri.h"

namespace pianopre {

std::string testo_esposizione(double secondi, const formato_regionale& formato) {
    if (std::isfinite(secondi) && secondi > 0 && secondi < 1) {
        const double n = std::round(1 / secondi);
        if (n > 1 && n < 1e9 && std::abs(1 / n - secondi) <= 1e-9 * secondi)
            return "1/" + testo_generale(n, formato);
    }
    return testo_generale(secondi, formato);
}

std::optional<double> leggi_esposizione(std::string_view testo, const formato_regionale& formato) {
    while (!testo.empty() && testo.front() == ' ') testo.remove_prefix(1);
    while (!testo.empty() && testo.back() == ' ') testo.remove_suffix(1);
    const std::size_t barra = testo.find('/');
    if (barra == std::string_view::npos) return leggi_numero_esatto(testo, formato);
    const auto sopra = leggi_numero_esatto(testo.substr(0, barra), formato);
    const auto sotto = leggi_numero_esatto(testo.substr(barra + 1), formato);
    if (!sopra || !sotto || *sotto == 0) return std::nullopt;
    return *sopra / *sotto;
}

}  // namespace pianopre
