// The typed control point and the preview of a point file.
#include "dialogs/punti_dialoghi.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "base/numeri.h"
#include "base/testo_utf8.h"
#include "scheme/elenco_fisso.h"

namespace pianopre {

namespace {

QString fisso(double x, const formato_regionale& f) {
    QString t = QString::number(x, 'f', 3);
    if (f.decimale != '.') t.replace('.', QChar(f.decimale));
    return t;
}

QString nome_qt(const punto_app& p) {
    return QString::fromStdString(cp1252_in_utf8(p.nome.pulito()));
}

QDialogButtonBox* pulsanti(QDialog* d, const QString& ok) {
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    b->button(QDialogButtonBox::Ok)->setText(ok);
    b->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("punti_dialoghi", "Annulla"));
    QObject::connect(b, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(b, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return b;
}

QLineEdit* casella(QWidget* genitore, const char* nome) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(nome);
    return c;
}

}  // namespace

dialogo_punto::dialogo_punto(formato_regionale formato, QWidget* genitore)
    : QDialog(genitore), formato_(formato) {
    setObjectName("dialogo_punto");
    setWindowTitle(tr("Aggiungi punto di appoggio"));
    nome = casella(this, "nome");
    nome->setMaxLength(15);
    est = casella(this, "est");
    nord = casella(this, "nord");
    quota = casella(this, "quota");
    errore = new QLabel(this);
    errore->setObjectName("errore");
    errore->setStyleSheet("color: #b00000");
    auto* campi = new QFormLayout(this);
    campi->addRow(tr("Nome:"), nome);
    campi->addRow(tr("Est (m):"), est);
    campi->addRow(tr("Nord (m):"), nord);
    campi->addRow(tr("Quota (m):"), quota);
    campi->addRow(errore);
    campi->addRow(pulsanti(this, tr("Aggiungi")));
}

// The dialog closes only on a named point whose three coordinates are
// wholly numbers.
void dialogo_punto::accept() {
    const QString testo_nome = nome->text().trimmed();
    if (testo_nome.isEmpty()) {
        errore->setText(tr("Errore: manca il nome del punto."));
        nome->setFocus();
        return;
    }
    const std::pair<QLineEdit*, QString> coordinate[] = {
        {est, tr("Est")}, {nord, tr("Nord")}, {quota, tr("Quota")}};
    double valori[3] = {};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto v = leggi_numero_esatto(coordinate[k].first->text().toStdString(), formato_);
        if (!v) {
            errore->setText(tr("Errore: %1 non è un numero: \"%2\".")
                                .arg(coordinate[k].second, coordinate[k].first->text()));
            coordinate[k].first->setFocus();
            return;
        }
        valori[k] = *v;
    }
    punto_.nome = utf8_in_cp1252(testo_nome.toStdString());
    punto_.x = valori[0];
    punto_.y = valori[1];
    punto_.z = valori[2];
    QDialog::accept();
}

