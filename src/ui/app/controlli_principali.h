// controlli_principali: the controls of the main window that commands read and
// write. Every control also carries its name as objectName, so tests find the
// rest by name.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "picture/area_disegno.h"

namespace pianopre {

struct controlli_principali {
    area_disegno* area = nullptr;  // the picture

    // Input boxes.
    QLineEdit* casella_focale = nullptr;
    QLineEdit* casella_larg_neg = nullptr;
    QLineEdit* casella_alt_neg = nullptr;
    QLineEdit* casella_alt_sogg = nullptr;
    QLineEdit* casella_larg_sogg = nullptr;
    QLineEdit* casella_distanza = nullptr;
    QLineEdit* casella_scala = nullptr;
    QLineEdit* casella_base = nullptr;  // also written with the base used

    // Output boxes (read-only, selectable).
    QLineEdit* uscita_num_foto = nullptr;
    QLineEdit* uscita_num_strisc = nullptr;
    QLineEdit* uscita_incl = nullptr;
    QLineEdit* uscita_sovrapp = nullptr;
    QLineEdit* uscita_ingrand = nullptr;
    QLineEdit* uscita_prec_max = nullptr;
    QLineEdit* uscita_prec_std = nullptr;

    QCheckBox* fronte = nullptr;         // "Fronte"
    QCheckBox* assonometrica = nullptr;  // "Assonom."
    QCheckBox* sposta_schema = nullptr;  // "Sposta schema"
    QCheckBox* metrica = nullptr;        // "Metrica"
    QCheckBox* blocca_base = nullptr;    // "Blocca"

    QPushButton* apri_dxf = nullptr;          // "Apri DXF"
    QPushButton* zoom_avanti = nullptr;       // "+"
    QPushButton* zoom_indietro = nullptr;     // "-"
    QPushButton* salva_bmp = nullptr;         // "Salva BMP"
    QPushButton* ridisegna = nullptr;         // "Ridisegna"
    QPushButton* esci = nullptr;              // "Esci"
    QPushButton* salva_dxf = nullptr;         // "Salva DXF"
    QPushButton* apri_xyz = nullptr;          // "Apri XYZ"
    QPushButton* calcola = nullptr;           // "Calcola -->"
    QPushButton* cancella_pf = nullptr;       // "Cancella PF"
    QPushButton* freccia_sinistra = nullptr;  // "<"
    QPushButton* freccia_su = nullptr;        // "^"
    QPushButton* freccia_giu = nullptr;       // "V"
    QPushButton* freccia_destra = nullptr;    // ">"
    QPushButton* centra = nullptr;            // "Centra"
    QPushButton* info = nullptr;              // "Info"
    QPushButton* note = nullptr;              // "?"

    QLabel* istruzioni = nullptr;  // the three lines of instructions
};

// Creates every control of the main window inside `finestra` (whose client
// area must be 767 x 671 pixels) with names, texts, tooltips, fonts, positions,
// tab order and initial state, and returns the ones commands use.
controlli_principali crea_controlli_principali(QWidget* finestra);

}  // namespace pianopre
