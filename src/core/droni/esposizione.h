// The exposure time as photographers write it: "1/500" or seconds ("0,5").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/formato_regionale.h"

namespace pianopre {

// "1/N" for a time whose reciprocal is a whole N above 1, the regional
// number of seconds otherwise.
std::string testo_esposizione(double secondi, const formato_regionale& formato);

// "1/N" (N a regional number) or seconds; none for any other text.
std::optional<double> leggi_esposizione(std::string_view testo, const formato_regionale& formato);

}  // namespace pianopre
