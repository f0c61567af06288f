// The kinds of entity read alone: lines, points, texts, circles and arcs,
// ellipses, splines, light-weight polylines, faces, leaders and references.
#include "exchange/dxf_conversione.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "exchange/campi_dxf.h"
#include "exchange/forme_dxf.h"
#include "exchange/mtext_dxf.h"

namespace pianopre {

namespace {

constexpr double gradi = std::numbers::pi / 180;

matrice ocs_di(const record_dxf& r) {
    return da_ocs(r.punto(210, {0, 0, 1}));
}

void in_mondo(std::vector<p3>& punti, const matrice& m) {
    if (m.identita()) return;
    for (p3& p : punti) p = m.applica(p);
}

void linea(const record_dxf& r, const attributi& a, destinazione& out) {
    const std::array<p3, 2> punti{r.punto(10), r.punto(11)};
    out.serie(a, punti);
}

// TEXT and ATTRIB: at the alignment point when justified (but ALIGNED and FIT
// run from the first point).
void testo(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out) {
    if (r.tipo == genere::attrib && (r.intero(70, 0) & 1)) return;
    const int h = r.intero(72, 0);
    const int v = r.intero(r.tipo == genere::attrib ? 74 : 73, 0);
    p3 pos = r.punto(10);
    if ((h != 0 || v != 0) && !(v == 0 && (h == 3 || h == 5)) && r.ha(11)) pos = r.punto(11);
    testo_piazzato t;
    t.altezza = r.numero(40, 0);
    t.rotazione = r.numero(50, 0);
    const std::string s = testo_dxf(r.testo(1), d.cod);
    t.testo = s;
    const matrice m = ocs_di(r);
    t.pos = m.applica(pos);
    // The axes always: a block's texts take their height and turn from them.
    const double c = std::cos(t.rotazione * gradi), sn = std::sin(t.rotazione * gradi);
    t.asse_x = m.direzione({c, sn, 0});
    t.asse_y = m.direzione({-sn * t.altezza, c * t.altezza, 0});
    t.diretto = m.identita();
    out.testo(a, t);
}

void cerchio(const record_dxf& r, const attributi& a, destinazione& out) {
    const double raggio = r.numero(40, 0);
    if (!(raggio > 0)) return;
    double a0 = 0, a1 = 2 * std::numbers::pi;
    if (r.tipo == genere::arc) {
        a0 = r.numero(50, 0) * gradi;
        a1 = r.numero(51, 360) * gradi;
        a0 = std::fmod(a0, 2 * std::numbers::pi);
        a1 = std::fmod(a1, 2 * std::numbers::pi);
        if (a1 <= a0) a1 += 2 * std::numbers::pi;
    }
    std::vector<p3> punti;
    punti_arco(punti, r.punto(10), raggio, a0, a1);
    in_mondo(punti, ocs_di(r));
    out.serie(a, punti);
}

void ellisse(const record_dxf& r, const attributi& a, destinazione& out) {
    double t0 = r.numero(41, 0), t1 = r.numero(42, 2 * std::numbers::pi);
    if (!std::isfinite(t0) || !std::isfinite(t1) || lunghezza(r.punto(11)) == 0) return;
    t1 = t0 + ampiezza_arco(t0, t1, 2 * std::numbers::pi);
    std::vector<p3> punti;
    punti_ellisse(punti, r.punto(10), r.punto(11), r.punto(210, {0, 0, 1}), r.numero(40, 1), t0,
                  t1);
    out.serie(a, punti);
}

void lwpolyline(const record_dxf& r, const attributi& a, destinazione& out) {
    std::vector<p3> vertici;
    std::vector<double> bulge;
    const double z = r.numero(38, 0);
    for (const voce_record& v : r.voci) {
        if (v.codice == 10) {
            vertici.push_back({r.numero(v), 0, z});
            bulge.push_back(0);
        } else if (v.codice == 20 && !vertici.empty()) {
            vertici.back().y = r.numero(v);
        } else if (v.codice == 42 && !vertici.empty()) {
            bulge.back() = r.numero(v);
        }
    }
    std::vector<p3> punti;
    polilinea_piana(punti, vertici, bulge, (r.intero(70, 0) & 1) != 0);
    in_mondo(punti, ocs_di(r));
    out.serie(a, punti);
}

void spline(const record_dxf& r, const attributi& a, destinazione& out) {
    std::vector<p3> controllo, adatta;
    std::vector<double> nodi, pesi;
    for (const voce_record& v : r.voci) {
        switch (v.codice) {
            case 10:
                controllo.push_back({r.numero(v), 0, 0});
                break;
            case 20:
                if (!controllo.empty()) controllo.back().y = r.numero(v);
                break;
            case 30:
                if (!controllo.empty()) controllo.back().z = r.numero(v);
                break;
            case 11:
                adatta.push_back({r.numero(v), 0, 0});
                break;
            case 21:
                if (!adatta.empty()) adatta.back().y = r.numero(v);
                break;
            case 31:
                if (!adatta.empty()) adatta.back().z = r.numero(v);
                break;
            case 40:
                nodi.push_back(r.numero(v));
                break;
            case 41:
                pesi.push_back(r.numero(v));
                break;
            default:
                break;
        }
    }
    std::vector<p3> punti;
    if (!controllo.empty() && punti_spline(punti, r.intero(71, 3), controllo, nodi, pesi)) {
        out.serie(a, punti);
    } else if (adatta.size() >= 2) {
        const p3 tangenti[2] = {r.punto(12), r.punto(13)};
        if (!punti_da_adattamento(punti, adatta, r.ha(12) && r.ha(13) ? tangenti : nullptr))
            interpola(punti, adatta);
        out.serie(a, punti);
    } else if (!controllo.empty()) {
        out.serie(a, controllo);
    }
}

// 3DFACE in world coordinates; SOLID and TRACE in the entity's own, their
// third and fourth corners crossed.
void faccia(const record_dxf& r, const attributi& a, destinazione& out) {
    const p3 c0 = r.punto(10), c1 = r.punto(11), c2 = r.punto(12), c3 = r.punto(13, c2);
    std::vector<p3> punti;
    if (r.tipo == genere::faccia_3d) {
        punti = {c0, c1, c2};
        if (lunghezza(c3 - c2) != 0) punti.push_back(c3);
    } else {
        punti = {c0, c1};
        if (lunghezza(c3 - c2) != 0) punti.push_back(c3);
        punti.push_back(c2);
    }
    punti.push_back(c0);
    if (r.tipo != genere::faccia_3d) in_mondo(punti, ocs_di(r));
    out.serie(a, punti);
}

void leader(const record_dxf& r, const attributi& a, destinazione& out) {
    std::vector<p3> punti;
    for (const voce_record& v : r.voci) {
        if (v.codice == 10) punti.push_back({r.numero(v), 0, 0});
        if (v.codice == 20 && !punti.empty()) punti.back().y = r.numero(v);
        if (v.codice == 30 && !punti.empty()) punti.back().z = r.numero(v);
    }
    if (!punti.empty()) out.serie(a, punti);
}

// An INSERT's array: columns and rows, and their steps. A step of 0 makes a
// single column or row, whatever the count says.
struct griglia_insert {
    int colonne, righe;
    double dx, dy;
};

griglia_insert griglia_di(const record_dxf& r) {
    const int colonne = std::max<int>(1, r.intero(70, 1));
    const int righe = std::max<int>(1, r.intero(71, 1));
    const double dx = r.numero(44, 0), dy = r.numero(45, 0);
    return {dx != 0 ? colonne : 1, dy != 0 ? righe : 1, dx, dy};
}

// INSERT, and its arrays: one reference for each distinct copy.
void inserimento(const record_dxf& r, const attributi& a, destinazione& out) {
    const std::string_view nome = r.testo(2);
    const p3 s{r.numero(41, 1), r.numero(42, 1), r.numero(43, 1)};
    const double rot = r.numero(50, 0) * gradi;
    const griglia_insert g = griglia_di(r);
    const matrice ocs = ocs_di(r);
    const matrice fissa = rotazione_z(rot) * scala(s);
    const p3 p = r.punto(10);
    for (int i = 0; i < g.righe; ++i) {
        for (int j = 0; j < g.colonne; ++j) {
            const p3 scarto = rotazione_z(rot).applica({j * g.dx, i * g.dy, 0});
            out.riferimento(a, nome, ocs * traslazione(p + scarto) * fissa);
        }
    }
}

// DIMENSION and ACAD_TABLE draw an anonymous block moved, not scaled or
// turned: by the dimension's point 12 (in its own coordinate system) or the
// table's point 10.
void blocco_anonimo(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out) {
    if (!r.ha(2)) return;
    const std::string_view nome = r.testo(2);
    const p3 punto = r.tipo == genere::acad_table ? r.punto(10) : ocs_di(r).applica(r.punto(12));
    const blocco_dxf* b = d.blocco(nome);
    out.riferimento(a, nome, traslazione(punto + (b ? b->base : p3{})));
}

// MESH: its faces, each a list of vertex numbers after their count.
void maglia(const record_dxf& r, const attributi& a, destinazione& out) {
    std::vector<p3> vertici;
    std::vector<double> facce;
    int parte = 0;  // 1 vertices, 2 faces
    for (const voce_record& v : r.voci) {
        if (v.codice == 92)
            parte = 1;
        else if (v.codice == 93)
            parte = 2;
        else if (v.codice == 94 || v.codice == 95)
            parte = 0;
        else if (parte == 1 && v.codice == 10)
            vertici.push_back({r.numero(v), 0, 0});
        else if (parte == 1 && v.codice == 20 && !vertici.empty())
            vertici.back().y = r.numero(v);
        else if (parte == 1 && v.codice == 30 && !vertici.empty())
            vertici.back().z = r.numero(v);
        else if (parte == 2 && v.codice == 90)
            facce.push_back(r.numero(v));
    }
    std::vector<p3> faccia;
    for (std::size_t i = 0; i < facce.size();) {
        const double k = facce[i++];
        faccia.clear();
        for (double j = 0; j < k && i < facce.size(); ++j, ++i) {
            const double n = facce[i];
            if (n >= 0 && n < static_cast<double>(vertici.size()))
                faccia.push_back(vertici[static_cast<std::size_t>(n)]);
        }
        if (faccia.empty()) continue;
        faccia.push_back(faccia[0]);
        out.serie(a, faccia);
    }
}

}  // namespace

std::int64_t numero_copie(const record_dxf& r) {
    const griglia_insert g = griglia_di(r);
    return std::int64_t{g.colonne} * g.righe;
}

std::vector<p3> copie_insert(const record_dxf& r) {
    const double rot = r.numero(50, 0) * gradi;
    const griglia_insert g = griglia_di(r);
    const matrice m = ocs_di(r) * rotazione_z(rot);
    std::vector<p3> copie;
    for (int i = 0; i < g.righe; ++i)
        for (int j = 0; j < g.colonne; ++j) copie.push_back(m.direzione({j * g.dx, i * g.dy, 0}));
    return copie;
}

attributi attributi_di(const record_dxf& r, disegno_dxf& d) {
    attributi a;
    a.layer = d.layer(campo_testo(r.testo(8)));
    a.colore = r.intero(62, 256);
    return a;
}

bool converti(const record_dxf& r, disegno_dxf& d, destinazione& out) {
    // Nothing of a kind not kept is read: its values may be anything.
    if (r.tipo == genere::altro || r.tipo == genere::vertex || r.tipo == genere::seqend ||
        r.tipo == genere::polyline || r.tipo == genere::block || r.tipo == genere::endblk)
        return false;
    const attributi a = attributi_di(r, d);
    switch (r.tipo) {
        case genere::line:
            linea(r, a, out);
            break;
        case genere::point:
        case genere::shape: {
            const p3 p = r.tipo == genere::shape ? ocs_di(r).applica(r.punto(10)) : r.punto(10);
            out.serie(a, std::span<const p3>(&p, 1));
            break;
        }
        case genere::text:
        case genere::attrib:
            testo(r, a, d, out);
            break;
        case genere::lwpolyline:
            lwpolyline(r, a, out);
            break;
        case genere::circle:
        case genere::arc:
            cerchio(r, a, out);
            break;
        case genere::insert:
            inserimento(r, a, out);
            break;
        case genere::dimension:
        case genere::acad_table:
            blocco_anonimo(r, a, d, out);
            break;
        case genere::mtext:
            mtext(r, a, d, out);
            break;
        case genere::ellipse:
            ellisse(r, a, out);
            break;
        case genere::spline:
            spline(r, a, out);
            break;
        case genere::faccia_3d:
        case genere::solid:
        case genere::trace:
            faccia(r, a, out);
            break;
        case genere::mesh:
            maglia(r, a, out);
            break;
        case genere::leader:
            leader(r, a, out);
            break;
        case genere::hatch:
            tratteggio(r, a, out);
            break;
        case genere::multileader:
            multileader(r, a, d, out);
            break;
        case genere::mline:
            multilinea(r, a, out);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace pianopre
