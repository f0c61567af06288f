// comandi_punti: the control points cleared, deleted, typed and imported, the
// list kept sorted by name as the .xyz reader sorts it.
#include "app/comandi_punti.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <utility>

#include "dialogs/punti_dialoghi.h"
#include "exchange/csv_punti.h"

namespace pianopre {

namespace {

// A point file larger than this is not a point file.
constexpr qint64 file_massimo = qint64{64} << 20;

// The bad lines of a file: the first ten, and how many more.
QString righe_saltate(const esito_punti& e, const QString& nome) {
    QStringList righe;
    for (std::size_t i = 0; i < e.errate.size() && i < 10; ++i)
        righe << QString::fromStdString(descrivi(e.errate[i]));
    if (e.n_errate > 10)
        righe << QCoreApplication::translate("comandi_punti", "... e altre %1 righe")
                     .arg(e.n_errate - 10);
    return QCoreApplication::translate(
               "comandi_punti",
               "Attenzione: nel file %1 queste righe non sono punti e non sono state "
               "importate:\n%2")
        .arg(QFileInfo(nome).fileName(), righe.join('\n'));
}

}  // namespace

comandi_punti::comandi_punti(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                             const controlli_principali& c, QWidget& finestra,
                             const collegamenti_finestra& collegamenti,
                             std::function<void(const QString&)> punti_letti,
                             std::function<void(const QString&)> apri_xyz)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      c_(c),
      finestra_(finestra),
      collegamenti_(collegamenti),
      punti_letti_(std::move(punti_letti)),
      apri_xyz_(std::move(apri_xyz)) {}

void comandi_punti::cambiati() {
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::mantieni);  // the view stays where it is
    collegamenti_.modificato();
    collegamenti_.aggiorna_stazioni();
}

void comandi_punti::cancella_pf() {
    const std::int32_t n = commessa_.disegno.lista_punti.n_punti();
    if (n == 0) {
        servizi_.messaggio(QCoreApplication::translate("comandi_punti",
                                                       "Nessun punto di appoggio da cancellare."));
        return;
    }
    if (!servizi_.domanda(QCoreApplication::translate("comandi_punti",
                                                      "Cancellare tutti i punti di appoggio (%1)?")
                              .arg(n)))
        return;
    azzera_punti(commessa_.disegno);
    punti_letti_({});
    cambiati();
}

void comandi_punti::elimina(std::span<const std::int32_t> numeri) {
    if (numeri.empty()) return;
    togli_punti(commessa_.disegno, numeri);
    cambiati();
}

void comandi_punti::aggiungi() {
    modello& m = commessa_.disegno;
    if (m.lista_punti.n_punti() >= elenco_punti::posti) {
        servizi_.messaggio(
            QCoreApplication::translate("comandi_punti",
                                        "Errore: l'elenco ha già %1 punti di appoggio, il massimo.")
                .arg(elenco_punti::posti));
        return;
    }
    dialogo_punto d(formato_, &finestra_);
    if (d.exec() != QDialog::Accepted) return;
    agg_punto(m, d.punto());
    ordina_punti(m);
    cambiati();
}

void comandi_punti::importa() {
    const auto scelto = servizi_.apri_file("*.xyz *.csv *.txt", "*.csv");
    if (scelto) importa_file(*scelto);
}

void comandi_punti::importa_file(const QString& nome) {
    if (QFileInfo(nome).suffix().compare("xyz", Qt::CaseInsensitive) == 0) {
        apri_xyz_(nome);  // replaces the points, as it always has
        return;
    }
    importa_csv(nome);
}

void comandi_punti::importa_csv(const QString& nome) {
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly) || file.size() > file_massimo) {
        servizi_.messaggio(QCoreApplication::translate(
                               "comandi_punti", "Errore: non riesco a leggere il file di punti %1.")
                               .arg(nome));
        return;
    }
    const QByteArray byte = file.readAll();
    QSettings memoria;
    const auto ordine = memoria.value("punti/ordine", 0).toInt() == 1 ? ordine_colonne::penzd
                                                                      : ordine_colonne::pnezd;
    modello& m = commessa_.disegno;
    anteprima_punti anteprima(nome, byte.toStdString(), ordine, formato_,
                              m.lista_punti.n_punti() > 0, &finestra_);
    if (anteprima.exec() != QDialog::Accepted) return;
    const formato_punti formato = anteprima.scelto();
    memoria.setValue("punti/ordine", formato.ordine == ordine_colonne::penzd ? 1 : 0);
    const bool aggiungi = anteprima.aggiungi();
    const std::size_t liberi =
        static_cast<std::size_t>(elenco_punti::posti - (aggiungi ? m.lista_punti.n_punti() : 0));
    const esito_punti e =
        leggi_punti_csv(std::string_view(byte.constData(), byte.size()), formato, liberi);
    if (e.troppi_punti) {
        servizi_.messaggio(QCoreApplication::translate(
                               "comandi_punti",
                               "Errore: il file %1 ha più punti di quanti l'elenco ne possa "
                               "tenere (%2): nessun punto importato.")
                               .arg(QFileInfo(nome).fileName())
                               .arg(elenco_punti::posti));
        return;
    }
    if (e.punti.empty()) {
        servizi_.messaggio(QCoreApplication::translate(
                               "comandi_punti", "Errore: nessun punto di appoggio nel file %1.")
                               .arg(QFileInfo(nome).fileName()));
        if (e.n_errate > 0) servizi_.messaggio(righe_saltate(e, nome));
        return;
    }
    if (!aggiungi) azzera_punti(m);
    for (const riga_punto& r : e.punti) agg_punto(m, r.punto);
    ordina_punti(m);
    if (!aggiungi) punti_letti_(nome);
    cambiati();
    if (e.n_errate > 0) servizi_.messaggio(righe_saltate(e, nome));
}

}  // namespace pianopre
