// The controls of the main window that commands read and write. Every control
// also carries its name as objectName, so tests find the rest by name.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "view/area_disegno.h"

namespace pianopre {

struct controlli_form6 {
    area_disegno* Picture1 = nullptr;

    // Input boxes.
    QLineEdit* txt_foc = nullptr;
    QLineEdit* txt_xneg = nullptr;
    QLineEdit* txt_yneg = nullptr;
    QLineEdit* txt_altezza_sogg = nullptr;
    QLineEdit* Txt_Larg_sogg = nullptr;
    QLineEdit* txt_spazio = nullptr;
    QLineEdit* txt_Scala = nullptr;
    QLineEdit* txt_basep = nullptr;  // also written with the base used

    // Output boxes (read-only, selectable).
    QLineEdit* txt_numfot = nullptr;
    QLineEdit* txt_strinum = nullptr;
    QLineEdit* txt_incli = nullptr;
    QLineEdit* txt_sovrapp = nullptr;
    QLineEdit* txt_scalafot = nullptr;
    QLineEdit* Txt_precis = nullptr;
    QLineEdit* txt_precisau = nullptr;

    QCheckBox* check1 = nullptr;  // "Fronte"
    QCheckBox* Check2 = nullptr;  // "Assonom."
    QCheckBox* Check3 = nullptr;  // "Sposta schema"
    QCheckBox* Check4 = nullptr;  // "Metrica"
    QCheckBox* Check5 = nullptr;  // "Blocca"

    QPushButton* Command1 = nullptr;   // "Apri DXF"
    QPushButton* Command2 = nullptr;   // "+"
    QPushButton* Command3 = nullptr;   // "-"
    QPushButton* Command4 = nullptr;   // "Salva BMP"
    QPushButton* Command5 = nullptr;   // "Ridisegna"
    QPushButton* Command6 = nullptr;   // "Esci"
    QPushButton* Command7 = nullptr;   // "Salva DXF"
    QPushButton* Command8 = nullptr;   // "Apri XYZ"
    QPushButton* Command9 = nullptr;   // "Calcola -->"
    QPushButton* Command10 = nullptr;  // "Cancella PF"
    QPushButton* Command11 = nullptr;  // "<"
    QPushButton* Command12 = nullptr;  // "^"
    QPushButton* Command13 = nullptr;  // "V"
    QPushButton* Command14 = nullptr;  // ">"
    QPushButton* Command15 = nullptr;  // "Centra"
    QPushButton* Command16 = nullptr;  // "Info"
    QPushButton* Command17 = nullptr;  // "?"

    QLabel* Label6 = nullptr;  // the three lines of instructions
};

// Creates every control of the main window inside `finestra` (whose client
// area must be 767 x 671 pixels) with names, texts, tooltips, fonts, positions,
// tab order and initial state, and returns the ones commands use.
controlli_form6 crea_controlli_form6(QWidget* finestra);

}  // namespace pianopre
