// The command line's results: text lines and the JSON object.
#include "job/risultati_uscita.h"

#include <nlohmann/json.hpp>

#include "base/segnaposti.h"
#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"
#include "job/missione_commessa.h"
#include "job/posizioni_wgs84.h"
#include "job/rete_commessa.h"
#include "job/stazioni_commessa.h"
#include "rete/righe_mappa.h"

namespace pianopre {

namespace {

using json = nlohmann::ordered_json;

json opzionale(const std::optional<double>& x) {
    return x ? json(*x) : json(nullptr);
}

json coppia(const precisione_xz& p) {
    return json::array({p.x, p.z});
}

json presa_json(const dati_presa& p) {
    return {
        {"scala_foto", p.scala_foto}, {"dist_presa", p.dist_presa}, {"larg_cop", p.larg_cop},
        {"alt_cop", p.alt_cop},       {"semi_alt", p.semi_alt},     {"base_presa", p.base_presa},
        {"sovrapp", p.sovrapp},       {"num_strisc", p.num_strisc}, {"incl", p.incl},
        {"num_foto", p.num_foto},     {"ingrand", p.ingrand},       {"h_camera", p.h_camera}};
}

json strisce_json(const risultato_verifiche& r) {
    json elenco = json::array();
    for (std::size_t i = 0; i < r.strisce.size(); ++i)
        elenco.push_back({{"striscia", i + 1},
                          {"altezza_camera_m", r.strisce[i].altezza_m},
                          {"esito", testo_esito(r.strisce[i].esito)}});
    return elenco;
}

json volo_json(const std::optional<risultato_volo>& v) {
    if (!v) return nullptr;
    const risultato_volo& r = *v;
    return {{"mosso_px", opzionale(r.mosso_px)},
            {"tempo_scatti_s", r.tempo_scatti_s},
            {"sosta_s", r.sosta_s},
            {"percorso_m", r.percorso_m},
            {"tempo_volo_s", r.tempo_volo_s},
            {"batterie", r.batterie},
            {"distanza_min_m", r.distanza_min_m},
            {"altezza_max_m", r.altezza_max_m},
            {"beccheggio", json::array({r.beccheggio_min, r.beccheggio_max})},
            {"esiti",
             {{"mosso", testo_esito(r.mosso)},
              {"intervallo", testo_esito(r.intervallo)},
              {"distanza", testo_esito(r.distanza)},
              {"altezza", testo_esito(r.altezza)},
              {"beccheggio", testo_esito(r.beccheggio)}}}};
}

json verifiche_json(const std::optional<risultato_verifiche>& v) {
    const json nullo(nullptr);
    const auto n = [&](double x) { return v ? json(x) : nullo; };
    const auto o = [&](const std::optional<double>& x) { return v ? opzionale(x) : nullo; };
    const auto e = [&](esito_verifica x) { return v ? json(testo_esito(x)) : nullo; };
    const risultato_verifiche r = v.value_or(risultato_verifiche{});
    return {{"pixel_mm", o(r.pixel_mm)},
            {"gsd_centro_mm", o(r.gsd_centro_mm)},
            {"gsd_peggiore_v_mm", o(r.gsd_peggiore_v_mm)},
            {"gsd_peggiore_h_mm", o(r.gsd_peggiore_h_mm)},
            {"tolleranza_mm", n(r.tolleranza_mm)},
            {"gsd_richiesto_mm", n(r.gsd_richiesto_mm)},
            {"dist_max_gsd_m", o(r.dist_max_gsd_m)},
            {"rapporto_bd", n(r.rapporto_bd)},
            {"sigma_x_mm", o(r.sigma_x_mm)},
            {"sigma_z_mm", o(r.sigma_z_mm)},
            {"r_min_m", n(r.r_min_m)},
            {"r_max_m", n(r.r_max_m)},
            {"fuoco_m", n(r.fuoco_m)},
            {"n_min", n(r.n_min)},
            {"n_max", o(r.n_max)},
            {"n_consigliato", o(r.n_consigliato)},
            {"esiti",
             {{"gsd", e(r.gsd)},
              {"base_distanza", e(r.base_distanza)},
              {"profondita", e(r.profondita)}}},
            {"strisce", v ? strisce_json(r) : nullo}};
}

// The map's summary; the worst σ and its place null when no cell has a σ.
json mappa_json(const mappa_copertura& m, bool con_pixel, bool convergenti) {
    const bool sigma = m.sigma_peggiore_mm > 0;
    const auto s = [&](double x) { return sigma ? json(x) : json(nullptr); };
    return {{"cella_m", m.cella_m},
            {"colonne", m.colonne},
            {"righe", m.righe},
            {"quota_2", m.quota_2},
            {"quota_3", m.quota_3},
            {"quota_tolleranza", m.quota_tolleranza},
            {"sigma_peggiore_mm", s(m.sigma_peggiore_mm)},
            {"lungo_peggiore_m", s(m.u_peggiore)},
            {"altezza_peggiore_m", s(m.w_peggiore)},
            {"esiti",
             {{"copertura", testo_esito(esito_copertura(m, convergenti))},
              {"precisione", testo_esito(esito_precisione(m, con_pixel))}}}};
}

// The stations; with the site's system, each with its WGS 84 latitude and
// longitude (null where PROJ could not transform it).
json stazioni_json(const commessa& c, const posizioni_commessa* wgs84) {
    json elenco = json::array();
    const std::vector<riga_stazione> righe = wgs84 ? wgs84->stazioni : tabella_stazioni(c);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const riga_stazione& s = righe[i];
        json riga = {{"nome", s.nome},
                     {"striscia", s.striscia},
                     {"fotogramma", s.fotogramma},
                     {"est", s.est},
                     {"nord", s.nord},
                     {"quota", s.quota},
                     {"azimut", s.azimut},
                     {"inclinazione", s.inclinazione}};
        if (s.convergente != 0) riga["convergente"] = s.convergente;
        if (wgs84) {
            const posizione_wgs84& p = wgs84->stazioni_wgs84[i];
            riga["latitudine"] = p.valida() ? json(p.latitudine) : json(nullptr);
            riga["longitudine"] = p.valida() ? json(p.longitudine) : json(nullptr);
        }
        elenco.push_back(std::move(riga));
    }
    return elenco;
}

// The positions in WGS 84 when the job has a system that resolves; none otherwise.
std::optional<posizioni_commessa> posizioni_se_collocata(const commessa& c) {
    if (c.sito.sistema.empty()) return std::nullopt;
    try {
        return posizioni_wgs84(c);
    } catch (const errore_sistema&) {
        return std::nullopt;
    }
}

json angoli_json(const riga_modello& m) {
    json angoli = json::array();
    for (const punto3& p : m.angoli_sito) angoli.push_back(json::array({p.x, p.y, p.z}));
    return angoli;
}

// The area from corner A and above the ground; its corners on the site once placed.
json modelli_json(const commessa& c) {
    json elenco = json::array();
    const tabella_modelli t = modelli_commessa(c);
    for (const riga_modello& m : t.righe)
        elenco.push_back({{"stazioni", json::array({m.stazione_1, m.stazione_2})},
                          {"punti", m.punti},
                          {"esito", std::string(testo_esito(m.esito))},
                          {"da_a_m", json::array({m.da_a_inizio, m.da_a_fine})},
                          {"altezza_m", json::array({m.altezza_da, m.altezza_a})},
                          {"angoli_sito", t.collocata ? angoli_json(m) : json(nullptr)}});
    return elenco;
}

// "name: value", then " (limit)" and " - verdict" when the row has them.
std::string riga_testo(const riga_verifica& r) {
    std::string t = r.nome + ": " + r.valore;
    if (!r.limite.empty()) t += " (" + r.limite + ")";
    if (!r.testo_esito.empty()) t += " - " + r.testo_esito;
    return t;
}

}  // namespace

