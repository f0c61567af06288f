// The placement transform between the scheme's frame and the site.
#include "site/collocazione.h"

#include <cmath>
#include <numbers>

namespace pianopre {

double in_radianti(double angolo, unita_angolo unita) {
    return angolo * std::numbers::pi / (unita == unita_angolo::gon ? 200.0 : 180.0);
}

double da_radianti(double radianti, unita_angolo unita) {
    return radianti * (unita == unita_angolo::gon ? 200.0 : 180.0) / std::numbers::pi;
}

bool e_identita(const collocazione& c) {
    const double identita = c.unita == unita_angolo::gon ? 100 : 90;
    return c.est == angolo_schema.x && c.nord == angolo_schema.y && c.quota == angolo_schema.z &&
           c.azimut == identita;
}

trasformazione_sito::trasformazione_sito(const collocazione& c)
    : identita_(e_identita(c)),
      est_(c.est),
      nord_(c.nord),
      quota_(c.quota),
      s_(std::sin(in_radianti(c.azimut, c.unita))),
      k_(std::cos(in_radianti(c.azimut, c.unita))),
      rotazione_(
          identita_ ? 0 : 90 - da_radianti(in_radianti(c.azimut, c.unita), unita_angolo::gradi)) {}

punto3 al_sito(const collocazione& c, const punto3& p) {
    if (e_identita(c)) return p;
    const double a = in_radianti(c.azimut, c.unita);
    const double s = std::sin(a), k = std::cos(a);
    const double dx = p.x - angolo_schema.x, dy = p.y - angolo_schema.y;
    return {c.est + dx * s - dy * k, c.nord + dx * k + dy * s, c.quota + (p.z - angolo_schema.z)};
}

// u and v are orthonormal, so the inverse projects on them.
punto3 dal_sito(const collocazione& c, const punto3& p) {
    if (e_identita(c)) return p;
    const double a = in_radianti(c.azimut, c.unita);
    const double s = std::sin(a), k = std::cos(a);
    const double de = p.x - c.est, dn = p.y - c.nord;
    return {angolo_schema.x + de * s + dn * k, angolo_schema.y - de * k + dn * s,
            angolo_schema.z + (p.z - c.quota)};
}

}  // namespace pianopre
