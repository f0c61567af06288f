// The coverage and precision map: each image's orientation and footprint on
// the façade plane computed once, then every cell centre projected into the
// images whose footprint holds it, the normal matrix summed and inverted.
#include "rete/mappa_copertura.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace pianopre {

namespace {

constexpr double gradi = std::numbers::pi / 180;
constexpr double infinito = std::numeric_limits<double>::infinity();
constexpr double margine_bordo = 1e-12;  // a point on the frame's edge is inside

// One image ready for projecting: centre, axes (x along the frame's width,
// y along its height, d the optical axis, all unit vectors in the façade
// frame) and the bounding box of its footprint on the façade plane.
struct vista {
    double c[3];
    double ex[3], ey[3], d[3];
    double u_min, u_max, w_min, w_max;
};

struct ottica {
    double f = 0;
    double mezza_x = 0, mezza_y = 0;  // half the frame, the edge's margin included
    double peso = 0;                  // 1 / σ² on the image; 0 without precision
};

vista prepara(const immagine_rete& i, const ottica& o) {
    vista v{};
    const double r = i.rotazione * gradi, t = i.inclinazione * gradi;
    const double sr = std::sin(r), cr = std::cos(r), st = std::sin(t), ct = std::cos(t);
    v.c[0] = i.u;
    v.c[1] = i.v;
    v.c[2] = i.w;
    v.d[0] = sr * ct, v.d[1] = -cr * ct, v.d[2] = st;
    v.ex[0] = cr, v.ex[1] = sr, v.ex[2] = 0;
    v.ey[0] = -st * sr, v.ey[1] = st * cr, v.ey[2] = ct;
    // The footprint: the four corner rays met by the plane v = 0; a ray that
    // misses it (or a camera behind the plane) leaves the footprint unbounded.
    v.u_min = v.w_min = infinito;
    v.u_max = v.w_max = -infinito;
    bool limitata = i.v > 0 && std::isfinite(i.v);
    for (const double sx : {-1.0, 1.0}) {
        for (const double sy : {-1.0, 1.0}) {
            double raggio[3];
            for (int k = 0; k < 3; ++k)
                raggio[k] = v.d[k] * o.f + v.ex[k] * sx * o.mezza_x + v.ey[k] * sy * o.mezza_y;
            if (!(raggio[1] < 0)) {
                limitata = false;
                continue;
            }
            const double s = -i.v / raggio[1];
            const double u = i.u + s * raggio[0], w = i.w + s * raggio[2];
            v.u_min = std::min(v.u_min, u), v.u_max = std::max(v.u_max, u);
            v.w_min = std::min(v.w_min, w), v.w_max = std::max(v.w_max, w);
        }
    }
    if (!limitata) {
        v.u_min = v.w_min = -infinito;
        v.u_max = v.w_max = infinito;
    } else {
        // Rounding must not leave out a point the projection takes in.
        const double m = 1e-9 * (1 + std::abs(v.u_max - v.u_min) + std::abs(v.w_max - v.w_min));
        v.u_min -= m, v.u_max += m, v.w_min -= m, v.w_max += m;
    }
    return v;
}

ottica prepara_ottica(const camera_rete& camera, double precisione_px) {
    ottica o;
    o.f = camera.focale_mm;
    o.mezza_x = camera.larghezza_mm / 2 * (1 + margine_bordo);
    o.mezza_y = camera.altezza_mm / 2 * (1 + margine_bordo);
    const double sigma = precisione_px * camera.pixel_mm;
    if (sigma > 0 && std::isfinite(sigma)) o.peso = 1 / (sigma * sigma);
    return o;
}

bool camera_valida(const camera_rete& c) {
    return c.focale_mm > 0 && c.larghezza_mm > 0 && c.altezza_mm > 0 &&
           std::isfinite(c.focale_mm) && std::isfinite(c.larghezza_mm) &&
           std::isfinite(c.altezza_mm);
}

// What one point gathers from the images that see it. `raggi` holds three
// numbers per image, kept between calls so that the grid allocates nothing.
struct accumulo {
    std::int32_t n = 0;
    double nm[6] = {};  // normal matrix: uu, uv, uw, vv, vw, ww
    std::vector<double>* raggi = nullptr;

