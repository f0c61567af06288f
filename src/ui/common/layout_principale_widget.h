// Building one control of the main window from its row of the control table.
#pragma once

#include <QWidget>

#include "common/layout_principale_tabella.h"

namespace pianopre {

// Creates the control as a child of `contenitore`, named, placed, with its
// text, tooltip, font and initial state. Shapes and labels are not stacked
// here; the caller puts them behind the other controls.
QWidget* crea_controllo(const voce_controllo& voce, QWidget* contenitore);

}  // namespace pianopre
