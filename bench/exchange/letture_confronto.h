// The readers the DXF reader is measured against, shared by the timing
// benchmarks and the peak-memory program: a bare line scanner, the least any
// DXF reader must do, and dxflib reading into an adapter that only counts.
#pragma once

#include <cstdint>
#include <string>

namespace pianopre::bench {

// Lines from 1 MiB blocks, blanks trimmed, every line tried as a number; the
// sum of the numbers, so that nothing can be left out by the optimiser.
double scansiona(const std::string& percorso);

// True when the benchmarks were built with dxflib (libdxflib-dev).
bool con_dxflib();

// The points, vertices, texts and line ends dxflib reads from the file; 0
// without dxflib.
std::int64_t conta_dxflib(const std::string& percorso);

}  // namespace pianopre::bench
