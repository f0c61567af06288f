// comandi_fotocamera: "Fotocamera...": the camera chosen from the list fills
// the boxes as if typed; its pixels stay with the job.
#pragma once

#include <QWidget>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

struct voce_fotocamera;

class comandi_fotocamera {
public:
    comandi_fotocamera(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                       const controlli_principali& c, QWidget& finestra,
                       const collegamenti_finestra& collegamenti);

    void comando_fotocamera();

private:
    void usa_fotocamera(const voce_fotocamera& voce);

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    const controlli_principali& c_;
    QWidget& finestra_;
    const collegamenti_finestra& collegamenti_;
};

}  // namespace pianopre
