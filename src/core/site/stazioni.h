// The camera stations of a computed job as a surveyor sets them out: one row
// per frame of every strip with its site coordinates, the azimuth of the
// optical axis and the tilt; and the geometry of the strips in the scheme's
// frame that the stereo models share.
//
// A station stands where the scheme puts it along the façade, dist_presa in
// front of the façade plane (the scheme draws it half a metre farther so that
// footprints keep off the façade lines), h_camera above the ground plus
// 0.9 × alt_cop for each strip below. The scheme origin ("Sposta schema",
// "Centra") moves the stations as it moves the drawn ones; then the placement
// takes them to the site. Positions are computed in 64-bit reals, while the
// scheme draws 32-bit ones: the two differ by less than a millimetre on
// schemes of usual size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/punti.h"
#include "base/record.h"
#include "site/collocazione.h"

namespace pianopre {

// The stations in the scheme's frame, origin included.
struct geometria_strisce {
    std::int32_t strisce = 0;
    std::int32_t per_striscia = 0;  // frames of each strip
    double x_primo = 0;             // first frame of every strip
    double passo = 0;               // base between consecutive frames
    double y_stazioni = 0;          // dist_presa in front of the façade
    double y_facciata = 0;
    double z_primo = 0;          // camera height of the first strip
    double z_striscia = 0;       // rise from one strip to the next
    double sopra = 0;            // footprint's upper edge above the camera axis
    double altezza = 0;          // footprint's height
    double mezza_copertura = 0;  // half the frame's coverage along the façade
    double x_angolo = 0;         // the façade's start corner A
    double z_piede = 0;          // the ground at the façade's foot

    double x(std::int32_t foto) const { return x_primo + (foto - 1) * passo; }
    double z(std::int32_t striscia) const { return z_primo + (striscia - 1) * z_striscia; }
};

// The geometry of the plan `p` of an object `larg_sogg` wide, its scheme moved
// by `origine`; nothing (no strips) for a plan without strips.
geometria_strisce geometria_piano(const dati_presa& p, double larg_sogg,
                                  const origine_schema& origine);

struct riga_stazione {
    std::string nome;  // "S1-01": strip, then frame with at least two digits
    std::int32_t striscia = 0;
    std::int32_t fotogramma = 0;
    double est = 0;
    double nord = 0;
    double quota = 0;
    double azimut = 0;        // of the optical axis, in the placement's unit
    double inclinazione = 0;  // upward tilt of the camera, degrees
    double altezza = 0;       // camera above the ground at the façade's foot, m
    int convergente = 0;      // +1 / −1: the convergent image turned by +γ / −γ
};

std::string nome_stazione(std::int32_t striscia, std::int32_t foto);

// Azimuth of the optical axis, towards the façade and perpendicular to it, in
// the placement's unit, from 0 up to a full turn.
double azimut_asse(const collocazione& sito);

// Strip after strip, frame after frame, placed by `sito`; empty without strips.
std::vector<riga_stazione> stazioni_piano(const geometria_strisce& g, const dati_presa& p,
                                          const collocazione& sito);

}  // namespace pianopre