verifiche_uscita verifiche_per_uscita(const commessa& c) {
    verifiche_uscita v;
    try {
        v.risultato = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    } catch (const errore_verifiche& e) {
        v.avviso = e.what();
        return v;
    }
    try {
        v.volo = verifiche_volo_commessa(c, *v.risultato);
    } catch (const errore_verifiche& e) {
        v.avviso = e.what();
        return v;
    }
    v.mappa = copertura_commessa(c);
    if (!v.risultato->pixel_mm)
        v.avviso = traduci("risultati",
                           "Dimensione del pixel non nota: le verifiche che ne dipendono mancano.");
    return v;
}

std::vector<std::string> righe_risultati(const commessa& c, const verifiche_uscita& v,
                                         const formato_regionale& formato) {
    std::vector<std::string> righe;
    if (c.fase < fase_calcolo::precisione_max) return righe;
    const dati_presa& p = c.presa;
    const auto g = [&](double x) { return testo_generale(x, formato); };
    const auto u = [&](double x, misura m) { return testo_misura(x, m, formato); };
    const auto xz = [&](const precisione_xz& p) {
        return testo_coppia_misure(p.x, p.z, misura::millimetri, formato);
    };
    // "label: value", the label marked for the "risultati" context.
    const auto r = [](const char* etichetta, const std::string& valore) {
        return inserisci(traduci("risultati", etichetta), {valore});
    };
    righe = {
        r(TESTO_DA_TRADURRE("risultati", "Base di presa: %1"), u(p.base_presa, misura::metri)),
        r(TESTO_DA_TRADURRE("risultati", "Numero fotogrammi: %1"), g(p.num_foto)),
        r(TESTO_DA_TRADURRE("risultati", "Numero strisciate: %1"), std::to_string(p.num_strisc)),
        r(TESTO_DA_TRADURRE("risultati", "Inclinazione camera: %1"), u(p.incl, misura::gradi)),
        r(TESTO_DA_TRADURRE("risultati", "Sovrapposizione %: %1"), u(p.sovrapp, misura::percento)),
        r(TESTO_DA_TRADURRE("risultati", "Numero di ingrandimenti: %1"),
          u(p.ingrand, misura::ingrandimento)),
        r(TESTO_DA_TRADURRE("risultati", "Precisione X / Z max: %1"), xz(c.prec_max))};
    if (c.fase >= fase_calcolo::precisione_std)
        righe.push_back(
            r(TESTO_DA_TRADURRE("risultati", "Precisione X / Z min: %1"), xz(c.prec_std)));
    if (v.risultato)
        for (const riga_verifica& r : righe_verifiche(*v.risultato, c.verifiche, formato))
            righe.push_back(riga_testo(r));
    if (v.volo)
        for (const riga_verifica& r : righe_volo(*v.volo, c.drone, formato))
            righe.push_back(riga_testo(r));
    if (v.risultato)
        for (const riga_verifica& r :
             righe_mappa(v.mappa, impostazioni_mappa_commessa(c).tolleranza_mm,
                         v.risultato->pixel_mm.has_value(), formato, c.convergenti.attive))
            righe.push_back(riga_testo(r));
    return righe;
}

