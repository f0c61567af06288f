// The site: "Apri disegno del sito...", "Chiudi disegno del sito" and
// "Colloca sul sito...", with A and B chosen by two clicks in the plan view
// that snap to the nearest vertex or point within 8 pixels.
#include <QFile>
#include <QSettings>
#include <cmath>
#include <numbers>

#include "app/finestra_principale.h"
#include "dialogs/collocazione_dialogo.h"
#include "exchange/file_scambio.h"

namespace pianopre {

namespace {

constexpr double aggancio_pixel = 8;

std::filesystem::path percorso_locale(const QString& nome) {
    const QByteArray locale = QFile::encodeName(nome);
    return std::string(locale.constData(), static_cast<std::size_t>(locale.size()));
}

bool e_vertice(const entita& e) {
    return e.tipo == tipo_punto || e.tipo == tipo_inizio || e.tipo == tipo_vertice ||
           e.tipo == tipo_fine;
}

}  // namespace

void finestra_principale::comando_apri_sito() {
    const auto scelto = servizi_.apri_file("*.dxf", "*.dxf");
    if (!scelto) return;  // the site drawing stays as it was
    modello letto;
    try {
        const std::optional<esito_dxf> risultato = leggi_dxf_con_avanzamento(*scelto, letto);
        if (!risultato) return;  // Cancel: the site drawing stays as it was
        const esito_dxf& esito = *risultato;
        if (esito.manca_layer) {
            servizi_.beep();
            servizi_.messaggio("Errore: Non ho trovato la sezione LAYER");
        }
        if (esito.manca_entita) {
            servizi_.beep();
            servizi_.messaggio("Errore: Non ho trovato la sezione entita");
        }
    } catch (const errore& e) {
        servizi_.messaggio("Errore N.: " + QString::number(e.numero()) +
                           " aprendo il file: " + *scelto);
        return;
    } catch (const std::bad_alloc&) {
        servizi_.messaggio("Errore N.: " + QString::number(err_memoria) +
                           " aprendo il file: " + *scelto);
        return;
    }
    commessa_.disegno_sito.lista_entita = std::move(letto.lista_entita);
    commessa_.file_sito = percorso_locale(*scelto).string();
    c_.area->pulisci();
    ridis(adattamento::adatta);
    segna_modifiche();
}

void finestra_principale::comando_chiudi_sito() {
    commessa_.disegno_sito.lista_entita.azzera();
    commessa_.file_sito.clear();
    c_.area->pulisci();
    ridis(adattamento::adatta);
    segna_modifiche();
}

void finestra_principale::comando_colloca() {
    collocazione proposta = commessa_.sito;
    if (e_identita(proposta)) {
        // A job not placed yet offers the unit chosen last time.
        const bool gon = QSettings().value("collocazione/unita").toString() == "gon";
        if (gon) proposta = {100, 200, 20, 100, unita_angolo::gon};
    }
    apri_dialogo_collocazione(proposta);
}

void finestra_principale::apri_dialogo_collocazione(const collocazione& proposta) {
    finestra_collocazione dialogo(proposta, servizi_, formato_, this);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.scelta()) return;
    QSettings().setValue("collocazione/unita",
                         dialogo.scelta()->unita == unita_angolo::gon ? "gon" : "gradi");
    if (dialogo.scegli_sul_disegno()) {
        inizia_scelta(*dialogo.scelta());
        return;
    }
    colloca(*dialogo.scelta());
}

void finestra_principale::colloca(const collocazione& c) {
    commessa_.sito = c;
    c_.area->pulisci();
    ridis(adattamento::adatta);
    segna_modifiche();
    aggiorna_stazioni();
}

// The clicks are taken in the plan view, where the picture shows East and North.
void finestra_principale::inizia_scelta(const collocazione& base) {
    if (c_.fronte->isChecked()) c_.fronte->click();
    if (c_.assonometrica->isChecked()) c_.assonometrica->click();
    c_.area->pulisci();
    ridis(adattamento::mantieni);
    scelta_ = {base, 1, {}};
    servizi_.messaggio(
        "Fare clic sull'angolo A della facciata, poi su un secondo punto B della linea di "
        "facciata.");
}

// The vertex or point of the site drawing or the control point nearest to the
// click within 8 pixels; the click itself when there is none.
punto3 finestra_principale::punto_agganciato(double u, double v) const {
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
    for (const punto_app& p : modello_.lista_punti.voci()) prova(p.x, p.y, p.z);
    return scelto;
}

void finestra_principale::clic_di_scelta(double u, double v) {
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
        servizi_.messaggio("Errore: i punti A e B coincidono.");
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
