// vista_disegno: what the main window's picture shows of the job (the view
// chosen by "Fronte" and "Assonom.", the site drawing, the control points, the
// models short of points) and its redraw.
#pragma once

#include "app/controlli_principali.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "picture/ridis.h"
#include "view/navigazione.h"

namespace pianopre {

class vista_disegno {
public:
    vista_disegno(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c);

    // "Fronte" wins over "Assonom.".
    tipo_vista modo_vista() const;
    stato_vista vista() const;
    // Fits the view window to the drawing.
    void rappo_prop();
    // Draws the drawing, fitting the view first when asked. Does not clear the picture.
    void ridis(adattamento rifai);

    // "Ridisegna": the picture cleared and the drawing fitted anew.
    void ridisegna();
    // A click on "Fronte" or "Assonom.": ticking one view clears the other.
    void clic_fronte();
    void clic_assonometrica();

private:
    commessa& commessa_;
    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    const controlli_principali& c_;
};

}  // namespace pianopre
