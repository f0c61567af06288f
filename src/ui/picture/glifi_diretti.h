// Glyph runs written straight into a 32-bit image: the labels of a large
// scheme are tens of thousands of small texts, and QPainter spends most of
// their time per glyph rather than per pixel.
#pragma once

#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRgb>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "picture/linea_veloce.h"

namespace pianopre {

// The glyphs of one font, as grey masks taken from QPainter itself: each glyph
// drawn once at each of the 64 fractional positions a 26.6 coordinate can
// have. A run is then blended glyph by glyph the way the raster engine blends
// a glyph of its cache into an RGB32 image with an opaque pen.
class glifi_diretti {
public:
    explicit glifi_diretti(const QRawFont& carattere);

    const QRawFont& carattere() const { return carattere_; }
    // Whether runs of this font may be drawn here: the font's glyphs are grey
    // masks and a test of digits and letters at fractional positions, blended
    // here and by QPainter, gave the same pixels.
    bool utilizzabile() const { return utilizzabile_; }

    // Draws the glyphs of this font at `posizioni` from `origine` (device
    // pixels) in the opaque colour `colore`: the pixels that
    // QPainter::drawGlyphRun(origine, run of these glyphs) gives with that pen
    // on an RGB32 image without transform or clipping.
    void disegna(const superficie& s, QPointF origine, std::span<const std::uint32_t> glifi,
                 std::span<const QPointF> posizioni, QRgb colore);

private:
    // One glyph at one fractional position: its inked pixels with their
    // coverage (1..255), from the pixel of the glyph's 26.6 position, and the
    // box around them.
    struct punto_maschera {
        std::int16_t x, y;
        std::uint8_t copertura;
    };
    struct maschera {
        int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // box, inclusive
        std::vector<punto_maschera> punti;
    };
    const maschera& maschera_di(std::uint32_t glifo, int frazione);
    maschera disegna_maschera(std::uint32_t glifo, int frazione) const;
    // The pen colour times each coverage, for the last colours used.
    struct tinta {
        QRgb colore = 0;
        std::array<std::uint32_t, 256> per_copertura{};
    };
    const tinta& tinta_di(QRgb colore);
    void fondi(const superficie& s, const maschera& m, int x, int y, const tinta& t) const;
    bool prova();

    QRawFont carattere_;
    int lato_ = 0;  // side of the square the masks are drawn in, pixels
    bool utilizzabile_ = false;
    std::unordered_map<std::uint64_t, std::unique_ptr<maschera>> maschere_;
    std::vector<const maschera*> vicine_;  // glyphs below 256 at once, 64 places each
    std::array<tinta, 4> tinte_{};
    std::size_t prossima_tinta_ = 0;
    std::size_t tinte_usate_ = 0;
};

}  // namespace pianopre
