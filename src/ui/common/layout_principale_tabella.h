// The controls of the main window as data: one row per control with its kind,
// texts, container, position in twips, place in the tab order and font.
#pragma once

#include <span>

namespace pianopre {

enum class tipo_controllo {
    etichetta,       // fixed size, left-aligned, wraps at word ends
    etichetta_auto,  // right-aligned, sized to its text from its left/top
    casella,         // single-line text box the user types into
    casella_uscita,  // text box the program writes: read-only, selectable
    pulsante,
    spunta,    // check box
    cornice,   // frame with a caption, groups other controls
    riquadro,  // outline box drawn behind a group of controls
    disegno,   // the picture area
};

enum class peso_carattere { normale, grassetto, grande_grassetto };

struct voce_controllo {
    const char* nome;
    tipo_controllo tipo;
    const char* testo;
    const char* suggerimento;      // tooltip; nullptr for none
    const char* contenitore;       // name of the frame holding it; nullptr for the window
    int left, top, width, height;  // twips, relative to the container
    int tab;                       // place in the tab order; -1 for none
    peso_carattere carattere;
};

// The translation context of the table's captions and tooltips.
inline constexpr const char* contesto_tabella = "layout_principale";

// Rows in creation order: a frame comes before the controls it holds.
std::span<const voce_controllo> tabella_principale();

}  // namespace pianopre
