// The value fields of DXF and .xyz lines: a text item, a number with a point
// as decimal separator, a 16-bit whole number.
#pragma once

#include <cstdint>
#include <string_view>

namespace pianopre {

// A text item: leading blanks skipped; in double quotes it ends at the closing
// quote, otherwise at a comma or at the end of the line.
std::string_view campo_testo(std::string_view riga);

// A number item: leading blanks skipped, it ends at a comma, a blank or the
// end of the line. Error 13 when the item is not a number, 6 when it is too
// large for a 64-bit real (a value too small for one reads as 0).
double campo_numero(std::string_view riga);

// The whole text without surrounding blanks as a number taken to the nearest
// 16-bit whole number, halves to even: error 13 when it is not a number, 6
// when it leaves -32768..32767.
std::int16_t intero_campo(std::string_view testo);

// Upper case of a Windows-1252 character, letters with accents included.
char maiuscola(char c);

// True when testo in upper case is maiuscolo.
bool uguale_maiuscolo(std::string_view testo, std::string_view maiuscolo);

}  // namespace pianopre
