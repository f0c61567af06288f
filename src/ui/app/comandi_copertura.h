// comandi_copertura: "Copertura e precisione": the coverage and precision map
// window beside the main window, made at its first opening and following
// every calculation.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

class finestra_copertura;

// Where the map and the images of a computed job come from.
struct fonti_copertura {
    std::function<mappa_copertura(const commessa&)> mappa;
    std::function<std::vector<immagine_rete>(const commessa&)> immagini;
    explicit operator bool() const { return mappa && immagini; }
};

// The sources the main window uses when it is given none.
fonti_copertura fonti_copertura_predefinite();

class comandi_copertura {
public:
    // `piano_valido` tells whether the last calculation gave a plan (none
    // before the first one).
    comandi_copertura(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                      QWidget& finestra, fonti_copertura fonti,
                      std::function<std::optional<bool>()> piano_valido);

    // Without sources the menu item is disabled.
    bool disponibile() const { return static_cast<bool>(fonti_); }
    void comando_copertura();
    // The window, when made, shows the map of the last calculation or why there is none.
    void aggiorna();
    finestra_copertura* finestra() const { return copertura_; }

private:
    void salva_csv();

    commessa& commessa_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    QWidget& finestra_;
    fonti_copertura fonti_;
    std::function<std::optional<bool>()> piano_valido_;
    finestra_copertura* copertura_ = nullptr;  // made at its first opening
};

}  // namespace pianopre
