// Numbers in map files.
#include "mappe/numeri_mappa.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pianopre {

std::string numero_fisso(double x, int decimali) {
    if (!std::isfinite(x)) return "0";
    std::array<char, 64> b{};
    const auto [fine, errore] =
        std::to_chars(b.data(), b.data() + b.size(), x, std::chars_format::fixed, decimali);
    if (errore != std::errc()) return "0";
    std::string s(b.data(), fine);
    if (s.front() == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
    return s;
}

std::string numero_regionale(double x, int decimali, const formato_regionale& formato) {
    std::string s = numero_fisso(x, decimali);
    for (char& c : s)
        if (c == '.') c = formato.decimale;
    return s;
}

}  // namespace pianopre
