// The order of the plan coordinates in the point files of total stations and
// GNSS receivers, shared by the stake-out file and the control-point reader.
#pragma once

namespace pianopre {

// PNEZD: point, North, East, height, description; PENZD: East before North.
enum class ordine_colonne { pnezd, penzd };

}  // namespace pianopre
