// Numbers of the file errors, as users of the older program know them.
#pragma once

namespace pianopre {

inline constexpr int err_file_non_trovato = 53;
inline constexpr int err_fine_file = 62;  // input past the end of the file
inline constexpr int err_accesso_file = 75;

}  // namespace pianopre
