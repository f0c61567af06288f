// The two messages every command that writes a file ends with, the same words
// for the DXF, the stake-out CSV, the report and the bitmaps.
#pragma once

#include <QString>

#include "common/servizi_utente.h"

namespace pianopre {

// A beep and "Errore: impossibile salvare il file: NAME".
void dici_non_salvato(servizi_utente& servizi, const QString& nome);

// "File: NAME salvato."
void dici_salvato(servizi_utente& servizi, const QString& nome);

}  // namespace pianopre
