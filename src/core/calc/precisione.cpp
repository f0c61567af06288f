// Precision estimate of a plan.
#include "calc/precisione.h"

#include <cmath>

#include "base/errori.h"

namespace pianopre {

namespace {

double radice(double x) {
    return finito(std::sqrt(finito(x)));
}
double quadrato(double x) {
    return finito(x * x);
}

constexpr double precisione_immagine = 0.003;  // mm, first-order analytical plotters
constexpr double termine_misura = 0.01;        // mm, ordinary work

precisione_xz correggi(valori_xz v, const dati_presa& presa, bool metrica) {
    precisione_xz p{singolo(v.x), singolo(v.z)};
    if (!metrica) {
        const double c = finito(presa.scala_foto * 0.0001 * 1000.0);
        p.x = singolo(finito(static_cast<double>(p.x) + c));
        p.z = singolo(finito(static_cast<double>(p.z) + 1.5 * c));
    }
    return p;
}

}  // namespace

valori_xz precisione_max(const dati_presa& presa, const dati_camera& camera, double s) {
    const double d = finito(presa.dist_presa * 1000.0);
    const double b = finito(presa.base_presa * 1000.0);
    const double f = camera.focale;
    const double sp = finito(s * std::sqrt(2.0));
    const double z = dividi(finito(quadrato(d) * sp), finito(b * f));
    const double x = radice(finito(quadrato(finito(dividi(d, f) * s)) +
                                   quadrato(finito(dividi(camera.larg_neg / 2.0, f) * z))));
    return {x, z};
}

valori_xz precisione_std(const dati_presa& presa, const dati_camera& camera) {
    const double d = finito(presa.dist_presa * 1000.0);
    const double b = finito(presa.base_presa * 1000.0);
    const double w = finito(presa.larg_cop * 1000.0);
    const double f = camera.focale;
    const double k = finito(dividi(presa.base_presa, presa.larg_cop / 2.0) * 4.0);
    const double m = termine_misura;
    const double z =
        finito(dividi(d, finito(b * f)) * radice(finito(m * m * finito(quadrato(b) + quadrato(d)) +
                                                        finito(quadrato(k) * quadrato(f)))));
    const double x = finito(dividi(finito(d * m), f) *
                            radice(finito(1.0 + quadrato(dividi(finito(w - b), finito(2.0 * b))))));
    return {x, z};
}

precisione_xz stima_precisione_max(const dati_presa& presa, const dati_camera& camera,
                                   bool metrica) {
    return correggi(precisione_max(presa, camera, precisione_immagine), presa, metrica);
}

precisione_xz stima_precisione_std(const dati_presa& presa, const dati_camera& camera,
                                   bool metrica) {
    return correggi(precisione_std(presa, camera), presa, metrica);
}

}  // namespace pianopre
