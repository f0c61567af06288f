// finestra_principale: the window, its client area, the command groups and
// the controls handed to them; closing.
#include "app/finestra_principale.h"

#include <QApplication>
#include <QMenuBar>

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

}  // namespace

finestra_principale::finestra_principale(commessa& lavoro, servizi_utente& servizi,
                                         formato_regionale formato, QWidget* parent)
    : QMainWindow(parent),
      commessa_(lavoro),
      modello_(lavoro.disegno),
      servizi_(servizi),
      formato_(formato),
      c_(crea_controlli_principali(area_client(this))),
      collegamenti_{[this](adattamento rifai) { vista_.ridis(rifai); },
                    [this] { segna_modifiche(); }, [this] { aggiorna_stazioni(); }},
      vista_(lavoro, servizi, c_),
      navigazione_(lavoro, servizi, c_, collegamenti_,
                   {[this] { return scelta_.passo != 0; },
                    [this](double u, double v) { clic_di_scelta(u, v); }}),
      stazioni_(lavoro, servizi, formato, *this),
      calcolo_(lavoro, servizi, formato, c_, collegamenti_, [this] { verifiche_.aggiorna(); }),
      verifiche_(lavoro, formato, *this, collegamenti_, [this] { return calcolo_.piano_valido(); }),
      fotocamera_(lavoro, servizi, formato, c_, *this, collegamenti_),
      bmp_(lavoro, servizi, c_, [this] { return vista_.vista(); }),
      report_(
          lavoro, servizi, formato, c_, *this,
          [this] { return calcolo_.piano_valido().value_or(false); },
          [this] { return file_lavoro_; }) {
    setObjectName("Form6");
    setWindowTitle(
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
    setWindowIcon(icona_pianopre());
    testi_iniziali_ = {c_.casella_focale->text(),    c_.casella_larg_neg->text(),
                       c_.casella_alt_neg->text(),   c_.casella_alt_sogg->text(),
                       c_.casella_larg_sogg->text(), c_.casella_distanza->text(),
                       c_.casella_scala->text(),     c_.casella_base->text()};
    setAcceptDrops(true);
    collega_comandi();
    crea_menu();
    resize(larghezza_client, altezza_client + menuBar()->sizeHint().height());
}

void finestra_principale::collega_comandi() {
    connect(c_.esci, &QPushButton::clicked, this, &finestra_principale::esci);
    connect(c_.fronte, &QCheckBox::clicked, this, [this] { vista_.clic_fronte(); });
    connect(c_.assonometrica, &QCheckBox::clicked, this, [this] { vista_.clic_assonometrica(); });
    connect(c_.ridisegna, &QPushButton::clicked, this, [this] { vista_.ridisegna(); });
    connect(c_.calcola, &QPushButton::clicked, this, [this] { calcolo_.calcola(); });
    collega_frecce_e_mouse();
    connect(c_.apri_dxf, &QPushButton::clicked, this, &finestra_principale::comando_apri_dxf);
    connect(c_.salva_dxf, &QPushButton::clicked, this, &finestra_principale::comando_salva_dxf);
    connect(c_.apri_xyz, &QPushButton::clicked, this, &finestra_principale::comando_apri_xyz);
    connect(c_.salva_bmp, &QPushButton::clicked, this, [this] { bmp_.comando_salva_bmp(); });
    connect(c_.info, &QPushButton::clicked, this, [this] { mostra_informazioni(servizi_, this); });
    connect(c_.note, &QPushButton::clicked, this, [this] { mostra_note_precisione(this); });
    // "Cancella PF" has nothing to delete: no control point is ever selected.
    for (QLineEdit* casella :
         {c_.casella_focale, c_.casella_larg_neg, c_.casella_alt_neg, c_.casella_alt_sogg,
          c_.casella_larg_sogg, c_.casella_distanza, c_.casella_scala, c_.casella_base})
        connect(casella, &QLineEdit::textChanged, this, &finestra_principale::segna_modifiche);
    for (QCheckBox* b : {c_.metrica, c_.blocca_base})
        connect(b, &QCheckBox::toggled, this, &finestra_principale::segna_modifiche);
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
}

void finestra_principale::esci() {
    // Asked only when a job file was opened or saved in this run and has changed.
    if (!conferma_perdita()) return;
    QApplication::exit(0);
}

}  // namespace pianopre
