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

// Whether leggi_numero reads every character of a box's text as a number of
// the regional form, so that nothing was dropped or guessed. A blank text is
// one (the box is empty, not misread). Otherwise the text, blanks around it
// aside, must be either a number of the regional form (sign, digits grouped
// in threes by the regional grouping separator or not grouped, the regional
// decimal separator, an "E" exponent) that reads as the box reads it, or a
// number the box reads strictly: a comma decimal ("2,5" in any format), or a
// point decimal that cannot be a grouping ("3.5" in any format). Not a number:
// letters or blanks inside ("trenta", "3O", "1 2"), texts whose regional
// grouping the box reads as a decimal ("1.000" is read as 1 in Italian),
// "&H" and "&O" numbers, "D" exponents, and any text the box rejects.
bool numero_completo(std::string_view testo, const formato_regionale& formato);

}  // namespace pianopre
