// MTEXT: its lines placed by its direction, attachment point and columns.
#include "exchange/mtext_dxf.h"

#include <algorithm>
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

// The pieces of an MTEXT value between its column breaks ("\N"; "\\N" is a
// backslash and an N).
std::vector<std::string_view> colonne(std::string_view s) {
    std::vector<std::string_view> pezzi;
    std::size_t inizio = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '\\') continue;
        if (s[i + 1] == 'N') {
            pezzi.push_back(s.substr(inizio, i - inizio));
            inizio = i + 2;
        }
        ++i;
    }
    pezzi.push_back(s.substr(inizio));
    return pezzi;
}

double valore(const voce_record& v) {
    return v.errore == 0 ? v.numero : 0;
}

// Width and gutter of the columns: in the embedded object (44 and 45, from
// release 2018) or in the ACAD_MTEXT_COLUMN_INFO of the extended data (from
// release 2007: pairs of a 1070 key and its value, 48 the width, 49 the
// gutter, 50 the count of the column heights that follow).
double passo_colonne(const record_dxf& r) {
    const std::vector<voce_record>& v = r.oltre;
    double larghezza = 0, spazio = 0;
    std::size_t i = 0;
    for (; i < v.size() && v[i].codice < 1000; ++i) {
        if (v[i].codice == 44) larghezza = valore(v[i]);
        if (v[i].codice == 45) spazio = valore(v[i]);
    }
    while (i < v.size() &&
           !(v[i].codice == 1000 && r.testo(v[i]) == "ACAD_MTEXT_COLUMN_INFO_BEGIN"))
        ++i;
    for (++i; i + 1 < v.size() && v[i].codice == 1070; i += 2) {
        const double chiave = valore(v[i]), dato = valore(v[i + 1]);
        if (chiave == 48) larghezza = dato;
        if (chiave == 49) spazio = dato;
        if (chiave == 50 && dato > 0) i += static_cast<std::size_t>(std::min(dato, 1e6));
    }
    const double passo = larghezza + spazio;
    return std::isfinite(passo) && passo > 0 ? passo : 0;
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
    std::vector<std::vector<std::string>> righe;
    std::size_t piu_righe = 0;
    for (std::string_view pezzo : colonne(grezzo)) {
        righe.push_back(righe_mtext(pezzo, cod));
        piu_righe = std::max(piu_righe, righe.back().size());
    }
    const int attacco = c.attacco >= 1 && c.attacco <= 9 ? c.attacco - 1 : 0;
    // The first line above the insertion point, the first column left of it.
    const double su = (attacco / 3) * 0.5 * static_cast<double>(piu_righe - 1) * c.passo;
    const double sinistra = (attacco % 3) * 0.5 * static_cast<double>(righe.size() - 1) * c.colonna;
    testo_piazzato t;
    t.asse_x = c.x;
    t.asse_y = c.altezza * c.y;
    t.altezza = c.altezza;
    t.rotazione = c.rotazione;
    t.diretto = c.diretto;
    for (std::size_t k = 0; k < righe.size(); ++k) {
        const p3 inizio = c.origine + (static_cast<double>(k) * c.colonna - sinistra) * c.x;
        for (std::size_t i = 0; i < righe[k].size(); ++i) {
            t.pos = inizio + (su - static_cast<double>(i) * c.passo) * c.y;
            t.testo = righe[k][i];
            out.testo(a, t);
        }
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
    c.colonna = passo_colonne(r);
    c.attacco = r.intero(71, 1);
    c.diretto = m.identita() && !r.ha(11);
    c.rotazione = r.numero(50, 0);
    righe_in_cornice(c, grezzo, d.cod, a, out);
}

}  // namespace pianopre
