// The coverage and precision map as a picture: one pixel per cell (the
// façade's foot at the bottom, corner A at the left), the colour scale of the
// quantity shown and the summary line under it. Shared by the map window and
// the printed plan.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

#include "base/formato_regionale.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

enum class grandezza_mappa { immagini, angolo, sigma_profondita, sigma_massimo };

// Cells seen by fewer than two images are gaps: white in the cell picture,
// hatched in grey where it is shown. Cells seen by two images or more without
// a σ are light grey in the σ pictures. No colour of the scale is either.
QColor colore_lacuna();
QColor colore_tratteggio();
QColor colore_senza_valore();

// The value of the quantity at a cell, none for a gap or a cell without σ.
std::optional<double> valore_cella(const cella_mappa& c, grandezza_mappa g);

// The range of the colour scale over the map's cells; the images count from
// 2, the angle from 0, the σ from their smallest value. `crescente_buono`:
// larger values are better (images, angle), drawn at the blue end.
struct scala_mappa {
    double minimo = 0, massimo = 1;
    bool crescente_buono = true;
    bool intera = false;  // whole numbers (images)
};
scala_mappa scala_di(const mappa_copertura& m, grandezza_mappa g);

// The colour of a value on the scale: blue (good) through green and yellow to
// red (poor).
QColor colore_valore(double x, const scala_mappa& s);

// colonne × righe pixels, row 0 the top row of cells.
QImage immagine_celle(const mappa_copertura& m, grandezza_mappa g);

// `celle` scaled to l × a pixels, each cell a sharp block, the gaps hatched.
QImage immagine_mostrata(const QImage& celle, int l, int a);

// The quantity's name and unit, in the user's language.
QString nome_grandezza(grandezza_mappa g);
QString unita_grandezza(grandezza_mappa g);
// A value of the quantity as the legend writes it.
QString testo_valore(double x, grandezza_mappa g, const formato_regionale& formato);

// "Vista da ≥ 2 immagini: …; da ≥ 3: …; σ massimo ≤ T: …; σ peggiore … a u = …, w = …":
// the tolerance part only with a tolerance, the worst σ only when a cell has one.
QString testo_riepilogo(const mappa_copertura& m, double tolleranza_mm,
                        const formato_regionale& formato);

}  // namespace pianopre
