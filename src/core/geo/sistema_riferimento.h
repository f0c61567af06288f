// The site's coordinate system: what the user typed in "Sistema di
// riferimento" ("EPSG:6707", "6707", or a name such as "RDN2008 / UTM zone
// 32N") resolved in PROJ's database into a code and its name. Only projected
// systems with East and North axes in metres are accepted, since the site's
// coordinates are East, North and height in metres; every other case has its
// reason in the user's language. An empty text means no system: not an error
// for the job, but what the map and drone exports need.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pianopre {

enum class stato_sistema {
    valido,
    vuoto,           // nothing typed: no system
    sconosciuto,     // no such code or name in PROJ's database
    ambiguo,         // a name fragment that several systems share
    geografico,      // latitude and longitude in degrees
    non_proiettato,  // geocentric, vertical, compound, engineering...
    non_metrico,     // a projected system in feet or other units
    assi,            // axes other than East and North (westing, southing)
};

struct sistema_riferimento {
    stato_sistema stato = stato_sistema::vuoto;
    std::string codice;  // "EPSG:6707", also for a refused system; empty when not found
    std::string nome;    // "RDN2008 / UTM zone 32N"
    std::string motivo;  // why it is refused, user's language, no "Errore:"; empty when valid

    bool valido() const { return stato == stato_sistema::valido; }
};

// What the user reads for a system that is not valid: "Errore: <motivo>.",
// or for an empty field the reminder that the map and drone exports need a
// system. Empty for a valid one.
std::string messaggio_sistema(const sistema_riferimento& s);

// One system of the database, for a list of choices.
struct voce_sistema {
    std::string codice;  // "EPSG:32633"
    std::string nome;    // "WGS 84 / UTM zone 33N"
    bool operator==(const voce_sistema&) const = default;
};

// The names of PROJ's EPSG systems (projected and geographic, current ones),
// read once with proj_get_crs_info_list_from_database: a dialog keeps one
// while the user types, so that each key does not read the database again.
class catalogo_sistemi {
public:
    catalogo_sistemi();

    // Resolves `testo`. A leading "AUTH:CODE" (what follows it is ignored,
    // so "EPSG:6707 RDN2008 / UTM zone 32N" reads as EPSG:6707) or digits
    // alone (an EPSG code) name the system; anything else is searched among
    // the names, case aside: a whole name first (the lowest code when several
    // share it), then a fragment that only one system holds. Never throws for
    // bad text.
    sistema_riferimento risolvi(std::string_view testo) const;

    // The projected systems whose code or name holds `frammento` (case
    // aside), at most `massimo`, in the database's order; all for an empty
    // fragment. Their units are checked only when one is resolved.
    std::vector<voce_sistema> cerca(std::string_view frammento,
                                    std::size_t massimo = static_cast<std::size_t>(-1)) const;

private:
    struct voce {
        voce_sistema sistema;
        std::string minuscolo;  // code and name, for the searches
        long numero;            // the EPSG code as a number
        bool proiettato;
    };
    std::vector<voce> voci_;
};

// The same as catalogo_sistemi().risolvi(testo), reading the names only when
// `testo` is not a code.
sistema_riferimento risolvi_sistema(std::string_view testo);

}  // namespace pianopre
