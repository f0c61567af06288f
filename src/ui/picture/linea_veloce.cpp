// Solid one-pixel lines written straight into a 32-bit image.
//
// The arithmetic follows the raster engine's aliased cosmetic stroke: the line
// is first cut in floating point to the band one pixel around the image, then
// its ends become 26.6 fixed-point values, the major axis is walked pixel
// centre by pixel centre and the minor one advances in 16.16 fixed point.
// Every pixel of the band outside the image is dropped. Only the pixel loop
// differs: the rows or columns outside the image are skipped before it starts.
#include "picture/linea_veloce.h"

#include <QtGlobal>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace pianopre {

namespace {

constexpr double limite_coordinate = 1e15;
constexpr double limite_punto = 1e9;  // rounded to int without overflow

struct fascia {
    double xmin, xmax, ymin, ymax;
};

// Cuts the segment to the band; false when nothing of it is left. The order
// of the operations is the stroker's, so the cut ends are the same numbers.
bool ritaglia(double& x1, double& y1, double& x2, double& y2, const fascia& f) {
    if (x1 < f.xmin) {
        if (x2 <= f.xmin) return false;
        y1 += (y2 - y1) / (x2 - x1) * (f.xmin - x1);
        x1 = f.xmin;
    } else if (x1 > f.xmax) {
        if (x2 >= f.xmax) return false;
        y1 += (y2 - y1) / (x2 - x1) * (f.xmax - x1);
        x1 = f.xmax;
    }
    if (x2 < f.xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (f.xmin - x2);
        x2 = f.xmin;
    } else if (x2 > f.xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (f.xmax - x2);
        x2 = f.xmax;
    }
    if (y1 < f.ymin) {
        if (y2 <= f.ymin) return false;
        x1 += (x2 - x1) / (y2 - y1) * (f.ymin - y1);
        y1 = f.ymin;
    } else if (y1 > f.ymax) {
        if (y2 >= f.ymax) return false;
        x1 += (x2 - x1) / (y2 - y1) * (f.ymax - y1);
        y1 = f.ymax;
    }
    if (y2 < f.ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (f.ymin - y2);
        y2 = f.ymin;
    } else if (y2 > f.ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (f.ymax - y2);
        y2 = f.ymax;
    }
    return true;
}

int in_26_6(double x) {
    return static_cast<int>(x * 64.0);
}

int rapporto_16_16(int a, int b) {
    if (std::abs(a) > 0x7fff) return static_cast<int>(static_cast<long long>(a) * 65536 / b);
    return a * 65536 / b;
}

// Walks the major axis from pixel `inizio` to `fine` (excluded); `minore` is the
// 16.16 position on the other axis. `passo_maggiore` and `passo_minore` are the
// pixel strides of the two axes, `n_minore` the image size across.
void percorri(std::uint32_t* base, int inizio, int fine, int n_maggiore, int minore, int incremento,
              int n_minore, std::ptrdiff_t passo_maggiore, std::ptrdiff_t passo_minore,
              std::uint32_t colore) {
    if (inizio < 0) {
        minore += -inizio * incremento;
        inizio = 0;
    }
    if (fine > n_maggiore) fine = n_maggiore;
    if (inizio >= fine) return;
    std::uint32_t* riga = base + inizio * passo_maggiore;
    for (int i = inizio; i < fine; ++i, riga += passo_maggiore, minore += incremento) {
        const int m = minore >> 16;
        if (static_cast<unsigned>(m) < static_cast<unsigned>(n_minore))
            riga[m * passo_minore] = colore;
    }
}

// One axis of the stroke: (a1, b1) to (a2, b2) in 26.6, a the major axis.
void asse(const superficie& s, int a1, int b1, int a2, int b2, bool verticale,
          std::uint32_t colore) {
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int incremento = rapporto_16_16(b2 - b1, a2 - a1);
    const int inizio = (a1 + 32) >> 6;
    const int fine = (a2 + 32) >> 6;
    if (inizio == fine) return;
    const int arrotonda = incremento > 0 ? 32 : 0;
    const int minore = b1 * 1024 + ((inizio * 64 + arrotonda - a1) * incremento >> 6);
    if (verticale) {
        percorri(s.pixel, inizio, fine, s.altezza, minore, incremento, s.larghezza, s.per_riga, 1,
                 colore);
    } else {
        percorri(s.pixel, inizio, fine, s.larghezza, minore, incremento, s.altezza, 1, s.per_riga,
                 colore);
    }
}

bool gestibile(double v) {
    return std::isfinite(v) && std::fabs(v) <= limite_coordinate;
}

}  // namespace

bool pittore_diretto(const QPainter& p) {
    return p.transform().isIdentity() && !p.hasClipping() &&
           p.compositionMode() == QPainter::CompositionMode_SourceOver && p.opacity() == 1.0;
}

bool punto_veloce(const superficie& s, QPointF p, QRgb colore) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || std::fabs(p.x()) > limite_punto ||
        std::fabs(p.y()) > limite_punto)
        return false;
    const int x = qRound(p.x()), y = qRound(p.y());
    if (x >= 0 && x < s.larghezza && y >= 0 && y < s.altezza)
        s.pixel[static_cast<std::ptrdiff_t>(y) * s.per_riga + x] = colore;
    return true;
}

bool linea_veloce(const superficie& s, QPointF a, QPointF b, QRgb colore) {
    if (a == b) return punto_veloce(s, a, colore);  // QPainter draws these as a single point
    if (!gestibile(a.x()) || !gestibile(a.y()) || !gestibile(b.x()) || !gestibile(b.y()))
        return false;
    double x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    const fascia f{-1.0, s.larghezza + 1.0, -1.0, s.altezza + 1.0};
    if (!ritaglia(x1, y1, x2, y2, f)) return true;
    const int fx1 = in_26_6(x1), fy1 = in_26_6(y1), fx2 = in_26_6(x2), fy2 = in_26_6(y2);
    const int dx = std::abs(fx2 - fx1), dy = std::abs(fy2 - fy1);
    if (dx < dy) {
        asse(s, fy1, fx1, fy2, fx2, true, colore);
    } else if (dx != 0) {
        asse(s, fx1, fy1, fx2, fy2, false, colore);
    }
    return true;
}

}  // namespace pianopre
