// comandi_fotocamera: the camera list dialog and the boxes it fills.
#include "app/comandi_fotocamera.h"

#include "base/testo_numeri.h"
#include "common/percorsi.h"
#include "dialogs/fotocamere_dialogo.h"

namespace pianopre {

comandi_fotocamera::comandi_fotocamera(commessa& lavoro, servizi_utente& servizi,
                                       formato_regionale formato, const controlli_principali& c,
                                       QWidget& finestra, const collegamenti_finestra& collegamenti)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      c_(c),
      finestra_(finestra),
      collegamenti_(collegamenti) {}

void comandi_fotocamera::comando_fotocamera() {
    finestra_fotocamere dialogo(percorso_fotocamere_predefinite(), percorso_fotocamere_utente(),
                                servizi_, formato_, &finestra_);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.scelta()) return;
    usa_fotocamera(*dialogo.scelta());
}

// The sizes go into the boxes in the regional form.
void comandi_fotocamera::usa_fotocamera(const voce_fotocamera& voce) {
    const auto testo = [this](double x) {
        return QString::fromStdString(testo_generale(x, formato_));
    };
    c_.casella_larg_neg->setText(testo(voce.larghezza_mm));
    c_.casella_alt_neg->setText(testo(voce.altezza_mm));
    if (voce.focale_mm) c_.casella_focale->setText(testo(*voce.focale_mm));
    c_.metrica->setChecked(voce.metrica);
    commessa_.sensore = sensore_di(voce);
    collegamenti_.modificato();
}

}  // namespace pianopre
