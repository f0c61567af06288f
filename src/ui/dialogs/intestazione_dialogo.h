// "Dati del lavoro...": the project, the place and the operator of the job,
// typed for the printed plan's header and kept in the job file.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "job/commessa.h"

namespace pianopre {

class finestra_intestazione : public QDialog {
    Q_OBJECT
public:
    explicit finestra_intestazione(const intestazione_lavoro& attuale, QWidget* genitore = nullptr);

    // The three fields as typed, blanks around them removed.
    intestazione_lavoro scelta() const;

    QLineEdit* progetto = nullptr;
    QLineEdit* localita = nullptr;
    QLineEdit* operatore = nullptr;
    QPushButton* ok = nullptr;
};

}  // namespace pianopre
