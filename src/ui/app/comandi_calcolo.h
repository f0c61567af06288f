// comandi_calcolo: "Calcola -->": the boxes handed to the job's calculation,
// the results shown as far as it got, the scheme drawn, and whether the last
// calculation gave a plan.
#pragma once

#include <functional>
#include <optional>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class comandi_calcolo {
public:
    // `calcolato` runs after every calculation, before its error is told.
    comandi_calcolo(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                    const controlli_principali& c, const collegamenti_finestra& collegamenti,
                    std::function<void()> calcolato);

    void calcola();
    // None before the first calculation of the job, then whether the last one
    // succeeded.
    std::optional<bool> piano_valido() const { return piano_valido_; }
    // A new job has not been calculated yet.
    void dimentica() { piano_valido_.reset(); }

private:
    caselle_lavoro leggi_caselle() const;
    void scrivi_risultati();
    void colora_avvisi();
    void mostra_schema();

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    const controlli_principali& c_;
    const collegamenti_finestra& collegamenti_;
    std::function<void()> calcolato_;
    std::optional<bool> piano_valido_;
};

}  // namespace pianopre
