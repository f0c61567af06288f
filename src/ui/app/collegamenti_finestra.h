// collegamenti_finestra: the few ways a command group of the main window
// reaches the rest of it, so that no group needs the window itself.
#pragma once

#include <functional>

#include "picture/ridis.h"

namespace pianopre {

struct collegamenti_finestra {
    // Draws the drawing, fitting the view first when asked; the picture is
    // not cleared.
    std::function<void(adattamento)> ridis;
    // After every change of the job: the title shows whether it differs from
    // its file.
    std::function<void()> modificato;
    // After the plan, its place or its control points changed: the stations
    // window follows when it is open.
    std::function<void()> aggiorna_stazioni;
    // After a job was opened or reset: the checks window's settings boxes
    // show the job's settings when it is open.
    std::function<void()> impostazioni_lette;
};

}  // namespace pianopre
