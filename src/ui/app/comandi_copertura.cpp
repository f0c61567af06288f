// comandi_copertura: opening the map window and giving it the job's map.
#include "app/comandi_copertura.h"

#include <QCoreApplication>
#include <utility>

#include "calc/verifiche.h"
#include "common/messaggi_file.h"
#include "common/percorsi.h"
#include "dialogs/copertura_finestra.h"
#include "job/rete_commessa.h"
#include "rete/mappa_csv.h"

namespace pianopre {

namespace {

// T / divisor of the GSD check; 0 when the checks cannot be made.
double tolleranza_di(const commessa& c) {
    try {
        return calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche)
            .gsd_richiesto_mm;
    } catch (const errore_verifiche&) {
        return 0;
    }
}

}  // namespace

fonti_copertura fonti_copertura_predefinite() {
    return {copertura_commessa, immagini_commessa};
}

comandi_copertura::comandi_copertura(commessa& lavoro, servizi_utente& servizi,
                                     formato_regionale formato, QWidget& finestra,
                                     fonti_copertura fonti,
                                     std::function<std::optional<bool>()> piano_valido)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      finestra_(finestra),
      fonti_(std::move(fonti)),
      piano_valido_(std::move(piano_valido)) {}

void comandi_copertura::comando_copertura() {
    if (!fonti_) return;
    if (copertura_ == nullptr) {
        copertura_ = new finestra_copertura(formato_, &finestra_);
        copertura_->resize(820, 560);
        copertura_->move(finestra_.frameGeometry().topRight() + QPoint(8, 0));
        QObject::connect(copertura_, &finestra_copertura::salva_csv, copertura_,
                         [this] { salva_csv(); });
        aggiorna();
    }
    copertura_->show();
    copertura_->raise();
    copertura_->activateWindow();
}

void comandi_copertura::aggiorna() {
    if (copertura_ == nullptr) return;
    const std::optional<bool> valido = piano_valido_();
    if (valido.value_or(false) && commessa_.fase == fase_calcolo::schema) {
        copertura_->mostra(fonti_.mappa(commessa_), fonti_.immagini(commessa_),
                           tolleranza_di(commessa_));
    } else if (!valido) {
        copertura_->assente(QCoreApplication::translate(
            "comandi_copertura", "Nessun piano calcolato: premere \"Calcola -->\"."));
    } else {
        copertura_->assente(QCoreApplication::translate(
            "comandi_copertura",
            "L'ultimo calcolo non è riuscito: correggere i dati e premere \"Calcola -->\"."));
    }
}

// The grid shown, as --mappa writes it.
void comandi_copertura::salva_csv() {
    const auto scelto = servizi_.salva_file("*.csv", "mappa.csv");
    if (!scelto) return;
    QString nome = *scelto;
    if (!nome.endsWith(".csv", Qt::CaseInsensitive)) nome += ".csv";
    try {
        salva_mappa_csv(percorso_locale(nome), copertura_->mappa());
    } catch (const std::exception&) {
        dici_non_salvato(servizi_, nome);
        return;
    }
    dici_salvato(servizi_, nome);
}

}  // namespace pianopre
