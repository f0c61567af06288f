// Reading and checking the camera list as JSON, and its text form.
#include "job/fotocamere.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "base/segnaposti.h"
#include "base/traduzione.h"

namespace pianopre {

namespace {

using json = nlohmann::ordered_json;

constexpr double mm_massimi = 1000;         // sensor or negative side
constexpr double px_massimi = 1'000'000;    // image side
constexpr double scansione_massima = 1000;  // µm
constexpr double focale_massima = 10000;    // mm
constexpr std::size_t nome_massimo = 200;   // bytes

[[noreturn]] void fallisci(const std::string& file, const std::string& problema) {
    throw errore_fotocamere(
        inserisci(traduci("lettura_json", "Errore: file \"%1\": %2."), {file, problema}));
}

std::string chi(std::size_t n, const std::string& nome) {
    if (!nome.empty() && nome.size() <= 40)
        return inserisci(traduci("fotocamere", "fotocamera %1 (\"%2\")"),
                         {std::to_string(n), nome});
    return inserisci(traduci("fotocamere", "fotocamera %1"), {std::to_string(n)});
}

std::string testo_limite(double x) {
    const double intero = std::floor(x);
    return intero == x ? std::to_string(static_cast<long long>(intero)) : std::to_string(x);
}

// The first value of the entry out of its range; none when all are in range.
std::optional<std::string> fuori_limiti(const voce_fotocamera& v) {
    const auto positivo = [](const char* campo, double x,
                             double massimo) -> std::optional<std::string> {
        if (x > 0 && x <= massimo) return std::nullopt;
        return inserisci(traduci("fotocamere", "\"%1\" deve essere maggiore di 0 e al più %2"),
                         {campo, testo_limite(massimo)});
    };
    const auto da_zero = [](const char* campo, double x,
                            double massimo) -> std::optional<std::string> {
        if (x >= 0 && x <= massimo) return std::nullopt;
        return inserisci(traduci("fotocamere", "\"%1\" deve essere tra 0 e %2"),
                         {campo, testo_limite(massimo)});
    };
    if (v.nome.empty()) return traduci("fotocamere", "il nome è vuoto");
    if (v.nome.size() > nome_massimo) return traduci("fotocamere", "il nome è troppo lungo");
    for (auto e : {positivo("larghezza_mm", v.larghezza_mm, mm_massimi),
                   positivo("altezza_mm", v.altezza_mm, mm_massimi),
                   da_zero("larghezza_px", v.larghezza_px, px_massimi),
                   da_zero("altezza_px", v.altezza_px, px_massimi),
                   da_zero("scansione_um", v.scansione_um, scansione_massima)})
        if (e) return e;
    if (v.focale_mm) return positivo("focale_mm", *v.focale_mm, focale_massima);
    return std::nullopt;
}

// Line and column of the byte at 1-based position `byte` of the text.
std::string posizione(std::string_view testo, std::size_t byte) {
    std::size_t riga = 1, colonna = 1;
    const std::size_t fine = std::min(byte > 0 ? byte - 1 : 0, testo.size());
    for (std::size_t i = 0; i < fine; ++i) {
        if (testo[i] == '\n') {
            ++riga;
            colonna = 1;
        } else {
            ++colonna;
        }
    }
    return inserisci(traduci("lettura_json", "riga %1, colonna %2"),
                     {std::to_string(riga), std::to_string(colonna)});
}

// The fields of one entry, each of its own type.
class lettore_voce {
public:
    lettore_voce(const json& o, const std::string& file, std::size_t n)
        : o_(o), file_(file), n_(n) {}

    const json* campo(const char* nome, bool obbligatorio) const {
        const auto it = o_.find(nome);
        if (it != o_.end() && !it->is_null()) return &*it;
        if (obbligatorio) errore(nome, traduci("fotocamere", "manca"));
        return nullptr;
    }
    std::string testo(const char* nome) const {
        const json* c = campo(nome, true);
        if (!c->is_string()) errore(nome, traduci("lettura_json", "deve essere un testo"));
        return c->get<std::string>();
    }
    std::optional<double> numero(const char* nome, bool obbligatorio) const {
        const json* c = campo(nome, obbligatorio);
        if (!c) return std::nullopt;
        if (!c->is_number()) errore(nome, traduci("lettura_json", "deve essere un numero"));
        return c->get<double>();
    }
    int intero(const char* nome) const {
        const double x = numero(nome, false).value_or(0);
        if (std::floor(x) != x)
            errore(nome, traduci("lettura_json", "deve essere un numero intero"));
        if (!(x >= 0 && x <= px_massimi))
            errore(nome, inserisci(traduci("fotocamere", "deve essere tra 0 e %1"),
                                   {testo_limite(px_massimi)}));
        return static_cast<int>(x);
    }
    bool vero_falso(const char* nome) const {
        const json* c = campo(nome, false);
        if (!c) return false;
        if (!c->is_boolean()) errore(nome, traduci("lettura_json", "deve essere true o false"));
        return c->get<bool>();
    }

private:
    [[noreturn]] void errore(const char* nome, const std::string& cosa) const {
        fallisci(file_, inserisci(traduci("fotocamere", "fotocamera %1, \"%2\" %3"),
                                  {std::to_string(n_), nome, cosa}));
    }

