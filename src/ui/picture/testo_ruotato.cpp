// Texts drawn with a painter into the picture area.
#include "picture/testo_ruotato.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "picture/testo_ansi.h"
#include "view/proiezione.h"

namespace pianopre {

namespace {

constexpr int altezza_predefinita = 16;  // pixels, the cell of a 12-point face
constexpr int altezza_massima = 4096;    // pixels; larger cells draw nothing useful

QFont carattere_serif(int cella) {
    QFont f;
    f.setFamilies({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
    f.setStyleHint(QFont::Serif);
    // A positive height is the whole cell (ascent plus descent), a negative one the em.
    const int richiesta =
        cella == 0 ? altezza_predefinita : std::min(std::abs(cella), altezza_massima);
    f.setPixelSize(richiesta);
    if (cella >= 0) {
        const QFontMetricsF m(f);
        const int em = static_cast<int>(std::lround(richiesta * richiesta / m.height()));
        f.setPixelSize(std::max(em, 1));
    }
    return f;
}

// The capitals' height of a face as a share of its em, measured once per face.
double quota_maiuscole(const QFont& faccia) {
    static QString famiglia;
    static double quota = 0;
    if (quota > 0 && famiglia == faccia.family()) return quota;
    QFont f = faccia;
    f.setPixelSize(100);
    const double h = QFontMetricsF(f).capHeight();
    famiglia = faccia.family();
    quota = h > 0 ? h / 100 : 0.7;  // 0.7: a usual face, when the face does not tell
    return quota;
}

double arrotonda_pari(float x) {
    return std::nearbyint(std::clamp(static_cast<double>(x), -1e9, 1e9));
}

}  // namespace

void testo_ruotato(area_disegno& area, std::string_view testo, float x, float y, float altezza,
                   float angolo) {
    const richiesta_font richiesta = font_ruotato(altezza, angolo);
    const QFont carattere = carattere_serif(richiesta.altezza);
    QPainter& p = area.pittore();
    p.save();
    p.translate(arrotonda_pari(x), arrotonda_pari(y));
    p.rotate(-richiesta.escapement / 10.0);
    p.setFont(carattere);
    p.setPen(area.primo_piano());
    p.drawText(QPointF(0, QFontMetricsF(carattere).ascent()), da_ansi(testo));
    p.restore();
}

}  // namespace pianopre

namespace pianopre {

void testo_in_scala(area_disegno& area, std::string_view testo, QPointF inizio, double altezza,
                    double angolo, const QColor& colore) {
    const int alta = area.dimensione_interna().height();
    if (!(altezza >= 1) || altezza > 8.0 * alta || !std::isfinite(inizio.x()) ||
        !std::isfinite(inizio.y()))
        return;
    QPainter& p = area.pittore();
    QFont f = area.font();
    const double em = altezza / quota_maiuscole(f);  // pixels
    f.setPointSizeF(em * 72.0 / p.device()->logicalDpiY());
    p.save();
    p.translate(inizio);
    p.rotate(std::isfinite(angolo) ? -angolo : 0);
    p.setFont(f);
    p.setPen(colore);
    p.drawText(QPointF(0, 0), da_ansi(testo));
    p.restore();
}

}  // namespace pianopre
