// The job file (.pianopre): a UTF-8 JSON text holding the input boxes as
// typed, the flags, the camera's pixels, the check and drone settings, the placement on
// the site, the scheme origin, the view, the site drawing and the control
// points. docs/formato-lavoro.md describes every key. Paths beside or below
// the job's folder are written relative to it; errors carry a
// message in the user's language naming the file and the problem.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/verifiche.h"
#include "droni/missione.h"
#include "job/commessa.h"
#include "scheme/entita.h"
#include "site/collocazione.h"
#include "view/proiezione.h"

namespace pianopre {

inline constexpr int versione_file_lavoro = 1;

// The eight input boxes as typed, UTF-8 (keys of "caselle" in brackets).
struct caselle_file {
    std::string focale;     // txt_foc
    std::string larg_neg;   // txt_xneg
    std::string alt_neg;    // txt_yneg
    std::string scala;      // txt_Scala
    std::string larg_sogg;  // Txt_Larg_sogg
    std::string alt_sogg;   // txt_altezza_sogg
    std::string distanza;   // txt_spazio
    std::string base;       // txt_basep

    bool operator==(const caselle_file&) const = default;
};

// Everything a job file holds. A new value is a new job.
struct dati_file_lavoro {
    caselle_file caselle;
    bool metrica = false;
    bool blocca_base = false;
    sensore_lavoro sensore;  // "fotocamera": name UTF-8, pixels, scan
    impostazioni_verifiche verifiche;
    impostazioni_drone drone;
    impostazioni_convergenti convergenti;  // "convergenti", written only when not the default
    collocazione sito;
    origine_schema origine;
    tipo_vista vista = tipo_vista::pianta;
    std::optional<finestra_vista> finestra;  // none until the view was set
    std::filesystem::path file_sito;         // the site drawing; empty when none
    std::filesystem::path file_punti;        // the .xyz the points came from; empty when none
    std::vector<punto_app> punti;            // names in the program's own characters
    intestazione_lavoro intestazione;        // "intestazione": project, place, operator
};

// A file the reader or the writer refuses, with its message in the user's language.
class errore_file_lavoro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct esito_lettura_lavoro {
    dati_file_lavoro dati;
    std::vector<std::string> avvisi;  // to show once, after opening
};

// The JSON text, two-space indents, keys in the documented order. Throws
// errore_file_lavoro, naming `nome_file`, for a value the reader would refuse.
std::string testo_file_lavoro(const dati_file_lavoro& dati,
                              const std::filesystem::path& cartella_lavoro,
                              const std::string& nome_file = "");

// Saves atomically: on any failure ("Errore: impossibile salvare il file:
// NAME (...)") the previous file stays as it was.
void scrivi_file_lavoro(const std::filesystem::path& percorso, const dati_file_lavoro& dati);

// The job in `testo`; relative paths are resolved against `cartella_lavoro`
// (left as they are when it is empty). Unknown keys are ignored, missing ones
// (or null) take the defaults of a new job. Throws errore_file_lavoro for text
// that is not JSON, not a job, of a newer incompatible shape or with a value
// of the wrong type or out of range; a newer "versione" only adds a notice, and
// so does a damaged "collocazione.sistema": one that is not a text is dropped,
// one that PROJ does not resolve is kept as written.
esito_lettura_lavoro leggi_testo_lavoro(std::string_view testo, const std::string& nome_file,
                                        const std::filesystem::path& cartella_lavoro);

// The job at `percorso` (at most 16 MiB). A site drawing that is no longer
// there is dropped, with a notice.
esito_lettura_lavoro leggi_file_lavoro(const std::filesystem::path& percorso);

// What the job object holds: flags, camera pixels, settings, placement,
// origin, site drawing, control points and the header fields. Boxes, view and the .xyz path come
// from the window.
dati_file_lavoro dati_da_commessa(const commessa& c);

// The same fields into the job: the control points replace the old ones,
// sorted as the .xyz reader sorts them; the site drawing is emptied for the
// caller to read `file_sito` into it.
void applica_a_commessa(const dati_file_lavoro& dati, commessa& c);

// The boxes as the window reads them (Latin-1, '?' for other characters).
caselle_lavoro caselle_da_file(const dati_file_lavoro& dati);

}  // namespace pianopre
