// Large drawings for the exchange benchmarks: an entity list in the style of
// our schemes (stations with their number, rays and footprints on the frame
// layers) and its DXF file, generated once per size in the temporary folder.
#pragma once

#include <cstddef>
#include <string>

#include "scheme/modello.h"

namespace pianopre::bench {

// Fills m with frames until its DXF file would take about `byte` bytes.
void riempi_disegno(modello& m, std::size_t byte);

// The path of a DXF file of about `megabyte` MB written by salva_dxf; written
// on the first call for that size and reused afterwards.
std::string file_dxf(std::size_t megabyte);

// The paths of the release 2018 façade drawing of about `megabyte` MB written
// by ezdxf (bench/exchange/disegno_r2018.py), ASCII and binary; written on the
// first call for that size. Empty when ezdxf cannot write them.
struct file_r2018 {
    std::string ascii;
    std::string binario;
};
file_r2018 file_ezdxf(std::size_t megabyte);

// ezdxf.readfile of the file in a process of its own: its seconds, negative
// when it failed.
double secondi_ezdxf(const std::string& percorso);

}  // namespace pianopre::bench
