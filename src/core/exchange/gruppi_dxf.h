// The groups of a DXF file, a code and its value, from either form of the
// file: ASCII (two lines a group) or binary ("AutoCAD Binary DXF", codes of
// one byte in release 12 and of two bytes later, numbers as little-endian
// binary values).
//
// A value is handed out as its text and, for the codes that hold numbers,
// as a number read from that text (ASCII) or taken as it is (binary). A
// number that cannot be read is not an error here: the group carries the
// error number, and only the user of the value raises it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "exchange/righe.h"

namespace pianopre {

// What a group code holds.
enum class valore_gruppo : std::uint8_t {
    testo,
    reale,
    intero16,
    intero32,
    intero64,
    booleano,
    byte
};

namespace dettaglio {

constexpr valore_gruppo tipo_valore_calcolato(int c) {
    using v = valore_gruppo;
    if ((c >= 10 && c < 60) || (c >= 110 && c < 150) || (c >= 210 && c < 240) ||
        (c >= 460 && c < 470) || (c >= 1010 && c < 1060))
        return v::reale;
    if ((c >= 60 && c < 80) || (c >= 170 && c < 180) || (c >= 270 && c < 290) ||
        (c >= 370 && c < 390) || (c >= 400 && c < 410) || (c >= 1060 && c < 1071))
        return v::intero16;
    if ((c >= 90 && c < 100) || (c >= 420 && c < 460) || c == 1071) return v::intero32;
    if (c >= 160 && c < 170) return v::intero64;
    if (c >= 290 && c < 300) return v::booleano;
    if ((c >= 310 && c < 320) || c == 1004) return v::byte;
    return v::testo;
}

inline constexpr auto tipi_valore = [] {
    std::array<valore_gruppo, 1072> t{};
    for (int c = 0; c < 1072; ++c) t[static_cast<std::size_t>(c)] = tipo_valore_calcolato(c);
    return t;
}();

}  // namespace dettaglio

// What the group code holds (by the table of binary DXF).
inline valore_gruppo tipo_valore(int codice) {
    return codice >= 0 && codice < 1072 ? dettaglio::tipi_valore[static_cast<std::size_t>(codice)]
                                        : dettaglio::tipo_valore_calcolato(codice);
}

inline bool numerico(valore_gruppo t) {
    return t != valore_gruppo::testo && t != valore_gruppo::byte;
}

struct gruppo {
    int codice = 0;          // -1 for a code line that is no code
    std::string_view testo;  // the value line (ASCII) or the text value (binary)
    double numero = 0;       // for numeric codes
    int errore = 0;          // the error of reading numero, 0 when read
    bool troncato = false;   // the file ended after the code: no value
};

class record_dxf;

class sorgente_gruppi {
public:
    virtual ~sorgente_gruppi() = default;
    // The groups up to the next one of code 0 (or cut short), added to r; that
    // group in g. False when the file has ended.
    virtual bool raccogli(record_dxf& r, gruppo& g);
    // The next group; false when the file has ended. When it ends between a
    // code and its value the group has the code and `troncato` (the user
    // raises error 62); error 75 when the file cannot be read.
    virtual bool leggi(gruppo& g) = 0;
    // The next line, for the search of the sections of an ASCII file; in a
    // binary file the value of the next group.
    virtual bool riga(std::string_view& r) = 0;
    virtual bool binario() const = 0;
};

// The source for the file behind righe: binary when its first line is the
// binary sentinel, ASCII otherwise (that first line is then the first
// handed out).
std::unique_ptr<sorgente_gruppi> apri_gruppi(lettore_righe& righe);

}  // namespace pianopre
