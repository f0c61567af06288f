// The stations, stereo-model and control-point tables and their window.
#include "dialogs/stazioni_finestra.h"

#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "base/testo_utf8.h"

namespace pianopre {

namespace {

// Fixed decimals in the regional form, as a surveyor reads coordinates.
QString fisso(double x, int decimali, const formato_regionale& f) {
    return QString::fromStdString(testo_arrotondato(x, decimali, f));
}

// The places of a kind of value, its unit in the column's title.
QString fisso(double x, misura m, const formato_regionale& f) {
    return fisso(x, regola(m).decimali, f);
}

// A stretch "from ÷ to" in metres to the centimetre; a value that rounds to
// zero reads 0,00, never -0,00.
QString tratto(double da, double a, const formato_regionale& f) {
    const auto cm = [&](double x) { return fisso(std::abs(x) < 0.005 ? 0.0 : x, 2, f); };
    return cm(da) + " ÷ " + cm(a);
}

QColor colore_esito(esito_modello e) {
    switch (e) {
        case esito_modello::ok:
            return QColor(200, 235, 200);
        case esito_modello::attenzione:
            return QColor(255, 220, 150);
        case esito_modello::non_soddisfatto:
            break;
    }
    return QColor(255, 180, 180);
}

QTableView* nuova_vista(QAbstractTableModel* modello, const char* nome, QWidget* genitore) {
    auto* v = new QTableView(genitore);
    v->setObjectName(nome);
    v->setModel(modello);
    v->verticalHeader()->hide();
    v->verticalHeader()->setDefaultSectionSize(20);
    v->horizontalHeader()->setStretchLastSection(true);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    return v;
}

}  // namespace

void tabella_stazioni::imposta(std::vector<riga_stazione> righe, unita_angolo unita) {
    beginResetModel();
    righe_ = std::move(righe);
    unita_ = unita;
    endResetModel();
}

QVariant tabella_stazioni::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || static_cast<std::size_t>(indice.row()) >= righe_.size()) return {};
    if (ruolo == Qt::TextAlignmentRole)
        return indice.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (ruolo != Qt::DisplayRole) return {};
    const riga_stazione& r = righe_[static_cast<std::size_t>(indice.row())];
    switch (indice.column()) {
        case 0:
            return QString::fromStdString(r.nome);
        case 1:
            return r.striscia;
        case 2:
            return r.fotogramma;
        case 3:
            return fisso(r.est, misura::metri, formato_);
        case 4:
            return fisso(r.nord, misura::metri, formato_);
        case 5:
            return fisso(r.quota, misura::metri, formato_);
        case 6:
            return fisso(r.azimut, 4, formato_);
        default:
            return fisso(r.inclinazione, misura::gradi, formato_);
    }
}

QVariant tabella_stazioni::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso != Qt::Horizontal || ruolo != Qt::DisplayRole) return {};
    const QString azimut = unita_ == unita_angolo::gon ? tr("Azimut (gon)") : tr("Azimut (°)");
    const QString titoli[] = {
        tr("Stazione"), tr("Striscia"), tr("Fotogramma"), tr("Est"),
        tr("Nord"),     tr("Quota"),    azimut,           tr("Inclinazione (°)")};
    return sezione >= 0 && sezione < 8 ? titoli[sezione] : QString();
}

void tabella_modelli_qt::imposta(std::vector<riga_modello> righe, bool collocata) {
    beginResetModel();
    righe_ = std::move(righe);
    collocata_ = collocata;
    endResetModel();
}

QVariant tabella_modelli_qt::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || static_cast<std::size_t>(indice.row()) >= righe_.size()) return {};
    const riga_modello& r = righe_[static_cast<std::size_t>(indice.row())];
    if (ruolo == Qt::BackgroundRole && indice.column() == 4) return colore_esito(r.esito);
    if (ruolo != Qt::DisplayRole) return {};
    switch (indice.column()) {
        case 0:
            return QString::fromStdString(r.stazione_1 + " - " + r.stazione_2);
        case 1:
            return tratto(r.da_a_inizio, r.da_a_fine, formato_);
        case 2:
            return tratto(r.altezza_da, r.altezza_a, formato_);
        case 3:
            return r.punti;
        case 4:
            return QString::fromStdString(esito_mostrato(r.esito));
        default:
            break;
    }
    const std::size_t angolo = static_cast<std::size_t>(indice.column() - 5);
    if (angolo >= r.angoli_sito.size()) return {};
    const punto3& p = r.angoli_sito[angolo];
    return fisso(p.x, 2, formato_) + " / " + fisso(p.y, 2, formato_) + " / " +
           fisso(p.z, 2, formato_);
}

QVariant tabella_modelli_qt::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso != Qt::Horizontal || sezione < 0 || sezione >= columnCount()) return {};
    if (ruolo == Qt::ToolTipRole) {
        if (sezione == 1) return tr("Distanze lungo la facciata dal suo angolo A");
        if (sezione == 2) return tr("Altezze sopra il piede della facciata");
        if (sezione >= 5) return tr("Coordinate del sito: Est / Nord / Quota");
        return {};
    }
    if (ruolo != Qt::DisplayRole) return {};
    const QString titoli[] = {tr("Modello"),
                              tr("Dall'angolo A (m)"),
                              tr("Altezza da terra (m)"),
                              tr("Punti di appoggio"),
                              tr("Esito"),
                              tr("In basso lato A (E / N / Q)"),
                              tr("In alto lato A (E / N / Q)"),
                              tr("In alto lato opposto (E / N / Q)"),
                              tr("In basso lato opposto (E / N / Q)")};
    return titoli[sezione];
}

