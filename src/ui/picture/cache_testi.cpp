// Shaped texts kept between redraws.
//
// QPainter::drawText shapes the text, puts its origin on the 26.6 fixed-point
// grid (cut towards zero) and adds the glyph advances. A glyph run holding the
// same glyphs with the same offsets from the origin, drawn at the origin cut to
// the same grid, reaches the same glyph cache at the same fixed-point places.
#include "picture/cache_testi.h"

#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace pianopre {

namespace {
constexpr int caratteri_massimi = 8;       // fonts kept at once
constexpr int voci_massime = 200000;       // texts kept per font
constexpr int nuovi_per_passaggio = 2000;  // texts shaped for the store per drawing pass

// The text origin as drawText places it: 26.6 fixed point, cut towards zero.
double sulla_griglia(double v) {
    return static_cast<int>(v * 64.0) / 64.0;
}
}  // namespace

cache_testi::per_carattere& cache_testi::del_carattere(const QFont& f) {
    // The painter's font keeps its data while it is unchanged: comparing it
    // with the copy taken last time costs a pointer comparison.
    const auto uguale = [&](std::size_t i) {
        if (!(caratteri_[i].carattere == f)) return false;
        caratteri_[i].carattere = f;
        return true;
    };
    if (attuale_ < caratteri_.size() && uguale(attuale_)) return caratteri_[attuale_];
    for (attuale_ = 0; attuale_ < caratteri_.size(); ++attuale_)
        if (uguale(attuale_)) return caratteri_[attuale_];
    if (caratteri_.size() >= caratteri_massimi) caratteri_.clear();
    // A margin of two pixels and the font's size covers the ink beyond the text's box.
    const double margine = 2 + std::max(f.pixelSize(), 0) + std::max(f.pointSizeF(), 0.0) * 2;
    caratteri_.push_back({f, margine, {}});
    attuale_ = caratteri_.size() - 1;
    return caratteri_.back();
}

cache_testi::voce cache_testi::forma(QPainter& p, const QString& testo) {
    voce v;
    QTextLayout impaginato(testo, p.font(), p.device());
    impaginato.beginLayout();
    const QTextLine riga = impaginato.createLine();
    impaginato.endLayout();
    if (!riga.isValid()) return v;
    v.scatola = QRectF(0, -riga.ascent(), riga.naturalTextWidth(), riga.height());
    const QList<QGlyphRun> corse = impaginato.glyphRuns();
    // Texts of more than one font (fallback glyphs) go through drawText.
    if (corse.size() != 1) return v;
    QGlyphRun corsa = corse.front();
    QList<QPointF> posizioni = corsa.positions();
    const double base = riga.ascent();
    for (QPointF& q : posizioni) {
        q.setY(q.y() - base);
        if (q.y() != 0.0) return v;  // glyphs off the baseline: left to drawText
    }
    corsa.setPositions(posizioni);
    v.glifi = corsa;
    return v;
}

void cache_testi::disegna(QPainter& p, QPointF origine, const QString& testo,
                          const QRectF& visibile) {
    if (!std::isfinite(origine.x()) || !std::isfinite(origine.y()) ||
        std::fabs(origine.x()) > 1e9 || std::fabs(origine.y()) > 1e9 ||
        !p.transform().isIdentity()) {
        p.drawText(origine, testo);
        return;
    }
    per_carattere& c = del_carattere(p.font());
    const QRectF ink_max = visibile.adjusted(-c.margine, -c.margine, c.margine, c.margine);
    auto trovata = c.voci.constFind(testo);
    if (trovata == c.voci.constEnd()) {
        // Shaping for the store costs about twice drawing at once: a pass shapes
        // only so many new texts, so no redraw gets much slower than without the
        // store, and a drawing redrawn a few times has all its texts shaped.
        if (nuovi_ >= nuovi_per_passaggio) {
            p.drawText(origine, testo);
            return;
        }
        ++nuovi_;
        if (c.voci.size() >= voci_massime) c.voci.clear();
        trovata = c.voci.insert(testo, forma(p, testo));
    }
    if (!trovata->scatola.translated(origine).intersects(ink_max)) return;
    if (!trovata->glifi) {
        p.drawText(origine, testo);
        return;
    }
    p.drawGlyphRun(QPointF(sulla_griglia(origine.x()), origine.y()), *trovata->glifi);
}

}  // namespace pianopre
