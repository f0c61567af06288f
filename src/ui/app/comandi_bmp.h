// comandi_bmp: "Salva BMP": the plan, front and axonometric views saved as
// three bitmaps named after the drawing, or the view on screen saved as one.
#pragma once

#include <functional>

#include "app/controlli_principali.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "picture/ridis.h"

namespace pianopre {

// The three-view export is offered while there is a drawing.
void aggiorna_esportazione(modello& m);

class comandi_bmp {
public:
    // `vista` gives what the picture shows with the view boxes as they are.
    comandi_bmp(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c,
                std::function<stato_vista()> vista);

    void comando_salva_bmp();
    // Saves the plan, front and axonometric views as nome_disegno + "p.bmp",
    // "f.bmp", "a.bmp", then leaves the picture in plan view, fitted. Does
    // nothing while nome_disegno is empty; a file that cannot be written stops
    // the sequence with an error that names it.
    void esporta_tre_viste();

private:
    void salva_tre_viste(QString& nome);
    void salva_vista(QString& nome);

    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    const controlli_principali& c_;
    std::function<stato_vista()> vista_;
};

}  // namespace pianopre
