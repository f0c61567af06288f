// dialogo_note_precisione: the notes on the two precision values, a fixed
// text and "OK".
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace pianopre {

class dialogo_note_precisione : public QDialog {
    Q_OBJECT
public:
    explicit dialogo_note_precisione(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;  // never shown, no action
};

}  // namespace pianopre
