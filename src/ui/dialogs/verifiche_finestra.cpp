// The plan-checks window: settings, a line of state, and one row per check with
// its verdict coloured and its formula as the row's tooltip.
#include "dialogs/verifiche_finestra.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "base/errori.h"
#include "base/numeri.h"
#include "base/testo_numeri.h"
#include "calc/verifiche.h"
#include "droni/esposizione.h"
#include "droni/volo.h"
#include "job/missione_commessa.h"
#include "job/precisioni_commessa.h"
#include "job/rete_commessa.h"
#include "rete/righe_mappa.h"

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
    {"cella_mappa",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Dimensione della cella (m):"),
     &impostazioni_verifiche::cella_mappa_m},
};

// The drone's boxes, in the order of finestra_verifiche::drone.
struct campo_drone {
    const char* nome;
    const char* etichetta;
};

const campo_drone campi_drone[] = {
    {"velocita", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Velocità di volo (m/s):")},
    {"esposizione",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Esposizione (1/N o secondi):")},
    {"intervallo", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Intervallo di scatto (s):")},
    {"autonomia", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Volo per batteria (min):")},
    {"riserva", QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Riserva della batteria (%):")},
    {"distanza_min",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Distanza minima dalla facciata (m):")},
    {"altezza_max",
     QT_TRANSLATE_NOOP("pianopre::finestra_verifiche", "Altezza massima sul decollo (m):")},
};

const char* const nomi_decollo[] = {"decollo_est", "decollo_nord", "decollo_quota"};

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
    auto* drone_riquadro = new QGroupBox(tr("Drone"), this);
    drone_riquadro->setObjectName("drone");
    drone_riquadro->setLayout(crea_drone());
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
    tutto->addLayout(crea_convergenti());
    tutto->addWidget(drone_riquadro);
    tutto->addWidget(stato);
    tutto->addWidget(tabella);
    tutto->addWidget(precisioni);
    resize(980, 560);
    mostra_impostazioni();
    piano_assente(tr("Nessun piano calcolato: premere \"Calcola -->\"."));
}

QLayout* finestra_verifiche::crea_convergenti() {
    auto* riga = new QHBoxLayout;
    convergenti = new QCheckBox(tr("Immagini convergenti"), this);
    convergenti->setObjectName("convergenti");
    convergenti->setToolTip(
        tr("A ogni stazione due immagini in più, ruotate di +γ e −γ in direzione"));
    connect(convergenti, &QCheckBox::clicked, this, &finestra_verifiche::leggi_convergenti);
    auto* etichetta = new QLabel(tr("Angolo γ (°):"), this);
    angolo_convergenti = new QLineEdit(this);
    angolo_convergenti->setObjectName("angolo_convergenti");
    angolo_convergenti->setMaximumWidth(90);
    etichetta->setBuddy(angolo_convergenti);
    connect(angolo_convergenti, &QLineEdit::editingFinished, this,
            &finestra_verifiche::leggi_convergenti);
    riga->addWidget(convergenti);
    riga->addWidget(etichetta);
    riga->addWidget(angolo_convergenti);
    riga->addStretch();
    return riga;
}

// An angle that is not a number, or not between 0° and 90°, is told and the
// previous settings stay.
void finestra_verifiche::leggi_convergenti() {
    const QByteArray t = angolo_convergenti->text().toLatin1();
    const auto v = leggi_numero_esatto(
        std::string_view(t.constData(), static_cast<std::size_t>(t.size())), formato_);
    if (!v) {
        stato->setText(tr("Errore: \"%1\" non è un numero.").arg(tr("Angolo γ (°):")));
        return;
    }
    const impostazioni_convergenti nuove{convergenti->isChecked(), *v};
    if (const auto messaggio = errore_convergenti(nuove)) {
        stato->setText(q(*messaggio));
        return;
    }
    if (nuove == commessa_.convergenti) return;
    commessa_.convergenti = nuove;
    if (piano_) riempi();
    emit impostazioni_cambiate();
}

QLayout* finestra_verifiche::crea_drone() {
    auto* griglia = new QGridLayout;
    auto* riga_decollo = new QHBoxLayout;
    auto* etichetta_decollo =
        new QLabel(tr("Decollo (est, nord, quota; vuoto: a terra sotto la prima stazione):"), this);
    riga_decollo->addWidget(etichetta_decollo);
    for (std::size_t i = 0; i < decollo.size(); ++i) {
        decollo[i] = new QLineEdit(this);
        decollo[i]->setObjectName(nomi_decollo[i]);
        decollo[i]->setMaximumWidth(110);
        riga_decollo->addWidget(decollo[i]);
        connect(decollo[i], &QLineEdit::editingFinished, this, &finestra_verifiche::leggi_drone);
    }
    etichetta_decollo->setBuddy(decollo[0]);
    sosta = new QCheckBox(tr("Fermo a ogni scatto"), this);
    sosta->setObjectName("sosta");
    connect(sosta, &QCheckBox::clicked, this, &finestra_verifiche::leggi_drone);
    riga_decollo->addWidget(sosta);
    riga_decollo->addStretch();
    griglia->addLayout(riga_decollo, 0, 0, 1, 4);
    for (std::size_t i = 0; i < drone.size(); ++i) {
        auto* etichetta = new QLabel(tr(campi_drone[i].etichetta), this);
        drone[i] = new QLineEdit(this);
        drone[i]->setObjectName(campi_drone[i].nome);
        drone[i]->setMaximumWidth(90);
        etichetta->setBuddy(drone[i]);
        const int r = static_cast<int>(i) / 2 + 1, c = static_cast<int>(i) % 2 * 2;
        griglia->addWidget(etichetta, r, c);
        griglia->addWidget(drone[i], r, c + 1);
        connect(drone[i], &QLineEdit::editingFinished, this, &finestra_verifiche::leggi_drone);
    }
    return griglia;
}

void finestra_verifiche::mostra_impostazioni() {
    for (std::size_t i = 0; i < impostazioni.size(); ++i)
        impostazioni[i]->setText(q(testo_generale(commessa_.verifiche.*campi[i].valore, formato_)));
    const impostazioni_drone& d = commessa_.drone;
    const auto g = [this](double x) { return q(testo_generale(x, formato_)); };
    for (std::size_t i = 0; i < decollo.size(); ++i) decollo[i]->clear();
    if (d.decollo) {
        decollo[0]->setText(g(d.decollo->x));
        decollo[1]->setText(g(d.decollo->y));
        decollo[2]->setText(g(d.decollo->z));
    }
    sosta->setChecked(d.sosta);
    convergenti->setChecked(commessa_.convergenti.attive);
    angolo_convergenti->setText(g(commessa_.convergenti.angolo_gradi));
    drone[0]->setText(g(d.velocita_ms));
    drone[1]->setText(q(testo_esposizione(d.esposizione_s, formato_)));
    drone[2]->setText(g(d.intervallo_s));
    drone[3]->setText(g(d.autonomia_min));
    drone[4]->setText(g(d.riserva * 100));
    drone[5]->setText(g(d.distanza_min_m));
    drone[6]->setText(g(d.altezza_max_m));
}

// As for the plan's settings: a value that is not a number, or that the
// flight cannot use, is told and the previous settings stay.
void finestra_verifiche::leggi_drone() {
    const auto numero = [this](const QLineEdit* casella) {
        const QByteArray t = casella->text().toLatin1();
        return leggi_numero_esatto(
            std::string_view(t.constData(), static_cast<std::size_t>(t.size())), formato_);
    };
    impostazioni_drone nuove = commessa_.drone;
    const bool vuoto = std::all_of(decollo.begin(), decollo.end(), [](const QLineEdit* e) {
        return e->text().trimmed().isEmpty();
    });
    if (vuoto) {
        nuove.decollo.reset();
    } else {
        const auto e = numero(decollo[0]), n = numero(decollo[1]), h = numero(decollo[2]);
        if (!e || !n || !h) {
            stato->setText(tr("Errore: il decollo vuole est, nord e quota numerici, o nessuno."));
            return;
        }
        nuove.decollo = punto3{*e, *n, *h};
    }
    nuove.sosta = sosta->isChecked();
    double* const valori[] = {&nuove.velocita_ms,   nullptr,        &nuove.intervallo_s,
                              &nuove.autonomia_min, &nuove.riserva, &nuove.distanza_min_m,
                              &nuove.altezza_max_m};
    for (std::size_t i = 0; i < drone.size(); ++i) {
        const QByteArray t = drone[i]->text().toLatin1();
        const std::string_view testo(t.constData(), static_cast<std::size_t>(t.size()));
        const auto v = i == 1 ? leggi_esposizione(testo, formato_) : numero(drone[i]);
        if (!v) {
            stato->setText(tr("Errore: \"%1\" non è un numero.").arg(tr(campi_drone[i].etichetta)));
            return;
        }
        if (i == 1)
            nuove.esposizione_s = *v;
        else
            *valori[i] = i == 4 ? *v / 100 : *v;
    }
    if (const auto messaggio = errore_impostazioni_drone(nuove)) {
        stato->setText(q(*messaggio));
        return;
    }
    commessa_.drone = nuove;
    if (piano_) riempi();
    emit impostazioni_cambiate();
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
        if (const auto volo = verifiche_volo_commessa(c, r))
            for (riga_verifica& riga : righe_volo(*volo, c.drone, formato_))
                righe.push_back(std::move(riga));
        const mappa_copertura mappa = copertura_commessa(c);
        for (riga_verifica& riga :
             righe_mappa(mappa, impostazioni_mappa_commessa(c).tolleranza_mm,
                         r.pixel_mm.has_value(), formato_, c.convergenti.attive))
            righe.push_back(std::move(riga));
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
