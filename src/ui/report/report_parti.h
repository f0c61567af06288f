// The parts of the printed plan, each drawn at a place on the page in
// millimetres: header and footer, the data blocks, the checks, the two views
// of the scheme and the two tables. Shared by the page layout only; their
// texts are in the "report" context of the translations.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "report/foglio.h"
#include "report/report.h"
#include "site/modelli.h"
#include "site/stazioni.h"
#include "view/proiezione.h"
#include "view/stato_vista.h"

namespace pianopre {

// A4 portrait and its margins.
inline constexpr double larghezza_pagina = 210;
inline constexpr double altezza_pagina = 297;
inline constexpr double margine = 12;
inline constexpr double larghezza_utile = larghezza_pagina - 2 * margine;

QString da_utf8(std::string_view t);

// A number with `decimali` places and the regional separator, whatever the locale.
std::string numero_fisso(double x, int decimali, const formato_regionale& formato);

// Light backgrounds of the verdicts, as the checks window shows them.
QColor colore_ok();
QColor colore_attenzione();
QColor colore_non_soddisfatto();
QColor colore_avviso();  // the window's red of a result out of range

// The title line over the first page and the following ones.
QString titolo_report();

void disegna_testata(foglio& f, const contenuto_report& c);
void disegna_piede(foglio& f, int pagina, int pagine);

// Camera, job inputs and results with the precision; returns the y below them.
double disegna_dati(foglio& f, const contenuto_report& c, double y);

// The plan checks with their verdicts; returns the y below them.
double disegna_verifiche(foglio& f, const contenuto_report& c, double y);

// The coverage map's picture with its colour scale and summary line, when the
// content has a map; returns the y below it (y itself when there is none).
double disegna_mappa(foglio& f, const contenuto_report& c, double y);

// One view (plan or front) of the printed plan: what it draws and the shape
// of the picture that the drawing fills.
struct vista_report {
    stato_vista stato;
    double rapporto = 1;  // width over height, the drawing's margin included
};

// The job's view, the site drawing under it or not.
vista_report prepara_vista(const commessa& c, bool fronte, bool con_sito);

// In plan a strip at the right of the frame holds the north arrow.
inline constexpr double striscia_nord = 12;
inline constexpr double titolo_vista = 4.5;

// The view's title and its frame in the box l × a mm at (x, y), the title
// included: the scheme of `c` with what the view adds (site drawing, control
// points, red outlines) fitted into the frame, a scale bar and (plan) a north arrow.
void disegna_vista(foglio& f, const commessa& c, const vista_report& v, double x, double y,
                   double l, double a, const formato_regionale& formato);

// The rows of the two tables that a page shows.
struct tratto_tabelle {
    std::size_t stazioni_da = 0, stazioni_a = 0;
    std::size_t modelli_da = 0, modelli_a = 0;
};

inline constexpr double altezza_riga = 3.3;

// Both tables side by side from y, with their titles and column headers; a
// note under them names the next page when rows remain.
void disegna_tabelle(foglio& f, const contenuto_report& c, const std::vector<riga_stazione>& s,
                     const tabella_modelli& m, const tratto_tabelle& t, double y,
                     int pagina_seguente);

}  // namespace pianopre
