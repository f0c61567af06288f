// Moving about the drawing: zoom, panning, arrow steps, centring.
#include "view/navigazione.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace pianopre {

namespace {

constexpr double precisione_minima = 1e-5;

std::optional<finestra_vista> utilizzabile(double l, double t, double w, double h) {
    for (double v : {l, t, w, h})
        if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) return std::nullopt;
    const double scala_x = std::max({1.0, std::fabs(l), std::fabs(l + w)});
    const double scala_y = std::max({1.0, std::fabs(t), std::fabs(t + h)});
    if (std::fabs(w) < scala_x * precisione_minima || std::fabs(h) < scala_y * precisione_minima)
        return std::nullopt;
    return finestra_vista{static_cast<float>(l), static_cast<float>(t), static_cast<float>(w),
                          static_cast<float>(h)};
}

struct scatola {
    double min[3] = {99999999999.0, 99999999999.0, 99999999999.0};
    double max[3] = {-99999999999.0, -99999999999.0, -99999999999.0};

    void includi(const entita& e) {
        const double v[3] = {e.x, e.y, e.z};
        for (int i = 0; i < 3; ++i) {
            if (v[i] < min[i]) min[i] = v[i];
            if (v[i] > max[i]) max[i] = v[i];
        }
    }
    // An empty box has centre 0: the two start values cancel.
    double centro(int asse) const { return (max[asse] + min[asse]) / 2; }
};

}  // namespace

std::optional<finestra_vista> zoom_centro(const finestra_vista& f, double fattore) {
    const double w = f.width, h = f.height;
    const double w1 = w * fattore, h1 = h * fattore;
    return utilizzabile(f.left + (w - w1) / 2, f.top + (h - h1) / 2, w1, h1);
}

std::optional<finestra_vista> zoom_punto(const finestra_vista& f, double fattore, double u,
                                         double v) {
    return utilizzabile(u - (u - f.left) * fattore, v - (v - f.top) * fattore, f.width * fattore,
                        f.height * fattore);
}

finestra_vista trascina_vista(const finestra_vista& f, float dx, float dy) {
    return {f.left - dx, f.top - dy, f.width, f.height};
}

passo_freccia passo_di(const finestra_vista& f, freccia direzione) {
    const float x = std::fabs(f.width) / 10;
    const float y = std::fabs(f.height) / 10;
    switch (direzione) {
        case freccia::su:
            return {0, y};
        case freccia::giu:
            return {0, -y};
        case freccia::sinistra:
            return {-x, 0};
        case freccia::destra:
            return {x, 0};
    }
    return {0, 0};
}

origine_schema centra_schema(const elenco_entita& lista) {
    scatola marcate, schema;
    for (const entita& e : lista.voci()) {
        if (e.attributi & attr_marcato) marcate.includi(e);
        if (e.attributi & attr_relativo) schema.includi(e);
    }
    return {marcate.centro(0) - schema.centro(0), marcate.centro(1) - 200.0,
            marcate.centro(2) - schema.centro(2)};
}

}  // namespace pianopre
