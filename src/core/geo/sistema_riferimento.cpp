// Resolving the site's coordinate system in PROJ's database: a code through
// proj_create_from_database, a name through proj_get_crs_info_list_from_database;
// then the type of the system and the directions and unit of its axes.
#include "geo/sistema_riferimento.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "base/segnaposti.h"
#include "base/traduzione.h"
#include "geo/risorse_proj.h"

namespace pianopre {

namespace {

using namespace geo_proj;

std::string_view senza_spazi(std::string_view t) {
    const auto spazio = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
    while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
    return t;
}

std::string minuscolo(std::string_view t) {
    std::string m(t);
    for (char& c : m) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return m;
}

bool solo_cifre(std::string_view t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "AUTH:CODE" at the start of the text, the authority in capitals; none when
// the text does not start so.
bool codice_iniziale(std::string_view t, std::string& autorita, std::string& codice) {
    const std::size_t due_punti = t.find(':');
    if (due_punti == 0 || due_punti == std::string_view::npos) return false;
    const std::string_view a = t.substr(0, due_punti);
    if (!std::all_of(a.begin(), a.end(), [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
        }))
        return false;
    std::string_view c = t.substr(due_punti + 1);
    c = c.substr(0, c.find_first_of(" \t"));
    if (c.empty()) return false;
    autorita = a;
    for (char& x : autorita) x = static_cast<char>(std::toupper(static_cast<unsigned char>(x)));
    codice = c;
    return true;
}

sistema_riferimento rifiutato(stato_sistema stato, std::string motivo) {
    sistema_riferimento s;
    s.stato = stato;
    s.motivo = std::move(motivo);
    return s;
}

// The type and the axes of a system found in the database.
void esamina(PJ_CONTEXT* ctx, const PJ* crs, sistema_riferimento& s) {
    const PJ_TYPE tipo = proj_get_type(crs);
    const auto rifiuta = [&](stato_sistema stato, const char* modello, std::string terzo = "") {
        s.stato = stato;
        s.motivo = inserisci(traduci("sistema_riferimento", modello), {s.codice, s.nome, terzo});
    };
    if (tipo == PJ_TYPE_GEOGRAPHIC_2D_CRS || tipo == PJ_TYPE_GEOGRAPHIC_3D_CRS) {
        rifiuta(stato_sistema::geografico,
                TESTO_DA_TRADURRE("sistema_riferimento",
                                  "%1 (%2) è un sistema geografico, in gradi: serve un sistema "
                                  "proiettato in metri"));
        return;
    }
    if (tipo != PJ_TYPE_PROJECTED_CRS) {
        rifiuta(stato_sistema::non_proiettato,
                TESTO_DA_TRADURRE("sistema_riferimento",
                                  "%1 (%2) non è un sistema proiettato: serve un sistema "
                                  "proiettato in metri"));
        return;
    }
    const oggetto cs(proj_crs_get_coordinate_system(ctx, crs));
    const int n = cs ? proj_cs_get_axis_count(ctx, cs.get()) : 0;
    bool est = false, nord = false;
    for (int i = 0; i < std::min(n, 2); ++i) {
        const char* direzione = nullptr;
        const char* unita = nullptr;
        double fattore = 0;
        if (!proj_cs_get_axis_info(ctx, cs.get(), i, nullptr, nullptr, &direzione, &fattore, &unita,
                                   nullptr, nullptr))
            break;
        if (fattore != 1.0) {
            rifiuta(stato_sistema::non_metrico,
                    TESTO_DA_TRADURRE("sistema_riferimento",
                                      "%1 (%2) ha le coordinate in %3, non in metri: serve un "
                                      "sistema proiettato in metri"),
                    unita ? unita : "?");
            return;
        }
        const std::string d = minuscolo(direzione ? direzione : "");
        est = est || d == "east";
        nord = nord || d == "north";
    }
    if (!est || !nord) {
        rifiuta(stato_sistema::assi,
                TESTO_DA_TRADURRE("sistema_riferimento",
                                  "%1 (%2) non ha gli assi verso Est e Nord: servono coordinate "
                                  "Est, Nord in metri"));
        return;
    }
    s.stato = stato_sistema::valido;
}

sistema_riferimento da_codice(PJ_CONTEXT* ctx, const std::string& autorita,
                              const std::string& codice, std::string_view scritto) {
    const oggetto crs(proj_create_from_database(ctx, autorita.c_str(), codice.c_str(),
                                                PJ_CATEGORY_CRS, 0, nullptr));
    if (!crs)
        return rifiutato(
            stato_sistema::sconosciuto,
            inserisci(traduci("sistema_riferimento",
                              "\"%1\" non è un codice di sistema di riferimento noto a PROJ"),
                      {scritto}));
    sistema_riferimento s;
    s.codice = autorita + ":" + codice;
    const char* nome = proj_get_name(crs.get());
    s.nome = nome ? nome : "";
    esamina(ctx, crs.get(), s);
    return s;
}

sistema_riferimento risolvi_codice(std::string_view testo, bool& era_codice) {
    era_codice = true;
    const contesto ctx;
    if (!ctx)
        return rifiutato(stato_sistema::sconosciuto,
                         traduci("sistema_riferimento", "PROJ non ha potuto aprire il database"));
    std::string autorita, codice;
    if (solo_cifre(testo)) return da_codice(ctx.get(), "EPSG", std::string(testo), testo);
    if (codice_iniziale(testo, autorita, codice))
        return da_codice(ctx.get(), autorita, codice, testo);
    era_codice = false;
    return {};
}

}  // namespace

catalogo_sistemi::catalogo_sistemi() {
    const contesto ctx;
    if (!ctx) return;
    PROJ_CRS_LIST_PARAMETERS* parametri = proj_get_crs_list_parameters_create();
    if (!parametri) return;
    const PJ_TYPE tipi[] = {PJ_TYPE_PROJECTED_CRS, PJ_TYPE_GEOGRAPHIC_2D_CRS,
                            PJ_TYPE_GEOGRAPHIC_3D_CRS};
    parametri->types = tipi;
    parametri->typesCount = std::size(tipi);
    int n = 0;
    const elenco_crs elenco(proj_get_crs_info_list_from_database(ctx.get(), "EPSG", parametri, &n));
    proj_get_crs_list_parameters_destroy(parametri);
    for (int i = 0; elenco && i < n; ++i) {
        const PROJ_CRS_INFO* v = elenco.get()[i];
        if (!v || !v->name || !v->code || !v->auth_name) continue;
        voce x{{std::string(v->auth_name) + ":" + v->code, v->name},
               "",
               0,
               v->type == PJ_TYPE_PROJECTED_CRS};
        x.minuscolo = minuscolo(x.sistema.codice + " " + x.sistema.nome);
        const std::string_view codice(v->code);
        std::from_chars(codice.data(), codice.data() + codice.size(), x.numero);
        voci_.push_back(std::move(x));
    }
}

sistema_riferimento catalogo_sistemi::risolvi(std::string_view testo) const {
    testo = senza_spazi(testo);
    if (testo.empty()) return {};
    bool era_codice = false;
    sistema_riferimento s = risolvi_codice(testo, era_codice);
    if (era_codice) return s;
    const std::string cercato = minuscolo(testo);
    const voce* intero = nullptr;
    const voce* parte = nullptr;
    int parti = 0;
    for (const voce& v : voci_) {
        const std::string_view nome =
            std::string_view(v.minuscolo).substr(v.sistema.codice.size() + 1);
        if (nome == cercato) {
            if (!intero || v.numero < intero->numero) intero = &v;
        } else if (nome.find(cercato) != std::string_view::npos) {
            parte = &v;
            ++parti;
        }
    }
    const voce* scelto = intero ? intero : parti == 1 ? parte : nullptr;
    if (scelto) {
        s = risolvi_codice(scelto->sistema.codice, era_codice);
        return s;
    }
    if (parti > 1)
        return rifiutato(stato_sistema::ambiguo,
                         inserisci(traduci("sistema_riferimento",
                                           "\"%1\" è nel nome di %2 sistemi di riferimento: "
                                           "scrivere il codice EPSG o il nome intero"),
                                   {testo, std::to_string(parti)}));
    return rifiutato(stato_sistema::sconosciuto,
                     inserisci(traduci("sistema_riferimento",
                                       "\"%1\" non è il nome di un sistema di riferimento noto a "
                                       "PROJ"),
                               {testo}));
}

std::vector<voce_sistema> catalogo_sistemi::cerca(std::string_view frammento,
                                                  std::size_t massimo) const {
    std::vector<voce_sistema> trovati;
    const std::string cercato = minuscolo(senza_spazi(frammento));
    for (const voce& v : voci_) {
        if (trovati.size() >= massimo) break;
        if (v.proiettato && v.minuscolo.find(cercato) != std::string::npos)
            trovati.push_back(v.sistema);
    }
    return trovati;
}

sistema_riferimento risolvi_sistema(std::string_view testo) {
    testo = senza_spazi(testo);
    if (testo.empty()) return {};
    bool era_codice = false;
    const sistema_riferimento s = risolvi_codice(testo, era_codice);
    return era_codice ? s : catalogo_sistemi().risolvi(testo);
}

std::string messaggio_sistema(const sistema_riferimento& s) {
    if (s.valido()) return "";
    if (s.stato == stato_sistema::vuoto)
        return traduci("sistema_riferimento",
                       "Le esportazioni per mappe e droni richiedono un sistema di riferimento.");
    return inserisci(traduci("sistema_riferimento", "Errore: %1."), {s.motivo});
}

}  // namespace pianopre
