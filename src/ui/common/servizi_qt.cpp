// The desktop's message boxes, beep and file dialogs.
#include "common/servizi_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pianopre {

namespace {

const QString titolo = QStringLiteral("pianopre");

QMessageBox::StandardButton mostra(QWidget* genitore, const QString& testo,
                                   QMessageBox::StandardButtons pulsanti) {
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, pulsanti, genitore);
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString filtro_dialogo(const QString& filtro) {
    return filtro + " (" + filtro + ")";
}

std::optional<QString> scelto_o_annulla(const QString& nome) {
    if (nome.isEmpty()) return std::nullopt;
    return nome;
}

}  // namespace

void servizi_qt::messaggio(const QString& testo) {
    mostra(genitore_, testo, QMessageBox::Ok);
}

bool servizi_qt::domanda(const QString& testo) {
    return mostra(genitore_, testo, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void servizi_qt::beep() {
    QApplication::beep();
}

std::optional<QString> servizi_qt::apri_file(const QString& filtro, const QString& nome_iniziale) {
    return scelto_o_annulla(
        QFileDialog::getOpenFileName(genitore_, QString(), nome_iniziale, filtro_dialogo(filtro)));
}

std::optional<QString> servizi_qt::salva_file(const QString& filtro, const QString& nome_iniziale) {
    return scelto_o_annulla(QFileDialog::getSaveFileName(genitore_, QString(), nome_iniziale,
                                                         filtro_dialogo(filtro), nullptr,
                                                         QFileDialog::DontConfirmOverwrite));
}

}  // namespace pianopre
