// comandi_stazioni: the stations window below the main window, and the CSV
// export with its columns and separators remembered from the last time.
#include "app/comandi_stazioni.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSettings>
#include <utility>

#include "common/messaggi_file.h"
#include "common/percorsi.h"
#include "dialogs/esporta_geo_dialogo.h"
#include "dialogs/stazioni_finestra.h"
#include "geo/sistema_riferimento.h"
#include "job/stazioni_commessa.h"

namespace pianopre {

namespace {

// The columns and separators of the file, remembered from the last export.
std::optional<opzioni_csv> chiedi_opzioni_csv(QWidget* genitore) {
    QDialog d(genitore);
    d.setObjectName("opzioni_csv");
    d.setWindowTitle(QCoreApplication::translate("comandi_stazioni", "Esporta stazioni CSV"));
    auto* ordine = new QComboBox(&d);
    ordine->setObjectName("ordine");
    ordine->addItems({QCoreApplication::translate("comandi_stazioni",
                                                  "PNEZD (punto, Nord, Est, quota, descrizione)"),
                      QCoreApplication::translate("comandi_stazioni",
                                                  "PENZD (punto, Est, Nord, quota, descrizione)")});
    auto* separatori = new QComboBox(&d);
    separatori->setObjectName("separatori");
    separatori->addItems(
        {QCoreApplication::translate("comandi_stazioni", "virgola e punto decimale"),
         QCoreApplication::translate("comandi_stazioni", "punto e virgola e virgola decimale")});
    QSettings memoria;
    ordine->setCurrentIndex(memoria.value("csv/ordine", 0).toInt() == 1 ? 1 : 0);
    separatori->setCurrentIndex(memoria.value("csv/separatori", 0).toInt() == 1 ? 1 : 0);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    pulsanti->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("comandi_stazioni", "Annulla"));
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* campi = new QFormLayout(&d);
    campi->addRow(QCoreApplication::translate("comandi_stazioni", "Colonne:"), ordine);
    campi->addRow(QCoreApplication::translate("comandi_stazioni", "Separatori:"), separatori);
    campi->addRow(pulsanti);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    memoria.setValue("csv/ordine", ordine->currentIndex());
    memoria.setValue("csv/separatori", separatori->currentIndex());
    return opzioni_csv{ordine->currentIndex() == 1 ? ordine_colonne::penzd : ordine_colonne::pnezd,
                       separatori->currentIndex() == 1 ? separatori_csv::puntovirgola_virgola
                                                       : separatori_csv::virgola_punto};
}

}  // namespace

comandi_stazioni::comandi_stazioni(commessa& lavoro, servizi_utente& servizi,
                                   formato_regionale formato, QWidget& finestra,
                                   azioni_punti azioni)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      finestra_(finestra),
      azioni_(std::move(azioni)) {}

void comandi_stazioni::comando_stazioni() {
    if (stazioni_ == nullptr) {
        stazioni_ = new finestra_stazioni(formato_, &finestra_);
        stazioni_->move(finestra_.frameGeometry().bottomLeft() + QPoint(0, 8));
        QObject::connect(stazioni_, &finestra_stazioni::elimina_punti, stazioni_,
                         [this](std::vector<std::int32_t> numeri) { azioni_.elimina(numeri); });
        QObject::connect(stazioni_, &finestra_stazioni::aggiungi_punto, stazioni_,
                         [this] { azioni_.aggiungi(); });
        QObject::connect(stazioni_, &finestra_stazioni::importa_punti, stazioni_,
                         [this] { azioni_.importa(); });
    }
    stazioni_->show();
    aggiorna();
    stazioni_->raise();
    stazioni_->activateWindow();
}

void comandi_stazioni::aggiorna() {
    if (stazioni_ == nullptr || !stazioni_->isVisible()) return;
    stazioni_->mostra(tabella_stazioni(commessa_), modelli_commessa(commessa_),
                      commessa_.sito.unita, commessa_.disegno.lista_punti.n_punti() > 0);
    stazioni_->mostra_punti(commessa_.disegno.lista_punti.voci());
}

void comandi_stazioni::comando_esporta_csv() {
    if (commessa_.fase != fase_calcolo::schema) {
        servizi_.messaggio(QCoreApplication::translate(
            "comandi_stazioni", "Errore: nessun piano da esportare: premere \"Calcola -->\"."));
        return;
    }
    const auto opzioni = chiedi_opzioni_csv(&finestra_);
    if (!opzioni) return;
    const auto scelto = servizi_.salva_file("*.csv", "stazioni.csv");
    if (!scelto) return;
    QString nome = *scelto;
    if (!nome.endsWith(".csv", Qt::CaseInsensitive)) nome += ".csv";
    try {
        esporta_stazioni_csv(percorso_locale(nome), commessa_, *opzioni);
    } catch (const std::exception&) {
        dici_non_salvato(servizi_, nome);
        return;
    }
    dici_salvato(servizi_, nome);
}

// The site's system must resolve before anything is asked; the file's
// extension follows the format chosen.
void comandi_stazioni::comando_esporta_geo() {
    const auto errore = [this](const std::string& testo) {
        servizi_.beep();
        servizi_.messaggio(QString::fromStdString(testo));
    };
    if (commessa_.fase != fase_calcolo::schema) {
        servizi_.messaggio(QCoreApplication::translate(
            "comandi_stazioni", "Errore: nessun piano da esportare: premere \"Calcola -->\"."));
        return;
    }
    const sistema_riferimento sistema = risolvi_sistema(commessa_.sito.sistema);
    if (!sistema.valido()) return errore(messaggio_sistema(sistema));
    const auto formato =
        chiedi_formato_geo(&finestra_, QString::fromStdString(sistema.codice + " " + sistema.nome));
    if (!formato) return;
    const QString estensione = QString::fromLatin1(estensione_formato(*formato).data());
    const bool missione = *formato != formato_geo::kml && *formato != formato_geo::geojson;
    const auto scelto = servizi_.salva_file(
        "*." + estensione, QString(missione ? "missione." : "piano.") + estensione);
    if (!scelto) return;
    QString nome = *scelto;
    if (!nome.endsWith("." + estensione, Qt::CaseInsensitive)) nome += "." + estensione;
    try {
        esporta_geo(commessa_, *formato, percorso_locale(nome), formato_);
    } catch (const errore_esportazione& e) {
        return errore(e.what());
    } catch (const std::exception&) {
        dici_non_salvato(servizi_, nome);
        return;
    }
    dici_salvato(servizi_, nome);
}

}  // namespace pianopre
