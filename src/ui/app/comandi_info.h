// comandi_info: "Info" and "?": the About box and the precision notes, each
// built anew at every opening, modal to the whole program and discarded when
// closed.
#pragma once

#include <QWidget>

#include "common/servizi_utente.h"

namespace pianopre {

// The main window is the boxes' parent only so that the desktop treats them
// as its dialogs (no taskbar entry); they place themselves.
void mostra_informazioni(servizi_utente& servizi, QWidget* finestra);
void mostra_note_precisione(QWidget* finestra);

}  // namespace pianopre