anteprima_punti::anteprima_punti(const QString& nome_file, std::string testo,
                                 ordine_colonne ordine_iniziale, formato_regionale formato,
                                 bool ci_sono_punti, QWidget* genitore)
    : QDialog(genitore), testo_(std::move(testo)), formato_(formato) {
    setObjectName("anteprima_punti");
    setWindowTitle(tr("Importa punti di appoggio: %1").arg(QFileInfo(nome_file).fileName()));
    separatore = new QComboBox(this);
    separatore->setObjectName("separatore");
    separatore->addItems({tr("virgola"), tr("punto e virgola"), tr("tabulazione"), tr("spazi")});
    separatore->setCurrentIndex(static_cast<int>(indovina_separatore(testo_)));
    ordine = new QComboBox(this);
    ordine->setObjectName("ordine");
    ordine->addItems({tr("PNEZD (punto, Nord, Est, quota, descrizione)"),
                      tr("PENZD (punto, Est, Nord, quota, descrizione)")});
    ordine->setCurrentIndex(ordine_iniziale == ordine_colonne::penzd ? 1 : 0);
    righe = new QTableWidget(0, 6, this);
    righe->setObjectName("righe");
    righe->setHorizontalHeaderLabels(
        {tr("Riga"), tr("Nome"), tr("Est"), tr("Nord"), tr("Quota"), tr("Descrizione")});
    righe->verticalHeader()->hide();
    righe->verticalHeader()->setDefaultSectionSize(20);
    righe->horizontalHeader()->setStretchLastSection(true);
    righe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    riepilogo = new QLabel(this);
    riepilogo->setObjectName("riepilogo_anteprima");
    riepilogo->setWordWrap(true);
    sostituisci_ = new QRadioButton(tr("Sostituire i punti di appoggio presenti"), this);
    sostituisci_->setObjectName("sostituisci");
    aggiungi_ = new QRadioButton(tr("Aggiungerli ai punti di appoggio presenti"), this);
    aggiungi_->setObjectName("aggiungi");
    sostituisci_->setChecked(true);  // as an .xyz file does
    aggiungi_->setEnabled(ci_sono_punti);

    auto* campi = new QFormLayout;
    campi->addRow(tr("Separatore:"), separatore);
    campi->addRow(tr("Colonne:"), ordine);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(campi);
    tutto->addWidget(new QLabel(tr("Prime righe del file, come saranno importate:"), this));
    tutto->addWidget(righe, 1);
    tutto->addWidget(riepilogo);
    tutto->addWidget(sostituisci_);
    tutto->addWidget(aggiungi_);
    tutto->addWidget(pulsanti(this, tr("Importa")));
    connect(separatore, &QComboBox::currentIndexChanged, this, [this] { aggiorna(); });
    connect(ordine, &QComboBox::currentIndexChanged, this, [this] { aggiorna(); });
    resize(720, 460);
    aggiorna();
}

formato_punti anteprima_punti::scelto() const {
    return {ordine->currentIndex() == 1 ? ordine_colonne::penzd : ordine_colonne::pnezd,
            static_cast<separatore_campi>(separatore->currentIndex())};
}

void anteprima_punti::aggiorna() {
    const esito_punti e = leggi_punti_csv(testo_, scelto());
    righe->setRowCount(0);
    const auto riga_nuova = [this](const QString& numero) {
        const int r = righe->rowCount();
        righe->insertRow(r);
        righe->setItem(r, 0, new QTableWidgetItem(numero));
        return r;
    };
    // A line that is not a point: what it is, across the point's columns.
    const auto riga_intera = [&](const QString& numero, const QString& testo,
                                 const QColor& colore) {
        const int r = riga_nuova(numero);
        auto* voce = new QTableWidgetItem(testo);
        voce->setBackground(colore);
        righe->setItem(r, 1, voce);
        righe->setSpan(r, 1, 1, 5);
    };
    std::size_t p = 0, b = 0;
    if (e.testata) riga_intera({}, tr("intestazione: saltata"), QColor(225, 225, 225));
    while (righe->rowCount() < righe_mostrate && (p < e.punti.size() || b < e.errate.size())) {
        if (b >= e.errate.size() || (p < e.punti.size() && e.punti[p].riga < e.errate[b].riga)) {
            const riga_punto& q = e.punti[p++];
            const int r = riga_nuova(QString::number(q.riga));
            const QString celle[] = {nome_qt(q.punto), fisso(q.punto.x, formato_),
                                     fisso(q.punto.y, formato_), fisso(q.punto.z, formato_),
                                     QString::fromStdString(q.descrizione)};
            for (int k = 0; k < 5; ++k) righe->setItem(r, k + 1, new QTableWidgetItem(celle[k]));
        } else {
            const riga_errata& q = e.errate[b++];
            riga_intera(QString::number(q.riga), QString::fromStdString(descrivi(q)),
                        QColor(255, 190, 190));
        }
    }
    righe->resizeColumnsToContents();

    QStringList testo;
    testo << tr("Punti da importare: %1.").arg(e.punti.size());
    if (e.testata) testo << tr("La prima riga è un'intestazione e non viene importata.");
    if (e.n_errate > 0) testo << tr("Righe che non sono punti, saltate: %1.").arg(e.n_errate);
    if (e.troppi_punti) testo << tr("Il file ha più di %1 punti.").arg(elenco_punti::posti);
    riepilogo->setText(testo.join(' '));
    if (auto* b_ok = findChild<QDialogButtonBox*>())
        b_ok->button(QDialogButtonBox::Ok)->setEnabled(!e.punti.empty());
}

}  // namespace pianopre
