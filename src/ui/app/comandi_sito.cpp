// comandi_sito: the site drawing read with its progress, the placement dialog
// and the two clicks that give A and B.
#include "app/comandi_sito.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>
#include <new>
#include <numbers>

#include "app/comandi_disegno.h"
#include "base/errori.h"
#include "common/percorsi.h"
#include "dialogs/collocazione_dialogo.h"

namespace pianopre {

namespace {

constexpr double aggancio_pixel = 8;

bool e_vertice(const entita& e) {
    return e.tipo == tipo_punto || e.tipo == tipo_inizio || e.tipo == tipo_vertice ||
           e.tipo == tipo_fine;
}

}  // namespace

comandi_sito::comandi_sito(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                           const controlli_principali& c, QWidget& finestra,
                           const collegamenti_finestra& collegamenti)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      c_(c),
      finestra_(finestra),
      collegamenti_(collegamenti) {}

void comandi_sito::ridisegna_adattato() {
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::adatta);
}

void comandi_sito::comando_apri_sito() {
    const auto scelto = servizi_.apri_file("*.dxf", "*.dxf");
    if (!scelto) return;  // the site drawing stays as it was
    modello letto;
    try {
        const std::optional<esito_dxf> risultato =
            leggi_dxf_con_avanzamento(*scelto, letto, servizi_);
        if (!risultato) return;  // Cancel: the site drawing stays as it was
        dici_sezioni_mancanti(*risultato, *scelto, servizi_);
        // A file without entities is not a drawing: the site drawing and the
        // job stay as they were, so that the job does not name a useless file.
        if (risultato->manca_entita) return;
    } catch (const errore& e) {
        servizi_.messaggio(errore_aprendo(e.numero(), *scelto));
        return;
    } catch (const std::bad_alloc&) {
        servizi_.messaggio(errore_aprendo(err_memoria, *scelto));
        return;
    }
    commessa_.disegno_sito.lista_entita = std::move(letto.lista_entita);
    commessa_.file_sito = percorso_locale(*scelto).string();
    ridisegna_adattato();
    collegamenti_.modificato();
}

void comandi_sito::comando_chiudi_sito() {
    commessa_.disegno_sito.lista_entita.azzera();
    commessa_.file_sito.clear();
    ridisegna_adattato();
    collegamenti_.modificato();
}

void comandi_sito::comando_colloca() {
    collocazione proposta = commessa_.sito;
    if (e_identita(proposta)) {
        // A job not placed yet offers the unit chosen last time.
        const bool gon = QSettings().value("collocazione/unita").toString() == "gon";
        if (gon) proposta = {100, 200, 20, 100, unita_angolo::gon, proposta.sistema};
    }
    apri_dialogo_collocazione(proposta);
}

void comandi_sito::apri_dialogo_collocazione(const collocazione& proposta) {
    finestra_collocazione dialogo(proposta, servizi_, formato_, &finestra_);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.scelta()) return;
    QSettings().setValue("collocazione/unita",
                         dialogo.scelta()->unita == unita_angolo::gon ? "gon" : "gradi");
    if (dialogo.scegli_sul_disegno()) {
        inizia_scelta(*dialogo.scelta());
        return;
    }
    colloca(*dialogo.scelta());
}

void comandi_sito::colloca(const collocazione& c) {
    commessa_.sito = c;
    ridisegna_adattato();
    collegamenti_.modificato();
    collegamenti_.aggiorna_stazioni();
}

// The clicks are taken in the plan view, where the picture shows East and North.
void comandi_sito::inizia_scelta(const collocazione& base) {
    if (c_.fronte->isChecked()) c_.fronte->click();
    if (c_.assonometrica->isChecked()) c_.assonometrica->click();
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::mantieni);
    scelta_ = {base, 1, {}};
    servizi_.messaggio(QCoreApplication::translate(
        "comandi_sito",
        "Fare clic sull'angolo A della facciata, poi su un secondo punto B della linea di "
        "facciata."));
}

// The vertex or point of the site drawing or the control point nearest to the
// click within 8 pixels; the click itself when there is none.
punto3 comandi_sito::punto_agganciato(double u, double v) const {
    const area_disegno& area = *c_.area;
    const QPointF clic = area.in_pixel(u, v);
    double migliore = aggancio_pixel * aggancio_pixel;
    punto3 scelto{u, v, 0};
    const auto prova = [&](double x, double y, double z) {
        const QPointF p = area.in_pixel(x, y) - clic;
        const double d = p.x() * p.x() + p.y() * p.y();
        if (d <= migliore) {
            migliore = d;
            scelto = {x, y, z};
        }
    };
    for (const entita& e : commessa_.disegno_sito.lista_entita.voci())
        if (e_vertice(e)) prova(e.x, e.y, e.z);
    for (const punto_app& p : commessa_.disegno.lista_punti.voci()) prova(p.x, p.y, p.z);
    return scelto;
}

void comandi_sito::clic_di_scelta(double u, double v) {
    const punto3 p = punto_agganciato(u, v);
    if (scelta_.passo == 1) {
        scelta_.a = p;
        scelta_.passo = 2;
        return;
    }
    scelta_.passo = 0;
    const double de = p.x - scelta_.a.x, dn = p.y - scelta_.a.y;
    if (de == 0 && dn == 0) {
        servizi_.beep();
        servizi_.messaggio(
            QCoreApplication::translate("comandi_sito", "Errore: i punti A e B coincidono."));
        return;
    }
    double gradi = std::atan2(de, dn) * 180 / std::numbers::pi;
    if (gradi < 0) gradi += 360;
    collocazione c = scelta_.base;
    c.est = scelta_.a.x;
    c.nord = scelta_.a.y;
    c.azimut = da_radianti(in_radianti(gradi, unita_angolo::gradi), c.unita);
    apri_dialogo_collocazione(c);
}

}  // namespace pianopre
