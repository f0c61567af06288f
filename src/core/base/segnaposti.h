// Values put into a translated pattern: "%1" to "%9" replaced by the values
// in order, so that each language places them where its words need them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace pianopre {

// `modello` with every %n (1 to 9) replaced by the n-th value; a %n without a
// value, and any other %, stay as written. Values are not searched again.
std::string inserisci(std::string_view modello, std::initializer_list<std::string_view> valori);

}  // namespace pianopre
