// Reading the JSON tree of a job file key by key: each value of its type and
// in its range, missing ones left at the defaults of a new job.
#include <cfloat>
#include <cmath>

#include "base/segnaposti.h"
#include "base/testo_utf8.h"
#include "base/traduzione.h"
#include "droni/volo.h"
#include "job/file_lavoro_json.h"

namespace fs = std::filesystem;

namespace pianopre::lavoro_json {

namespace {

constexpr double coordinata_massima = 1e9;  // metres, degrees or gon
constexpr double px_massimi = 1'000'000;
constexpr std::size_t testo_massimo = 32767;  // bytes of a box, as the boxes allow
constexpr std::size_t nome_massimo = 200;
constexpr std::size_t percorso_massimo = 4096;

std::string limite(double x) {
    return std::fabs(x) < 1e18 ? std::to_string(static_cast<long long>(x)) : std::to_string(x);
}

// The keys of one object; messages name them with the object's path.
class lettore {
public:
    lettore(const json& o, std::string prefisso, std::string contesto = "")
        : o_(o), prefisso_(std::move(prefisso)), contesto_(std::move(contesto)) {}

    // None when missing or null.
    const json* campo(const char* nome) const {
        const auto it = o_.find(nome);
        return it == o_.end() || it->is_null() ? nullptr : &*it;
    }
    const json* oggetto(const char* nome) const {
        const json* c = campo(nome);
        if (c && !c->is_object()) errore(nome, traduci("lettura_json", "deve essere un oggetto"));
        return c;
    }
    const json* elenco(const char* nome) const {
        const json* c = campo(nome);
        if (c && !c->is_array()) errore(nome, traduci("lettura_json", "deve essere un elenco"));
        return c;
    }
    void testo(const char* nome, std::string& v, std::size_t massimo = testo_massimo) const {
        const json* c = campo(nome);
        if (!c) return;
        if (!c->is_string()) errore(nome, traduci("lettura_json", "deve essere un testo"));
        if (c->get_ref<const std::string&>().size() > massimo)
            errore(nome, inserisci(traduci("lettura_json", "è troppo lungo (oltre %1 byte)"),
                                   {std::to_string(massimo)}));
        v = c->get<std::string>();
    }
    void vero_falso(const char* nome, bool& v) const {
        const json* c = campo(nome);
        if (!c) return;
        if (!c->is_boolean()) errore(nome, traduci("lettura_json", "deve essere true o false"));
        v = c->get<bool>();
    }
    void numero(const char* nome, double& v, double massimo = coordinata_massima) const {
        const json* c = campo(nome);
        if (!c) return;
        if (!c->is_number()) errore(nome, traduci("lettura_json", "deve essere un numero"));
        const double x = c->get<double>();
        if (!(std::fabs(x) <= massimo))
            errore(nome, inserisci(traduci("lettura_json", "deve essere tra -%1 e %2"),
                                   {limite(massimo), limite(massimo)}));
        v = x;
    }
    [[noreturn]] void errore(const char* nome, const std::string& cosa) const {
        throw problema{contesto_ + "\"" + prefisso_ + nome + "\" " + cosa};
    }

private:
    const json& o_;
    std::string prefisso_;
    std::string contesto_;
};

// A setting or camera value refused by the checks' own rule.
void controlla(const lettore& l, const char* nome, const std::optional<std::string>& e) {
    if (!e) return;
    std::string cosa = *e;
    const std::string errore = inserisci(traduci("lettura_json", "Errore: %1"), {""});
    if (!errore.empty() && cosa.starts_with(errore)) cosa.erase(0, errore.size());
    if (cosa.ends_with(".")) cosa.pop_back();
    l.errore(nome, inserisci(traduci("lettura_json", "non va bene: %1"), {cosa}));
}

void leggi_caselle(const lettore& radice, caselle_file& c) {
    const json* o = radice.oggetto("caselle");
    if (!o) return;
    const lettore l(*o, "caselle.");
    l.testo("txt_foc", c.focale);
    l.testo("txt_xneg", c.larg_neg);
    l.testo("txt_yneg", c.alt_neg);
    l.testo("txt_Scala", c.scala);
    l.testo("Txt_Larg_sogg", c.larg_sogg);
    l.testo("txt_altezza_sogg", c.alt_sogg);
    l.testo("txt_spazio", c.distanza);
    l.testo("txt_basep", c.base);
}

void leggi_intestazione(const lettore& radice, intestazione_lavoro& i) {
    const json* o = radice.oggetto("intestazione");
    if (!o) return;
    const lettore l(*o, "intestazione.");
    l.testo("progetto", i.progetto, nome_massimo);
    l.testo("localita", i.localita, nome_massimo);
    l.testo("operatore", i.operatore, nome_massimo);
}

void pixel(const lettore& l, const char* nome, int sensore_lavoro::*membro, sensore_lavoro& s) {
    double x = s.*membro;
    l.numero(nome, x, DBL_MAX);
    if (std::floor(x) != x) l.errore(nome, traduci("lettura_json", "deve essere un numero intero"));
    sensore_lavoro solo;  // the sign alone, so the message names this value
    solo.*membro = x < 0 ? -1 : 0;
    controlla(l, nome, errore_sensore(solo));
    if (x > px_massimi)
        l.errore(nome,
                 inserisci(traduci("lettura_json", "deve essere al più %1"), {limite(px_massimi)}));
    s.*membro = static_cast<int>(x);
}

void leggi_fotocamera(const lettore& radice, sensore_lavoro& s) {
    const json* o = radice.oggetto("fotocamera");
    if (!o) return;
    const lettore l(*o, "fotocamera.");
    l.testo("nome", s.nome, nome_massimo);
    pixel(l, "larghezza_px", &sensore_lavoro::larghezza_px, s);
    pixel(l, "altezza_px", &sensore_lavoro::altezza_px, s);
    l.numero("scansione_um", s.scansione_um);
    sensore_lavoro solo;
    solo.scansione_um = s.scansione_um;
    controlla(l, "scansione_um", errore_sensore(solo));
}

void leggi_verifiche(const lettore& radice, impostazioni_verifiche& v) {
    const json* o = radice.oggetto("verifiche");
    if (!o) return;
    const lettore l(*o, "verifiche.");
    const std::pair<const char*, double impostazioni_verifiche::*> campi[] = {
        {"tolleranza_grafica_mm", &impostazioni_verifiche::tolleranza_grafica_mm},
        {"divisore_gsd", &impostazioni_verifiche::divisore_gsd},
        {"precisione_px", &impostazioni_verifiche::precisione_px},
        {"circolo_confusione_px", &impostazioni_verifiche::circolo_confusione_px},
        {"lunghezza_onda_mm", &impostazioni_verifiche::lunghezza_onda_mm},
        {"profondita_rilievo_m", &impostazioni_verifiche::profondita_rilievo_m},
        {"altezza_max_camera_m", &impostazioni_verifiche::altezza_max_camera_m},
        {"cella_mappa_m", &impostazioni_verifiche::cella_mappa_m}};
    for (const auto& [nome, membro] : campi) {
        l.numero(nome, v.*membro);
        impostazioni_verifiche solo;  // each key on its own, so the message names it
        solo.*membro = v.*membro;
        controlla(l, nome, errore_impostazioni(solo));
    }
}

void leggi_collocazione(const lettore& radice, collocazione& c) {
    const json* o = radice.oggetto("collocazione");
    if (!o) return;
    const lettore l(*o, "collocazione.");
    l.numero("est", c.est);
    l.numero("nord", c.nord);
    l.numero("quota", c.quota);
    l.numero("azimut", c.azimut);
    std::string unita = c.unita == unita_angolo::gon ? "gon" : "gradi";
    l.testo("unita", unita);
    if (unita != "gradi" && unita != "gon")
        l.errore("unita", traduci("file_lavoro", "deve essere \"gradi\" o \"gon\""));
    c.unita = unita == "gon" ? unita_angolo::gon : unita_angolo::gradi;
}

// "collocazione.sistema": a damaged value does not stop the job from opening.
// A text is kept as written (the opening checks it against PROJ's database);
// anything else is dropped with a notice, the job opening without a system.
void leggi_sistema(const json& radice, collocazione& c, const std::string& nome_file,
                   std::vector<std::string>& avvisi) {
    const json* o = lettore(radice, "").campo("collocazione");
    const json* v = o ? lettore(*o, "").campo("sistema") : nullptr;
    if (!v) return;
    if (v->is_string() && v->get_ref<const std::string&>().size() <= nome_massimo) {
        c.sistema = v->get<std::string>();
        return;
    }
    avvisi.push_back(inserisci(
        traduci("file_lavoro",
                "Errore: file \"%1\": \"collocazione.sistema\" deve essere un testo di al più "
                "%2 byte: il lavoro si apre senza sistema di riferimento."),
        {nome_file, std::to_string(nome_massimo)}));
}

// The numbers of an array of exactly n, each within ±massimo.
std::vector<double> numeri(const lettore& l, const char* nome, std::size_t n, double massimo) {
    const json* a = l.elenco(nome);
    if (!a) return {};
    const std::string forma = inserisci(
        traduci("file_lavoro", "deve essere un elenco di %1 numeri"), {std::to_string(n)});
    if (a->size() != n) l.errore(nome, forma);
    std::vector<double> v;
    for (const json& x : *a) {
        if (!x.is_number()) l.errore(nome, forma);
        v.push_back(x.get<double>());
        if (!(std::fabs(v.back()) <= massimo))
            l.errore(nome,
                     inserisci(traduci("file_lavoro", "ha un numero fuori dall'intervallo ±%1"),
                               {limite(massimo)}));
    }
    return v;
}

void leggi_drone(const lettore& radice, impostazioni_drone& v) {
    const json* o = radice.oggetto("drone");
    if (!o) return;
    const lettore l(*o, "drone.");
    if (const auto p = numeri(l, "decollo", 3, coordinata_massima); !p.empty())
        v.decollo = punto3{p[0], p[1], p[2]};
    const std::pair<const char*, double impostazioni_drone::*> campi[] = {
        {"velocita_ms", &impostazioni_drone::velocita_ms},
        {"esposizione_s", &impostazioni_drone::esposizione_s},
        {"intervallo_s", &impostazioni_drone::intervallo_s},
        {"autonomia_min", &impostazioni_drone::autonomia_min},
        {"riserva", &impostazioni_drone::riserva},
        {"distanza_min_m", &impostazioni_drone::distanza_min_m},
        {"altezza_max_m", &impostazioni_drone::altezza_max_m}};
    for (const auto& [nome, membro] : campi) {
        l.numero(nome, v.*membro);
        impostazioni_drone solo;  // each key on its own, so the message names it
        solo.*membro = v.*membro;
        controlla(l, nome, errore_impostazioni_drone(solo));
    }
    l.vero_falso("sosta", v.sosta);
}

void leggi_convergenti(const lettore& radice, impostazioni_convergenti& v) {
    const json* o = radice.oggetto("convergenti");
    if (!o) return;
    const lettore l(*o, "convergenti.");
    l.vero_falso("attive", v.attive);
    l.numero("angolo_gradi", v.angolo_gradi);
    controlla(l, "angolo_gradi", errore_convergenti(v));
}

void leggi_vista(const lettore& radice, dati_file_lavoro& d) {
    const json* o = radice.oggetto("vista");
    if (!o) return;
    const lettore l(*o, "vista.");
    std::string modo;
    l.testo("modo", modo);
    if (modo == "fronte")
        d.vista = tipo_vista::fronte;
    else if (modo == "assonometria")
        d.vista = tipo_vista::assonometrica;
    else if (modo == "pianta")
        d.vista = tipo_vista::pianta;
    else if (!modo.empty() || l.campo("modo"))
        l.errore("modo",
                 traduci("file_lavoro", "deve essere \"pianta\", \"fronte\" o \"assonometria\""));
    const auto f = numeri(l, "finestra", 4, FLT_MAX);
    if (f.empty()) return;
    if (f[2] == 0 || f[3] == 0)
        l.errore("finestra", traduci("file_lavoro", "deve avere larghezza e altezza non nulle"));
    d.finestra = finestra_vista{static_cast<float>(f[0]), static_cast<float>(f[1]),
                                static_cast<float>(f[2]), static_cast<float>(f[3])};
}

std::string nome_corto(const std::string& utf8) {
    std::string nome = utf8_in_cp1252(utf8);
    if (nome.size() > testo_fisso<15>::lunghezza) nome.resize(testo_fisso<15>::lunghezza);
    return nome;
}

void leggi_punti(const lettore& radice, const fs::path& cartella, dati_file_lavoro& d) {
    const json* o = radice.oggetto("punti");
    if (!o) return;
    const lettore l(*o, "punti.");
    std::string file;
    l.testo("file", file, percorso_massimo);
    d.file_punti = percorso_letto(file, cartella);
    const json* elenco = l.elenco("elenco");
    if (!elenco) return;
    if (elenco->size() > static_cast<std::size_t>(elenco_punti::posti))
        l.errore("elenco", inserisci(traduci("file_lavoro", "ha più di %1 punti"),
                                     {std::to_string(elenco_punti::posti)}));
    for (const json& p : *elenco) {
        const std::string chi = inserisci(traduci("file_lavoro", "punto %1 di \"punti.elenco\""),
                                          {std::to_string(d.punti.size() + 1)});
        if (!p.is_object())
            throw problema{inserisci(traduci("file_lavoro", "%1 non è un oggetto"), {chi})};
        const lettore lp(p, "", chi + ": ");
        std::string nome;
        lp.testo("nome", nome);
        punto_app punto;
        punto.nome = nome_corto(nome);
        lp.numero("x", punto.x, DBL_MAX);
        lp.numero("y", punto.y, DBL_MAX);
        lp.numero("z", punto.z, DBL_MAX);
        d.punti.push_back(punto);
    }
}

}  // namespace

fs::path percorso_letto(const std::string& testo, const fs::path& cartella) {
    if (testo.empty()) return {};
    const fs::path p(testo);
    if (p.is_absolute() || cartella.empty()) return p;
    return (cartella / p).lexically_normal();
}

dati_file_lavoro dati_da_json(const json& radice, const fs::path& cartella,
                              const std::string& nome_file, std::vector<std::string>& avvisi) {
    if (!radice.is_object())
        throw problema{traduci("lettura_json", "non contiene un oggetto JSON")};
    const lettore l(radice, "");
    const json* formato = l.campo("formato");
    if (!formato)
        throw problema{traduci("file_lavoro", "non è un lavoro di pianopre (manca \"formato\")")};
    if (*formato != "pianopre-lavoro")
        throw problema{traduci(
            "file_lavoro", "non è un lavoro di pianopre (\"formato\" non è \"pianopre-lavoro\")")};
    const json* v = l.campo("versione");
    if (!v) throw problema{traduci("file_lavoro", "manca \"versione\"")};
    const double versione = v->is_number() ? v->get<double>() : 0;
    if (!(versione >= 1 && versione <= 2147483647 && std::floor(versione) == versione))
        l.errore("versione", traduci("file_lavoro", "deve essere un numero intero positivo"));
    if (versione > versione_file_lavoro)
        avvisi.push_back(inserisci(traduci("file_lavoro",
                                           "Il lavoro \"%1\" è stato scritto da una versione più "
                                           "recente (versione %2): apro ciò che conosco."),
                                   {nome_file, limite(versione)}));
    dati_file_lavoro d;
    leggi_intestazione(l, d.intestazione);
    leggi_caselle(l, d.caselle);
    l.vero_falso("metrica", d.metrica);
    l.vero_falso("blocca_base", d.blocca_base);
    leggi_fotocamera(l, d.sensore);
    leggi_verifiche(l, d.verifiche);
    leggi_drone(l, d.drone);
    leggi_convergenti(l, d.convergenti);
    leggi_collocazione(l, d.sito);
    leggi_sistema(radice, d.sito, nome_file, avvisi);
    if (const auto o = numeri(l, "origine", 3, coordinata_massima); !o.empty())
        d.origine = {o[0], o[1], o[2]};
    leggi_vista(l, d);
    std::string sito;
    l.testo("disegno_sito", sito, percorso_massimo);
    d.file_sito = percorso_letto(sito, cartella);
    leggi_punti(l, cartella, d);
    return d;
}

}  // namespace pianopre::lavoro_json
