// The DXF reader: a tolerant line scanner that learns the layer colours from
// the LAYER table and keeps, from the ENTITIES section on, the LINE, POINT,
// TEXT and POLYLINE vertices with their layer, colour, coordinates and, for
// texts, text, height and rotation. Everything else is skipped.
//
// The file is read as pairs of lines, a group code and its value. Codes and
// entity names are compared without surrounding blanks and in upper case.
// Texts stay the bytes they are in the file (Windows-1252).
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

// Reads the file to its end, filling the layer list and appending to the
// entity list (both emptied by the caller). Errors: 13 for a number field
// that holds no number, 6 for a number out of range, 9 at the 301st layer,
// 62 when the file ends between a code and its value, 75 when it cannot be
// read; the lists keep what was read before.
esito_dxf leggi_dxf(modello& m, std::istream& file);
esito_dxf leggi_dxf(modello& m, lettore_righe& file);

// Reads the LAYER table into the layer list, from the line after "TABLES".
// False when the file ended before a LAYER table began; true otherwise,
// also when the TABLES section ended without one.
bool leggi_layer(modello& m, lettore_righe& file);

// The colour of the first layer named exactly nome (blanks around the stored
// names ignored), 0 when there is none.
std::int16_t colore_layer(const modello& m, std::string_view nome);

// Stores the entity just read, by its name: LINE as the pair 21, 23 (the
// second point takes the layer when it has none), POINT as 11, VERTEX with
// codice_vertice (21 or 22), TEXT as 81; anything else is not stored.
void memorizza_entita(modello& m, std::string_view nome_entita, std::int16_t codice_vertice,
                      entita& corrente, entita& secondo);

}  // namespace pianopre
