// The coverage and precision map on the printed plan: the largest σ of every
// cell over the façade, corner A at the left and the foot at the bottom, its
// colour scale at the right and the summary line under it.
#include "picture/immagine_copertura.h"
#include "report/report_parti.h"

namespace pianopre {

namespace {

constexpr double alto_massimo = 30;  // mm of the picture at most
constexpr double largo_legenda = 34;
constexpr double punti_mm = 8;  // pixels per millimetre of the picture: the hatch stays fine

}  // namespace

double disegna_mappa(foglio& f, const contenuto_report& c, double y) {
    if (c.mappa == nullptr) return y;
    const mappa_copertura& m = *c.mappa;
    constexpr grandezza_mappa g = grandezza_mappa::sigma_massimo;
    const QImage celle = immagine_celle(m, g);
    f.testo(margine, y + 3,
            QCoreApplication::translate("report", "Copertura e precisione sulla facciata"), 8.5,
            true);
    y += 4.5;
    if (!celle.isNull()) {
        const double lm = m.colonne * m.cella_m, am = m.righe * m.cella_m;
        const double k = std::min((larghezza_utile - largo_legenda) / lm, alto_massimo / am);
        const double l = lm * k, a = am * k;
        const QImage img = immagine_mostrata(celle, static_cast<int>(l * punti_mm) + 1,
                                             static_cast<int>(a * punti_mm) + 1);
        f.painter().drawImage(f.rettangolo(margine, y, l, a), img);
        f.riquadro(margine, y + a - m.altezza_m * k, m.larghezza_m * k, m.altezza_m * k, 0.15);

        // The scale: a bar from the smallest σ (top) to the largest, its ends written.
        const scala_mappa s = scala_di(m, g);
        const double xl = margine + l + 4, alto_barra = std::max(a - 8, 10.0);
        f.testo(xl, y + 2.2, QStringLiteral("%1 (%2)").arg(nome_grandezza(g), unita_grandezza(g)),
                6.5);
        constexpr int passi = 40;
        for (int i = 0; i < passi; ++i) {
            const double x = s.minimo + (s.massimo - s.minimo) * (i + 0.5) / passi;
            f.riempi(xl, y + 3.5 + alto_barra * i / passi, 3, alto_barra / passi + 0.05,
                     colore_valore(x, s));
        }
        f.riquadro(xl, y + 3.5, 3, alto_barra, 0.1);
        f.testo(xl + 4, y + 5.5, testo_valore(s.minimo, g, c.formato), 6.5);
        f.testo(xl + 4, y + 3.5 + alto_barra, testo_valore(s.massimo, g, c.formato), 6.5);
        y += std::max(a, alto_barra + 4) + 1;
    }
    f.testo(margine, y + 3, testo_riepilogo(m, c.tolleranza_mappa_mm, c.formato), 7, false,
            allinea::sinistra, larghezza_utile);
    return y + 6;
}

}  // namespace pianopre
