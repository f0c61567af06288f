// Everything modal or audible that commands need from the desktop: message
// boxes, Yes/No questions, the beep and the Open and Save file dialogs.
// Commands reach them through this interface only, so tests can script answers.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "base/flusso_avanzamento.h"

namespace pianopre {

class servizi_utente {
public:
    virtual ~servizi_utente() = default;

    // Modal message box, title "pianopre", no icon, "OK" only.
    virtual void messaggio(const QString& testo) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool domanda(const QString& testo) = 0;
    // Modal Yes/No/Cancel question ("Sì", "No", "Annulla"); true for Yes,
    // false for No, nothing for Cancel.
    virtual std::optional<bool> domanda_annulla(const QString& testo) = 0;
    virtual void beep() = 0;
    // A long command's progress: the returned report takes the amount done so
    // far (of `totale`) and answers false once the user has asked to stop. The
    // progress window shows up only when the command lasts more than half a
    // second, and goes away with the last copy of the report.
    virtual avanzamento avvia_avanzamento(const QString& testo, std::int64_t totale) = 0;
    // File dialogs with a filter such as "*.dxf" and a preset name; nothing on Cancel.
    virtual std::optional<QString> apri_file(const QString& filtro,
                                             const QString& nome_iniziale) = 0;
    virtual std::optional<QString> salva_file(const QString& filtro,
                                              const QString& nome_iniziale) = 0;
};

}  // namespace pianopre
