// Writing a job file: the JSON text in the documented key order and the
// atomic save.
#include <cmath>

#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/testo_utf8.h"
#include "base/traduzione.h"
#include "job/file_lavoro_json.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

using lavoro_json::json;

// Whole numbers without a decimal point, as people write them.
json numero(double x) {
    constexpr double intero_esatto = 9007199254740992.0;  // 2^53
    if (std::floor(x) == x && std::fabs(x) < intero_esatto && !(x == 0 && std::signbit(x)))
        return static_cast<std::int64_t>(x);
    return x;
}

json terna(double x, double y, double z) {
    return json::array({numero(x), numero(y), numero(z)});
}

const char* testo_vista(tipo_vista v) {
    switch (v) {
        case tipo_vista::fronte:
            return "fronte";
        case tipo_vista::assonometrica:
            return "assonometria";
        default:
            return "pianta";
    }
}

// The name without the blanks that pad it, in UTF-8.
std::string nome_punto(const punto_app& p) {
    std::string_view n = p.nome.grezzo();
    while (!n.empty() && n.back() == ' ') n.remove_suffix(1);
    return cp1252_in_utf8(n);
}

json caselle(const caselle_file& c) {
    return {{"txt_foc", c.focale},          {"txt_xneg", c.larg_neg},
            {"txt_yneg", c.alt_neg},        {"txt_Scala", c.scala},
            {"Txt_Larg_sogg", c.larg_sogg}, {"txt_altezza_sogg", c.alt_sogg},
            {"txt_spazio", c.distanza},     {"txt_basep", c.base}};
}

json verifiche(const impostazioni_verifiche& v) {
    return {{"tolleranza_grafica_mm", numero(v.tolleranza_grafica_mm)},
            {"divisore_gsd", numero(v.divisore_gsd)},
            {"precisione_px", numero(v.precisione_px)},
            {"circolo_confusione_px", numero(v.circolo_confusione_px)},
            {"lunghezza_onda_mm", numero(v.lunghezza_onda_mm)},
            {"profondita_rilievo_m", numero(v.profondita_rilievo_m)},
            {"altezza_max_camera_m", numero(v.altezza_max_camera_m)},
            {"cella_mappa_m", numero(v.cella_mappa_m)}};
}

json drone(const impostazioni_drone& v) {
    const json decollo =
        v.decollo ? terna(v.decollo->x, v.decollo->y, v.decollo->z) : json(nullptr);
    return {{"decollo", decollo},
            {"velocita_ms", numero(v.velocita_ms)},
            {"esposizione_s", numero(v.esposizione_s)},
            {"intervallo_s", numero(v.intervallo_s)},
            {"sosta", v.sosta},
            {"autonomia_min", numero(v.autonomia_min)},
            {"riserva", numero(v.riserva)},
            {"distanza_min_m", numero(v.distanza_min_m)},
            {"altezza_max_m", numero(v.altezza_max_m)}};
}

json vista(const dati_file_lavoro& d) {
    json v = {{"modo", testo_vista(d.vista)}};
    if (d.finestra) {
        const finestra_vista& f = *d.finestra;
        v["finestra"] =
            json::array({numero(f.left), numero(f.top), numero(f.width), numero(f.height)});
    }
    return v;
}

json punti(const dati_file_lavoro& d, const fs::path& cartella) {
    json elenco = json::array();
    for (const punto_app& p : d.punti)
        elenco.push_back(
            {{"nome", nome_punto(p)}, {"x", numero(p.x)}, {"y", numero(p.y)}, {"z", numero(p.z)}});
    return {{"file", lavoro_json::percorso_scritto(d.file_punti, cartella)},
            {"elenco", std::move(elenco)}};
}

json intestazione(const intestazione_lavoro& i) {
    return {{"progetto", i.progetto}, {"localita", i.localita}, {"operatore", i.operatore}};
}

// The site's system only when there is one: a job without it is written as before.
json collocazione_json(const collocazione& s) {
    json c = {{"est", numero(s.est)},
              {"nord", numero(s.nord)},
              {"quota", numero(s.quota)},
              {"azimut", numero(s.azimut)},
              {"unita", s.unita == unita_angolo::gon ? "gon" : "gradi"}};
    if (!s.sistema.empty()) c["sistema"] = s.sistema;
    return c;
}

json albero(const dati_file_lavoro& d, const fs::path& cartella) {
    const collocazione& s = d.sito;
    json a = {{"formato", "pianopre-lavoro"},
              {"versione", versione_file_lavoro},
              {"intestazione", intestazione(d.intestazione)},
              {"caselle", caselle(d.caselle)},
              {"metrica", d.metrica},
              {"blocca_base", d.blocca_base},
              {"fotocamera",
               {{"nome", d.sensore.nome},
                {"larghezza_px", d.sensore.larghezza_px},
                {"altezza_px", d.sensore.altezza_px},
                {"scansione_um", numero(d.sensore.scansione_um)}}},
              {"verifiche", verifiche(d.verifiche)},
              {"drone", drone(d.drone)},
              {"collocazione", collocazione_json(s)},
              {"origine", terna(d.origine.x, d.origine.y, d.origine.z)},
              {"vista", vista(d)},
              {"disegno_sito", lavoro_json::percorso_scritto(d.file_sito, cartella)},
              {"punti", punti(d, cartella)}};
    // The convergent images only when asked for: a job without them is written as before.
    if (d.convergenti != impostazioni_convergenti{})
        a["convergenti"] = {{"attive", d.convergenti.attive},
                            {"angolo_gradi", numero(d.convergenti.angolo_gradi)}};
    return a;
}

[[noreturn]] void non_salvato(const std::string& nome_file, const std::string& problema) {
    throw errore_file_lavoro(
        inserisci(traduci("file_lavoro", "Errore: impossibile salvare il file: %1 (%2)."),
                  {nome_file, problema}));
}

}  // namespace

std::string lavoro_json::percorso_scritto(const fs::path& p, const fs::path& cartella) {
    if (p.empty()) return "";
    if (p.is_absolute() && cartella.is_absolute()) {
        const fs::path relativo =
            p.lexically_normal().lexically_relative(cartella.lexically_normal());
        if (!relativo.empty() && *relativo.begin() != ".." && relativo != ".")
            return relativo.generic_string();
    }
    return p.generic_string();
}

std::string testo_file_lavoro(const dati_file_lavoro& dati, const fs::path& cartella_lavoro,
                              const std::string& nome_file) {
    const json radice = albero(dati, cartella_lavoro);
    std::vector<std::string> avvisi;
    try {
        lavoro_json::dati_da_json(radice, cartella_lavoro, nome_file, avvisi);
        return radice.dump(2) + "\n";
    } catch (const lavoro_json::problema& p) {
        non_salvato(nome_file, p.testo);
    } catch (const json::type_error&) {
        non_salvato(nome_file, traduci("file_lavoro", "un testo o un percorso non è UTF-8 valido"));
    }
}

void scrivi_file_lavoro(const fs::path& percorso, const dati_file_lavoro& dati) {
    std::error_code ec;
    fs::path assoluto = fs::absolute(percorso, ec);
    if (ec) assoluto = percorso;
    const std::string testo = testo_file_lavoro(dati, assoluto.parent_path(), percorso.string());
    try {
        scrivi_file_atomico(percorso, testo);
    } catch (const errore_file& e) {
        non_salvato(percorso.string(), e.problema());
    }
}

}  // namespace pianopre
