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
    caratteri_.push_back({f, margine, {}, {}, {}, false});
    attuale_ = caratteri_.size() - 1;
    return caratteri_.back();
}

cache_testi::voce cache_testi::forma(QPainter& p, const QString& testo, per_carattere& c) {
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
    const QRawFont carattere = corsa.rawFont();
    if (!c.diretti) c.diretti = std::make_unique<glifi_diretti>(carattere);
    if (c.diretti->utilizzabile() && c.diretti->carattere() == carattere) {
        const QList<quint32> indici = corsa.glyphIndexes();
        v.indici.assign(indici.begin(), indici.end());
        v.posizioni.assign(posizioni.begin(), posizioni.end());
        v.diretta = true;
    }
    return v;
}

// What glifi_diretti reproduces: no transform or clipping, plain source-over
// painting with antialiased text and an opaque solid pen.
bool cache_testi::pittore_semplice(const QPainter& p) {
    const QPen& penna = p.pen();
    return pittore_diretto(p) && p.testRenderHint(QPainter::TextAntialiasing) &&
           penna.style() == Qt::SolidLine && penna.brush().style() == Qt::SolidPattern &&
           penna.color().alpha() == 255;
}

bool cache_testi::disegna_cifre(QPainter& p, per_carattere& c, QPointF origine,
                                const QString& testo, const QRectF& ink_max,
                                const superficie& pixel) {
    if (!c.cifre_provate) {
        c.cifre_provate = true;
        c.cifre = cifre_composte::del_pittore(p);
        if (c.cifre && !c.diretti)
            c.diretti = std::make_unique<glifi_diretti>(c.cifre->carattere());
        if (c.cifre &&
            !(c.diretti->utilizzabile() && c.diretti->carattere() == c.cifre->carattere()))
            c.cifre.reset();
    }
    cifre_composte::corsa corsa;
    if (!c.cifre || !c.cifre->componi(testo, corsa)) return false;
    if (corsa.scatola.translated(origine).intersects(ink_max)) {
        const auto n = static_cast<std::size_t>(corsa.n);
        c.diretti->disegna(pixel, QPointF(sulla_griglia(origine.x()), origine.y()),
                           std::span(corsa.glifi.data(), n), std::span(corsa.posizioni.data(), n),
                           p.pen().color().rgb());
    }
    return true;
}

void cache_testi::disegna(QPainter& p, QPointF origine, const QString& testo,
                          const QRectF& visibile, const superficie* pixel) {
    if (!std::isfinite(origine.x()) || !std::isfinite(origine.y()) ||
        std::fabs(origine.x()) > 1e9 || std::fabs(origine.y()) > 1e9 ||
        !p.transform().isIdentity()) {
        p.drawText(origine, testo);
        return;
    }
    per_carattere& c = del_carattere(p.font());
    const QRectF ink_max = visibile.adjusted(-c.margine, -c.margine, c.margine, c.margine);
    const bool diretto = pixel != nullptr && pittore_semplice(p);
    if (diretto && disegna_cifre(p, c, origine, testo, ink_max, *pixel)) return;
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
        trovata = c.voci.insert(testo, forma(p, testo, c));
    }
    if (!trovata->scatola.translated(origine).intersects(ink_max)) return;
    if (!trovata->glifi) {
        p.drawText(origine, testo);
        return;
    }
    const QPointF sulla(sulla_griglia(origine.x()), origine.y());
    if (diretto && trovata->diretta) {
        c.diretti->disegna(*pixel, sulla, trovata->indici, trovata->posizioni,
                           p.pen().color().rgb());
        return;
    }
    p.drawGlyphRun(sulla, *trovata->glifi);
}

}  // namespace pianopre
