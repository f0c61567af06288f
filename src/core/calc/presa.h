// The shooting plan: coverage, base, overlap, tilt or strips, frames.
//
// Angles go between degrees and radians with the constant 3.141592, as the
// plans surveyors already hold were computed; every floating-point step is
// guarded and fails with the numbered errors of app/errori.h.
#pragma once

#include <cstdint>

#include "base/record.h"

namespace pianopre {

// Fills presa from camera and lavoro. presa must arrive zero-filled; on error
// the fields written so far stay in it.
void calcola_presa(const dati_camera& camera, const dati_lavoro& lavoro, dati_presa& presa,
                   std::int16_t base_bloccata);

// Inclination in degrees that brings the upper edge of a frame, `sopra` above the
// camera axis at `distanza`, up to `altezza` above that axis.
double angolo_incl(double distanza, double sopra, double altezza);

struct bordi_fotogramma {
    double sopra;  // height of the upper edge above the camera axis
    double sotto;  // depth of the lower edge below the axis (negative when above it)
};

// Edges on the object plane of a frame tilted upwards by `incl` degrees whose
// untilted frame reaches `sopra` above and `sotto` below the camera axis.
bordi_fotogramma fotogramma_inclinato(double distanza, double sopra, double sotto, double incl);

// Camera axis above the ground at the façade's foot for strip `striscia`
// (1 for the lowest): each strip stands 0.9 × alt_cop above the one below.
double altezza_camera(const dati_presa& presa, std::int32_t striscia);

}  // namespace pianopre
