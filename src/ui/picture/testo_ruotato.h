// Texts drawn at an angle into the picture area.
#pragma once

#include <string_view>

#include "picture/area_disegno.h"

namespace pianopre {

// Draws all characters of `testo` (Windows-1252 bytes, blanks included) with a
// serif font whose cell is `altezza` pixels high (below 0.5 the default height),
// rotated `angolo` degrees counter-clockwise, with the top-left corner of the
// text at pixel (x, y) of the picture, in the area's foreground colour. The
// area's painter is left as it was found.
void testo_ruotato(area_disegno& area, std::string_view testo, float x, float y, float altezza,
                   float angolo);

}  // namespace pianopre