    void azzera() {
        n = 0;
        for (double& x : nm) x = 0;
        raggi->clear();
    }
};

// Adds the image `v` when it sees P = (u, 0, w).
inline void aggiungi(accumulo& a, const vista& v, const ottica& o, double u, double w) {
    const double dx = u - v.c[0], dy = -v.c[1], dz = w - v.c[2];
    const double z = dx * v.d[0] + dy * v.d[1] + dz * v.d[2];
    if (!(z > 0)) return;
    const double pa = dx * v.ex[0] + dy * v.ex[1] + dz * v.ex[2];
    const double pb = dx * v.ey[0] + dy * v.ey[1] + dz * v.ey[2];
    const double k = o.f / z;
    if (std::abs(pa * k) > o.mezza_x || std::abs(pb * k) > o.mezza_y) return;
    ++a.n;
    const double qa = pa / z, qb = pb / z;
    double jx[3], jy[3];
    for (int i = 0; i < 3; ++i) {
        jx[i] = k * (v.ex[i] - qa * v.d[i]);
        jy[i] = k * (v.ey[i] - qb * v.d[i]);
    }
    a.nm[0] += jx[0] * jx[0] + jy[0] * jy[0];
    a.nm[1] += jx[0] * jx[1] + jy[0] * jy[1];
    a.nm[2] += jx[0] * jx[2] + jy[0] * jy[2];
    a.nm[3] += jx[1] * jx[1] + jy[1] * jy[1];
    a.nm[4] += jx[1] * jx[2] + jy[1] * jy[2];
    a.nm[5] += jx[2] * jx[2] + jy[2] * jy[2];
    const double l = std::sqrt(dx * dx + dy * dy + dz * dz);
    a.raggi->push_back(dx / l);
    a.raggi->push_back(dy / l);
    a.raggi->push_back(dz / l);
}

// The largest angle, the σ from the normal matrix.
punto_rete chiudi(const accumulo& a, const ottica& o) {
    punto_rete p;
    p.immagini = a.n;
    if (a.n < 2) return p;
    const std::vector<double>& r = *a.raggi;
    double coseno = 1;
    for (std::size_t i = 0; i < r.size(); i += 3)
        for (std::size_t j = i + 3; j < r.size(); j += 3)
            coseno = std::min(coseno, r[i] * r[j] + r[i + 1] * r[j + 1] + r[i + 2] * r[j + 2]);
    p.angolo_gradi = std::acos(std::clamp(coseno, -1.0, 1.0)) / gradi;
    if (!(p.angolo_gradi > 1e-9) || o.peso == 0) return p;
    Eigen::Matrix3d n;
    n << a.nm[0], a.nm[1], a.nm[2], a.nm[1], a.nm[3], a.nm[4], a.nm[2], a.nm[4], a.nm[5];
    n *= o.peso;
    // Singular, or so nearly that the inverse means nothing: no precision.
    const double scala = n(0, 0) * n(1, 1) * n(2, 2);
    Eigen::Matrix3d c;
    double det = 0;
    bool invertibile = false;
    n.computeInverseAndDetWithCheck(c, det, invertibile, 1e-12 * scala);
    if (!invertibile || !(det > 1e-12 * scala)) return p;
    if (!(c(0, 0) > 0 && c(1, 1) > 0 && c(2, 2) > 0)) return p;
    p.con_precisione = true;
    p.sigma_lungo_mm = 1000 * std::sqrt(c(0, 0));
    p.sigma_profondita_mm = 1000 * std::sqrt(c(1, 1));
    p.sigma_altezza_mm = 1000 * std::sqrt(c(2, 2));
    return p;
}

bool positivo_finito(double x) {
    return x > 0 && std::isfinite(x);
}

// In reals: a huge façade must not overflow an integer.
double celle_per(double larghezza, double altezza, double cella) {
    return std::ceil(larghezza / cella) * std::ceil(altezza / cella);
}

}  // namespace

double dimensione_cella(double larghezza, double altezza, double richiesta) {
    if (!positivo_finito(larghezza) || !positivo_finito(altezza)) return 0;
    const auto massimo = static_cast<double>(massimo_celle);
    if (positivo_finito(richiesta) && celle_per(larghezza, altezza, richiesta) <= massimo)
        return richiesta;
    double cella = std::max(0.05, std::sqrt(larghezza) * std::sqrt(altezza / massimo));
    // Whole cells round the count up: enlarge a little until it fits.
    while (celle_per(larghezza, altezza, cella) > massimo) cella *= 1.0001;
    return cella;
}

