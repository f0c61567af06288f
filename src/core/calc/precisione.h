// Precision estimate of a plan, in millimetres: X across the object, Z in depth.
//
// Two estimates: the maximum, attainable with metric cameras and first-order
// analytical plotters, and the standard one of ordinary work. A camera that is
// not metric loses 0.1 mm per unit of photo scale number (1.5 times that in depth).
#pragma once

#include "base/record.h"

namespace pianopre {

struct valori_xz {
    double x;
    double z;
};

// The pair as the window keeps it: 32-bit reals.
struct precisione_xz {
    float x;
    float z;
};

// s is the image measuring precision in mm.
valori_xz precisione_max(const dati_presa& presa, const dati_camera& camera, double s);
valori_xz precisione_std(const dati_presa& presa, const dati_camera& camera);

// The maximum (image precision 0.003 mm) and standard estimates narrowed to
// 32 bits, with the correction for a camera that is not metric.
precisione_xz stima_precisione_max(const dati_presa& presa, const dati_camera& camera,
                                   bool metrica);
precisione_xz stima_precisione_std(const dati_presa& presa, const dati_camera& camera,
                                   bool metrica);

}  // namespace pianopre
