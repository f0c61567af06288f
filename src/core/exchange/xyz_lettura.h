// The .xyz control-point reader: per point a name and X, Y, Z, usually one
// point a line as the name, a comma and the coordinates separated by commas
// or blanks. The points go into lista_punti, sorted by name.
#pragma once

#include <cstdint>
#include <istream>

#include "exchange/righe.h"
#include "scheme/modello.h"

namespace pianopre {

// What the load met that the user should be told.
struct esito_xyz {
    // The 4500th point was read: the load stopped there and the list is not sorted.
    bool troppi_punti = false;
    // Line where a last point began whose coordinates the file does not hold;
    // that point is dropped and the others are sorted. 0 when none.
    std::int64_t riga_incompleta = 0;
};

// Replaces the control points with those of the file and sorts them by the
// byte codes of their 15-character names (blanks included). Blank lines are
// not points. Errors: 6 for a coordinate too large for a real, 75 when the
// file cannot be read; the points read before stay, unsorted.
esito_xyz leggi_xyz(modello& m, std::istream& file);
esito_xyz leggi_xyz(modello& m, lettore_righe& file);

}  // namespace pianopre
