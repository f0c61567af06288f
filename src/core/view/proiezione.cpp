// Where entities land in the picture, and the fitting of the view window.
#include "view/proiezione.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "base/errori.h"

namespace pianopre {

void asso_cord(float& x, float& y, float& z) {
    const double a = 3.14159 / 180.0 * -45.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double x1 = x * c + y * s;
    const double y1 = -x * s + y * c;
    const double y2 = y1 * c + z * s;
    const double z2 = -y1 * s + z * c;
    x = static_cast<float>(x1);
    y = static_cast<float>(y2);
    z = static_cast<float>(z2);
}

namespace {

// Doubles beyond the 32-bit range would make the float conversion undefined.
float in_singolo(double x) {
    if (std::isnan(x)) return 0;
    return static_cast<float>(
        std::clamp(x, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

punto3 proiezione_asso(const punto3& p) {
    float x = in_singolo(p.x), y = in_singolo(p.y), z = in_singolo(p.z);
    asso_cord(x, y, z);
    return {x, y, z};
}

bool valida(const finestra_vista& f) {
    return std::isfinite(f.left) && std::isfinite(f.top) && std::isfinite(f.width) &&
           std::isfinite(f.height) && f.width != 0 && f.height != 0;
}

bool in_range_singolo(double x) {
    return std::isfinite(x) && std::fabs(x) <= FLT_MAX;
}

}  // namespace

punto_uv proietta(tipo_vista modo, const punto3& p) {
    if (modo == tipo_vista::fronte) return {in_singolo(p.x), in_singolo(p.z)};
    if (modo == tipo_vista::assonometrica) {
        const punto3 a = proiezione_asso(p);
        return {static_cast<float>(a.x), static_cast<float>(a.y)};
    }
    return {in_singolo(p.x), in_singolo(p.y)};
}

void misura_vista::includi(const punto3& p0) {
    const punto3 p = assonometrica_ ? proiezione_asso(p0) : p0;
    const double v[3] = {p.x, p.y, p.z};
    for (int i = 0; i < 3; ++i) {
        if (v[i] < min_[i]) min_[i] = v[i];
        if (v[i] > max_[i]) max_[i] = v[i];
    }
    vuota_ = false;
}

void misura_vista::includi(const elenco_entita& lista, const origine_schema& origine,
                           const trasformazione_sito& sito) {
    for (const entita& voce : lista.voci())
        includi(sito.applica(posizione_piazzata(voce, origine)));
}

void misura_vista::includi_alzata(const elenco_entita& lista, double quota) {
    for (const entita& voce : lista.voci()) includi({voce.x, voce.y, voce.z + quota});
}

void misura_vista::scatola(bool fronte, double& min_x, double& max_x, double& min_y,
                           double& max_y) const {
    double min[3], max[3];
    for (int i = 0; i < 3; ++i) {
        min[i] = vuota_ ? 0 : min_[i];
        max[i] = vuota_ ? 10 : max_[i];
    }
    const int verticale = fronte ? 2 : 1;
    if (max[0] == min[0] && max[verticale] == min[verticale]) {
        // A drawing that is a single point: the empty drawing's box around it.
        for (int i : {0, verticale}) {
            const double centro = min[i];
            min[i] = centro - 5;
            max[i] = centro + 5;
        }
    }
    const double margine = (max[0] - min[0]) / 22.0;
    for (int i = 0; i < 3; ++i) {
        min[i] -= margine;
        max[i] += margine;
    }

    min_x = min[0];
    max_x = max[0];
    min_y = min[verticale];
    max_y = max[verticale];
}

double misura_vista::rapporto(bool fronte) const {
    double min_x, max_x, min_y, max_y;
    scatola(fronte, min_x, max_x, min_y, max_y);
    return (max_x - min_x) / (max_y - min_y);
}

std::optional<finestra_vista> misura_vista::finestra(bool fronte, double q) const {
    double min_x, max_x, min_y, max_y;
    scatola(fronte, min_x, max_x, min_y, max_y);
    const double r = (max_x - min_x) / (max_y - min_y);
    if (r > q) {
        max_y = min_y + (max_x - min_x) / q;
    } else {
        max_x = min_x + (max_y - min_y) * q;
    }
    const double valori[] = {min_x, max_y, max_x - min_x, -(max_y - min_y)};
    for (double v : valori)
        if (!in_range_singolo(v)) return std::nullopt;
    const finestra_vista f{static_cast<float>(min_x), static_cast<float>(max_y),
                           static_cast<float>(max_x - min_x), static_cast<float>(-(max_y - min_y))};
    if (!valida(f)) return std::nullopt;
    return f;
}

std::optional<finestra_vista> rappo_prop(const elenco_entita& lista, const origine_schema& origine,
                                         bool fronte, bool assonometrica, double q) {
    misura_vista m(assonometrica);
    m.includi(lista, origine);
    return m.finestra(fronte, q);
}

std::int16_t dim_carattere(float h, float k) {
    double t = static_cast<double>(h) / static_cast<double>(k);
    t = t / 300.0;
    t = t / 2.54;
    t = t * 72.0;
    if (!(t <= 2160.0)) t = 2160.0;  // also a zero scale
    if (t < -32768.0) t = -32768.0;
    return intero16(t + 0.5);
}

}  // namespace pianopre

namespace pianopre {

namespace {
std::int32_t intero32_limitato(double x) {
    if (std::isnan(x)) return 0;
    return static_cast<std::int32_t>(std::nearbyint(std::clamp(x, -2147483648.0, 2147483647.0)));
}
}  // namespace

richiesta_font font_ruotato(float altezza, float angolo) {
    return {intero32_limitato(altezza), intero32_limitato(static_cast<double>(angolo) * 10.0)};
}

}  // namespace pianopre
