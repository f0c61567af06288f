// MTEXT: its lines placed by its direction and attachment point.
#include "exchange/mtext_dxf.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace pianopre {

namespace {

constexpr double gradi = std::numbers::pi / 180;

double scalare(p3 a, p3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

p3 vettoriale(p3 a, p3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

void orienta(cornice_testo& c, p3 x, p3 n) {
    const double ln = lunghezza(n);
    n = ln > 0 && std::isfinite(ln) ? (1 / ln) * n : p3{0, 0, 1};
    const p3 w = x - scalare(x, n) * n;
    const double l = lunghezza(w);
    c.x =
        l > 1e-12 * lunghezza(x) && std::isfinite(l) ? (1 / l) * w : da_ocs(n).direzione({1, 0, 0});
    c.y = vettoriale(n, c.x);
}

void righe_in_cornice(const cornice_testo& c, std::string_view grezzo, codifica cod,
                      const attributi& a, destinazione& out) {
    const auto righe = righe_mtext(grezzo, cod);
    const int attacco = c.attacco >= 1 && c.attacco <= 9 ? c.attacco - 1 : 0;
    // The first line above the insertion point.
    const double su = (attacco / 3) * 0.5 * static_cast<double>(righe.size() - 1) * c.passo;
    testo_piazzato t;
    t.asse_x = c.x;
    t.asse_y = c.altezza * c.y;
    t.altezza = c.altezza;
    t.rotazione = c.rotazione;
    t.diretto = c.diretto;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        t.pos = c.origine + (su - static_cast<double>(i) * c.passo) * c.y;
        t.testo = righe[i];
        out.testo(a, t);
    }
}

// The lines run along 11 (in world coordinates), else along the rotation 50 in
// the plane of the extrusion, else along the world's x axis, as the x axis
// 11 stands for when it is missing: under extrusion (0, 0, -1) the text reads
// left to right in world coordinates, its lines stacked toward world +y.
void mtext(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out) {
    std::string grezzo;
    for (const voce_record& v : r.voci)
        if (v.codice == 3) grezzo += r.testo(v);
    grezzo += r.testo(1);
    const matrice m = da_ocs(r.punto(210, {0, 0, 1}));
    p3 x{1, 0, 0};
    if (r.ha(11) && lunghezza(r.punto(11)) > 0) {
        x = r.punto(11);
    } else if (r.ha(50)) {
        const double rot = r.numero(50, 0) * gradi;
        x = m.direzione({std::cos(rot), std::sin(rot), 0});
    }
    cornice_testo c;
    c.origine = r.punto(10);
    orienta(c, x, m.direzione({0, 0, 1}));
    c.altezza = r.numero(40, 0);
    c.passo = c.altezza * 5.0 / 3.0 * r.numero(44, 1);
    c.attacco = r.intero(71, 1);
    c.diretto = m.identita() && !r.ha(11);
    c.rotazione = r.numero(50, 0);
    righe_in_cornice(c, grezzo, d.cod, a, out);
}

}  // namespace pianopre
