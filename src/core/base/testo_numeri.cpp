// Text forms of numbers: the regional general form and the fixed form with a point.
#include "base/testo_numeri.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace pianopre {

namespace {

// Shortest "%.Ng" text of x: N significant digits, trailing zeros dropped,
// exponent form from 1e+N and below 1e-4 ("1.5e+20", "1e-05").
template <typename T>
std::string forma_g(T x, int cifre) {
    if (x == 0) x = 0;  // no "-0"
    char buf[64];
    const auto [fine, ec] =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, cifre);
    if (ec != std::errc{}) return "0";
    std::string s(buf, fine);
    if (const auto e = s.find('e'); e != std::string::npos) s[e] = 'E';
    return s;
}

// " .609" rather than "0.609"; "-.5" rather than "-0.5"; a blank before non-negatives.
std::string con_segno_punto(std::string s) {
    const bool negativo = !s.empty() && s[0] == '-';
    std::string_view corpo(s);
    if (negativo) corpo.remove_prefix(1);
    if (corpo.size() > 1 && corpo[0] == '0' && corpo[1] == '.') corpo.remove_prefix(1);
    std::string testo(1, negativo ? '-' : ' ');
    testo.append(corpo);
    return testo;
}

}  // namespace

std::string testo_generale(double x, const formato_regionale& formato) {
    std::string s = forma_g(x, 15);
    if (const auto p = s.find('.'); p != std::string::npos) s[p] = formato.decimale;
    return s;
}

std::string testo_punto(double x) {
    return con_segno_punto(forma_g(x, 15));
}

std::string testo_punto(float x) {
    return con_segno_punto(forma_g(x, 7));
}

std::string testo_coppia_precisione(float x, float z) {
    return testo_punto(x).substr(0, 5) + " / " + testo_punto(z).substr(0, 5);
}

}  // namespace pianopre
