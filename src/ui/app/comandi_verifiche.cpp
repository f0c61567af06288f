// comandi_verifiche: opening the checks window and telling it about the plan.
#include "app/comandi_verifiche.h"

#include <QCoreApplication>
#include <utility>

#include "dialogs/verifiche_finestra.h"

namespace pianopre {

comandi_verifiche::comandi_verifiche(commessa& lavoro, formato_regionale formato, QWidget& finestra,
                                     const collegamenti_finestra& collegamenti,
                                     std::function<std::optional<bool>()> piano_valido)
    : commessa_(lavoro),
      formato_(formato),
      finestra_(finestra),
      collegamenti_(collegamenti),
      piano_valido_(std::move(piano_valido)) {}

void comandi_verifiche::comando_verifiche() {
    if (verifiche_ == nullptr) {
        verifiche_ = new finestra_verifiche(commessa_, formato_, &finestra_);
        QObject::connect(verifiche_, &finestra_verifiche::impostazioni_cambiate, &finestra_,
                         [this] {
                             collegamenti_.modificato();
                             collegamenti_.aggiorna_stazioni();  // the convergent rows
                         });
        verifiche_->move(finestra_.frameGeometry().topRight() +
                         QPoint(8, 0));  // beside, not over the picture
        aggiorna();
    }
    verifiche_->show();
    verifiche_->raise();
    verifiche_->activateWindow();
}

void comandi_verifiche::aggiorna() {
    if (verifiche_ == nullptr) return;
    const std::optional<bool> valido = piano_valido_();
    if (valido.value_or(false)) {
        verifiche_->piano_pronto();
    } else if (!valido) {
        verifiche_->piano_assente(QCoreApplication::translate(
            "comandi_verifiche", "Nessun piano calcolato: premere \"Calcola -->\"."));
    } else {
        verifiche_->piano_assente(QCoreApplication::translate(
            "comandi_verifiche",
            "L'ultimo calcolo non è riuscito: correggere i dati e premere \"Calcola -->\"."));
    }
}

void comandi_verifiche::mostra_impostazioni() {
    if (verifiche_ != nullptr) verifiche_->mostra_impostazioni();
}

}  // namespace pianopre
