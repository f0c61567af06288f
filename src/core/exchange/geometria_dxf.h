// Geometry of the DXF reader: points, the affine placements of entities and
// block references, the object coordinate system of an extrusion direction,
// and curves (arcs, bulges, ellipses, splines) as runs of points whose chords
// stay within a small share of the curve's radius or size.
#pragma once

#include <cmath>

#include <array>
#include <vector>

namespace pianopre {

struct p3 {
    double x = 0, y = 0, z = 0;
};

inline p3 operator+(p3 a, p3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline p3 operator-(p3 a, p3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline p3 operator*(double k, p3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
double lunghezza(p3 a);

// x' = m[0..2]·x + m[3], rows for x, y, z.
struct matrice {
    std::array<double, 12> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
    p3 applica(p3 p) const;
    p3 direzione(p3 d) const;  // the linear part only
    bool identita() const;
};

matrice operator*(const matrice& a, const matrice& b);

// From the object coordinate system of an extrusion direction to world
// coordinates (the arbitrary axis rule); identity for (0, 0, 1) or a null one.
matrice da_ocs(p3 estrusione);
matrice traslazione(p3 t);
matrice rotazione_z(double radianti);
matrice scala(p3 s);

// Share of the radius (or size) a chord may stray from its curve: under the
// 0.2 % promised, with room for the rounding of the coordinates.
inline constexpr double scarto_corde = 0.0018;

// How far an arc turns from `da` to `a`, counter-clockwise, in (0, giro]: an
// end at or before the start goes round once more, and never more than one
// turn. Worked out in one step, so that angles of any size cost the same.
inline double ampiezza_arco(double da, double a, double giro) {
    const double d = a - da;
    if (!(d == d)) return 0;  // not a number
    if (d > 0) return d < giro ? d : giro;
    return std::fmod(d, giro) + giro;
}
// For splines, of the size of their control frame.
inline constexpr double scarto_spline = 0.001;

// Points of the arc of circle (centre, radius) from angle a0 to a1 (radians,
// counter-clockwise, a1 > a0), first and last included, in the plane z = c.z.
void punti_arco(std::vector<p3>& out, p3 c, double r, double a0, double a1);

// Points after p0 up to p1 along the bulge b (p0 itself is not added).
void punti_bulge(std::vector<p3>& out, p3 p0, p3 p1, double b);

// Ellipse of centre c, major axis end (relative) a, minor/major ratio,
// parameters t0..t1 (t1 > t0).
void punti_ellisse(std::vector<p3>& out, p3 c, p3 a, p3 normale, double rapporto, double t0,
                   double t1);

// B-spline of the given degree, control points, knots and weights (empty for
// a non-rational one). False when the data do not make a spline.
bool punti_spline(std::vector<p3>& out, int grado, const std::vector<p3>& controllo,
                  const std::vector<double>& nodi, const std::vector<double>& pesi);

// The cubic spline through the points as CAD programs draw a SPLINE given by
// fit points: chord-length parameters, end directions given (tangenti, two)
// or estimated from five points. False when the points do not make one.
bool punti_da_adattamento(std::vector<p3>& out, const std::vector<p3>& punti, const p3* tangenti);

}  // namespace pianopre
