// Reading the numbers users type into the input boxes.
#pragma once

#include <optional>
#include <string_view>

#include "base/formato_regionale.h"

namespace pianopre {

// The text of an input box to a real. The first "." or "," decides the rules:
// a comma means a strict reading with the comma as decimal separator (error 13
// when the text is not a complete number); a point, or neither, means the
// lenient locale-independent reading that stops at the first character that
// cannot continue the number. Blank text gives 0; a text longer than 32767
// characters fails with error 6, and so does a number too large for a real
// or an "&H" or "&O" number beyond 32 bits.
double leggi_numero(std::string_view testo, const formato_regionale& formato);

}  // namespace pianopre

namespace pianopre {

// The strict reading of the program's own settings fields: blanks around, an
// optional sign, digits with the regional decimal separator or a point, an
// optional exponent, and nothing else. None for anything else or a value that
// is not finite.
std::optional<double> leggi_numero_esatto(std::string_view testo, const formato_regionale& formato);

}  // namespace pianopre
