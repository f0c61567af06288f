// Maps and drone missions of a placed job. Headings from true North: the
// grid's North of a projected system turns away from the meridian (the
// meridian convergence, over a degree at the edge of a UTM zone), so each
// heading is measured on the ellipsoid between a point and the point one
// metre along its axis, both transformed by PROJ in the same call.
#include "job/esportazioni_geo.h"

#include <geodesic.h>

#include <array>
#include <cmath>
#include <numbers>

#include "base/traduzione.h"
#include "droni/file_missione.h"
#include "droni/volo.h"
#include "geo/trasformazione_wgs84.h"
#include "job/missione_commessa.h"
#include "job/posizioni_wgs84.h"
#include "mappe/geojson.h"
#include "mappe/kml.h"

namespace pianopre {

namespace {

struct nome_e_formato {
    formato_geo formato;
    std::string_view nome, estensione;
};
constexpr std::array<nome_e_formato, 5> formati{{{formato_geo::kml, "kml", "kml"},
                                                 {formato_geo::geojson, "geojson", "geojson"},
                                                 {formato_geo::dji, "dji", "kmz"},
                                                 {formato_geo::litchi, "litchi", "csv"},
                                                 {formato_geo::qgc, "qgc", "plan"}}};

constexpr double gradi = 180.0 / std::numbers::pi;

// The azimuth at `a` of the geodesic from `a` to `b` on the WGS 84
// ellipsoid (PROJ's geodesic routines), degrees clockwise from true North.
double rotta(const posizione_wgs84& a, const posizione_wgs84& b) {
    geod_geodesic g{};
    geod_init(&g, 6378137, 1 / 298.257223563);
    double distanza = 0, azimut_a = 0, azimut_b = 0;
    geod_inverse(&g, a.latitudine, a.longitudine, b.latitudine, b.longitudine, &distanza, &azimut_a,
                 &azimut_b);
    return azimut_a < 0 ? azimut_a + 360 : (azimut_a >= 360 ? azimut_a - 360 : azimut_a);
}

posizione_geo geo(const posizione_wgs84& p) {
    if (!p.valida())
        throw errore_esportazione(traduci(
            "esportazioni_geo", "Errore: un punto è fuori dal campo del sistema di riferimento."));
    return {p.latitudine, p.longitudine};
}

// For each point and grid azimuth (degrees), its position and true heading.
struct puntamento {
    std::vector<posizione_geo> posizioni;
    std::vector<double> direzioni;
};

puntamento punta(trasformazione_wgs84& t, const std::vector<punto3>& punti,
                 const std::vector<double>& azimut) {
    std::vector<punto3> tutti = punti;
    for (std::size_t i = 0; i < punti.size(); ++i) {
        const double a = azimut[i] / gradi;
        tutti.push_back({punti[i].x + std::sin(a), punti[i].y + std::cos(a), punti[i].z});
    }
    const std::vector<posizione_wgs84> w = t.converti(tutti);
    puntamento p;
    for (std::size_t i = 0; i < punti.size(); ++i) {
        p.posizioni.push_back(geo(w[i]));
        geo(w[punti.size() + i]);
        p.direzioni.push_back(rotta(w[i], w[punti.size() + i]));
    }
    return p;
}

trasformazione_wgs84 trasformazione_di(const commessa& c) {
    try {
        return trasformazione_wgs84(c.sito.sistema);
    } catch (const errore_sistema& e) {
        throw errore_esportazione(e.what());
    }
}

void richiedi_stazioni(std::size_t quante) {
    if (quante == 0)
        throw errore_esportazione(
            traduci("esportazioni_geo",
                    "Errore: nessuna stazione. Calcolare il piano prima di esportarlo."));
}

}  // namespace

std::string_view nome_formato(formato_geo f) {
    for (const auto& v : formati)
        if (v.formato == f) return v.nome;
    return {};
}

std::optional<formato_geo> formato_da_nome(std::string_view nome) {
    for (const auto& v : formati)
        if (v.nome == nome) return v.formato;
    return std::nullopt;
}

std::string_view estensione_formato(formato_geo f) {
    for (const auto& v : formati)
        if (v.formato == f) return v.estensione;
    return {};
}

elementi_mappa mappa_commessa(const commessa& c) {
    posizioni_commessa p;
    try {
        p = posizioni_wgs84(c);
    } catch (const errore_sistema& e) {
        throw errore_esportazione(e.what());
    }
    richiedi_stazioni(p.stazioni.size());
    elementi_mappa m;
    m.nome = c.intestazione.progetto.empty() ? "pianopre" : c.intestazione.progetto;
    m.sistema = p.sistema.codice;
    m.quota_suolo = c.sito.quota;
    std::vector<punto3> punti;
    std::vector<double> azimut;
    for (const riga_stazione& s : p.stazioni) {
        punti.push_back({s.est, s.nord, s.quota});
        azimut.push_back(azimut_in_gradi(s.azimut, c.sito.unita));
    }
    trasformazione_wgs84 t = trasformazione_di(c);
    const puntamento vero = punta(t, punti, azimut);
    for (std::size_t i = 0; i < p.stazioni.size(); ++i)
        m.stazioni.push_back({p.stazioni[i], vero.posizioni[i], vero.direzioni[i]});
    for (const punto_wgs84& a : p.facciata) m.facciata.push_back({a.nome, a.sito, geo(a.wgs84)});
    for (const punto_wgs84& q : p.punti) m.punti.push_back({q.nome, q.sito, geo(q.wgs84)});
    return m;
}

missione missione_geo(const commessa& c) {
    trasformazione_wgs84 t = trasformazione_di(c);
    missione m = missione_commessa(c);
    richiedi_stazioni(m.punti.size());
    if (const auto errore = errore_impostazioni_drone(m.impostazioni))
        throw errore_esportazione(*errore);
    std::vector<punto3> punti{m.decollo};
    std::vector<double> azimut{0};
    for (const punto_missione& w : m.punti) {
        punti.push_back(w.sito);
        azimut.push_back(w.azimut_griglia);
    }
    const puntamento vero = punta(t, punti, azimut);
    m.decollo_geo = vero.posizioni[0];
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        m.punti[i].geo = vero.posizioni[i + 1];
        m.punti[i].direzione = vero.direzioni[i + 1];
    }
    return m;
}

std::vector<azioni_punto> azioni_commessa(const commessa& c, const missione& m) {
    return c.convergenti.attive ? azioni_convergenti(m, c.convergenti.angolo_gradi)
                                : azioni_semplici(m);
}

void esporta_geo(const commessa& c, formato_geo f, const std::filesystem::path& percorso,
                 const formato_regionale& formato) {
    if (f == formato_geo::dji || f == formato_geo::litchi || f == formato_geo::qgc) {
        if (auto e = errore_convergenti(c.convergenti); e && c.convergenti.attive)
            throw errore_esportazione(*e);
    }
    switch (f) {
        case formato_geo::kml:
            scrivi_kml(percorso, mappa_commessa(c), formato);
            return;
        case formato_geo::geojson:
            scrivi_geojson(percorso, mappa_commessa(c));
            return;
        case formato_geo::dji: {
            const missione m = missione_geo(c);
            scrivi_kmz_dji(percorso, m, azioni_commessa(c, m));
            return;
        }
        case formato_geo::litchi: {
            const missione m = missione_geo(c);
            scrivi_litchi_csv(percorso, m, azioni_commessa(c, m));
            return;
        }
        case formato_geo::qgc: {
            const missione m = missione_geo(c);
            scrivi_piano_qgc(percorso, m, azioni_commessa(c, m));
            return;
        }
    }
}

}  // namespace pianopre
