// "Fotocamera..." and "Verifiche del piano": the camera chosen from the list
// fills the boxes as if typed, and the checks window follows every calculation.
#include "app/finestra_principale.h"
#include "base/testo_numeri.h"
#include "common/percorsi.h"
#include "dialogs/fotocamere_dialogo.h"
#include "dialogs/verifiche_finestra.h"

namespace pianopre {

void finestra_principale::comando_fotocamera() {
    finestra_fotocamere dialogo(percorso_fotocamere_predefinite(), percorso_fotocamere_utente(),
                                servizi_, formato_, this);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.scelta()) return;
    usa_fotocamera(*dialogo.scelta());
}

// The sizes go into the boxes in the regional form; the pixels stay with the job.
void finestra_principale::usa_fotocamera(const voce_fotocamera& voce) {
    const auto testo = [this](double x) {
        return QString::fromStdString(testo_generale(x, formato_));
    };
    c_.casella_larg_neg->setText(testo(voce.larghezza_mm));
    c_.casella_alt_neg->setText(testo(voce.altezza_mm));
    if (voce.focale_mm) c_.casella_focale->setText(testo(*voce.focale_mm));
    c_.metrica->setChecked(voce.metrica);
    commessa_.sensore = sensore_di(voce);
    segna_modifiche();
}

void finestra_principale::comando_verifiche() {
    if (verifiche_ == nullptr) {
        verifiche_ = new finestra_verifiche(commessa_, formato_, this);
        connect(verifiche_, &finestra_verifiche::impostazioni_cambiate, this,
                &finestra_principale::segna_modifiche);
        verifiche_->move(frameGeometry().topRight() +
                         QPoint(8, 0));  // beside, not over the picture
        aggiorna_verifiche();
    }
    verifiche_->show();
    verifiche_->raise();
    verifiche_->activateWindow();
}

void finestra_principale::aggiorna_verifiche() {
    if (verifiche_ == nullptr) return;
    if (piano_valido_.value_or(false)) {
        verifiche_->piano_pronto();
    } else if (!piano_valido_) {
        verifiche_->piano_assente("Nessun piano calcolato: premere \"Calcola -->\".");
    } else {
        verifiche_->piano_assente(
            "L'ultimo calcolo non è riuscito: correggere i dati e premere \"Calcola -->\".");
    }
}

}  // namespace pianopre