std::string json_risultati(const commessa& c, const verifiche_uscita& v) {
    json radice = presa_json(c.presa);
    radice["precisione_max"] = coppia(c.prec_max);
    radice["precisione_std"] = coppia(c.prec_std);
    radice["verifiche"] = verifiche_json(v.risultato);
    radice["verifiche"]["volo"] = volo_json(v.volo);
    const std::optional<posizioni_commessa> wgs84 = posizioni_se_collocata(c);
    radice["sistema"] = c.sito.sistema.empty() ? json(nullptr) : json(c.sito.sistema);
    radice["sistema_nome"] = wgs84 ? json(wgs84->sistema.nome) : json(nullptr);
    radice["stazioni"] = stazioni_json(c, wgs84 ? &*wgs84 : nullptr);
    radice["modelli"] = modelli_json(c);
    radice["mappa"] =
        v.risultato ? mappa_json(v.mappa, v.risultato->pixel_mm.has_value(), c.convergenti.attive)
                    : json(nullptr);
    const intestazione_lavoro& i = c.intestazione;
    if (i != intestazione_lavoro{})
        radice["intestazione"] = {
            {"progetto", i.progetto}, {"localita", i.localita}, {"operatore", i.operatore}};
    // Names come from files: a byte that is not UTF-8 must not stop the output.
    return radice.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace pianopre
