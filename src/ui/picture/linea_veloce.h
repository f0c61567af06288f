// Solid one-pixel lines written straight into a 32-bit image, pixel for pixel
// as QPainter's raster engine draws an aliased line of width 1 without transform.
#pragma once

#include <QPointF>
#include <QRgb>
#include <cstdint>

namespace pianopre {

// The pixels of an RGB32 or premultiplied ARGB32 image.
struct superficie {
    std::uint32_t* pixel = nullptr;
    int per_riga = 0;  // pixels from one row to the next
    int larghezza = 0;
    int altezza = 0;
};

// Draws the line from a to b (pixel coordinates, the line from pixel centre
// to pixel centre convention of QPainter) in the opaque colour `colore`.
// Returns false, drawing nothing, for the lines it leaves to QPainter: ends
// that QPainter takes as one point, and ends that are not finite or beyond
// 1e15 pixels.
bool linea_veloce(const superficie& s, QPointF a, QPointF b, QRgb colore);

}  // namespace pianopre
