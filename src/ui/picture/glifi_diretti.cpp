// Glyph runs written straight into a 32-bit image.
//
// The raster engine draws a glyph of a small font from its glyph cache: the
// glyph's position goes to 26.6 fixed point (cut towards zero), the grey mask
// for the position's fraction is placed at the whole pixel below x and the
// nearest pixel row to y, and each pixel is blended with the pen colour by its
// coverage (255 sets the colour, 0 leaves the pixel). The masks here are read
// back from QPainter drawing each glyph alone in black on a transparent image,
// where the alpha left is the coverage itself.
#include "picture/glifi_diretti.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pianopre {

namespace {

constexpr int frazioni = 64;                 // fractional positions of 26.6 fixed point
constexpr std::uint32_t glifi_vicini = 256;  // glyph numbers kept in the direct table
constexpr double pixel_massimi = 40;         // larger fonts go through QPainter

// x times a / 255 channel by channel, rounded as the raster engine rounds.
std::uint32_t per_byte(std::uint32_t x, std::uint32_t a) {
    std::uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

// A coordinate in 26.6 fixed point, as QPainter takes it; false beyond int.
bool in_26_6(double v, int& fisso) {
    const double f = v * frazioni;
    if (!(std::fabs(f) < 1e9)) return false;
    fisso = static_cast<int>(f);
    return true;
}

int pavimento_64(int v) {
    return v >= 0 ? v / frazioni : -((-v + frazioni - 1) / frazioni);
}

}  // namespace

glifi_diretti::glifi_diretti(const QRawFont& carattere) : carattere_(carattere) {
    const double pixel = carattere_.pixelSize();
    if (!carattere_.isValid() || !(pixel > 0) || pixel > pixel_massimi) return;
    lato_ = 4 * static_cast<int>(std::ceil(pixel)) + 16;
    vicine_.assign(glifi_vicini * frazioni, nullptr);
    utilizzabile_ = prova();
}

glifi_diretti::maschera glifi_diretti::disegna_maschera(std::uint32_t glifo, int frazione) const {
    QImage immagine(lato_, lato_, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(0);
    const int centro = lato_ / 2;
    {
        QPainter p(&immagine);
        p.setPen(QColor(0, 0, 0));
        QGlyphRun corsa;
        corsa.setRawFont(carattere_);
        corsa.setGlyphIndexes({glifo});
        corsa.setPositions({QPointF(0, 0)});
        p.drawGlyphRun(QPointF(centro + frazione / double(frazioni), centro), corsa);
    }
    maschera m;
    for (int y = 0; y < lato_; ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(immagine.constScanLine(y));
        for (int x = 0; x < lato_; ++x) {
            const int a = qAlpha(riga[x]);
            if (a == 0) continue;
            m.punti.push_back({static_cast<std::int16_t>(x - centro),
                               static_cast<std::int16_t>(y - centro),
                               static_cast<std::uint8_t>(a)});
        }
    }
    for (const punto_maschera& q : m.punti) {
        if (m.x1 < m.x0) {
            m.x0 = m.x1 = q.x;
            m.y0 = m.y1 = q.y;
        }
        m.x0 = std::min<int>(m.x0, q.x);
        m.x1 = std::max<int>(m.x1, q.x);
        m.y0 = std::min<int>(m.y0, q.y);
        m.y1 = std::max<int>(m.y1, q.y);
    }
    return m;
}

const glifi_diretti::maschera& glifi_diretti::maschera_di(std::uint32_t glifo, int frazione) {
    const std::size_t posto = std::size_t{glifo} * frazioni + static_cast<std::size_t>(frazione);
    if (glifo < glifi_vicini && vicine_[posto] != nullptr) return *vicine_[posto];
    auto& voce = maschere_[posto];
    if (!voce) voce = std::make_unique<maschera>(disegna_maschera(glifo, frazione));
    if (glifo < glifi_vicini) vicine_[posto] = voce.get();
    return *voce;
}

// Labels alternate a few colours: each one's products are worked out once.
const glifi_diretti::tinta& glifi_diretti::tinta_di(QRgb colore) {
    for (std::size_t i = 0; i < tinte_usate_; ++i)
        if (tinte_[i].colore == colore) return tinte_[i];
    tinta& t = tinte_[prossima_tinta_];
    prossima_tinta_ = (prossima_tinta_ + 1) % tinte_.size();
    tinte_usate_ = std::min(tinte_usate_ + 1, tinte_.size());
    t.colore = colore;
    for (std::uint32_t a = 0; a < 256; ++a) t.per_copertura[a] = per_byte(colore, a);
    return t;
}

// Each inked pixel: the pen colour by the coverage over the pixel by the rest.
void glifi_diretti::fondi(const superficie& s, const maschera& m, int x, int y,
                          const tinta& t) const {
    const QRgb colore = t.colore;
    const bool dentro =
        x + m.x0 >= 0 && x + m.x1 < s.larghezza && y + m.y0 >= 0 && y + m.y1 < s.altezza;
    if (!dentro &&
        (x + m.x1 < 0 || x + m.x0 >= s.larghezza || y + m.y1 < 0 || y + m.y0 >= s.altezza))
        return;
    const std::ptrdiff_t origine = static_cast<std::ptrdiff_t>(y) * s.per_riga + x;
    for (const punto_maschera& q : m.punti) {
        if (!dentro &&
            (x + q.x < 0 || x + q.x >= s.larghezza || y + q.y < 0 || y + q.y >= s.altezza))
            continue;
        std::uint32_t& d = s.pixel[origine + static_cast<std::ptrdiff_t>(q.y) * s.per_riga + q.x];
        d = q.copertura == 255 ? colore
                               : t.per_copertura[q.copertura] + per_byte(d, 255u - q.copertura);
    }
}

void glifi_diretti::disegna(const superficie& s, QPointF origine,
                            std::span<const std::uint32_t> glifi,
                            std::span<const QPointF> posizioni, QRgb colore) {
    const std::size_t n = std::min(glifi.size(), posizioni.size());
    const tinta& t = tinta_di(colore);
    for (std::size_t i = 0; i < n; ++i) {
        int fx = 0, fy = 0;
        if (!in_26_6(origine.x() + posizioni[i].x(), fx) ||
            !in_26_6(origine.y() + posizioni[i].y(), fy))
            continue;
        const int frazione = fx - pavimento_64(fx) * frazioni;
        const maschera& m = maschera_di(glifi[i], frazione);
        if (!m.punti.empty()) fondi(s, m, pavimento_64(fx), pavimento_64(fy + frazioni / 2), t);
    }
}

// Digits and letters, in runs at fractional places over each other and over
// the edges, in three colours: QPainter and the masks must give one picture.
bool glifi_diretti::prova() {
    const QList<quint32> indici =
        carattere_.glyphIndexesForString(QStringLiteral("0123456789 Lungh.tot:WAjy%"));
    const std::vector<std::uint32_t> glifi_prova(indici.begin(), indici.end());
    if (glifi_prova.empty()) return false;
    std::vector<QPointF> posizioni;
    for (std::size_t i = 0; i < glifi_prova.size(); ++i)
        posizioni.emplace_back(i * 3.3 + (i % 5) * 0.017, (i % 3) * 0.29);
    QGlyphRun corsa;
    corsa.setRawFont(carattere_);
    corsa.setGlyphIndexes(QList<quint32>(glifi_prova.begin(), glifi_prova.end()));
    corsa.setPositions(QList<QPointF>(posizioni.begin(), posizioni.end()));
    const QSize misura(160, 48);
    QImage attesa(misura, QImage::Format_RGB32), nostra(misura, QImage::Format_RGB32);
    attesa.fill(Qt::white);
    nostra.fill(Qt::white);
    const superficie s{reinterpret_cast<std::uint32_t*>(nostra.bits()),
                       static_cast<int>(nostra.bytesPerLine() / 4), nostra.width(),
                       nostra.height()};
    const QRgb colori[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(20, 40, 200)};
    QPainter p(&attesa);
    for (int k = 0; k < 48; ++k) {
        const QPointF origine(-4 + k * 2.71 + k / 64.0, -3 + (k % 9) * 6.13);
        const QRgb colore = colori[k % 3];
        p.setPen(QColor::fromRgb(colore));
        p.drawGlyphRun(origine, corsa);
        disegna(s, origine, glifi_prova, posizioni, colore);
    }
    p.end();
    return attesa == nostra;
}

}  // namespace pianopre
