// Hatch boundaries, multileaders and fit-point curves.
#include "exchange/forme_dxf.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/dxf_conversione.h"
#include "exchange/mtext_dxf.h"

namespace pianopre {

namespace {

constexpr double gradi = std::numbers::pi / 180;

// Reads the groups of a record in order.
class cursore {
public:
    explicit cursore(const record_dxf& r, std::size_t da = 0) : r_(r), i_(da) {}
    bool fine() const { return i_ >= r_.voci.size(); }
    int codice() const { return fine() ? -1 : r_.voci[i_].codice; }
    // The value of the next group when it has the code; difetto otherwise.
    double prendi(int c, double difetto = 0) {
        if (codice() != c) return difetto;
        return r_.numero(r_.voci[i_++]);
    }
    // An integer group (a kind, a flag, a degree): error 6 when its value
    // leaves the 32-bit range, as a 16-bit field beyond its range does.
    int prendi_intero(int c, int difetto = 0) {
        const double v = prendi(c, difetto);
        if (!(v >= std::numeric_limits<std::int32_t>::min() &&
              v <= std::numeric_limits<std::int32_t>::max()))
            throw errore(err_overflow);
        return static_cast<int>(v);
    }
    void salta() { ++i_; }
    std::size_t posto() const { return i_; }

private:
    const record_dxf& r_;
    std::size_t i_;
};

void arco_di_bordo(std::vector<p3>& out, cursore& c, double z) {
    const p3 centro{c.prendi(10), c.prendi(20), z};
    const double r = c.prendi(40);
    double a0 = c.prendi(50), a1 = c.prendi(51, 360);
    if (c.prendi(73, 1) == 0) {
        const double t = a0;
        a0 = 360 - a1;
        a1 = 360 - t;
    }
    a1 = a0 + ampiezza_arco(a0, a1, 360);
    if (r > 0) punti_arco(out, centro, r, a0 * gradi, a1 * gradi);
}

double parametro(double rapporto, double angolo) {
    return std::atan2(std::sin(angolo) / rapporto, std::cos(angolo));
}

void ellisse_di_bordo(std::vector<p3>& out, cursore& c, double z) {
    const p3 centro{c.prendi(10), c.prendi(20), z};
    const p3 asse{c.prendi(11), c.prendi(21), 0};
    const double rapporto = c.prendi(40, 1);
    double a0 = c.prendi(50), a1 = c.prendi(51, 360);
    if (c.prendi(73, 1) == 0) {
        const double t = a0;
        a0 = 360 - a1;
        a1 = 360 - t;
    }
    if (rapporto == 0 || lunghezza(asse) == 0) return;
    double t0 = parametro(rapporto, a0 * gradi), t1 = parametro(rapporto, a1 * gradi);
    if (std::fabs(a1 - a0) >= 360) t1 = t0 + 2 * std::numbers::pi;
    while (t1 <= t0) t1 += 2 * std::numbers::pi;
    punti_ellisse(out, centro, asse, {0, 0, 1}, rapporto, t0, t1);
}

void spline_di_bordo(std::vector<p3>& out, cursore& c, double z) {
    const int grado = c.prendi_intero(94, 3);
    c.prendi(73);
    c.prendi(74);
    const double n_nodi = c.prendi(95), n_controllo = c.prendi(96);
    std::vector<double> nodi, pesi;
    std::vector<p3> controllo, adatta;
    for (double i = 0; i < n_nodi && c.codice() == 40; ++i) nodi.push_back(c.prendi(40));
    for (double i = 0; i < n_controllo && c.codice() == 10; ++i) {
        controllo.push_back({c.prendi(10), c.prendi(20), z});
        if (c.codice() == 42) pesi.push_back(c.prendi(42));
    }
    const double n_adatta = c.prendi(97);
    for (double i = 0; i < n_adatta && c.codice() == 11; ++i)
        adatta.push_back({c.prendi(11), c.prendi(21), z});
    for (int k : {12, 22, 13, 23}) c.prendi(k);
    if (!punti_spline(out, grado, controllo, nodi, pesi)) {
        if (adatta.size() >= 2) {
            interpola(out, adatta);
        } else {
            out.insert(out.end(), controllo.begin(), controllo.end());
        }
    }
}

// One boundary path at the cursor.
void percorso(cursore& c, double z, const matrice& m, const attributi& a, destinazione& out) {
    const int tipo = c.prendi_intero(92);
    std::vector<p3> punti;
    if (tipo & 2) {
        c.prendi(72);
        const bool chiuso = c.prendi(73) != 0;
        const double n = c.prendi(93);
        std::vector<p3> vertici;
        std::vector<double> bulge;
        for (double i = 0; i < n && c.codice() == 10; ++i) {
            vertici.push_back({c.prendi(10), c.prendi(20), z});
            bulge.push_back(c.prendi(42));
        }
        polilinea_piana(punti, vertici, bulge, chiuso || vertici.size() > 2);
        for (p3& p : punti) p = m.applica(p);
        out.serie(a, punti);
    } else {
        const double n = c.prendi(93);
        for (double i = 0; i < n && c.codice() == 72; ++i) {
            punti.clear();
            switch (c.prendi_intero(72)) {
                case 1:
                    punti.push_back({c.prendi(10), c.prendi(20), z});
                    punti.push_back({c.prendi(11), c.prendi(21), z});
                    break;
                case 2:
                    arco_di_bordo(punti, c, z);
                    break;
                case 3:
                    ellisse_di_bordo(punti, c, z);
                    break;
                case 4:
                    spline_di_bordo(punti, c, z);
                    break;
                default:
                    return;
            }
            for (p3& p : punti) p = m.applica(p);
            if (!punti.empty()) out.serie(a, punti);
        }
    }
    c.prendi(97);  // the count of source objects, whose references (330) are not kept
}

// A coordinate of point c (c, c + 10, c + 20) from group v.
void coordinata(p3& p, int c, const record_dxf& r, const voce_record& v) {
    (v.codice == c ? p.x : v.codice == c + 10 ? p.y : p.z) = r.numero(v);
}

bool di_punto(int c, const voce_record& v) {
    return v.codice == c || v.codice == c + 10 || v.codice == c + 20;
}

// The text of a MULTILEADER, in its context data (up to "301 }") outside its
// leaders: 304 the text, 12 its place, 13 its direction, 11 its normal, 41
// its height (the first), 45 its line spacing factor.
void testo_multileader(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out) {
    bool dentro = false, ha_testo = false;
    std::string_view contenuto;
    p3 pos, x{1, 0, 0}, n{0, 0, 1};
    double altezza = 0, spaziatura = 1;
    for (const voce_record& v : r.voci) {
        if (v.codice == 301) break;
        if (v.codice == 302 || v.codice == 303) dentro = v.codice == 302;
        if (dentro) continue;
        if (v.codice == 304) contenuto = r.testo(v);
        if (di_punto(12, v)) {
            coordinata(pos, 12, r, v);
            ha_testo = true;
        }
        if (di_punto(13, v)) coordinata(x, 13, r, v);
        if (di_punto(11, v)) coordinata(n, 11, r, v);
        if (v.codice == 41 && altezza == 0) altezza = r.numero(v);
        if (v.codice == 45) spaziatura = r.numero(v);
    }
    if (!ha_testo || contenuto.empty()) return;
    cornice_testo c;
    c.origine = pos;
    orienta(c, x, n);
    c.altezza = altezza;
    c.passo = altezza * 5.0 / 3.0 * spaziatura;
    c.diretto = false;
    righe_in_cornice(c, contenuto, d.cod, a, out);
}

}  // namespace

void polilinea_piana(std::vector<p3>& out, const std::vector<p3>& vertici,
                     const std::vector<double>& bulge, bool chiusa) {
    if (vertici.empty()) return;
    out.push_back(vertici[0]);
    const std::size_t n = vertici.size();
    for (std::size_t i = 0; i + 1 < n; ++i) punti_bulge(out, vertici[i], vertici[i + 1], bulge[i]);
    if (chiusa && n > 1 && (lunghezza(vertici[n - 1] - vertici[0]) != 0 || bulge[n - 1] != 0))
        punti_bulge(out, vertici[n - 1], vertici[0], bulge[n - 1]);
}

void interpola(std::vector<p3>& out, const std::vector<p3>& p) {
    const std::size_t n = p.size();
    out.push_back(p[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const p3 p0 = i > 0 ? p[i - 1] : p[i] + (p[i] - p[i + 1]);
        const p3 p1 = p[i], p2 = p[i + 1];
        const p3 p3_ = i + 2 < n ? p[i + 2] : p2 + (p2 - p1);
        // Centripetal Catmull-Rom in the Barry-Goldman form.
        const double t01 = std::sqrt(lunghezza(p1 - p0)), t12 = std::sqrt(lunghezza(p2 - p1)),
                     t23 = std::sqrt(lunghezza(p3_ - p2));
        if (t12 == 0) continue;
        const double t0 = 0, t1 = t0 + (t01 > 0 ? t01 : t12), t2 = t1 + t12,
                     t3 = t2 + (t23 > 0 ? t23 : t12);
        for (int k = 1; k <= 16; ++k) {
            const double t = t1 + (t2 - t1) * k / 16;
            const p3 a1 = ((t1 - t) / (t1 - t0)) * p0 + ((t - t0) / (t1 - t0)) * p1;
            const p3 a2 = ((t2 - t) / (t2 - t1)) * p1 + ((t - t1) / (t2 - t1)) * p2;
            const p3 a3 = ((t3 - t) / (t3 - t2)) * p2 + ((t - t2) / (t3 - t2)) * p3_;
            const p3 b1 = ((t2 - t) / (t2 - t0)) * a1 + ((t - t0) / (t2 - t0)) * a2;
            const p3 b2 = ((t3 - t) / (t3 - t1)) * a2 + ((t - t1) / (t3 - t1)) * a3;
            out.push_back(((t2 - t) / (t2 - t1)) * b1 + ((t - t1) / (t2 - t1)) * b2);
        }
    }
}

void tratteggio(const record_dxf& r, const attributi& a, destinazione& out) {
    const matrice m = da_ocs(r.punto(210, {0, 0, 1}));
    const double z = r.numero(30, 0);
    std::size_t inizio = 0;
    while (inizio < r.voci.size() && r.voci[inizio].codice != 91) ++inizio;
    cursore c(r, inizio);
    const double n = c.prendi(91);
    for (double i = 0; i < n && c.codice() == 92; ++i) percorso(c, z, m, a, out);
}

void multileader(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out) {
    std::vector<p3> linea;
    p3 ultimo, piega;
    double lungo = 0;
    int stato = 0;  // 0 outside, 1 in a leader, 2 in a leader line
    for (std::size_t i = 0; i < r.voci.size(); ++i) {
        const voce_record& v = r.voci[i];
        if (v.codice == 302) {
            stato = 1;
            piega = {};
            lungo = 0;
        } else if (v.codice == 304 && r.testo(v) == "LEADER_LINE{") {
            stato = 2;
            linea.clear();
        } else if (v.codice == 305 && stato == 2) {
            linea.push_back(ultimo);
            out.serie(a, linea);
            stato = 1;
        } else if (v.codice == 303 && stato == 1) {
            if (lungo != 0) out.serie(a, std::array<p3, 2>{ultimo, ultimo + lungo * piega});
            stato = 0;
        } else if (stato == 2 && v.codice == 10) {
            linea.push_back({r.numero(v), 0, 0});
        } else if (stato == 2 && (v.codice == 20 || v.codice == 30) && !linea.empty()) {
            (v.codice == 20 ? linea.back().y : linea.back().z) = r.numero(v);
        } else if (stato == 1 && (v.codice == 10 || v.codice == 20 || v.codice == 30)) {
            (v.codice == 10 ? ultimo.x : v.codice == 20 ? ultimo.y : ultimo.z) = r.numero(v);
        } else if (stato == 1 && (v.codice == 11 || v.codice == 21 || v.codice == 31)) {
            (v.codice == 11 ? piega.x : v.codice == 21 ? piega.y : piega.z) = r.numero(v);
        } else if (stato == 1 && v.codice == 40) {
            lungo = r.numero(v);
        }
    }
    testo_multileader(r, a, d, out);
}

}  // namespace pianopre
