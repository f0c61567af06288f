// The message of "Calcola -->" for a numbered error of the calculation, shared
// by the window and the command line.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "base/errori.h"

namespace pianopre {

inline QString messaggio_errore(int numero) {
    if (numero == err_divisione)
        return QCoreApplication::translate(
            "messaggio_errore", "Errore 11: Divisione per zero. Controllare i dati inseriti");
    if (numero == err_tipo)
        return QCoreApplication::translate(
            "messaggio_errore",
            "Errore 13: Tipo di dato errato. Controllare il separatore decimale (virgola o "
            "punto).");
    return QCoreApplication::translate(
               "messaggio_errore",
               "Errore %1. Occorre riempire tutte le caselle per ottenere il risultato.")
        .arg(numero);
}

}  // namespace pianopre
