// navigazione_finestra: zoom, centring, arrows, drag and wheel; the view
// window moves, or the scheme with "Sposta schema".
#include "app/navigazione_finestra.h"

#include <QCoreApplication>
#include <cstdlib>
#include <utility>

namespace pianopre {

namespace {
constexpr double fattore_avanti = 0.5;
constexpr double fattore_indietro = 2.0;
}  // namespace

navigazione_finestra::navigazione_finestra(commessa& lavoro, servizi_utente& servizi,
                                           const controlli_principali& c,
                                           const collegamenti_finestra& collegamenti,
                                           scelta_punti scelta)
    : commessa_(lavoro),
      servizi_(servizi),
      c_(c),
      collegamenti_(collegamenti),
      scelta_(std::move(scelta)) {}

void navigazione_finestra::zoom_avanti() {
    zoom(fattore_avanti);
}

void navigazione_finestra::zoom_indietro() {
    zoom(fattore_indietro);
}

void navigazione_finestra::zoom(double fattore) {
    area_disegno& area = *c_.area;
    const auto nuova = zoom_centro(area.scala(), fattore);
    if (!nuova) return;  // the window would stop being usable: the step is ignored
    area.pulisci();
    area.imposta_scala(*nuova);
    collegamenti_.ridis(adattamento::mantieni);
    servizi_.beep();
}

void navigazione_finestra::centra() {
    commessa_.origine = centra_schema(commessa_.disegno.lista_entita);
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::adatta);
    collegamenti_.modificato();
    collegamenti_.aggiorna_stazioni();
}

// The scheme follows a displacement in the picture: in front view the picture's
// vertical is the height, in plan view the depth.
void navigazione_finestra::sposta_schema(float dx, float dy) {
    if (c_.fronte->isChecked()) {
        commessa_.origine.x += dx;
        commessa_.origine.z += dy;
    } else if (c_.assonometrica->isChecked()) {
        servizi_.messaggio(QCoreApplication::translate("navigazione_finestra",
                                                       "Non valido nella vista assonometrica."));
    } else {
        commessa_.origine.x += dx;
        commessa_.origine.y += dy;
    }
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::mantieni);
    collegamenti_.modificato();
    collegamenti_.aggiorna_stazioni();
}

// The view window moves by the displacement, so the drawing seems to move against it.
void navigazione_finestra::trascina(float dx, float dy) {
    area_disegno& area = *c_.area;
    area.pulisci();
    area.imposta_scala(trascina_vista(area.scala(), dx, dy));
    collegamenti_.ridis(adattamento::mantieni);
}

void navigazione_finestra::freccia_premuta(freccia direzione) {
    const passo_freccia passo = passo_di(c_.area->scala(), direzione);
    if (c_.sposta_schema->isChecked()) {
        sposta_schema(passo.dx, passo.dy);
        return;
    }
    trascina(-passo.dx, -passo.dy);
}

void navigazione_finestra::mouse_premuto(double u, double v, int pulsante) {
    if (pulsante != Qt::LeftButton) return;
    mouse_.x_premuto = static_cast<float>(u);
    mouse_.y_premuto = static_cast<float>(v);
    premuto_ = true;
}

void navigazione_finestra::mouse_rilasciato(double u, double v, int pulsante) {
    if (pulsante != Qt::LeftButton || !premuto_) return;
    if (scelta_.in_corso()) {
        premuto_ = false;
        scelta_.clic(u, v);
        return;
    }
    mouse_.x_rilascio = static_cast<float>(u);
    mouse_.y_rilascio = static_cast<float>(v);
    const float dx = mouse_.x_rilascio - mouse_.x_premuto;
    const float dy = mouse_.y_rilascio - mouse_.y_premuto;
    if (c_.sposta_schema->isChecked()) {
        sposta_schema(dx, dy);
        return;
    }
    trascina(dx, dy);
    servizi_.beep();
}

void navigazione_finestra::rotella(double u, double v, int scatti) {
    area_disegno& area = *c_.area;
    finestra_vista f = area.scala();
    const double fattore = scatti > 0 ? fattore_avanti : fattore_indietro;
    for (int i = 0; i < std::abs(scatti); ++i) {
        const auto nuova = zoom_punto(f, fattore, u, v);
        if (!nuova) break;
        f = *nuova;
    }
    area.pulisci();
    area.imposta_scala(f);
    collegamenti_.ridis(adattamento::mantieni);
}

}  // namespace pianopre
