// The plan-checks window: settings, a line of state, and one row per check with
// its verdict coloured and its formula as the row's tooltip.
#include "dialogs/verifiche_finestra.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "base/errori.h"
#include "base/numeri.h"
#include "base/testo_numeri.h"
#include "calc/verifiche.h"
#include "job/precisioni_commessa.h"

namespace pianopre {

namespace {

struct campo_impostazione {
    const char* nome;
    const char* etichetta;
    double impostazioni_verifiche::*valore;
};

const campo_impostazione campi[] = {
    {"tolleranza_grafica",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Tolleranza grafica (mm):"),
     &impostazioni_verifiche::tolleranza_grafica_mm},
    {"divisore_gsd", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Divisore GSD:"),
     &impostazioni_verifiche::divisore_gsd},
    {"precisione_px",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Precisione di misura (pixel):"),
     &impostazioni_verifiche::precisione_px},
    {"circolo_confusione",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Circolo di confusione (pixel):"),
     &impostazioni_verifiche::circolo_confusione_px},
    {"lunghezza_onda", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Lunghezza d'onda (mm):"),
     &impostazioni_verifiche::lunghezza_onda_mm},
    {"profondita_rilievo",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Profondità del rilievo (m):"),
     &impostazioni_verifiche::profondita_rilievo_m},
    {"altezza_max_camera",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Altezza massima della camera (m):"),
     &impostazioni_verifiche::altezza_max_camera_m},
};

QColor colore_esito(esito_verifica e) {
    switch (e) {
        case esito_verifica::ok:
            return QColor(200, 235, 200);
        case esito_verifica::attenzione:
            return QColor(255, 220, 150);
        case esito_verifica::non_soddisfatto:
            return QColor(255, 180, 180);
        case esito_verifica::non_disponibile:
            break;
    }
    return QColor(225, 225, 225);
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

finestra_verifiche::finestra_verifiche(commessa& lavoro, formato_regionale formato,
                                       QWidget* genitore)
    : QWidget(genitore, Qt::Window), commessa_(lavoro), formato_(formato) {
    setObjectName("finestra_verifiche");
    setWindowTitle(tr("Verifiche del piano"));
    auto* griglia = new QGridLayout;
    for (std::size_t i = 0; i < impostazioni.size(); ++i) {
        auto* etichetta = new QLabel(tr(campi[i].etichetta), this);
        impostazioni[i] = new QLineEdit(this);
        impostazioni[i]->setObjectName(campi[i].nome);
        impostazioni[i]->setMaximumWidth(90);
        etichetta->setBuddy(impostazioni[i]);
        const int r = static_cast<int>(i) / 2, c = static_cast<int>(i) % 2 * 2;
        griglia->addWidget(etichetta, r, c);
        griglia->addWidget(impostazioni[i], r, c + 1);
        connect(impostazioni[i], &QLineEdit::editingFinished, this,
                &finestra_verifiche::leggi_impostazioni);
    }
    stato = new QLabel(this);
    stato->setObjectName("stato");
    stato->setWordWrap(true);
    tabella = new QTableWidget(0, 4, this);
    tabella->setObjectName("tabella");
    tabella->setHorizontalHeaderLabels({tr("Verifica"), tr("Valore"), tr("Limite"), tr("Esito")});
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->horizontalHeader()->setStretchLastSection(true);
    precisioni = new QLabel(this);
    precisioni->setObjectName("precisioni");
    precisioni->setWordWrap(true);
    precisioni->setTextFormat(Qt::PlainText);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(griglia);
    tutto->addWidget(stato);
    tutto->addWidget(tabella);
    tutto->addWidget(precisioni);
    resize(980, 420);
    mostra_impostazioni();
    piano_assente(tr("Nessun piano calcolato: premere \"Calcola -->\"."));
}

void finestra_verifiche::mostra_impostazioni() {
    for (std::size_t i = 0; i < impostazioni.size(); ++i)
        impostazioni[i]->setText(q(testo_generale(commessa_.verifiche.*campi[i].valore, formato_)));
}

// A value that is not a number, or that the checks cannot use, is told and the
// previous settings stay.
void finestra_verifiche::leggi_impostazioni() {
    impostazioni_verifiche nuove = commessa_.verifiche;
    for (std::size_t i = 0; i < impostazioni.size(); ++i) {
        const QByteArray t = impostazioni[i]->text().toLatin1();
        const auto v = leggi_numero_esatto(
            std::string_view(t.constData(), static_cast<std::size_t>(t.size())), formato_);
        if (!v) {
            stato->setText(tr("Errore: \"%1\" non è un numero.").arg(tr(campi[i].etichetta)));
            return;
        }
        nuove.*campi[i].valore = *v;
    }
    if (const auto messaggio = errore_impostazioni(nuove)) {
        stato->setText(q(*messaggio));
        return;
    }
    commessa_.verifiche = nuove;
    if (piano_) riempi();
    emit impostazioni_cambiate();
}

void finestra_verifiche::piano_pronto() {
    piano_ = true;
    riempi();
}

void finestra_verifiche::piano_assente(const QString& perche) {
    piano_ = false;
    tabella->setRowCount(0);
    precisioni->clear();
    stato->setText(perche);
}

void finestra_verifiche::riempi() {
    std::vector<riga_verifica> righe;
    try {
        const commessa& c = commessa_;
        const risultato_verifiche r =
            calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
        righe = righe_verifiche(r, c.verifiche, formato_);
        mostra_precisioni(r);
    } catch (const errore_verifiche& e) {
        piano_assente(q(e.what()));
        piano_ = true;  // the plan is there: new settings may make it checkable
        return;
    }
    stato->setText(dimensione_pixel(commessa_.camera, commessa_.sensore)
                       ? tr("Fotocamera: %1").arg(q(commessa_.sensore.nome))
                       : tr("Dimensione del pixel non nota: scegliere una fotocamera "
                            "(Lavoro > Fotocamera...)."));
    tabella->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < tabella->rowCount(); ++r) {
        const riga_verifica& riga = righe[static_cast<std::size_t>(r)];
        const QString testi[] = {q(riga.nome), q(riga.valore), q(riga.limite), q(riga.testo_esito)};
        for (int c = 0; c < 4; ++c) {
            auto* cella = new QTableWidgetItem(testi[c]);
            cella->setToolTip(q(riga.formula));
            if (c == 3 && riga.esito) cella->setBackground(colore_esito(*riga.esito));
            tabella->setItem(r, c, cella);
        }
    }
}

// One line per estimate: "label: value - what it means".
void finestra_verifiche::mostra_precisioni(const risultato_verifiche& r) {
    QStringList righe;
    for (const precisione_spiegata& p : precisioni_spiegate(commessa_, r, formato_))
        righe << tr("%1: %2 - %3").arg(q(p.etichetta), q(p.valore), q(p.significato));
    precisioni->setText(righe.join('\n'));
}

}  // namespace pianopre
