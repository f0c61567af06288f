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

valore_gruppo tipo_valore(int codice);

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

class sorgente_gruppi {
public:
    virtual ~sorgente_gruppi() = default;
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
