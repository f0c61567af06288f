// Numbers in map files: fixed decimals with a point, whatever the locale, as
// KML and GeoJSON want them; and the same in the regional form for the
// descriptions people read.
#pragma once

#include <string>

#include "base/formato_regionale.h"

namespace pianopre {

// `x` with `decimali` digits after a point, "-0" written as "0".
std::string numero_fisso(double x, int decimali);

// The same with the regional decimal separator.
std::string numero_regionale(double x, int decimali, const formato_regionale& formato);

}  // namespace pianopre
