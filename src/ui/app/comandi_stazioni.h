// comandi_stazioni: "Stazioni e punti" and "Esporta stazioni CSV...": the
// stations and stereo models of the plan on the site, and the stake-out file
// for the field crew.
#pragma once

#include <QWidget>

#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class finestra_stazioni;

class comandi_stazioni {
public:
    comandi_stazioni(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                     QWidget& finestra);

    void comando_stazioni();
    void comando_esporta_csv();
    // The stations window, when open, shows the job as it is now.
    void aggiorna();

private:
    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    QWidget& finestra_;
    finestra_stazioni* stazioni_ = nullptr;  // made at its first opening
};

}  // namespace pianopre
