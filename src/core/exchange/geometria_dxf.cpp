// Placements, the arbitrary axis rule and the flattening of curves.
#include "exchange/geometria_dxf.h"

#include <algorithm>
#include <cmath>

namespace pianopre {

namespace {

p3 vettoriale(p3 a, p3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

p3 unitario(p3 a) {
    const double l = lunghezza(a);
    return l > 0 ? (1 / l) * a : a;
}

// Chords over a sweep of `angolo` radians: each within scarto_corde of the
// radius, and of the arc's own chord when the arc is short, so that a short
// arc keeps its shape as well as a long one.
int corde(double angolo) {
    static const double passo_pieno = 2 * std::acos(1 - scarto_corde);
    angolo = std::fabs(angolo);
    const double corda = 2 * std::sin(std::min(angolo, std::numbers::pi) / 2);
    const double passo =
        corda >= 1 ? passo_pieno : 2 * std::acos(1 - scarto_corde * std::max(corda, 1e-6));
    const double n = std::ceil(angolo / passo);
    return static_cast<int>(std::clamp(n, 1.0, 1000.0));
}

}  // namespace

double lunghezza(p3 a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

p3 matrice::applica(p3 p) const {
    return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3],
            m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
            m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

p3 matrice::direzione(p3 d) const {
    return {m[0] * d.x + m[1] * d.y + m[2] * d.z, m[4] * d.x + m[5] * d.y + m[6] * d.z,
            m[8] * d.x + m[9] * d.y + m[10] * d.z};
}

bool matrice::identita() const {
    return m == matrice{}.m;
}

matrice operator*(const matrice& a, const matrice& b) {
    matrice r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            double s = j == 3 ? a.m[i * 4 + 3] : 0;
            for (int k = 0; k < 3; ++k) s += a.m[i * 4 + k] * b.m[k * 4 + j];
            r.m[i * 4 + j] = s;
        }
    }
    return r;
}

matrice da_ocs(p3 n) {
    const double l = lunghezza(n);
    if (!(l > 0) || !std::isfinite(l)) return {};
    n = (1 / l) * n;
    if (n.x == 0 && n.y == 0 && n.z == 1) return {};
    const double soglia = 1.0 / 64;
    const p3 ax =
        unitario(std::fabs(n.x) < soglia && std::fabs(n.y) < soglia ? vettoriale({0, 1, 0}, n)
                                                                    : vettoriale({0, 0, 1}, n));
    const p3 ay = unitario(vettoriale(n, ax));
    return {{ax.x, ay.x, n.x, 0, ax.y, ay.y, n.y, 0, ax.z, ay.z, n.z, 0}};
}

matrice traslazione(p3 t) {
    return {{1, 0, 0, t.x, 0, 1, 0, t.y, 0, 0, 1, t.z}};
}

matrice rotazione_z(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {{c, -s, 0, 0, s, c, 0, 0, 0, 0, 1, 0}};
}

matrice scala(p3 s) {
    return {{s.x, 0, 0, 0, 0, s.y, 0, 0, 0, 0, s.z, 0}};
}

void punti_arco(std::vector<p3>& out, p3 c, double r, double a0, double a1) {
    if (!std::isfinite(a0) || !std::isfinite(a1)) return;
    const int n = corde(a1 - a0);
    // Each point from the one before, turned by the step: one sine and cosine for the arc.
    const double passo = (a1 - a0) / n;
    const double cp = std::cos(passo), sp = std::sin(passo);
    double dx = r * std::cos(a0), dy = r * std::sin(a0);
    for (int i = 0; i < n; ++i) {
        out.push_back({c.x + dx, c.y + dy, c.z});
        const double nx = dx * cp - dy * sp;
        dy = dx * sp + dy * cp;
        dx = nx;
    }
    out.push_back({c.x + r * std::cos(a1), c.y + r * std::sin(a1), c.z});
}

void punti_bulge(std::vector<p3>& out, p3 p0, p3 p1, double b) {
    const double dx = p1.x - p0.x, dy = p1.y - p0.y;
    const double corda = std::hypot(dx, dy);
    if (b == 0 || !std::isfinite(b) || corda == 0) {
        out.push_back(p1);
        return;
    }
    const double angolo = 4 * std::atan(b);  // signed sweep
    const double r = corda / (2 * std::sin(std::fabs(angolo) / 2));
    // Centre: from the chord's midpoint along its normal.
    const double h = r * std::cos(angolo / 2);
    const double mx = (p0.x + p1.x) / 2, my = (p0.y + p1.y) / 2;
    const double s = b > 0 ? 1 : -1;
    const double cx = mx - s * h * dy / corda, cy = my + s * h * dx / corda;
    const double a0 = std::atan2(p0.y - cy, p0.x - cx);
    const int n = corde(angolo);
    for (int i = 1; i < n; ++i) {
        const double a = a0 + angolo * i / n;
        const double t = static_cast<double>(i) / n;
        out.push_back({cx + r * std::cos(a), cy + r * std::sin(a), p0.z + (p1.z - p0.z) * t});
    }
    out.push_back(p1);
}

void punti_ellisse(std::vector<p3>& out, p3 c, p3 a, p3 normale, double rapporto, double t0,
                   double t1) {
    if (!std::isfinite(t0) || !std::isfinite(t1)) return;
    const p3 b = rapporto * vettoriale(unitario(normale), a);
    const int n = corde(t1 - t0);
    for (int i = 0; i <= n; ++i) {
        const double t = t0 + (t1 - t0) * i / n;
        out.push_back(c + std::cos(t) * a + std::sin(t) * b);
    }
}

namespace {

struct spline {
    int p;
    const std::vector<p3>& cp;
    const std::vector<double>& u;
    const std::vector<double>& w;

