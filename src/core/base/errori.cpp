// Numbered errors and guarded arithmetic.
#include "base/errori.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "base/segnaposti.h"
#include "base/traduzione.h"

namespace pianopre {

namespace {
std::string testo_errore(int numero) {
    return inserisci(traduci("errori", "Errore %1"), {std::to_string(numero)});
}
}  // namespace

errore::errore(int numero) : std::runtime_error(testo_errore(numero)), numero_(numero) {}

double finito(double x) {
    if (!std::isfinite(x)) throw errore(err_overflow);
    return x;
}

double dividi(double a, double b) {
    if (b == 0.0) throw errore(a == 0.0 || std::isnan(a) ? err_overflow : err_divisione);
    return finito(a / b);
}

std::int16_t intero16(double x) {
    // The default rounding mode of the floating-point unit is to-nearest-even.
    const double r = std::nearbyint(x);
    if (!(r >= -32768.0 && r <= 32767.0)) throw errore(err_overflow);
    return static_cast<std::int16_t>(r);
}

std::int16_t somma16(std::int16_t a, std::int16_t b) {
    return intero16(static_cast<double>(a) + static_cast<double>(b));
}

std::int16_t prodotto16(std::int16_t a, std::int16_t b) {
    return intero16(static_cast<double>(a) * static_cast<double>(b));
}

float singolo(double x) {
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(FLT_MAX))
        throw errore(err_overflow);
    return static_cast<float>(x);
}

}  // namespace pianopre
