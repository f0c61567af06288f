// The DXF reader: ASCII or binary files of release 12 to 2018. It learns the
// layers (colour, off, frozen) from the LAYER table, the drawing's code page
// from the HEADER, the blocks from the BLOCKS section, and keeps from the
// ENTITIES section what model space draws, as runs of vertices, points and
// texts in world coordinates (exchange/dxf_conversione.h lists the kinds).
// Reading ends at "0" "EOF".
//
// In an ASCII file the sections are found line by line; codes and entity
// names are compared without surrounding blanks and in upper case. Texts
// become Windows-1252.
#pragma once

#include <cstdint>
#include <istream>
#include <string_view>

#include "exchange/righe.h"
#include "scheme/entita.h"
#include "scheme/modello.h"

namespace pianopre {

// What the reader met that the user should be told, in this order. Neither
// stops the command: the drawing read so far is shown.
struct esito_dxf {
    bool manca_layer = false;   // a TABLES section ended the file without a LAYER table
    bool manca_entita = false;  // the file has no ENTITIES section
};

// Entities a file may add through block references (and copies of arrays)
// before its read stops with error 6.
inline constexpr std::int64_t massimo_da_blocchi = std::int64_t{1} << 24;

// Reads the file to "0" "EOF" or its end, filling the layer list and
// appending to the entity list (both emptied by the caller). Errors: 13 for
// a number field of a kept entity that holds no number, 6 for a number out
// of range or too many entities from blocks, 9 at the 301st layer, 62 when
// the file ends between a code and its value, 75 when it cannot be read;
// the lists keep what was read before.
esito_dxf leggi_dxf(modello& m, std::istream& file);
esito_dxf leggi_dxf(modello& m, lettore_righe& file, std::int64_t massimo = massimo_da_blocchi);

// The colour of the first layer named exactly nome (blanks around the stored
// names ignored), 0 when there is none.
std::int16_t colore_layer(const modello& m, std::string_view nome);

}  // namespace pianopre
