// comandi_report: the page's contents from the boxes and the job, the PDF
// file and the printer.
#include "app/comandi_report.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

#include "common/messaggi_file.h"
#include "common/percorsi.h"
#include "job/rete_commessa.h"
#include "report/report.h"

namespace pianopre {

namespace {

std::string latin1(const QLineEdit* casella) {
    const QByteArray t = casella->text().toLatin1();
    return std::string(t.constData(), static_cast<std::size_t>(t.size()));
}

}  // namespace

comandi_report::comandi_report(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                               const controlli_principali& c, QWidget& finestra,
                               std::function<bool()> piano_valido,
                               std::function<QString()> file_lavoro)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      c_(c),
      finestra_(finestra),
      piano_valido_(std::move(piano_valido)),
      file_lavoro_(std::move(file_lavoro)) {}

bool comandi_report::piano_da_stampare() {
    if (commessa_.fase == fase_calcolo::schema && piano_valido_()) return true;
    servizi_.messaggio(QCoreApplication::translate(
        "comandi_report", "Errore: nessun piano da stampare: premere \"Calcola -->\"."));
    return false;
}

// The page shows the boxes as they are; the job's name is its file's.
template <class F>
void comandi_report::con_contenuto_report(F&& usa) const {
    const QString file = file_lavoro_();
    const mappa_copertura mappa = copertura_commessa(commessa_);
    const contenuto_report contenuto{
        commessa_,
        caselle_lavoro{latin1(c_.casella_focale), latin1(c_.casella_larg_neg),
                       latin1(c_.casella_alt_neg), latin1(c_.casella_alt_sogg),
                       latin1(c_.casella_larg_sogg), latin1(c_.casella_distanza),
                       latin1(c_.casella_scala), latin1(c_.casella_base)},
        risultati_di(commessa_, formato_),
        file.isEmpty() ? QCoreApplication::translate("comandi_report", "senza nome").toStdString()
                       : QFileInfo(file).fileName().toStdString(),
        QDate::currentDate().toString("dd/MM/yyyy").toStdString(),
        formato_,
        opzioni,
        mappa.celle.empty() ? nullptr : &mappa,
        impostazioni_mappa_commessa(commessa_).tolleranza_mm};
    usa(contenuto);
}

void comandi_report::comando_report_pdf() {
    if (!piano_da_stampare()) return;
    const QString file = file_lavoro_();
    const QString proposto =
        file.isEmpty() ? QStringLiteral("piano.pdf") : QFileInfo(file).completeBaseName() + ".pdf";
    const auto scelto = servizi_.salva_file("*.pdf", proposto);
    if (!scelto) return;
    QString nome = *scelto;
    if (!nome.endsWith(".pdf", Qt::CaseInsensitive)) nome += ".pdf";
    bool scritto = false;
    try {
        con_contenuto_report([&](const contenuto_report& c) {
            scritto = esporta_report_pdf(
                percorso_locale(nome), c,
                servizi_.avvia_avanzamento(
                    QCoreApplication::translate("comandi_report", "Report %1").arg(nome), 1000));
        });
    } catch (const std::exception&) {
        dici_non_salvato(servizi_, nome);
        return;
    }
    if (scritto) dici_salvato(servizi_, nome);
}

void comandi_report::comando_stampa() {
    if (!piano_da_stampare()) return;
    QPrinter stampante(QPrinter::HighResolution);
    QPrintDialog dialogo(&stampante, &finestra_);
    dialogo.setWindowTitle(QCoreApplication::translate("comandi_report", "Stampa il piano"));
    if (dialogo.exec() != QDialog::Accepted) return;
    bool fatto = false;
    con_contenuto_report([&](const contenuto_report& c) { fatto = stampa_report(stampante, c); });
    if (!fatto)
        servizi_.messaggio(QCoreApplication::translate("comandi_report",
                                                       "Errore: impossibile stampare il piano."));
}

}  // namespace pianopre
