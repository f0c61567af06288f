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

#include <string>

#include "base/punti.h"

namespace pianopre {

enum class unita_angolo { gradi, gon };

struct collocazione {
    double est = 100;
    double nord = 200;
    double quota = 20;
    double azimut = 90;  // in `unita`
    unita_angolo unita = unita_angolo::gradi;
    // The site's coordinate system as kept in the job ("EPSG:6707"); empty
    // when none. It names the frame of East and North and does not take part
    // in the transform below (src/core/geo resolves it).
    std::string sistema = {};

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

// The transform of one placement with its sine and cosine worked out once,
// for drawing and writing many points.
class trasformazione_sito {
public:
    explicit trasformazione_sito(const collocazione& c = {});
    bool identita() const { return identita_; }
    punto3 applica(const punto3& p) const {
        if (identita_) return p;
        const double dx = p.x - angolo_schema.x, dy = p.y - angolo_schema.y;
        return {est_ + dx * s_ - dy * k_, nord_ + dx * k_ + dy * s_,
                quota_ + (p.z - angolo_schema.z)};
    }
    // How far the scheme turns, counter-clockwise in degrees: 0 for the identity.
    double rotazione_gradi() const { return rotazione_; }

private:
    bool identita_;
    double est_, nord_, quota_, s_, k_, rotazione_;
};

}  // namespace pianopre
