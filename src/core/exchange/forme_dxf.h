// The DXF kinds made of several parts: polylines with bulges, POLYLINE with
// its vertices (2-D, 3-D, polyface and polygon meshes), HATCH boundary paths,
// MULTILEADER leader lines and text; and curves through fit points.
#pragma once

#include <vector>

#include "exchange/disegno_dxf.h"
#include "exchange/record_dxf.h"

namespace pianopre {

// The points of a plane polyline: the vertices with the arcs of their bulges,
// and the closing segment when chiusa.
void polilinea_piana(std::vector<p3>& out, const std::vector<p3>& vertici,
                     const std::vector<double>& bulge, bool chiusa);

// A smooth curve through the points (a centripetal Catmull-Rom spline).
void interpola(std::vector<p3>& out, const std::vector<p3>& punti);

void tratteggio(const record_dxf& r, const attributi& a, destinazione& out);
// MLINE: each of its lines through the vertices, moved along their miters.
void multilinea(const record_dxf& r, const attributi& a, destinazione& out);
void multileader(const record_dxf& r, const attributi& a, disegno_dxf& d, destinazione& out);

}  // namespace pianopre
