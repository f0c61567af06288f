// The messages after writing a file, in the user's language.
#include "common/messaggi_file.h"

#include <QCoreApplication>

namespace pianopre {

void dici_non_salvato(servizi_utente& servizi, const QString& nome) {
    servizi.beep();
    servizi.messaggio(
        QCoreApplication::translate("messaggi_file", "Errore: impossibile salvare il file: %1")
            .arg(nome));
}

void dici_salvato(servizi_utente& servizi, const QString& nome) {
    servizi.messaggio(QCoreApplication::translate("messaggi_file", "File: %1 salvato.").arg(nome));
}

}  // namespace pianopre
