// "Colloca sul sito...": the façade's start corner A and the façade's azimuth,
// typed, or chosen with two clicks on the drawing ("Scegli sul disegno"), and
// the site's coordinate system: an EPSG code or a name, resolved as it is
// typed, with the projected systems of PROJ's database offered as completions.
#pragma once

#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <optional>

#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "geo/sistema_riferimento.h"
#include "site/collocazione.h"

namespace pianopre {

class finestra_collocazione : public QDialog {
    Q_OBJECT
public:
    finestra_collocazione(const collocazione& attuale, servizi_utente& servizi,
                          formato_regionale formato, QWidget* genitore = nullptr);

    // The placement as typed, after OK.
    const std::optional<collocazione>& scelta() const { return scelta_; }
    // True when the user asked to choose A and B on the drawing.
    bool scegli_sul_disegno() const { return scegli_; }

    QLineEdit* est = nullptr;
    QLineEdit* nord = nullptr;
    QLineEdit* quota = nullptr;
    QLineEdit* azimut = nullptr;
    QComboBox* unita = nullptr;
    QLineEdit* sistema = nullptr;
    QLabel* nome_sistema = nullptr;  // the resolved name, or why it does not resolve
    QPushButton* ok = nullptr;
    QPushButton* scegli = nullptr;

private:
    std::optional<collocazione> leggi();
    void cambia_unita(int indice);
    void mostra_sistema();
    void completa_sistemi();
    sistema_riferimento risolvi() const;

    servizi_utente& servizi_;
    formato_regionale formato_;
    unita_angolo unita_attuale_;
    std::optional<collocazione> scelta_;
    bool scegli_ = false;
    // Read at the first key typed in "sistema": the names for the completions
    // and for resolving what is typed.
    std::unique_ptr<catalogo_sistemi> catalogo_;
    QCompleter* completamento_ = nullptr;
};

}  // namespace pianopre
