// The convergent images of the stations.
#include "site/convergenti.h"

#include <cmath>

#include "base/traduzione.h"

namespace pianopre {

std::optional<std::string> errore_convergenti(const impostazioni_convergenti& imp) {
    const double g = imp.angolo_gradi;
    if (!std::isfinite(g) || g <= 0 || g >= angolo_convergenti_max)
        return traduci("convergenti",
                       "Errore: l'angolo delle immagini convergenti deve essere tra 0° e 90°.");
    return std::nullopt;
}

std::string nome_convergente(const std::string& stazione, int verso) {
    return stazione + (verso > 0 ? "+" : "\u2212");
}

std::array<riga_stazione, 2> immagini_convergenti(const riga_stazione& s, double angolo_gradi,
                                                  unita_angolo unita) {
    const double giro = unita == unita_angolo::gon ? 400 : 360;
    const double gamma = angolo_gradi * giro / 360;
    std::array<riga_stazione, 2> due{s, s};
    for (int i = 0; i < 2; ++i) {
        const int verso = i == 0 ? 1 : -1;
        riga_stazione& r = due[static_cast<std::size_t>(i)];
        r.nome = nome_convergente(s.nome, verso);
        r.convergente = verso;
        double a = std::fmod(s.azimut + verso * gamma, giro);
        if (a < 0) a += giro;
        r.azimut = a >= giro ? 0 : a;
    }
    return due;
}

std::vector<riga_stazione> elenco_convergenti(std::span<const riga_stazione> stazioni,
                                              double angolo_gradi, unita_angolo unita) {
    std::vector<riga_stazione> elenco;
    elenco.reserve(2 * stazioni.size());
    for (const riga_stazione& s : stazioni)
        for (riga_stazione& r : immagini_convergenti(s, angolo_gradi, unita))
            elenco.push_back(std::move(r));
    return elenco;
}

std::vector<riga_stazione> con_convergenti(std::span<const riga_stazione> stazioni,
                                           const impostazioni_convergenti& imp,
                                           unita_angolo unita) {
    if (!imp.attive) return {stazioni.begin(), stazioni.end()};
    std::vector<riga_stazione> tabella;
    tabella.reserve(3 * stazioni.size());
    for (const riga_stazione& s : stazioni) {
        tabella.push_back(s);
        for (riga_stazione& r : immagini_convergenti(s, imp.angolo_gradi, unita))
            tabella.push_back(std::move(r));
    }
    return tabella;
}

}  // namespace pianopre
