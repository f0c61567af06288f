// Polylines (2-D, 3-D, polyface and polygon meshes) and multilines.
#include "exchange/forme_dxf.h"

#include <cmath>
#include <span>
#include <vector>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/dxf_conversione.h"

namespace pianopre {
namespace {

// The vertices of one POLYLINE, reused from one polyline to the next.
struct vertici_polilinea {
    std::vector<attributi> attr;
    std::vector<p3> punti;
    std::vector<int> flag;
    std::vector<double> bulge;
    std::vector<p3> tutti;
};

void maglia_facce(std::span<const record_dxf> vertici, const vertici_polilinea& v,
                  destinazione& out) {
    std::vector<p3> posti, faccia;
    for (std::size_t i = 0; i < vertici.size(); ++i)
        if ((v.flag[i] & 64) != 0) posti.push_back(v.punti[i]);
    for (std::size_t i = 0; i < vertici.size(); ++i) {
        if ((v.flag[i] & 128) == 0 || (v.flag[i] & 64) != 0) continue;
        faccia.clear();
        for (int k = 71; k <= 74; ++k) {
            const int j = std::abs(static_cast<int>(vertici[i].intero(k, 0)));
            if (j >= 1 && static_cast<std::size_t>(j) <= posti.size())
                faccia.push_back(posti[static_cast<std::size_t>(j) - 1]);
        }
        if (faccia.empty()) continue;
        faccia.push_back(faccia[0]);
        out.serie(v.attr[i], faccia);
    }
}

void maglia_poligoni(const record_dxf& testa, int flag, const attributi& a,
                     const vertici_polilinea& v, destinazione& out) {
    const std::size_t mm = static_cast<std::size_t>(std::max<int>(0, testa.intero(71, 0)));
    const std::size_t nn = static_cast<std::size_t>(std::max<int>(0, testa.intero(72, 0)));
    if (mm == 0 || nn == 0 || mm * nn > v.punti.size()) return;
    std::vector<p3> linea;
    for (std::size_t i = 0; i < mm; ++i) {
        linea.assign(v.punti.begin() + static_cast<std::ptrdiff_t>(i * nn),
                     v.punti.begin() + static_cast<std::ptrdiff_t>((i + 1) * nn));
        if (flag & 32) linea.push_back(linea[0]);
        out.serie(a, linea);
    }
    for (std::size_t j = 0; j < nn; ++j) {
        linea.clear();
        for (std::size_t i = 0; i < mm; ++i) linea.push_back(v.punti[i * nn + j]);
        if (flag & 1) linea.push_back(linea[0]);
        out.serie(a, linea);
    }
}

}  // namespace

void multilinea(const record_dxf& r, const attributi& a, destinazione& out) {
    // Each vertex: its place, its miter direction, and for each line the
    // distance along the miter as the first of its parameters.
    struct vertice {
        p3 pos, miter;
        std::vector<double> scarti;
    };
    std::vector<vertice> vertici;
    bool primo_parametro = false;
    for (const voce_record& v : r.voci) {
        if (v.codice == 11) vertici.emplace_back();
        if (vertici.empty()) continue;
        vertice& w = vertici.back();
        switch (v.codice) {
            case 11:
                w.pos.x = r.numero(v);
                break;
            case 21:
                w.pos.y = r.numero(v);
                break;
            case 31:
                w.pos.z = r.numero(v);
                break;
            case 13:
                w.miter.x = r.numero(v);
                break;
            case 23:
                w.miter.y = r.numero(v);
                break;
            case 33:
                w.miter.z = r.numero(v);
                break;
            case 74:
                w.scarti.push_back(0);
                primo_parametro = r.numero(v) > 0;
                break;
            case 41:
                if (primo_parametro && !w.scarti.empty()) w.scarti.back() = r.numero(v);
                primo_parametro = false;
                break;
            default:
                break;
        }
    }
    if (vertici.empty()) return;
    const std::size_t linee = vertici[0].scarti.size();
    for (const vertice& w : vertici)
        if (w.scarti.size() != linee) return;
    const bool chiusa = (r.intero(71, 0) & 2) != 0;
    std::vector<p3> punti;
    for (std::size_t e = 0; e < linee; ++e) {
        punti.clear();
        for (const vertice& w : vertici) punti.push_back(w.pos + w.scarti[e] * w.miter);
        if (chiusa) punti.push_back(punti[0]);
        out.serie(a, punti);
    }
}

// POLYLINE: the header's layer and colour go to vertices without their own.
void converti_polilinea(const record_dxf& testa, std::span<const record_dxf> vertici,
                        disegno_dxf& d, destinazione& out) {
    thread_local vertici_polilinea v;
    const attributi a = attributi_di(testa, d);
    const int flag = testa.intero(70, 0);
    v.attr.clear();
    v.punti.clear();
    v.flag.clear();
    v.bulge.clear();
    const bool piana = (flag & (8 | 16 | 64)) == 0;
    for (const record_dxf& r : vertici) {
        // Every vertex, so one pass over its groups.
        attributi av = a;
        p3 p;
        int fv = 0;
        double b = 0;
        for (const voce_record& g : r.voci) {
            switch (g.codice) {
                case 8:
                    av.layer = d.layer(campo_testo(r.testo(g)));
                    break;
                case 10:
                    p.x = r.numero(g);
                    break;
                case 20:
                    p.y = r.numero(g);
                    break;
                case 30:
                    p.z = r.numero(g);
                    break;
                case 42:
                    b = r.numero(g);
                    break;
                case 62:
                    av.colore = intero16(r.numero(g));
                    break;
                case 70:
                    fv = intero16(r.numero(g));
                    break;
                default:
                    break;
            }
        }
        // Spline frame points are not drawn.
        if ((flag & (16 | 64)) == 0 && (fv & 16)) continue;
        v.attr.push_back(av);
        v.punti.push_back(p);
        v.flag.push_back(fv);
        v.bulge.push_back(piana ? b : 0);
    }
    if (flag & 64) return maglia_facce(vertici, v, out);
    if (flag & 16) return maglia_poligoni(testa, flag, a, v, out);
    if (v.punti.empty()) return;
    std::vector<p3>& veri = v.punti;
    const bool chiusa = (flag & 1) != 0 && veri.size() > 1;
    if (flag & 8) {  // 3-D
        if (chiusa && lunghezza(veri.back() - veri[0]) != 0) {
            veri.push_back(veri[0]);
            v.attr.push_back(v.attr[0]);
        }
        out.serie(a, veri, v.attr);
        return;
    }
    const double z = testa.punto(10).z;
    for (p3& p : veri) p.z = z;
    bool curva = chiusa && lunghezza(veri.back() - veri[0]) != 0;
    for (double b : v.bulge) curva = curva || b != 0;
    const matrice m = da_ocs(testa.punto(210, {0, 0, 1}));
    if (!curva) {
        if (!m.identita())
            for (p3& p : veri) p = m.applica(p);
        out.serie(a, veri, v.attr);
        return;
    }
    v.tutti.clear();
    polilinea_piana(v.tutti, veri, v.bulge, chiusa);
    if (!m.identita())
        for (p3& p : v.tutti) p = m.applica(p);
    out.serie(a, v.tutti);
}

}  // namespace pianopre
