// The look shared by the program's windows: twips to pixels and the dialog
// font "MS Sans Serif" with its stand-in where that face is not installed.
#pragma once

#include <QFont>

namespace pianopre {

// Window positions are kept in twips; 15 twips make one pixel at 96 dpi.
constexpr int pixel(int twips) {
    return (twips + 7) / 15;
}

// "MS Sans Serif" at the given size, bold at weight 700. Where the face is
// missing, Liberation Sans takes its place, narrowed to the old face's width
// so that texts fit the boxes the controls were sized for.
QFont carattere_sistema(double punti = 8.25, bool grassetto = false);

}  // namespace pianopre
