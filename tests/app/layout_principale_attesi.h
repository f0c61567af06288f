// What the main window must look like: one row per control, written out by
// hand from the window's design so the layout tests do not read the program's
// own control table.
#pragma once

#include <span>

namespace pianopre::prova {

enum class genere {
    etichetta,
    etichetta_auto,
    ingresso,
    uscita,
    pulsante,
    spunta,
    cornice,
    riquadro,
    disegno
};
enum class peso { F, B, G };  // 8.25 pt, 8.25 pt bold, 12 pt bold

struct atteso {
    const char* nome;
    genere tipo;
    const char* testo;
    const char* tooltip;           // nullptr: no tooltip
    const char* genitore;          // nullptr: the window
    int left, top, width, height;  // twips
    int tab;                       // -1: no place in the tab order
    peso carattere;
};

std::span<const atteso> attesi_principale();

}  // namespace pianopre::prova
