// MTEXT, and the text of a MULTILEADER: one text for each line, the lines
// stacked along the text's own up direction from where its attachment point
// puts them, the columns of an MTEXT side by side.
#pragma once

#include <string_view>

#include "exchange/disegno_dxf.h"
#include "exchange/record_dxf.h"

namespace pianopre {

// Where the lines of a text of several lines go: from the insertion point,
// along x (unit, the lines' direction) and y (unit, up); passo from a line to
// the next, colonna from a column to the next (width and gutter, 0 when not
// known: a column then starts where the first one does). The attachment point
// is 1..9, rows top, middle, bottom, each from the left. Each line's point is
// its own anchor, as a justified TEXT's is: the first line's top at the
// insertion point for the top row, the block of lines centred on it for the
// middle row, the last line's bottom on it for the bottom row; and likewise
// the columns start from it, are centred on it or end at it.
struct cornice_testo {
    p3 origine;
    p3 x{1, 0, 0};
    p3 y{0, 1, 0};
    double altezza = 0;
    double passo = 0;
    double colonna = 0;
    int attacco = 1;
    bool diretto = true;  // x and y the world's: rotazione as it is
    double rotazione = 0;
};

// The lines of an MTEXT value, one text each: "\P" starts a line, "\N" a column.
void righe_in_cornice(const cornice_testo& c, std::string_view grezzo, codifica cod,
                      const attributi& a, destinazione& out);

// Sets c.x to the unit vector of x in the plane of normal n (the plane's x
// axis of its object coordinate system when x is across it) and c.y to the
// unit vector square to it, up in that plane.
void orienta(cornice_testo& c, p3 x, p3 n);

void mtext(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out);

}  // namespace pianopre
