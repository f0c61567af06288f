// comandi_sito: the site: "Apri disegno del sito...", "Chiudi disegno del
// sito" and "Colloca sul sito...", with A and B chosen by two clicks in the
// plan view that snap to the nearest vertex or point within 8 pixels.
#pragma once

#include <QWidget>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class comandi_sito {
public:
    comandi_sito(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                 const controlli_principali& c, QWidget& finestra,
                 const collegamenti_finestra& collegamenti);

    void comando_apri_sito();
    void comando_chiudi_sito();
    void comando_colloca();

    // While A or B is awaited, a release in the picture is a click of the choice.
    bool sceglie() const { return scelta_.passo != 0; }
    void clic_di_scelta(double u, double v);

private:
    void apri_dialogo_collocazione(const collocazione& proposta);
    void colloca(const collocazione& c);
    void inizia_scelta(const collocazione& base);
    punto3 punto_agganciato(double u, double v) const;
    void ridisegna_adattato();

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    const controlli_principali& c_;
    QWidget& finestra_;
    const collegamenti_finestra& collegamenti_;
    struct scelta_sul_disegno {
        collocazione base;
        int passo = 0;  // 1 waiting for A, 2 for B, 0 not choosing
        punto3 a{0, 0, 0};
    } scelta_;
};

}  // namespace pianopre
