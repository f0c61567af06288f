// dialogo_informazioni: the About box. Title, version, description, notice,
// terms of use and contacts, an "OK" button, and a hidden command that would
// start the system's information program.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <functional>

#include "common/servizi_utente.h"
#include "info/registro.h"

namespace pianopre {

class dialogo_informazioni : public QDialog {
    Q_OBJECT
public:
    // Starts a program without waiting for it; true when it started.
    using avvio_programma = std::function<bool(const QString&)>;

    // Reads the system's registry (none on this platform); `avvia` defaults
    // to starting a separate process.
    explicit dialogo_informazioni(servizi_utente& servizi, QWidget* parent = nullptr);
    dialogo_informazioni(servizi_utente& servizi, const registro& chiavi,
                         avvio_programma avvia = {}, QWidget* parent = nullptr);

    // Starts the system-information program, or tells the user it is not available.
    void StartSysInfo();

    QLabel* picIcon = nullptr;
    QLabel* Lbltitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

private:
    void crea_controlli();
    void carica();

    servizi_utente& servizi_;
    const registro& chiavi_;
    avvio_programma avvia_;
};

}  // namespace pianopre
