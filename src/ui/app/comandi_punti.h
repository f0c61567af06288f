// comandi_punti: the control points edited by hand: "Cancella PF" in the main
// window, and deleting, typing and importing points in "Stazioni e punti".
// Every change redraws the picture, refreshes the stations window and marks
// the job as changed.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class comandi_punti {
public:
    // `punti_letti` gets the name of the file the points now come from (empty
    // once they are cleared); `apri_xyz` loads an .xyz file as "Apri XYZ" does.
    comandi_punti(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                  const controlli_principali& c, QWidget& finestra,
                  const collegamenti_finestra& collegamenti,
                  std::function<void(const QString&)> punti_letti,
                  std::function<void(const QString&)> apri_xyz);

    // "Cancella PF": every control point goes, after a Yes.
    void cancella_pf();
    // The points numbered from 1 in the list go.
    void elimina(std::span<const std::int32_t> numeri);
    // One point typed by the user.
    void aggiungi();
    // An .xyz file as today, or a CSV/TXT file after its preview.
    void importa();
    void importa_file(const QString& nome);

private:
    void importa_csv(const QString& nome);
    void cambiati();

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    const controlli_principali& c_;
    QWidget& finestra_;
    const collegamenti_finestra& collegamenti_;
    std::function<void(const QString&)> punti_letti_;
    std::function<void(const QString&)> apri_xyz_;
};

}  // namespace pianopre
