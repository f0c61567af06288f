// comandi_stazioni: "Stazioni e punti", "Esporta stazioni CSV..." and
// "Esporta per mappe e droni...": the stations and stereo models of the plan
// on the site with the control points, the stake-out file for the field crew,
// and the plan for maps and drones.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>

#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class finestra_stazioni;

// What the stations window's point commands call.
struct azioni_punti {
    std::function<void(std::span<const std::int32_t>)> elimina;
    std::function<void()> aggiungi;
    std::function<void()> importa;
};

class comandi_stazioni {
public:
    comandi_stazioni(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                     QWidget& finestra, azioni_punti azioni);

    void comando_stazioni();
    void comando_esporta_csv();
    // "Esporta per mappe e droni...": KML, GeoJSON or a drone mission.
    void comando_esporta_geo();
    // The stations window, when open, shows the job as it is now.
    void aggiorna();

private:
    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    QWidget& finestra_;
    azioni_punti azioni_;
    finestra_stazioni* stazioni_ = nullptr;  // made at its first opening
};

}  // namespace pianopre
