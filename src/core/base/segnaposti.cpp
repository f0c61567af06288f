// Values put into a translated pattern.
#include "base/segnaposti.h"

namespace pianopre {

std::string inserisci(std::string_view modello, std::initializer_list<std::string_view> valori) {
    std::string t;
    t.reserve(modello.size());
    for (std::size_t i = 0; i < modello.size(); ++i) {
        const char c = modello[i];
        if (c == '%' && i + 1 < modello.size() && modello[i + 1] >= '1' && modello[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(modello[i + 1] - '1');
            if (n < valori.size()) {
                t += valori.begin()[n];
                ++i;
                continue;
            }
        }
        t += c;
    }
    return t;
}

}  // namespace pianopre
