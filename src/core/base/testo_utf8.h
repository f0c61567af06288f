// UTF-8, the text of the program's files, against the single-byte characters
// the program keeps: Latin-1 for the input boxes, Windows-1252 for names read
// from drawings and point files.
#pragma once

#include <string>
#include <string_view>

namespace pianopre {

// Characters outside Latin-1 and malformed sequences become '?'.
std::string utf8_in_latin1(std::string_view utf8);

// Every byte has a character: the five bytes Windows-1252 leaves unused map
// to the control characters of the same code, so the way back is exact.
std::string cp1252_in_utf8(std::string_view testo);

// True when the text is well-formed UTF-8 (plain ASCII included).
bool utf8_valido(std::string_view testo);

// The way back; characters Windows-1252 lacks and malformed sequences become '?'.
std::string utf8_in_cp1252(std::string_view utf8);

}  // namespace pianopre
