// Texts drawn at an angle into the picture area.
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
