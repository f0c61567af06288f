// The checks a camera typed in the camera dialog must pass beyond the ranges
// of the list's file: pixel counts that fit the sensor's proportions and a
// focal length a lens can have.
#include <cmath>

#include "base/segnaposti.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"
#include "job/fotocamere.h"

namespace pianopre {

namespace {

std::string arrotondato(double x, int decimali, const formato_regionale& formato) {
    const double k = std::pow(10.0, decimali);
    return testo_generale(std::round(x * k) / k, formato);
}

}  // namespace

std::optional<std::string> errore_proporzioni(const voce_fotocamera& v,
                                              const formato_regionale& formato) {
    if (v.larghezza_px <= 0 || v.altezza_px <= 0 || !(v.larghezza_mm > 0 && v.altezza_mm > 0))
        return std::nullopt;
    const double pixel = static_cast<double>(v.larghezza_px) / v.altezza_px;
    const double sensore = v.larghezza_mm / v.altezza_mm;
    if (std::abs(pixel / sensore - 1.0) <= scarto_proporzioni_massimo) return std::nullopt;
    return inserisci(
        traduci("fotocamere",
                "l'immagine di %1 × %2 pixel ha proporzioni %3 e il sensore di %4 × %5 mm %6: "
                "differiscono di più del 5 %, quindi i pixel non sarebbero quadrati "
                "(larghezza e altezza scambiate o un valore sbagliato?)"),
        {std::to_string(v.larghezza_px), std::to_string(v.altezza_px),
         arrotondato(pixel, 3, formato), testo_generale(v.larghezza_mm, formato),
         testo_generale(v.altezza_mm, formato), arrotondato(sensore, 3, formato)});
}

std::optional<std::string> errore_focale(const voce_fotocamera& v,
                                         const formato_regionale& formato) {
    if (!v.focale_mm ||
        (*v.focale_mm >= focale_plausibile_mm[0] && *v.focale_mm <= focale_plausibile_mm[1]))
        return std::nullopt;
    return inserisci(
        traduci("fotocamere",
                "la focale di %1 mm non è quella di un obiettivo: deve essere tra "
                "%2 e %3 mm"),
        {testo_generale(*v.focale_mm, formato), testo_generale(focale_plausibile_mm[0], formato),
         testo_generale(focale_plausibile_mm[1], formato)});
}

}  // namespace pianopre