    // de Boor in homogeneous coordinates.
    p3 punto(double t, std::size_t k) const {
        double d[16][4];
        for (int j = 0; j <= p; ++j) {
            const std::size_t i = k - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
            const double wi = w.empty() ? 1 : w[i];
            d[j][0] = cp[i].x * wi;
            d[j][1] = cp[i].y * wi;
            d[j][2] = cp[i].z * wi;
            d[j][3] = wi;
        }
        for (int r = 1; r <= p; ++r) {
            for (int j = p; j >= r; --j) {
                const std::size_t i = k - static_cast<std::size_t>(p) + static_cast<std::size_t>(j);
                const double den = u[i + static_cast<std::size_t>(p - r) + 1] - u[i];
                const double a = den != 0 ? (t - u[i]) / den : 0;
                for (int q = 0; q < 4; ++q) d[j][q] = (1 - a) * d[j - 1][q] + a * d[j][q];
            }
        }
        const double h = d[p][3] != 0 ? d[p][3] : 1;
        return {d[p][0] / h, d[p][1] / h, d[p][2] / h};
    }

    void suddividi(std::vector<p3>& out, double t0, p3 a, double t1, p3 b, std::size_t k,
                   double tol, int livello) const {
        const double tm = (t0 + t1) / 2;
        const p3 m = punto(tm, k);
        const p3 c = 0.5 * (a + b);
        if (livello < 10 && lunghezza(m - c) > tol) {
            suddividi(out, t0, a, tm, m, k, tol, livello + 1);
            suddividi(out, tm, m, t1, b, k, tol, livello + 1);
        } else {
            out.push_back(b);
        }
    }
};

}  // namespace

bool punti_spline(std::vector<p3>& out, int grado, const std::vector<p3>& controllo,
                  const std::vector<double>& nodi, const std::vector<double>& pesi) {
    const std::size_t n = controllo.size();
    if (grado < 1 || grado > 15 || n < static_cast<std::size_t>(grado) + 1 ||
        nodi.size() != n + static_cast<std::size_t>(grado) + 1 ||
        (!pesi.empty() && pesi.size() != n))
        return false;
    for (std::size_t i = 1; i < nodi.size(); ++i)
        if (!(nodi[i] >= nodi[i - 1])) return false;
    p3 lo = controllo[0], hi = controllo[0];
    for (const p3& q : controllo) {
        lo = {std::min(lo.x, q.x), std::min(lo.y, q.y), std::min(lo.z, q.z)};
        hi = {std::max(hi.x, q.x), std::max(hi.y, q.y), std::max(hi.z, q.z)};
    }
    const double tol = scarto_spline * lunghezza(hi - lo);
    const spline s{grado, controllo, nodi, pesi};
    const std::size_t p = static_cast<std::size_t>(grado);
    bool primo = true;
    for (std::size_t k = p; k < n; ++k) {
        const double t0 = nodi[k], t1 = nodi[k + 1];
        if (!(t1 > t0)) continue;
        p3 a = s.punto(t0, k);
        if (primo) out.push_back(a);
        primo = false;
        for (int i = 1; i <= 4; ++i) {
            const double tb = t0 + (t1 - t0) * i / 4;
            const double ta = t0 + (t1 - t0) * (i - 1) / 4;
            const p3 b = s.punto(tb, k);
            s.suddividi(out, ta, a, tb, b, k, tol, 0);
            a = b;
        }
    }
    return !primo;
}

namespace {

// The cubic basis functions at t (the NURBS book, A2.2), in row of n values.
void basi(std::vector<double>& riga, const std::vector<double>& u, std::size_t n, double t) {
    constexpr int p = 3;
    std::size_t k = p;
    while (k + 1 < n && t >= u[k + 1]) ++k;
    double b[p + 1], sx[p + 1], dx[p + 1];
    b[0] = 1;
    for (int j = 1; j <= p; ++j) {
        sx[j] = t - u[k + 1 - static_cast<std::size_t>(j)];
        dx[j] = u[k + static_cast<std::size_t>(j)] - t;
        double resto = 0;
        for (int r = 0; r < j; ++r) {
            const double den = dx[r + 1] + sx[j - r];
            const double q = den != 0 ? b[r] / den : 0;
            b[r] = resto + dx[r + 1] * q;
            resto = sx[j - r] * q;
        }
        b[j] = resto;
    }
    riga.assign(n, 0);
    for (int j = 0; j <= p; ++j) riga[k - p + static_cast<std::size_t>(j)] = b[j];
}

// a x = b by Gaussian elimination with partial pivoting; false when singular.
bool risolvi(std::vector<std::vector<double>>& a, std::vector<p3>& b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t m = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[m][c])) m = r;
        if (a[m][c] == 0) return false;
        std::swap(a[m], a[c]);
        std::swap(b[m], b[c]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            if (f == 0) continue;
            for (std::size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
            b[r] = b[r] - f * b[c];
        }
    }
    for (std::size_t c = n; c-- > 0;) {
        p3 s = b[c];
        for (std::size_t k = c + 1; k < n; ++k) s = s - a[c][k] * b[k];
        b[c] = (1 / a[c][c]) * s;
    }
    return true;
}

