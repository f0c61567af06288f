// The main window: project state, start-up and the handlers of the view commands.
#include "app/form6.h"

#include <QApplication>

namespace pianopre {

namespace {
constexpr int larghezza_client = 767;  // 11505 twips
constexpr int altezza_client = 671;    // 10065 twips
}  // namespace

Form6::Form6(modello& m, servizi_utente& servizi, formato_regionale formato, QWidget* parent)
    : QWidget(parent), modello_(m), servizi_(servizi), formato_(formato) {
    setObjectName("Form6");
    setWindowTitle(
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
    resize(larghezza_client, altezza_client);
    c_ = crea_controlli_form6(this);
    collega_comandi();
}

void Form6::collega_comandi() {
    connect(c_.Command6, &QPushButton::clicked, this, &Form6::esci);
    connect(c_.check1, &QCheckBox::clicked, this, &Form6::clic_fronte);
    connect(c_.Check2, &QCheckBox::clicked, this, &Form6::clic_assonometrica);
    connect(c_.Command5, &QPushButton::clicked, this, &Form6::ridisegna);
    connect(c_.Command9, &QPushButton::clicked, this, &Form6::calcola);
    connect(c_.Command2, &QPushButton::clicked, this, [this] { zoom(0.5); });
    connect(c_.Command3, &QPushButton::clicked, this, [this] { zoom(2.0); });
    connect(c_.Command15, &QPushButton::clicked, this, &Form6::centra);
    connect(c_.Command12, &QPushButton::clicked, this, [this] { freccia_premuta(freccia::su); });
    connect(c_.Command13, &QPushButton::clicked, this, [this] { freccia_premuta(freccia::giu); });
    connect(c_.Command11, &QPushButton::clicked, this,
            [this] { freccia_premuta(freccia::sinistra); });
    connect(c_.Command14, &QPushButton::clicked, this,
            [this] { freccia_premuta(freccia::destra); });
    connect(c_.Picture1, &area_disegno::premuto, this, &Form6::mouse_premuto);
    connect(c_.Picture1, &area_disegno::rilasciato, this, &Form6::mouse_rilasciato);
    connect(c_.Picture1, &area_disegno::rotella, this, &Form6::rotella);
    connect(c_.Command1, &QPushButton::clicked, this, &Form6::comando_apri_dxf);
    connect(c_.Command7, &QPushButton::clicked, this, &Form6::comando_salva_dxf);
    connect(c_.Command8, &QPushButton::clicked, this, &Form6::comando_apri_xyz);
    connect(c_.Command4, &QPushButton::clicked, this, &Form6::comando_salva_bmp);
    connect(c_.Command16, &QPushButton::clicked, this, &Form6::comando_info);
    connect(c_.Command17, &QPushButton::clicked, this, &Form6::comando_note);
    // "Cancella PF" has nothing to delete: no control point is ever selected.
}

void Form6::aggiorna_esportazione() {
    modello_.salva_tre_viste = modello_.lista_entita.n_entita() > 0;
}

int Form6::modo_vista() const {
    return pianopre::modo_vista(c_.check1->isChecked(), c_.Check2->isChecked());
}

stato_vista Form6::vista() const {
    return {c_.check1->isChecked(), c_.Check2->isChecked(), {origine_x, origine_y, origine_z}};
}

void Form6::rappo_prop() {
    adatta_vista(*c_.Picture1, modello_.lista_entita, vista());
}

void Form6::ridis(int rifai) {
    pianopre::ridis(*c_.Picture1, modello_.lista_entita, vista(), rifai);
}

void Form6::esci() {
    // Nothing is asked and nothing is saved.
    QApplication::exit(0);
}

// Ticking one view clears the other; setChecked is not a click, so the clear
// does not bounce back.
void Form6::clic_fronte() {
    if (c_.Check2->isChecked()) c_.Check2->setChecked(false);
}

void Form6::clic_assonometrica() {
    if (c_.check1->isChecked()) c_.check1->setChecked(false);
}

void Form6::ridisegna() {
    c_.Picture1->pulisci();
    ridis(1);
}

}  // namespace pianopre
