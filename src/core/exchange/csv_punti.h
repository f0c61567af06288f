// The control-point files of total stations and GNSS receivers as CSV or plain
// text: one point a line as name, the two plan coordinates in PNEZD or PENZD
// order, height and an optional description, separated by commas, semicolons,
// tabs or blanks. Numbers take a decimal point, or a decimal comma when the
// fields are not separated by commas. A first line with no number where the
// coordinates stand is a header and is skipped; any other line that is not a
// point is told with its number and never read as one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/colonne_punti.h"
#include "scheme/elenco_fisso.h"

namespace pianopre {

enum class separatore_campi { virgola, punto_e_virgola, tabulazione, spazi };

struct formato_punti {
    ordine_colonne ordine = ordine_colonne::pnezd;
    separatore_campi separatore = separatore_campi::virgola;
};

// Why a line is not a point.
enum class difetto_riga { poche_colonne, nome_vuoto, numero_errato };

struct riga_errata {
    std::int64_t riga = 0;  // from 1
    difetto_riga difetto = difetto_riga::poche_colonne;
    int colonna = 0;    // the column of the bad number, from 1
    std::string testo;  // the bad number as written: its first 40 bytes, in UTF-8
};

struct riga_punto {
    std::int64_t riga = 0;    // from 1
    punto_app punto;          // x East, y North, z height; the name in Windows-1252
    std::string descrizione;  // UTF-8
};

struct esito_punti {
    std::vector<riga_punto> punti;    // in the file's order
    std::vector<riga_errata> errate;  // the first `errate_tenute` bad lines
    std::int64_t n_errate = 0;        // all the bad lines
    bool testata = false;             // the first line was a header and was skipped
    bool troppi_punti = false;        // a point beyond `massimo` was met: reading stopped
    std::int64_t righe = 0;           // lines looked at

    static constexpr std::size_t errate_tenute = 1000;
};

// The separator that splits most of the first non-blank lines into a name and
// coordinates; on a tie tab comes first, then semicolon, comma and blanks. A
// comma when no line looks like a point.
separatore_campi indovina_separatore(std::string_view testo);

// Reads the points of `testo` (the whole file, a UTF-8 byte-order mark
// allowed). Reads at most `massimo_righe` lines and keeps at most `massimo`
// points. Names that are not UTF-8 are kept as Windows-1252 bytes.
esito_punti leggi_punti_csv(std::string_view testo, const formato_punti& formato,
                            std::size_t massimo = elenco_punti::posti,
                            std::int64_t massimo_righe = std::numeric_limits<std::int64_t>::max());

// "riga 7: ..." in the user's language.
std::string descrivi(const riga_errata& r);

}  // namespace pianopre
