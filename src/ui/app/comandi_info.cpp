// comandi_info: opening the About box and the precision notes.
#include "app/comandi_info.h"

#include "dialogs/informazioni.h"
#include "dialogs/note_precisione.h"

namespace pianopre {

void mostra_informazioni(servizi_utente& servizi, QWidget* finestra) {
    dialogo_informazioni box(servizi, finestra);
    box.exec();
}

void mostra_note_precisione(QWidget* finestra) {
    dialogo_note_precisione note(finestra);
    note.exec();
}

}  // namespace pianopre
