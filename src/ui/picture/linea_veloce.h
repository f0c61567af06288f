// Solid one-pixel lines written straight into a 32-bit image, pixel for pixel
// as QPainter's raster engine draws an aliased line of width 1 without transform.
#pragma once

#include <QPainter>
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

// Whether a painter's state lets drawing bypass it for the image's pixels: no
// transform or clipping, plain source-over at full opacity. Each fast path
// adds what else it needs (aliased lines, antialiased text, an opaque pen).
bool pittore_diretto(const QPainter& p);

// Draws the line from a to b (pixel coordinates, the line from pixel centre
// to pixel centre convention of QPainter) in the opaque colour `colore`.
// A line whose two ends are the same point is that point. Returns false,
// drawing nothing, for the lines it leaves to QPainter: ends that are not
// finite or beyond 1e15 pixels (1e9 for a point).
bool linea_veloce(const superficie& s, QPointF a, QPointF b, QRgb colore);

// Sets the pixel QPainter sets for drawPoint(p) with an aliased pen of width 1:
// the one nearest to p, halves rounded away from zero. Returns false, drawing
// nothing, when p is not finite or beyond 1e9 pixels.
bool punto_veloce(const superficie& s, QPointF p, QRgb colore);

}  // namespace pianopre
