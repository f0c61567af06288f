// Texts drawn with a painter into the picture area: at an angle, and at
// their own height.
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

// Draws `testo` (Windows-1252 bytes) as a drawing made to scale shows it: its
// capitals `altezza` pixels high, as a DXF text height measures them, its
// baseline starting at pixel `inizio` and turned `angolo` degrees
// counter-clockwise, in `colore`, with the picture's own face. Texts under a
// pixel high, or taller than eight pictures, of which nothing could be read,
// are left out. The area's painter, font size and pen are left as found.
void testo_in_scala(area_disegno& area, std::string_view testo, QPointF inizio, double altezza,
                    double angolo, const QColor& colore);

}  // namespace pianopre
