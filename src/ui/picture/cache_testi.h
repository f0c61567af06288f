// Shaped texts kept between redraws: the drawing prints the same labels again
// and again, and shaping them is what printing costs most.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "picture/cifre_composte.h"
#include "picture/glifi_diretti.h"
#include "picture/linea_veloce.h"

namespace pianopre {

class cache_testi {
public:
    // Draws `testo` in the painter's font, pen and transform with the baseline
    // starting at `origine`, the same pixels as QPainter::drawText(origine, testo).
    // Texts that fall wholly outside `visibile` (device pixels) are left out.
    // With the image's pixels given, a shaped text of a plain opaque pen is
    // written into them directly (glifi_diretti), the same pixels.
    void disegna(QPainter& p, QPointF origine, const QString& testo, const QRectF& visibile,
                 const superficie* pixel = nullptr);

    void svuota() { caratteri_.clear(); }
    // A new drawing pass starts: it may shape new texts for the store again.
    void nuovo_passaggio() { nuovi_ = 0; }

private:
    // One shaped text: the glyphs with their positions from the text origin,
    // and the box of its ink around them; no value when drawText must draw it.
    struct voce {
        std::optional<QGlyphRun> glifi;
        QRectF scatola;
        // The glyphs once more, for glifi_diretti when they are of its font.
        bool diretta = false;
        std::vector<std::uint32_t> indici;
        std::vector<QPointF> posizioni;
    };
    struct per_carattere {
        QFont carattere;
        double margine;  // pixels around a text's box that its ink may reach
        QHash<QString, voce> voci;
        std::unique_ptr<glifi_diretti> diretti;  // from the first text shaped
        std::optional<cifre_composte> cifre;     // when digit labels compose exactly
        bool cifre_provate = false;
    };
    // A label of digits alone written into the pixels without shaping; false
    // when the text or the font does not allow it.
    static bool disegna_cifre(QPainter& p, per_carattere& c, QPointF origine, const QString& testo,
                              const QRectF& ink_max, const superficie& pixel);
    per_carattere& del_carattere(const QFont& f);
    static voce forma(QPainter& p, const QString& testo, per_carattere& c);
    static bool pittore_semplice(const QPainter& p);

    std::vector<per_carattere> caratteri_;
    std::size_t attuale_ = 0;  // the font used last
    int nuovi_ = 0;            // texts shaped for the store in this pass
};

}  // namespace pianopre
