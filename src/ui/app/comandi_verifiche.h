// comandi_verifiche: "Verifiche del piano": the checks window beside the main
// window, made at its first opening and following every calculation.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "app/collegamenti_finestra.h"
#include "base/formato_regionale.h"
#include "job/commessa.h"

namespace pianopre {

class finestra_verifiche;

class comandi_verifiche {
public:
    // `piano_valido` tells whether the last calculation gave a plan (none
    // before the first one).
    comandi_verifiche(commessa& lavoro, formato_regionale formato, QWidget& finestra,
                      const collegamenti_finestra& collegamenti,
                      std::function<std::optional<bool>()> piano_valido);

    void comando_verifiche();
    // The checks window, when made, shows the plan of the last calculation or
    // why there is none.
    void aggiorna();
    // Its settings boxes, when made, show the job's settings.
    void mostra_impostazioni();

private:
    commessa& commessa_;
    formato_regionale formato_;
    QWidget& finestra_;
    const collegamenti_finestra& collegamenti_;
    std::function<std::optional<bool>()> piano_valido_;
    finestra_verifiche* verifiche_ = nullptr;  // made at its first opening
};

}  // namespace pianopre
