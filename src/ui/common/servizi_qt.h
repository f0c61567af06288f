// The desktop's message boxes, beep and file dialogs.
#pragma once

#include <QWidget>

#include "common/servizi_utente.h"

namespace pianopre {

class servizi_qt : public servizi_utente {
public:
    // Dialogs are modal to the whole program; `genitore` only places them.
    explicit servizi_qt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void imposta_genitore(QWidget* genitore) { genitore_ = genitore; }

    void messaggio(const QString& testo) override;
    bool domanda(const QString& testo) override;
    std::optional<bool> domanda_annulla(const QString& testo) override;
    void beep() override;
    avanzamento avvia_avanzamento(const QString& testo, std::int64_t totale) override;
    std::optional<QString> apri_file(const QString& filtro, const QString& nome_iniziale) override;
    std::optional<QString> salva_file(const QString& filtro, const QString& nome_iniziale) override;

private:
    QWidget* genitore_;
};

}  // namespace pianopre
