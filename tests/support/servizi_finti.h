// A recording stand-in for the desktop's message boxes, beep and file dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "common/servizi_utente.h"

namespace pianopre {

class servizi_finti : public servizi_utente {
public:
    // What happened, in order: "beep", "messaggio:<text>", "domanda:<text>",
    // "apri:<filter>|<preset>", "salva:<filter>|<preset>".
    QStringList eventi;
    std::deque<bool> risposte;  // answers to questions; No when none is left
    std::deque<QString> file;   // chosen names; an empty name means Cancel

    void messaggio(const QString& testo) override { eventi << "messaggio:" + testo; }
    bool domanda(const QString& testo) override {
        eventi << "domanda:" + testo;
        if (risposte.empty()) return false;
        const bool r = risposte.front();
        risposte.pop_front();
        return r;
    }
    // Answers to Yes/No/Cancel questions; Cancel when none is left.
    std::deque<std::optional<bool>> risposte_annulla;
    std::optional<bool> domanda_annulla(const QString& testo) override {
        eventi << "domanda:" + testo;
        if (risposte_annulla.empty()) return std::nullopt;
        const auto r = risposte_annulla.front();
        risposte_annulla.pop_front();
        return r;
    }
    void beep() override { eventi << "beep"; }
    // Progress: every report is kept; the report numbered `ferma_al_passo`
    // (from 1) answers "stop", as the user's Cancel would.
    // Progress windows are kept apart from the events: "<text>|<total>".
    QStringList avanzamenti;
    std::vector<std::int64_t> passi;
    int ferma_al_passo = 0;
    avanzamento avvia_avanzamento(const QString& testo, std::int64_t totale) override {
        avanzamenti << testo + "|" + QString::number(totale);
        return [this](std::int64_t fatto) {
            passi.push_back(fatto);
            return ferma_al_passo == 0 || static_cast<int>(passi.size()) < ferma_al_passo;
        };
    }
    std::optional<QString> apri_file(const QString& filtro, const QString& nome) override {
        eventi << "apri:" + filtro + "|" + nome;
        return prossimo_file();
    }
    std::optional<QString> salva_file(const QString& filtro, const QString& nome) override {
        eventi << "salva:" + filtro + "|" + nome;
        return prossimo_file();
    }

    QStringList messaggi() const { return eventi.filter(QStringLiteral("messaggio:")); }

private:
    std::optional<QString> prossimo_file() {
        if (file.empty() || file.front().isEmpty()) {
            if (!file.empty()) file.pop_front();
            return std::nullopt;
        }
        const QString f = file.front();
        file.pop_front();
        return f;
    }
};

}  // namespace pianopre
