// The project records: camera, job and computed shooting plan.
//
// Units: focal length and negative sizes in millimetres; object sizes,
// distances, base and heights in metres; angles in degrees; scales as plain
// denominators (50 stands for 1:50). Records are plain values copied whole;
// a new record is zero-filled (texts hold NUL characters).
#pragma once

#include <cstdint>

#include "base/testo_fisso.h"

namespace pianopre {

struct dati_camera {
    double focale = 0;    // focal length, mm
    double larg_neg = 0;  // width of the negative, mm
    double alt_neg = 0;   // height of the negative, mm
};

struct dati_lavoro {
    testo_fisso<15> progetto;    // legend label of the first line of the scheme
    testo_fisso<15> localita;    // legend label of the second line
    double distanza = 0;         // free distance in front of the object, m
    double base = 0;             // base typed by the user, used while it is locked, m
    double larg_sogg = 0;        // object width, m
    double alt_sogg = 0;         // object height, m
    double scala = 0;            // restitution scale denominator
    testo_fisso<10> tipo_presa;  // shooting mode; nothing sets it, so it stays NUL
};

struct dati_presa {
    double scala_foto = 0;        // photo scale number
    double dist_presa = 0;        // shooting distance, m
    double ingrand = 0;           // enlargement from the negative to the restitution scale
    double sovrapp = 0;           // overlap between consecutive frames, percent
    double base_presa = 0;        // distance between consecutive stations, m
    double h_camera = 0;          // camera axis above the ground, m
    double larg_cop = 0;          // object width covered by one frame, m
    double alt_cop = 0;           // object height covered by one frame, m
    double semi_alt = 0;          // coverage above the camera axis, m
    double num_foto = 0;          // stereo frames to shoot (a whole number)
    double incl = 0;              // upward inclination of the camera, degrees
    std::int16_t num_strisc = 0;  // horizontal strips
};

}  // namespace pianopre
