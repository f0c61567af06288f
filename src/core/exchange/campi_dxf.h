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
// Inline: the reader compares every entity name and code with it.
inline char maiuscola(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    // Windows-1252: à..þ (but not ÷) to À..Þ, and š, œ, ž, ÿ.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

// True when testo in upper case is maiuscolo.
inline bool uguale_maiuscolo(std::string_view testo, std::string_view maiuscolo) {
    if (testo.size() != maiuscolo.size()) return false;
    for (std::size_t i = 0; i < testo.size(); ++i)
        if (maiuscola(testo[i]) != maiuscolo[i]) return false;
    return true;
}

}  // namespace pianopre
