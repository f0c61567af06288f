// The stake-out file: the stations, then the control points, as a CSV text for
// total stations, GNSS receivers and spreadsheets, and its safe save.
//
// One header line, then one line per point: name, the two plan coordinates in
// the chosen order, height and a description ("stazione h=1.50 az=300.0000
// inc=2.59" for a station, "PF" for a control point); three decimals, UTF-8,
// CR LF line ends. Numbers, descriptions included, use the chosen decimal mark.
// Convergent images are rows of their own, named as in the station table but
// with an ASCII hyphen for the minus sign: "S1-01+" and "S1-01-".
#pragma once

#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "exchange/colonne_punti.h"
#include "scheme/entita.h"
#include "site/stazioni.h"

namespace pianopre {

// Comma between fields and point in numbers, or (for spreadsheets set to
// Italian) semicolon and comma.
enum class separatori_csv { virgola_punto, puntovirgola_virgola };

struct opzioni_csv {
    ordine_colonne ordine = ordine_colonne::pnezd;
    separatori_csv separatori = separatori_csv::virgola_punto;
};

std::string testo_csv(std::span<const riga_stazione> stazioni, std::span<const punto_app> punti,
                      const opzioni_csv& opzioni);

// A save that failed; what() is the message for the user.
class errore_salvataggio : public std::runtime_error {
public:
    errore_salvataggio(const std::string& nome, const std::string& problema);
    const std::string& nome() const noexcept { return nome_; }
    const std::string& problema() const noexcept { return problema_; }  // as errore_file words it

private:
    std::string nome_;
    std::string problema_;
};

// scrivi_file_atomico with the user's message: on failure the target is left
// as it was.
void salva_testo_atomico(const std::filesystem::path& percorso, std::string_view testo);

}  // namespace pianopre
