// The rounding rules of values shown to people.
#include "base/testo_misure.h"

#include <charconv>
#include <cmath>

#include "base/testo_numeri.h"

namespace pianopre {

regola_misura regola(misura m) {
    switch (m) {
        case misura::percento:
            return {1, "", " %", false};
        case misura::ingrandimento:
            return {1, "", "", false};
        case misura::metri:
            return {2, "", " m", false};
        case misura::millimetri:
            return {2, "", " mm", false};
        case misura::micrometri:
            return {2, "", " µm", false};
        case misura::gradi:
            return {1, "", "°", false};
        case misura::rapporto:
            return {2, "1:", "", false};
        case misura::diaframma:
            break;
    }
    return {1, "f/", "", true};
}

std::string testo_arrotondato(double x, int decimali, const formato_regionale& formato) {
    constexpr double massimo = 1e15;  // beyond it the general form's exponent reads better
    if (decimali < 0 || decimali > 9 || !std::isfinite(x) || std::fabs(x) >= massimo)
        return testo_generale(x, formato);
    const double k = std::pow(10.0, decimali);
    const double s = x * k;
    double n = std::round(s);
    // A half that binary storage put just below (2,675 is kept as 2,67499...)
    // rounds as people read it written: away from zero.
    if (std::fabs(std::fabs(s - std::trunc(s)) - 0.5) <= 1e-9 * std::fabs(s))
        n = std::trunc(s) + (s < 0 ? -1 : 1);
    double r = n / k;
    if (r == 0) r = 0;  // no "-0,00"
    char testo[64];
    const auto fine =
        std::to_chars(testo, testo + sizeof testo, r, std::chars_format::fixed, decimali);
    std::string t(testo, fine.ptr);
    for (char& c : t)
        if (c == '.') c = formato.decimale;
    return t;
}

std::string testo_misura(double x, misura m, const formato_regionale& formato) {
    const regola_misura r = regola(m);
    std::string numero = testo_arrotondato(x, r.decimali, formato);
    if (r.senza_zeri_finali && numero.find(formato.decimale) != std::string::npos) {
        while (numero.back() == '0') numero.pop_back();
        if (numero.back() == formato.decimale) numero.pop_back();
    }
    return r.prima + numero + r.dopo;
}

std::string testo_coppia_misure(double a, double b, misura m, const formato_regionale& formato) {
    const regola_misura r = regola(m);
    const std::string primo = testo_misura(a, m, formato);
    const std::string dopo = r.dopo;
    return primo.substr(0, primo.size() - dopo.size()) + " / " + testo_misura(b, m, formato);
}

}  // namespace pianopre
