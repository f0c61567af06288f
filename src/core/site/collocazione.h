// The scheme placed on the site: the façade's start corner A in site
// coordinates (East, North, height of the ground at the façade's foot) and
// the façade's direction as an azimuth from North, clockwise, with the
// cameras on the right as one walks from A along it.
//
// With P1 = (x0, y0, z0) the façade's start corner in the scheme and α the
// azimuth: u = (sin α, cos α), v = (−cos α, sin α);
// East, North = A + (x − x0)·u + (y − y0)·v; height = A_height + (z − z0).
// The default placement, A = (100, 200, 20) and α = 90°, is the identity.
#pragma once

#include "view/proiezione.h"

namespace pianopre {

enum class unita_angolo { gradi, gon };

struct collocazione {
    double est = 100;
    double nord = 200;
    double quota = 20;
    double azimut = 90;  // in `unita`
    unita_angolo unita = unita_angolo::gradi;

    bool operator==(const collocazione&) const = default;
};

// The façade's start corner of a scheme built at its own place.
inline constexpr punto3 angolo_schema{100, 200, 20};

// An angle between the two units.
double in_radianti(double angolo, unita_angolo unita);
double da_radianti(double radianti, unita_angolo unita);

// True for the placement that leaves every coordinate as it is (A at the
// scheme's corner, façade along East), whatever the unit.
bool e_identita(const collocazione& c);

// Scheme frame to site and back. The identity returns the point unchanged,
// bit for bit.
punto3 al_sito(const collocazione& c, const punto3& p);
punto3 dal_sito(const collocazione& c, const punto3& p);

}  // namespace pianopre
