// comandi_report: "Esporta report PDF..." and "Stampa...": the printed plan of
// the last calculation, to a PDF file or to a printer chosen in the system
// dialog, with the options of the "Opzioni del report" menu.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "report/report.h"

namespace pianopre {

class comandi_report {
public:
    // `piano_valido` tells whether the last calculation gave a plan;
    // `file_lavoro` is the job's file, empty while it has none.
    comandi_report(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                   const controlli_principali& c, QWidget& finestra,
                   std::function<bool()> piano_valido, std::function<QString()> file_lavoro);

    void comando_report_pdf();
    void comando_stampa();
    // The site drawing under each view of the page, chosen in the menu
    // "Opzioni del report" for the rest of the run.
    opzioni_report opzioni;

private:
    bool piano_da_stampare();
    template <class F>
    void con_contenuto_report(F&& usa) const;

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    const controlli_principali& c_;
    QWidget& finestra_;
    std::function<bool()> piano_valido_;
    std::function<QString()> file_lavoro_;
};

}  // namespace pianopre
