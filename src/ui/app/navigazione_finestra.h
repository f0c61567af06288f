// navigazione_finestra: moving about the drawing from the main window: "+",
// "-", "Centra", the arrow buttons, dragging in the picture and the mouse
// wheel, and where the left button was last pressed and released.
#pragma once

#include <functional>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "view/navigazione.h"

namespace pianopre {

// The last left-button press and acted-on release in the picture, drawing units.
struct posizioni_mouse {
    float x_premuto = 0;
    float y_premuto = 0;
    float x_rilascio = 0;
    float y_rilascio = 0;
};

// A choice of points on the drawing in progress takes the next release
// instead of a drag.
struct scelta_punti {
    std::function<bool()> in_corso;
    std::function<void(double u, double v)> clic;
};

class navigazione_finestra {
public:
    navigazione_finestra(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c,
                         const collegamenti_finestra& collegamenti, scelta_punti scelta);

    void zoom_avanti();    // "+"
    void zoom_indietro();  // "-"
    void centra();         // "Centra"
    void freccia_premuta(freccia direzione);
    void mouse_premuto(double u, double v, int pulsante);
    void mouse_rilasciato(double u, double v, int pulsante);
    void rotella(double u, double v, int scatti);

    const posizioni_mouse& mouse() const { return mouse_; }

private:
    void zoom(double fattore);
    void sposta_schema(float dx, float dy);
    void trascina(float dx, float dy);

    commessa& commessa_;
    servizi_utente& servizi_;
    const controlli_principali& c_;
    const collegamenti_finestra& collegamenti_;
    scelta_punti scelta_;
    bool premuto_ = false;  // a left press happened in the picture
    posizioni_mouse mouse_;
};

}  // namespace pianopre
