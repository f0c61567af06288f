// Moving about the drawing from the main window: "+", "-", "Centra", the arrow
// buttons, dragging in the picture and the mouse wheel.
#include <cstdlib>

#include "app/finestra_principale.h"

namespace pianopre {

namespace {
constexpr double zoom_avanti = 0.5;
constexpr double zoom_indietro = 2.0;
}  // namespace

void finestra_principale::zoom(double fattore) {
    area_disegno& area = *c_.area;
    const auto nuova = zoom_centro(area.scala(), fattore);
    if (!nuova) return;  // the window would stop being usable: the step is ignored
    area.pulisci();
    area.imposta_scala(*nuova);
    ridis(adattamento::mantieni);
    servizi_.beep();
}

void finestra_principale::centra() {
    commessa_.origine = centra_schema(modello_.lista_entita);
    c_.area->pulisci();
    ridis(adattamento::adatta);
    segna_modifiche();
    aggiorna_stazioni();
}

// The scheme follows a displacement in the picture: in front view the picture's
// vertical is the height, in plan view the depth.
void finestra_principale::sposta_schema(float dx, float dy) {
    if (c_.fronte->isChecked()) {
        commessa_.origine.x += dx;
        commessa_.origine.z += dy;
    } else if (c_.assonometrica->isChecked()) {
        servizi_.messaggio("Non valido nella vista assonometrica.");
    } else {
        commessa_.origine.x += dx;
        commessa_.origine.y += dy;
    }
    c_.area->pulisci();
    ridis(adattamento::mantieni);
    segna_modifiche();
    aggiorna_stazioni();
}

void finestra_principale::freccia_premuta(freccia direzione) {
    area_disegno& area = *c_.area;
    const passo_freccia passo = passo_di(area.scala(), direzione);
    if (c_.sposta_schema->isChecked()) {
        sposta_schema(passo.dx, passo.dy);
        return;
    }
    area.pulisci();
    area.imposta_scala(trascina_vista(area.scala(), -passo.dx, -passo.dy));
    ridis(adattamento::mantieni);
}

void finestra_principale::mouse_premuto(double u, double v, int pulsante) {
    if (pulsante != Qt::LeftButton) return;
    x_premuto = static_cast<float>(u);
    y_premuto = static_cast<float>(v);
    premuto_ = true;
}

void finestra_principale::mouse_rilasciato(double u, double v, int pulsante) {
    if (pulsante != Qt::LeftButton || !premuto_) return;
    if (scelta_.passo != 0) {
        premuto_ = false;
        clic_di_scelta(u, v);
        return;
    }
    x_rilascio = static_cast<float>(u);
    y_rilascio = static_cast<float>(v);
    const float dx = x_rilascio - x_premuto;
    const float dy = y_rilascio - y_premuto;
    if (c_.sposta_schema->isChecked()) {
        sposta_schema(dx, dy);
        return;
    }
    area_disegno& area = *c_.area;
    area.pulisci();
    area.imposta_scala(trascina_vista(area.scala(), dx, dy));
    ridis(adattamento::mantieni);
    servizi_.beep();
}

void finestra_principale::rotella(double u, double v, int scatti) {
    area_disegno& area = *c_.area;
    finestra_vista f = area.scala();
    const double fattore = scatti > 0 ? zoom_avanti : zoom_indietro;
    for (int i = 0; i < std::abs(scatti); ++i) {
        const auto nuova = zoom_punto(f, fattore, u, v);
        if (!nuova) break;
        f = *nuova;
    }
    area.pulisci();
    area.imposta_scala(f);
    ridis(adattamento::mantieni);
}

}  // namespace pianopre