// The direction of the curve at the first (or last) of the points, from five
// of them (Akima's estimate).
p3 tangente_5_punti(const std::vector<p3>& p, bool fine) {
    const std::size_t n = p.size();
    std::vector<p3> q(n + 2);
    for (std::size_t k = 0; k + 1 < n; ++k) q[k + 1] = p[k + 1] - p[k];
    q[0] = 2 * q[1] - q[2];
    q[n] = 2 * q[n - 1] - q[n - 2];
    q[n + 1] = 2 * q[n] - q[n - 1];
    const std::size_t k = fine ? n - 1 : 0;
    // Before the first difference, its extension backwards.
    const p3 prima = k == 0 ? 2 * q[0] - q[1] : q[k - 1];
    const double v1 = lunghezza(vettoriale(prima, q[k]));
    const double v2 = lunghezza(vettoriale(q[k + 1], q[k + 2]));
    const double alfa = v1 + v2 > 0 ? v1 / (v1 + v2) : 0.5;
    return (1 - alfa) * q[k] + alfa * q[k + 1];
}

}  // namespace

bool punti_da_adattamento(std::vector<p3>& out, const std::vector<p3>& punti, const p3* tangenti) {
    const std::size_t n = punti.size();
    if (n < 2 || n > 400 || (n < 3 && !tangenti)) return false;
    std::vector<double> t(n, 0);
    for (std::size_t k = 1; k < n; ++k) t[k] = t[k - 1] + lunghezza(punti[k] - punti[k - 1]);
    const double totale = t[n - 1];
    if (!(totale > 0) || !std::isfinite(totale)) return false;
    for (double& v : t) v /= totale;
    p3 d0 = tangenti ? tangenti[0] : tangente_5_punti(punti, false);
    p3 d1 = tangenti ? tangenti[1] : tangente_5_punti(punti, true);
    if (!(lunghezza(d0) > 0) || !(lunghezza(d1) > 0)) return false;
    d0 = (totale / lunghezza(d0)) * d0;
    d1 = (totale / lunghezza(d1)) * d1;
    // Cubic, n + 2 control points, natural knots.
    std::vector<double> u(4, 0);
    for (std::size_t k = 1; k + 1 < n; ++k) u.push_back(t[k]);
    u.insert(u.end(), 4, 1.0);
    const std::size_t m = n + 2;
    std::vector<std::vector<double>> a;
    std::vector<p3> b;
    std::vector<double> riga;
    for (std::size_t k = 0; k < n; ++k) {
        basi(riga, u, m, t[k]);
        a.push_back(riga);
        b.push_back(punti[k]);
    }
    std::vector<double> inizio(m, 0), termine(m, 0);
    inizio[0] = -1;
    inizio[1] = 1;
    termine[m - 2] = -1;
    termine[m - 1] = 1;
    a.insert(a.begin() + 1, inizio);
    b.insert(b.begin() + 1, (u[4] / 3) * d0);
    a.insert(a.end() - 1, termine);
    b.insert(b.end() - 1, ((1 - u[u.size() - 5]) / 3) * d1);
    if (!risolvi(a, b)) return false;
    return punti_spline(out, 3, b, u, {});
}

}  // namespace pianopre