punto_rete valuta_punto(std::span<const immagine_rete> immagini, const camera_rete& camera,
                        double u, double w, double precisione_px) {
    if (!camera_valida(camera)) return {};
    const ottica o = prepara_ottica(camera, precisione_px);
    std::vector<double> raggi;
    accumulo a;
    a.raggi = &raggi;
    for (const immagine_rete& i : immagini) aggiungi(a, prepara(i, o), o, u, w);
    return chiudi(a, o);
}

mappa_copertura calcola_mappa(std::span<const immagine_rete> immagini, const camera_rete& camera,
                              double larghezza, double altezza, const impostazioni_mappa& imp) {
    mappa_copertura m;
    m.cella_m = dimensione_cella(larghezza, altezza, imp.cella_m);
    if (m.cella_m == 0) return m;
    m.larghezza_m = larghezza;
    m.altezza_m = altezza;
    m.colonne = static_cast<std::int32_t>(std::ceil(larghezza / m.cella_m));
    m.righe = static_cast<std::int32_t>(std::ceil(altezza / m.cella_m));
    m.celle.resize(static_cast<std::size_t>(m.colonne) * static_cast<std::size_t>(m.righe));
    const bool valida = camera_valida(camera);
    const ottica o = prepara_ottica(camera, imp.precisione_px);

    // The images by the left edge of their footprint, for a sweep along each row.
    std::vector<vista> viste;
    if (valida) {
        viste.reserve(immagini.size());
        for (const immagine_rete& i : immagini) viste.push_back(prepara(i, o));
        std::sort(viste.begin(), viste.end(),
                  [](const vista& a, const vista& b) { return a.u_min < b.u_min; });
    }
    std::vector<const vista*> riga_viste, attive;
    riga_viste.reserve(viste.size());
    attive.reserve(viste.size());
    std::vector<double> raggi;
    raggi.reserve(3 * viste.size());
    accumulo a;
    a.raggi = &raggi;

    std::int64_t con_2 = 0, con_3 = 0, in_tolleranza = 0;
    for (std::int32_t r = 0; r < m.righe; ++r) {
        const double w = (r + 0.5) * m.cella_m;
        riga_viste.clear();
        for (const vista& v : viste)
            if (v.w_min <= w && w <= v.w_max) riga_viste.push_back(&v);
        attive.clear();
        std::size_t prossima = 0;
        cella_mappa* cella = &m.celle[static_cast<std::size_t>(r) * m.colonne];
        for (std::int32_t k = 0; k < m.colonne; ++k, ++cella) {
            const double u = (k + 0.5) * m.cella_m;
            while (prossima < riga_viste.size() && riga_viste[prossima]->u_min <= u)
                attive.push_back(riga_viste[prossima++]);
            std::erase_if(attive, [u](const vista* v) { return v->u_max < u; });
            a.azzera();
            for (const vista* v : attive) aggiungi(a, *v, o, u, w);
            const punto_rete p = chiudi(a, o);
            cella->immagini = p.immagini;
            cella->angolo_gradi = static_cast<float>(p.angolo_gradi);
            con_2 += p.immagini >= 2;
            con_3 += p.immagini >= 3;
            if (!p.con_precisione) continue;
            cella->sigma_lungo_mm = static_cast<float>(p.sigma_lungo_mm);
            cella->sigma_altezza_mm = static_cast<float>(p.sigma_altezza_mm);
            cella->sigma_profondita_mm = static_cast<float>(p.sigma_profondita_mm);
            const double peggiore =
                std::max({p.sigma_lungo_mm, p.sigma_altezza_mm, p.sigma_profondita_mm});
            in_tolleranza += peggiore <= imp.tolleranza_mm;
            if (peggiore > m.sigma_peggiore_mm) {
                m.sigma_peggiore_mm = peggiore;
                m.u_peggiore = u;
                m.w_peggiore = w;
            }
        }
    }
    const double totale = static_cast<double>(m.celle.size());
    m.quota_2 = static_cast<double>(con_2) / totale;
    m.quota_3 = static_cast<double>(con_3) / totale;
    m.quota_tolleranza = static_cast<double>(in_tolleranza) / totale;
    return m;
}

}  // namespace pianopre
