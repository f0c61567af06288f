// The redraw: the whole entity list drawn into the picture area in the chosen view.
#pragma once

#include <QColor>
#include <cstdint>

#include "base/flusso_avanzamento.h"
#include "picture/area_disegno.h"
#include "scheme/elenco_entita.h"
#include "view/proiezione.h"
#include "view/stato_vista.h"

namespace pianopre {

// The screen colour of a DXF colour number on a given background.
QColor colore_schermo(std::int16_t colore, const QColor& sfondo);

// Fits the view window of the area to the drawing; keeps it when the fitted
// values would not fit 32-bit reals. Sets the line width to 1.
void adatta_vista(area_disegno& area, const elenco_entita& lista, const stato_vista& vista);

// Whether a redraw first fits the view window to the drawing.
enum class adattamento { mantieni, adatta };

// The entities a redraw goes through (the site drawing's included), for its progress.
std::int64_t entita_da_disegnare(const elenco_entita& lista, const stato_vista& vista);

// Draws every entity, fitting the view first when asked. Does not clear the area.
// A given `rapporto` hears how many entities are drawn about every 65,536, and
// may stop the drawing there: the area then shows what was drawn so far, and
// the result is false.
bool ridis(area_disegno& area, const elenco_entita& lista, const stato_vista& vista,
           adattamento rifai, const avanzamento& rapporto = {});

}  // namespace pianopre