    const json& o_;
    const std::string& file_;
    std::size_t n_;
};

voce_fotocamera leggi_voce(const json& o, const std::string& file, std::size_t n) {
    if (!o.is_object())
        fallisci(file, inserisci(traduci("fotocamere", "la fotocamera %1 non è un oggetto"),
                                 {std::to_string(n)}));
    const lettore_voce l(o, file, n);
    voce_fotocamera v;
    v.nome = l.testo("nome");
    v.larghezza_mm = *l.numero("larghezza_mm", true);
    v.altezza_mm = *l.numero("altezza_mm", true);
    v.larghezza_px = l.intero("larghezza_px");
    v.altezza_px = l.intero("altezza_px");
    v.scansione_um = l.numero("scansione_um", false).value_or(0);
    v.metrica = l.vero_falso("metrica");
    v.focale_mm = l.numero("focale_mm", false);
    if (auto e = fuori_limiti(v)) fallisci(file, chi(n, v.nome) + ": " + *e);
    return v;
}

json in_json(const voce_fotocamera& v) {
    return {{"nome", v.nome},
            {"larghezza_mm", v.larghezza_mm},
            {"altezza_mm", v.altezza_mm},
            {"larghezza_px", v.larghezza_px},
            {"altezza_px", v.altezza_px},
            {"scansione_um", v.scansione_um},
            {"metrica", v.metrica},
            {"focale_mm", v.focale_mm ? json(*v.focale_mm) : json(nullptr)}};
}

}  // namespace

std::vector<voce_fotocamera> leggi_fotocamere(std::string_view testo,
                                              const std::string& nome_file) {
    json radice;
    try {
        radice = json::parse(testo);
    } catch (const json::parse_error& e) {
        fallisci(nome_file, inserisci(traduci("lettura_json", "non è un testo JSON valido (%1)"),
                                      {posizione(testo, e.byte)}));
    } catch (const json::out_of_range&) {
        fallisci(nome_file, traduci("lettura_json", "contiene un numero fuori scala"));
    } catch (const json::exception&) {
        fallisci(nome_file, traduci("lettura_json", "non è un testo JSON valido"));
    }
    if (!radice.is_object())
        fallisci(nome_file, traduci("lettura_json", "non contiene un oggetto JSON"));
    const auto elenco = radice.find("fotocamere");
    if (elenco == radice.end())
        fallisci(nome_file, traduci("fotocamere", "manca l'elenco \"fotocamere\""));
    if (!elenco->is_array())
        fallisci(nome_file, traduci("fotocamere", "\"fotocamere\" non è un elenco"));
    std::vector<voce_fotocamera> voci;
    voci.reserve(elenco->size());
    for (const json& o : *elenco) voci.push_back(leggi_voce(o, nome_file, voci.size() + 1));
    return voci;
}

std::string testo_fotocamere(const std::vector<voce_fotocamera>& voci,
                             const std::string& nome_file) {
    json elenco = json::array();
    for (std::size_t i = 0; i < voci.size(); ++i) {
        if (auto e = fuori_limiti(voci[i]))
            fallisci(nome_file, chi(i + 1, voci[i].nome) + ": " + *e);
        elenco.push_back(in_json(voci[i]));
    }
    const json radice = {{"fotocamere", std::move(elenco)}};
    try {
        return radice.dump(2) + "\n";
    } catch (const json::type_error&) {
        fallisci(nome_file, traduci("fotocamere", "un nome non è testo UTF-8 valido"));
    }
}

sensore_lavoro sensore_di(const voce_fotocamera& voce) {
    return {voce.nome, voce.larghezza_px, voce.altezza_px, voce.scansione_um};
}

}  // namespace pianopre
