// The dialog of the job's header fields.
#include "dialogs/intestazione_dialogo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pianopre {

namespace {

// The file keeps at most 200 bytes of each field: four for a character at most.
constexpr int caratteri_massimi = 50;

QLineEdit* campo(QWidget* genitore, const char* nome, const std::string& testo) {
    auto* c = new QLineEdit(QString::fromStdString(testo), genitore);
    c->setObjectName(nome);
    c->setMaxLength(caratteri_massimi);
    c->setMinimumWidth(320);
    return c;
}

std::string utf8(const QLineEdit* c) {
    return c->text().trimmed().toUtf8().toStdString();
}

}  // namespace

finestra_intestazione::finestra_intestazione(const intestazione_lavoro& attuale, QWidget* genitore)
    : QDialog(genitore) {
    setObjectName("finestra_intestazione");
    setWindowTitle(tr("Dati del lavoro"));
    progetto = campo(this, "progetto", attuale.progetto);
    localita = campo(this, "localita", attuale.localita);
    operatore = campo(this, "operatore", attuale.operatore);
    auto* moduli = new QFormLayout;
    moduli->addRow(tr("&Progetto:"), progetto);
    moduli->addRow(tr("&Località:"), localita);
    moduli->addRow(tr("&Operatore:"), operatore);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = pulsanti->button(QDialogButtonBox::Ok);
    ok->setObjectName("ok");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel(tr("Stampati nell'intestazione del report."), this));
    tutto->addLayout(moduli);
    tutto->addWidget(pulsanti);
}

intestazione_lavoro finestra_intestazione::scelta() const {
    return {utf8(progetto), utf8(localita), utf8(operatore)};
}

}  // namespace pianopre
