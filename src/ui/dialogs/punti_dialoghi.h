// The two dialogs of the control points: one point typed by the user (name,
// East, North, height in the regional form), and the preview of a CSV/TXT
// point file, with its separator and column order, before it is imported.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <optional>
#include <string>

#include "base/formato_regionale.h"
#include "exchange/csv_punti.h"
#include "scheme/entita.h"

namespace pianopre {

class dialogo_punto : public QDialog {
    Q_OBJECT
public:
    explicit dialogo_punto(formato_regionale formato, QWidget* genitore = nullptr);
    // The point once the dialog was accepted.
    const punto_app& punto() const { return punto_; }

    QLineEdit* nome = nullptr;
    QLineEdit* est = nullptr;
    QLineEdit* nord = nullptr;
    QLineEdit* quota = nullptr;
    QLabel* errore = nullptr;  // what keeps the dialog open

    void accept() override;

private:
    formato_regionale formato_;
    punto_app punto_;
};

class anteprima_punti : public QDialog {
    Q_OBJECT
public:
    // `testo` is the whole file; `ci_sono_punti` offers adding to the points
    // already there.
    anteprima_punti(const QString& nome_file, std::string testo, ordine_colonne ordine,
                    formato_regionale formato, bool ci_sono_punti, QWidget* genitore = nullptr);

    formato_punti scelto() const;
    // True to add to the points there are, false to replace them.
    bool aggiungi() const { return aggiungi_->isChecked(); }

    QComboBox* separatore = nullptr;
    QComboBox* ordine = nullptr;
    QTableWidget* righe = nullptr;
    QLabel* riepilogo = nullptr;

    // Rows of the file shown, as they would be imported.
    static constexpr int righe_mostrate = 10;

private:
    void aggiorna();

    std::string testo_;
    formato_regionale formato_;
    QRadioButton* sostituisci_ = nullptr;
    QRadioButton* aggiungi_ = nullptr;
};

}  // namespace pianopre
