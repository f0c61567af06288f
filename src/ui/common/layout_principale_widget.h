// Building one control of the main window from its row of the control table,
// and the picture area alone as the main window has it.
#pragma once

#include <QWidget>

#include "common/layout_principale_tabella.h"

namespace pianopre {

class area_disegno;

// Creates the control as a child of `contenitore`, named, placed, with its
// text, tooltip, font and initial state. Captions and tooltips are shown in
// the user's language, translated in `contesto`; a box's text is not. Shapes
// and labels are not stacked here; the caller puts them behind the other
// controls.
QWidget* crea_controllo(const voce_controllo& voce, QWidget* contenitore,
                        const char* contesto = contesto_tabella);

// The picture area of the main window's table (size, font, colours) as a child
// of `contenitore`, for drawing without the window.
area_disegno* crea_area_come_finestra(QWidget* contenitore);

}  // namespace pianopre
