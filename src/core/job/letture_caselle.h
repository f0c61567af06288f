// What the reading of the input boxes did beyond the plain numbers: the boxes
// whose text was read leniently (letters or blanks dropped, a grouping read as
// a decimal) and the negative sizes the calculation refuses.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "base/formato_regionale.h"
#include "base/record.h"
#include "job/commessa.h"

namespace pianopre {

// The eight input boxes, in the order of caselle_lavoro.
enum class casella_lavoro { focale, larg_neg, alt_neg, alt_sogg, larg_sogg, distanza, scala, base };

inline constexpr casella_lavoro tutte_le_caselle[] = {
    casella_lavoro::focale,   casella_lavoro::larg_neg,  casella_lavoro::alt_neg,
    casella_lavoro::alt_sogg, casella_lavoro::larg_sogg, casella_lavoro::distanza,
    casella_lavoro::scala,    casella_lavoro::base};

const std::string& testo_casella(const caselle_lavoro& caselle, casella_lavoro quale);

struct lettura_dubbia {
    casella_lavoro casella;
    std::string testo;  // as typed
    double valore;      // as read
};

// The boxes whose text is not wholly a number (numero_completo) and was read
// as one all the same, in the order of caselle_lavoro. A text the reading
// rejects is not here: the calculation tells its error.
std::vector<lettura_dubbia> letture_dubbie(const caselle_lavoro& caselle,
                                           const formato_regionale& formato);

// A job whose sizes cannot be planned; the message says which, in the user's
// language.
class dato_negativo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// dato_negativo for a negative object width, object height, distance or
// restitution scale, naming the first of them in that order. Zero passes: the
// calculation answers it as it always has.
void controlla_negativi(const dati_lavoro& lavoro, const formato_regionale& formato);

}  // namespace pianopre
