// "Fotocamera...": the camera list, the shipped presets first and then the
// user's own cameras, with the fields of the selected one. "Usa" closes the
// dialog with the camera as the fields show it. Names are told apart without
// regard to case and to white space at the ends or repeated inside.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <vector>

#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/fotocamere.h"

namespace pianopre {

class finestra_fotocamere : public QDialog {
    Q_OBJECT
public:
    finestra_fotocamere(const QString& file_predefinite, const QString& file_utente,
                        servizi_utente& servizi, formato_regionale formato,
                        QWidget* genitore = nullptr);

    // The camera chosen with "Usa"; empty after "Chiudi".
    const std::optional<voce_fotocamera>& scelta() const { return scelta_; }

    QListWidget* elenco = nullptr;
    QLineEdit* nome = nullptr;
    QLineEdit* larghezza_mm = nullptr;
    QLineEdit* altezza_mm = nullptr;
    QLineEdit* larghezza_px = nullptr;
    QLineEdit* altezza_px = nullptr;
    QLineEdit* scansione_um = nullptr;
    QLineEdit* focale_mm = nullptr;
    QCheckBox* metrica = nullptr;
    QPushButton* aggiungi = nullptr;
    QPushButton* modifica = nullptr;
    QPushButton* duplica = nullptr;
    QPushButton* elimina = nullptr;
    QPushButton* usa = nullptr;

private:
    void crea_controlli();
    void carica(const QString& file_predefinite);
    void riempi_elenco(int riga);
    void mostra_voce(int riga);
    std::optional<voce_fotocamera> leggi_campi();
    // The name of a camera of the list, other than the user's camera
    // `salvo`, that `nome` repeats; none when it is new.
    std::optional<QString> nome_ripetuto(const QString& nome,
                                         std::optional<std::size_t> salvo) const;
    // False, with a message, when the camera's name repeats another's.
    bool nome_libero(const voce_fotocamera& v, std::optional<std::size_t> salvo);
    // Tells the user's cameras that fail the dialog's checks.
    void avvisa_voci_da_correggere();
    bool salva_utente();
    // Index in the user's list of the selected row; none for a preset.
    std::optional<std::size_t> indice_utente() const;

    void comando_aggiungi();
    void comando_modifica();
    void comando_duplica();
    void comando_elimina();
    void comando_usa();

    QString file_utente_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    std::vector<voce_fotocamera> predefinite_;
    std::vector<voce_fotocamera> utente_;
    bool utente_danneggiato_ = false;  // kept aside before the first save
    std::optional<voce_fotocamera> scelta_;
};

}  // namespace pianopre
