// "Info" and "?": the About box and the precision notes, each built anew at
// every opening, modal to the whole program and discarded when closed.
#include "app/finestra_principale.h"
#include "dialogs/informazioni.h"
#include "dialogs/note_precisione.h"

namespace pianopre {

// The main window is the boxes' parent only so that the desktop treats them
// as its dialogs (no taskbar entry); they place themselves.
void finestra_principale::comando_info() {
    dialogo_informazioni box(servizi_, this);
    box.exec();
}

void finestra_principale::comando_note() {
    dialogo_note_precisione note(this);
    note.exec();
}

}  // namespace pianopre
