// "Esporta report PDF..." and "Stampa...": the printed plan of the last
// calculation, to a PDF file or to a printer chosen in the system dialog.
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "app/finestra_principale.h"
#include "report/report.h"

namespace pianopre {

namespace {

std::string latin1(const QLineEdit* casella) {
    const QByteArray t = casella->text().toLatin1();
    return std::string(t.constData(), static_cast<std::size_t>(t.size()));
}

std::filesystem::path percorso_pdf(const QString& nome) {
    const QByteArray locale = QFile::encodeName(nome);
    return std::string(locale.constData(), static_cast<std::size_t>(locale.size()));
}

}  // namespace

bool finestra_principale::piano_da_stampare() {
    if (commessa_.fase == fase_calcolo::schema && piano_valido_.value_or(false)) return true;
    servizi_.messaggio("Errore: nessun piano da stampare: premere \"Calcola -->\".");
    return false;
}

// The page shows the boxes as they are; the job's name is its file's.
template <class F>
void finestra_principale::con_contenuto_report(F&& usa) const {
    const contenuto_report contenuto{
        commessa_,
        caselle_lavoro{latin1(c_.casella_focale), latin1(c_.casella_larg_neg),
                       latin1(c_.casella_alt_neg), latin1(c_.casella_alt_sogg),
                       latin1(c_.casella_larg_sogg), latin1(c_.casella_distanza),
                       latin1(c_.casella_scala), latin1(c_.casella_base)},
        risultati_di(commessa_, formato_),
        file_lavoro_.isEmpty() ? std::string("senza nome")
                               : QFileInfo(file_lavoro_).fileName().toStdString(),
        QDate::currentDate().toString("dd/MM/yyyy").toStdString(),
        formato_};
    usa(contenuto);
}

void finestra_principale::comando_report_pdf() {
    if (!piano_da_stampare()) return;
    const QString proposto = file_lavoro_.isEmpty()
                                 ? QStringLiteral("piano.pdf")
                                 : QFileInfo(file_lavoro_).completeBaseName() + ".pdf";
    const auto scelto = servizi_.salva_file("*.pdf", proposto);
    if (!scelto) return;
    QString nome = *scelto;
    if (!nome.endsWith(".pdf", Qt::CaseInsensitive)) nome += ".pdf";
    bool scritto = false;
    try {
        con_contenuto_report([&](const contenuto_report& c) {
            scritto = esporta_report_pdf(percorso_pdf(nome), c,
                                         servizi_.avvia_avanzamento("Report " + nome, 1000));
        });
    } catch (const std::exception&) {
        servizi_.beep();
        servizi_.messaggio("Errore: impossibile salvare il file: " + nome);
        return;
    }
    if (scritto) servizi_.messaggio("File: " + nome + " salvato.");
}

void finestra_principale::comando_stampa() {
    if (!piano_da_stampare()) return;
    QPrinter stampante(QPrinter::HighResolution);
    QPrintDialog dialogo(&stampante, this);
    dialogo.setWindowTitle("Stampa il piano");
    if (dialogo.exec() != QDialog::Accepted) return;
    bool fatto = false;
    con_contenuto_report([&](const contenuto_report& c) { fatto = stampa_report(stampante, c); });
    if (!fatto) servizi_.messaggio("Errore: impossibile stampare il piano.");
}

}  // namespace pianopre