void tabella_punti_qt::imposta(std::span<const punto_app> punti) {
    beginResetModel();
    punti_.assign(punti.begin(), punti.end());
    endResetModel();
}

QVariant tabella_punti_qt::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || static_cast<std::size_t>(indice.row()) >= punti_.size()) return {};
    if (ruolo == Qt::TextAlignmentRole)
        return indice.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (ruolo != Qt::DisplayRole) return {};
    const punto_app& p = punti_[static_cast<std::size_t>(indice.row())];
    switch (indice.column()) {
        case 0:
            return QString::fromStdString(cp1252_in_utf8(p.nome.pulito()));
        case 1:
            return fisso(p.x, 3, formato_);
        case 2:
            return fisso(p.y, 3, formato_);
        default:
            return fisso(p.z, 3, formato_);
    }
}

QVariant tabella_punti_qt::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso != Qt::Horizontal || ruolo != Qt::DisplayRole) return {};
    const QString titoli[] = {tr("Punto"), tr("Est"), tr("Nord"), tr("Quota")};
    return sezione >= 0 && sezione < 4 ? titoli[sezione] : QString();
}

finestra_stazioni::finestra_stazioni(formato_regionale formato, QWidget* genitore)
    : QWidget(genitore, Qt::Window) {
    setObjectName("finestra_stazioni");
    setWindowTitle(tr("Stazioni e punti"));
    stazioni = new tabella_stazioni(formato, this);
    modelli = new tabella_modelli_qt(formato, this);
    vista_stazioni = nuova_vista(stazioni, "stazioni", this);
    vista_modelli = nuova_vista(modelli, "modelli", this);
    riepilogo = new QLabel(this);
    riepilogo->setObjectName("riepilogo");
    auto* piano = new QVBoxLayout;
    piano->addWidget(new QLabel(tr("Stazioni di presa (coordinate del sito):"), this));
    piano->addWidget(vista_stazioni, 3);
    piano->addWidget(new QLabel(tr("Modelli stereoscopici e punti di appoggio:"), this));
    piano->addWidget(vista_modelli, 2);
    piano->addWidget(riepilogo);

    punti = new tabella_punti_qt(formato, this);
    vista_punti = nuova_vista(punti, "punti", this);
    vista_punti->setSelectionMode(QAbstractItemView::ExtendedSelection);
    elimina = new QPushButton(tr("Elimina selezionati"), this);
    elimina->setObjectName("elimina_punti");
    aggiungi = new QPushButton(tr("Aggiungi punto..."), this);
    aggiungi->setObjectName("aggiungi_punto");
    importa = new QPushButton(tr("Importa punti..."), this);
    importa->setObjectName("importa_punti");
    importa->setToolTip(tr("Punti da .xyz, o da CSV/TXT nell'ordine PNEZD o PENZD"));
    auto* comandi = new QHBoxLayout;
    for (QPushButton* b : {elimina, aggiungi, importa}) comandi->addWidget(b);
    auto* colonna_punti = new QVBoxLayout;
    colonna_punti->addWidget(new QLabel(tr("Punti di appoggio (coordinate del sito):"), this));
    colonna_punti->addWidget(vista_punti, 1);
    colonna_punti->addLayout(comandi);

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(piano, 3);
    tutto->addLayout(colonna_punti, 2);
    connect(elimina, &QPushButton::clicked, this, [this] {
        const auto numeri = punti_selezionati();
        if (!numeri.empty()) emit elimina_punti(numeri);
    });
    connect(aggiungi, &QPushButton::clicked, this, [this] { emit aggiungi_punto(); });
    connect(importa, &QPushButton::clicked, this, [this] { emit importa_punti(); });
    resize(1180, 560);
}

void finestra_stazioni::mostra_punti(std::span<const punto_app> elenco) {
    punti->imposta(elenco);
    vista_punti->resizeColumnsToContents();
    elimina->setEnabled(!elenco.empty());
}

std::vector<std::int32_t> finestra_stazioni::punti_selezionati() const {
    std::vector<std::int32_t> numeri;
    for (const QModelIndex& i : vista_punti->selectionModel()->selectedRows())
        numeri.push_back(i.row() + 1);
    std::sort(numeri.begin(), numeri.end());
    return numeri;
}

void finestra_stazioni::mostra(std::vector<riga_stazione> righe, tabella_modelli tabella,
                               unita_angolo unita, bool con_punti) {
    const bool vuota = righe.empty();
    stazioni->imposta(std::move(righe), unita);
    const std::int32_t scarsi = tabella.scarsi;
    modelli->imposta(std::move(tabella.righe), tabella.collocata);
    vista_stazioni->resizeColumnsToContents();
    vista_modelli->resizeColumnsToContents();
    if (vuota) {
        riepilogo->setText(tr("Nessun piano calcolato: premere \"Calcola -->\"."));
    } else if (!con_punti) {
        riepilogo->setText(
            tr("Nessun punto di appoggio caricato (Apri XYZ): %1 modelli senza punti.")
                .arg(scarsi));
    } else {
        riepilogo->setText(scarsi == 0
                               ? tr("Tutti i modelli hanno almeno 4 punti di appoggio.")
                               : tr("Modelli con meno di 4 punti di appoggio: %1.").arg(scarsi));
    }
}

}  // namespace pianopre
