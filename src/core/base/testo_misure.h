// Numbers rounded for people, with their units: one rule per kind of value
// (overlap to the tenth of a percent, distances to the centimetre, ground
// sample distance and precision to the hundredth of a millimetre...), shared
// by the printed plan, the command line's text output and the secondary
// windows. The main window's boxes and the JSON output keep full precision.
#pragma once

#include <string>

#include "base/formato_regionale.h"

namespace pianopre {

enum class misura {
    percento,       // overlap: "75,5 %"
    ingrandimento,  // enlargement, a plain factor: "5,7"
    metri,          // distances, heights, coordinates: "10,43 m"
    millimetri,     // GSD, tolerance, precision on the object: "0,86 mm"
    micrometri,     // pixel size: "3,76 µm"
    gradi,          // camera tilt: "12,3°"
    rapporto,       // base to distance as 1:x: "1:4,17"
    diaframma,      // f-number, no trailing zero: "f/4", "f/5,6"
};

// How a kind of value is written: places after the decimal mark, the text
// before and after the number, and whether trailing zeros are dropped.
struct regola_misura {
    int decimali;
    const char* prima;
    const char* dopo;
    bool senza_zeri_finali;
};

regola_misura regola(misura m);

// x with exactly `decimali` places (0 to 9), the regional decimal mark, no
// grouping, halves away from zero, never "-0"; the general form for values
// too large to be written so (or not finite).
std::string testo_arrotondato(double x, int decimali, const formato_regionale& formato);

// x written by the rule of its kind, with its unit.
std::string testo_misura(double x, misura m, const formato_regionale& formato);

// Two values of one kind as "a / b unit" (precision X / Z: "1,02 / 2,95 mm").
std::string testo_coppia_misure(double a, double b, misura m, const formato_regionale& formato);

}  // namespace pianopre
