// What the three mission writers share: the check of a mission before it is
// written and the locale-independent numbers of the text formats.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "droni/file_missione.h"

namespace pianopre::missioni {

// errore_file on `percorso` when `m` has no waypoint, `azioni` has not one
// list per waypoint, a list is longer than `massimo_azioni` or a number of
// the mission is not finite.
void verifica(const std::filesystem::path& percorso, const missione& m,
              std::span<const azioni_punto> azioni, std::size_t massimo_azioni);

// `x` with `cifre` decimals, a point, no trailing zeros, no "-0".
std::string decimale(double x, int cifre);

// Decimals enough for 1e-9 degrees of latitude and longitude, for
// millimetres and for angles.
inline constexpr int cifre_gradi_geo = 10;
inline constexpr int cifre_metri = 3;
inline constexpr int cifre_angoli = 4;

}  // namespace pianopre::missioni
