// The desktop's message boxes, beep and file dialogs.
#include "common/servizi_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <memory>

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

// Every kind of file opens its dialog in the folder used last for that kind.
QString chiave_cartella(const QString& filtro) {
    return "cartelle/" + QString(filtro).remove('*').remove('.');
}

QString nella_cartella_recente(const QString& filtro, const QString& nome) {
    const QString cartella = QSettings().value(chiave_cartella(filtro)).toString();
    if (cartella.isEmpty() || QFileInfo(nome).isAbsolute()) return nome;
    return QDir(cartella).filePath(nome);
}

std::optional<QString> scelto_o_annulla(const QString& filtro, const QString& nome) {
    if (nome.isEmpty()) return std::nullopt;
    QSettings().setValue(chiave_cartella(filtro), QFileInfo(nome).absolutePath());
    return nome;
}

}  // namespace

void servizi_qt::messaggio(const QString& testo) {
    mostra(genitore_, testo, QMessageBox::Ok);
}

bool servizi_qt::domanda(const QString& testo) {
    return mostra(genitore_, testo, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<bool> servizi_qt::domanda_annulla(const QString& testo) {
    QMessageBox box(QMessageBox::Question, titolo, testo, QMessageBox::NoButton, genitore_);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* si =
        box.addButton(QCoreApplication::translate("servizi_qt", "Sì"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("servizi_qt", "No"), QMessageBox::NoRole);
    QPushButton* annulla = box.addButton(QCoreApplication::translate("servizi_qt", "Annulla"),
                                         QMessageBox::RejectRole);
    box.setDefaultButton(si);
    box.setEscapeButton(annulla);
    box.exec();
    if (box.clickedButton() == si) return true;
    if (box.clickedButton() == no) return false;
    return std::nullopt;
}

avanzamento servizi_qt::avvia_avanzamento(const QString& testo, std::int64_t totale) {
    // Steps of a kilobyte keep the range within an int for files of any size.
    const std::int64_t unita = std::max<std::int64_t>(1, totale / 1'000'000);
    auto dialogo = std::make_shared<QProgressDialog>(
        testo, QCoreApplication::translate("servizi_qt", "Annulla"), 0,
        static_cast<int>(totale / unita), genitore_);
    dialogo->setWindowTitle(titolo);
    dialogo->setWindowModality(Qt::ApplicationModal);
    dialogo->setMinimumDuration(500);
    dialogo->setAutoClose(false);
    dialogo->setValue(0);
    return [dialogo, unita](std::int64_t fatto) {
        dialogo->setValue(
            static_cast<int>(std::min<std::int64_t>(fatto / unita, dialogo->maximum())));
        QCoreApplication::processEvents();
        return !dialogo->wasCanceled();
    };
}

void servizi_qt::beep() {
    QApplication::beep();
}

std::optional<QString> servizi_qt::apri_file(const QString& filtro, const QString& nome_iniziale) {
    return scelto_o_annulla(
        filtro, QFileDialog::getOpenFileName(genitore_, QString(),
                                             nella_cartella_recente(filtro, nome_iniziale),
                                             filtro_dialogo(filtro)));
}

std::optional<QString> servizi_qt::salva_file(const QString& filtro, const QString& nome_iniziale) {
    return scelto_o_annulla(
        filtro, QFileDialog::getSaveFileName(
                    genitore_, QString(), nella_cartella_recente(filtro, nome_iniziale),
                    filtro_dialogo(filtro), nullptr, QFileDialog::DontConfirmOverwrite));
}

}  // namespace pianopre
