// The main window's control table and the building of one control, under the
// names the command line's bitmap export (app/riga_comando_calcolo.cpp)
// includes and calls.
#pragma once

#include <span>

#include "common/layout_principale_widget.h"

namespace pianopre {

inline std::span<const voce_controllo> tabella_form6() {
    return tabella_principale();
}

}  // namespace pianopre
