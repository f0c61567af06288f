// finestra_principale: the window, its client area, the command groups and
// the controls handed to them; files dropped on the window; closing.
#include "app/finestra_principale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <utility>

#include "app/comandi_info.h"
#include "app/icona.h"

namespace pianopre {

namespace {

constexpr int larghezza_client = 767;  // 11505 twips
constexpr int altezza_client = 671;    // 10065 twips

// The controls keep their places in a client area of their own below the
// menu bar; the window grows by the menu bar's height.
QWidget* area_client(QMainWindow* finestra) {
    auto* client = new QWidget(finestra);
    client->setObjectName("client");
    finestra->setCentralWidget(client);
    return client;
}

QString file_trascinato(const QMimeData* dati) {
    if (dati == nullptr || !dati->hasUrls() || dati->urls().isEmpty()) return {};
    const QUrl url = dati->urls().front();
    if (!url.isLocalFile()) return {};
    const QString suffisso = QFileInfo(url.toLocalFile()).suffix().toLower();
    if (suffisso != "pianopre" && suffisso != "dxf" && suffisso != "xyz") return {};
    return url.toLocalFile();
}

}  // namespace

finestra_principale::finestra_principale(commessa& lavoro, servizi_utente& servizi,
                                         formato_regionale formato, QWidget* parent,
                                         fonti_copertura copertura)
    : QMainWindow(parent),
      servizi_(servizi),
      c_(crea_controlli_principali(area_client(this))),
      collegamenti_{[this](adattamento rifai) { vista_.ridis(rifai); },
                    [this] { lavoro_.segna_modifiche(); }, [this] { stazioni_.aggiorna(); },
                    [this] { verifiche_.mostra_impostazioni(); }},
      vista_(lavoro, servizi, c_),
      stazioni_(lavoro, servizi, formato, *this,
                {[this](std::span<const std::int32_t> numeri) { punti_.elimina(numeri); },
                 [this] { punti_.aggiungi(); }, [this] { punti_.importa(); }}),
      sito_(lavoro, servizi, formato, c_, *this, collegamenti_),
      navigazione_(lavoro, servizi, c_, collegamenti_,
                   {[this] { return sito_.sceglie(); },
                    [this](double u, double v) { sito_.clic_di_scelta(u, v); }}),
      calcolo_(lavoro, servizi, formato, c_, collegamenti_,
               [this] {
                   verifiche_.aggiorna();
                   copertura_.aggiorna();
               }),
      verifiche_(lavoro, formato, *this, collegamenti_, [this] { return calcolo_.piano_valido(); }),
      copertura_(lavoro, servizi, formato, *this, std::move(copertura),
                 [this] { return calcolo_.piano_valido(); }),
      fotocamera_(lavoro, servizi, formato, c_, *this, collegamenti_),
      lavoro_(
          lavoro, servizi, c_, *this, collegamenti_, [this] { calcolo_.calcola(); },
          [this] {
              calcolo_.dimentica();
              verifiche_.aggiorna();
              copertura_.aggiorna();
          }),
      disegno_(lavoro, servizi, c_, collegamenti_,
               [this](const QString& nome) { lavoro_.punti_letti(nome); }),
      punti_(
          lavoro, servizi, formato, c_, *this, collegamenti_,
          [this](const QString& nome) { lavoro_.punti_letti(nome); },
          [this](const QString& nome) { disegno_.apri_xyz(nome); }),
      bmp_(lavoro, servizi, c_, [this] { return vista_.vista(); }),
      report_(
          lavoro, servizi, formato, c_, *this,
          [this] { return calcolo_.piano_valido().value_or(false); },
          [this] { return lavoro_.file_lavoro(); }) {
    setObjectName("Form6");
    setWindowIcon(icona_pianopre());
    setAcceptDrops(true);
    collega_pulsanti();
    collega_frecce_e_mouse();
    collega_modifiche();
    crea_menu();
    resize(larghezza_client, altezza_client + menuBar()->sizeHint().height());
}

// The command groups go before the controls do: nothing a control says while
// it is being destroyed reaches them.
finestra_principale::~finestra_principale() {
    for (QObject* figlio : findChildren<QObject*>())
        QObject::disconnect(figlio, nullptr, this, nullptr);
}

void finestra_principale::collega_pulsanti() {
    connect(c_.esci, &QPushButton::clicked, this, &finestra_principale::esci);
    connect(c_.fronte, &QCheckBox::clicked, this, [this] { vista_.clic_fronte(); });
    connect(c_.assonometrica, &QCheckBox::clicked, this, [this] { vista_.clic_assonometrica(); });
    connect(c_.ridisegna, &QPushButton::clicked, this, [this] { vista_.ridisegna(); });
    connect(c_.calcola, &QPushButton::clicked, this, [this] { calcolo_.calcola(); });
    connect(c_.apri_dxf, &QPushButton::clicked, this, [this] { disegno_.comando_apri_dxf(); });
    connect(c_.salva_dxf, &QPushButton::clicked, this, [this] { disegno_.comando_salva_dxf(); });
    connect(c_.apri_xyz, &QPushButton::clicked, this, [this] { disegno_.comando_apri_xyz(); });
    connect(c_.salva_bmp, &QPushButton::clicked, this, [this] { bmp_.comando_salva_bmp(); });
    connect(c_.info, &QPushButton::clicked, this, [this] { mostra_informazioni(servizi_, this); });
    connect(c_.note, &QPushButton::clicked, this, [this] { mostra_note_precisione(this); });
    connect(c_.cancella_pf, &QPushButton::clicked, this, [this] { punti_.cancella_pf(); });
}

void finestra_principale::collega_frecce_e_mouse() {
    navigazione_finestra& n = navigazione_;
    connect(c_.zoom_avanti, &QPushButton::clicked, this, [&n] { n.zoom_avanti(); });
    connect(c_.zoom_indietro, &QPushButton::clicked, this, [&n] { n.zoom_indietro(); });
    connect(c_.centra, &QPushButton::clicked, this, [&n] { n.centra(); });
    connect(c_.freccia_su, &QPushButton::clicked, this, [&n] { n.freccia_premuta(freccia::su); });
    connect(c_.freccia_giu, &QPushButton::clicked, this, [&n] { n.freccia_premuta(freccia::giu); });
    connect(c_.freccia_sinistra, &QPushButton::clicked, this,
            [&n] { n.freccia_premuta(freccia::sinistra); });
    connect(c_.freccia_destra, &QPushButton::clicked, this,
            [&n] { n.freccia_premuta(freccia::destra); });
    connect(c_.area, &area_disegno::premuto, this,
            [&n](double u, double v, int pulsante) { n.mouse_premuto(u, v, pulsante); });
    connect(c_.area, &area_disegno::rilasciato, this,
            [&n](double u, double v, int pulsante) { n.mouse_rilasciato(u, v, pulsante); });
    connect(c_.area, &area_disegno::rotella, this,
            [&n](double u, double v, int scatti) { n.rotella(u, v, scatti); });
    // A click on the picture gives it the keyboard, so the arrow keys move the
    // view there while they still move the cursor in the boxes.
    c_.area->setFocusPolicy(Qt::ClickFocus);
    connect(c_.area, &area_disegno::freccia, this, [&n](int tasto) {
        n.freccia_premuta(tasto == Qt::Key_Up     ? freccia::su
                          : tasto == Qt::Key_Down ? freccia::giu
                          : tasto == Qt::Key_Left ? freccia::sinistra
                                                  : freccia::destra);
    });
}

// The title follows every box and check box that the job's file holds.
void finestra_principale::collega_modifiche() {
    const auto segna = [this] { lavoro_.segna_modifiche(); };
    for (QLineEdit* casella :
         {c_.casella_focale, c_.casella_larg_neg, c_.casella_alt_neg, c_.casella_alt_sogg,
          c_.casella_larg_sogg, c_.casella_distanza, c_.casella_scala, c_.casella_base})
        connect(casella, &QLineEdit::textChanged, this, segna);
    for (QCheckBox* b : {c_.metrica, c_.blocca_base}) connect(b, &QCheckBox::toggled, this, segna);
}

void finestra_principale::esci() {
    // Asked only when a job file was opened or saved in this run and has changed.
    if (!lavoro_.conferma_perdita()) return;
    QApplication::exit(0);
}

void finestra_principale::apri_file(const QString& nome) {
    const QString estensione = QFileInfo(nome).suffix().toLower();
    if (estensione == "pianopre") {
        lavoro_.apri_lavoro(nome);
    } else if (estensione == "dxf") {
        disegno_.apri_dxf(nome);
    } else if (estensione == "xyz") {
        disegno_.apri_xyz(nome);
    } else {
        servizi_.messaggio(tr("Errore: il file %1 non è un lavoro, un DXF o un XYZ.").arg(nome));
    }
}

void finestra_principale::dragEnterEvent(QDragEnterEvent* evento) {
    if (!file_trascinato(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void finestra_principale::dropEvent(QDropEvent* evento) {
    const QString nome = file_trascinato(evento->mimeData());
    if (nome.isEmpty()) return;
    evento->acceptProposedAction();
    apri_file(nome);
}

void finestra_principale::closeEvent(QCloseEvent* evento) {
    if (lavoro_.conferma_perdita()) {
        evento->accept();
    } else {
        evento->ignore();
    }
}

}  // namespace pianopre
