// The job's stations, façade corners and control points in WGS 84.
#include "job/posizioni_wgs84.h"

#include "base/testo_utf8.h"
#include "job/stazioni_commessa.h"

namespace pianopre {

std::vector<punto_wgs84> angoli_facciata(const commessa& c) {
    if (c.fase != fase_calcolo::schema) return {};
    const double x = angolo_schema.x + c.origine.x, y = angolo_schema.y + c.origine.y,
                 z = angolo_schema.z + c.origine.z;
    const double w = c.lavoro.larg_sogg, h = c.lavoro.alt_sogg;
    const trasformazione_sito sito(c.sito);
    return {{"A", sito.applica({x, y, z}), {}},
            {"B", sito.applica({x + w, y, z}), {}},
            {"C", sito.applica({x + w, y, z + h}), {}},
            {"D", sito.applica({x, y, z + h}), {}}};
}

posizioni_commessa posizioni_wgs84(const commessa& c) {
    trasformazione_wgs84 t(c.sito.sistema);
    posizioni_commessa p;
    p.sistema = t.sistema();
    p.stazioni = tabella_stazioni(c);
    p.facciata = angoli_facciata(c);
    for (const punto_app& q : c.disegno.lista_punti.voci()) {
        std::string_view nome = q.nome.grezzo();
        while (!nome.empty() && nome.back() == ' ') nome.remove_suffix(1);
        p.punti.push_back({cp1252_in_utf8(nome), {q.x, q.y, q.z}, {}});
    }
    // Every point in one call: stations, then corners, then control points.
    std::vector<punto3> tutti;
    tutti.reserve(p.stazioni.size() + p.facciata.size() + p.punti.size());
    for (const riga_stazione& s : p.stazioni) tutti.push_back({s.est, s.nord, s.quota});
    for (const punto_wgs84& a : p.facciata) tutti.push_back(a.sito);
    for (const punto_wgs84& q : p.punti) tutti.push_back(q.sito);
    const std::vector<posizione_wgs84> wgs84 = t.converti(tutti);
    auto it = wgs84.begin();
    p.stazioni_wgs84.assign(it, it + static_cast<std::ptrdiff_t>(p.stazioni.size()));
    it += static_cast<std::ptrdiff_t>(p.stazioni.size());
    for (punto_wgs84& a : p.facciata) a.wgs84 = *it++;
    for (punto_wgs84& q : p.punti) q.wgs84 = *it++;
    return p;
}

}  // namespace pianopre
