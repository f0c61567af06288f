// Shaped texts kept between redraws: the drawing prints the same labels again
// and again, and shaping them is what printing costs most.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

namespace pianopre {

class cache_testi {
public:
    // Draws `testo` in the painter's font, pen and transform with the baseline
    // starting at `origine`, the same pixels as QPainter::drawText(origine, testo).
    // Texts that fall wholly outside `visibile` (device pixels) are left out.
    void disegna(QPainter& p, QPointF origine, const QString& testo, const QRectF& visibile);

    void svuota() { caratteri_.clear(); }
    // A new drawing pass starts: it may shape new texts for the store again.
    void nuovo_passaggio() { nuovi_ = 0; }

private:
    // One shaped text: the glyphs with their positions from the text origin,
    // and the box of its ink around them; no value when drawText must draw it.
    struct voce {
        std::optional<QGlyphRun> glifi;
        QRectF scatola;
    };
    struct per_carattere {
        QFont carattere;
        double margine;  // pixels around a text's box that its ink may reach
        QHash<QString, voce> voci;
    };
    per_carattere& del_carattere(const QFont& f);
    static voce forma(QPainter& p, const QString& testo);

    std::vector<per_carattere> caratteri_;
    std::size_t attuale_ = 0;  // the font used last
    int nuovi_ = 0;            // texts shaped for the store in this pass
};

}  // namespace pianopre
