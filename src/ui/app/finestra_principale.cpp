// The main window: start-up and the handlers of the view commands.
#include "app/finestra_principale.h"

#include <QApplication>
#include <QMenuBar>

#include "app/icona.h"

namespace pianopre {

namespace {
constexpr int larghezza_client = 767;  // 11505 twips
constexpr int altezza_client = 671;    // 10065 twips
}  // namespace

finestra_principale::finestra_principale(commessa& lavoro, servizi_utente& servizi,
                                         formato_regionale formato, QWidget* parent)
    : QMainWindow(parent),
      commessa_(lavoro),
      modello_(lavoro.disegno),
      servizi_(servizi),
      formato_(formato) {
    setObjectName("Form6");
    setWindowTitle(
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
    // The controls keep their places in a client area of their own below the
    // menu bar; the window grows by the menu bar's height.
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    c_ = crea_controlli_principali(client);
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
    connect(c_.fronte, &QCheckBox::clicked, this, &finestra_principale::clic_fronte);
    connect(c_.assonometrica, &QCheckBox::clicked, this, &finestra_principale::clic_assonometrica);
    connect(c_.ridisegna, &QPushButton::clicked, this, &finestra_principale::ridisegna);
    connect(c_.calcola, &QPushButton::clicked, this, &finestra_principale::calcola);
    connect(c_.zoom_avanti, &QPushButton::clicked, this, [this] { zoom(0.5); });
    connect(c_.zoom_indietro, &QPushButton::clicked, this, [this] { zoom(2.0); });
    connect(c_.centra, &QPushButton::clicked, this, &finestra_principale::centra);
    connect(c_.freccia_su, &QPushButton::clicked, this, [this] { freccia_premuta(freccia::su); });
    connect(c_.freccia_giu, &QPushButton::clicked, this, [this] { freccia_premuta(freccia::giu); });
    connect(c_.freccia_sinistra, &QPushButton::clicked, this,
            [this] { freccia_premuta(freccia::sinistra); });
    connect(c_.freccia_destra, &QPushButton::clicked, this,
            [this] { freccia_premuta(freccia::destra); });
    connect(c_.area, &area_disegno::premuto, this, &finestra_principale::mouse_premuto);
    connect(c_.area, &area_disegno::rilasciato, this, &finestra_principale::mouse_rilasciato);
    connect(c_.area, &area_disegno::rotella, this, &finestra_principale::rotella);
    connect(c_.apri_dxf, &QPushButton::clicked, this, &finestra_principale::comando_apri_dxf);
    connect(c_.salva_dxf, &QPushButton::clicked, this, &finestra_principale::comando_salva_dxf);
    connect(c_.apri_xyz, &QPushButton::clicked, this, &finestra_principale::comando_apri_xyz);
    connect(c_.salva_bmp, &QPushButton::clicked, this, &finestra_principale::comando_salva_bmp);
    connect(c_.info, &QPushButton::clicked, this, &finestra_principale::comando_info);
    connect(c_.note, &QPushButton::clicked, this, &finestra_principale::comando_note);
    // "Cancella PF" has nothing to delete: no control point is ever selected.
    for (QLineEdit* casella :
         {c_.casella_focale, c_.casella_larg_neg, c_.casella_alt_neg, c_.casella_alt_sogg,
          c_.casella_larg_sogg, c_.casella_distanza, c_.casella_scala, c_.casella_base})
        connect(casella, &QLineEdit::textChanged, this, &finestra_principale::segna_modifiche);
    for (QCheckBox* b : {c_.metrica, c_.blocca_base})
        connect(b, &QCheckBox::toggled, this, &finestra_principale::segna_modifiche);
}

void finestra_principale::aggiorna_esportazione() {
    modello_.salva_tre_viste = modello_.lista_entita.n_entita() > 0;
}

tipo_vista finestra_principale::modo_vista() const {
    return pianopre::modo_vista(c_.fronte->isChecked(), c_.assonometrica->isChecked());
}

stato_vista finestra_principale::vista() const {
    stato_vista v;
    v.fronte = c_.fronte->isChecked();
    v.assonometrica = c_.assonometrica->isChecked();
    v.origine = commessa_.origine;
    v.sito = commessa_.sito;
    if (commessa_.disegno_sito.lista_entita.n_entita() > 0)
        v.sottofondo = &commessa_.disegno_sito.lista_entita;
    if (modello_.lista_punti.n_punti() > 0) v.punti = &modello_.lista_punti;
    if (v.fronte) v.contorni_rossi = contorni_scarsi();
    return v;
}

void finestra_principale::rappo_prop() {
    adatta_vista(*c_.area, modello_.lista_entita, vista());
}

// A drawing of a million entities and more takes a good part of a second to
// draw: it shows its progress, and a Cancel leaves the picture as far as drawn.
void finestra_principale::ridis(adattamento rifai) {
    constexpr std::int64_t entita_con_avanzamento = 1'000'000;
    const stato_vista v = vista();
    const std::int64_t totale = entita_da_disegnare(modello_.lista_entita, v);
    avanzamento rapporto;
    if (totale >= entita_con_avanzamento) {
        const std::string& nome = modello_.nome_disegno;
        rapporto = servizi_.avvia_avanzamento(
            nome.empty() ? QStringLiteral("Disegno") : "Disegno di " + QString::fromStdString(nome),
            totale);
    }
    pianopre::ridis(*c_.area, modello_.lista_entita, v, rifai, rapporto);
}

void finestra_principale::esci() {
    // Asked only when a job file was opened or saved in this run and has changed.
    if (!conferma_perdita()) return;
    QApplication::exit(0);
}

// Ticking one view clears the other; setChecked is not a click, so the clear
// does not bounce back.
void finestra_principale::clic_fronte() {
    if (c_.assonometrica->isChecked()) c_.assonometrica->setChecked(false);
}

void finestra_principale::clic_assonometrica() {
    if (c_.fronte->isChecked()) c_.fronte->setChecked(false);
}

void finestra_principale::ridisegna() {
    c_.area->pulisci();
    ridis(adattamento::adatta);
}

}  // namespace pianopre
