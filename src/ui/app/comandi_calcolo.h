// comandi_calcolo: "Calcola -->": the boxes handed to the job's calculation,
// the results shown as far as it got, the scheme drawn, the boxes read
// leniently marked and told, and whether the last calculation gave a plan.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "job/letture_caselle.h"

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
    // A new job has not been calculated yet: nothing said of it, no box marked.
    void dimentica();

private:
    // The input boxes in the order of caselle_lavoro.
    std::array<QLineEdit*, 8> caselle_ingresso() const;
    caselle_lavoro leggi_caselle() const;
    // Red frames on the boxes read leniently, none on the others.
    void segna_caselle(const caselle_lavoro& lette, const std::vector<lettura_dubbia>& dubbie);
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
