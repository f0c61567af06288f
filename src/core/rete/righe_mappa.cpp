// The map's rows of the checks table in the user's language.
#include "rete/righe_mappa.h"

#include "base/segnaposti.h"
#include "base/testo_misure.h"
#include "base/traduzione.h"

namespace pianopre {

namespace {

constexpr double quota_copertura = 0.99;
constexpr double quota_precisione = 0.95;

std::string percento(double quota, const formato_regionale& f) {
    return testo_arrotondato(quota * 100, 1, f) + " %";
}

riga_verifica riga(std::string nome, std::string valore, std::string limite, std::string formula,
                   esito_verifica e) {
    return {std::move(nome),
            std::move(valore),
            std::move(limite),
            esito_mostrato(e),
            std::move(formula),
            e,
            {}};
}

}  // namespace

esito_verifica esito_copertura(const mappa_copertura& m, bool convergenti) {
    if (m.celle.empty()) return esito_verifica::non_disponibile;
    const double quota = convergenti ? m.quota_3 : m.quota_2;
    return quota >= quota_copertura ? esito_verifica::ok : esito_verifica::non_soddisfatto;
}

esito_verifica esito_precisione(const mappa_copertura& m, bool con_pixel) {
    if (m.celle.empty() || !con_pixel) return esito_verifica::non_disponibile;
    return m.quota_tolleranza >= quota_precisione ? esito_verifica::ok
                                                  : esito_verifica::non_soddisfatto;
}

std::vector<riga_verifica> righe_mappa(const mappa_copertura& m, double tolleranza_mm,
                                       bool con_pixel, const formato_regionale& f,
                                       bool convergenti) {
    const double quota = convergenti ? m.quota_3 : m.quota_2;
    const std::string nd = traduci("esiti", "n/d");
    std::vector<riga_verifica> righe;
    righe.push_back(
        riga(traduci("mappa", "Copertura"), m.celle.empty() ? nd : percento(quota, f),
             inserisci(convergenti ? traduci("mappa", "≥ %1 vista da ≥ 3 immagini")
                                   : traduci("mappa", "≥ %1 vista da ≥ 2 immagini"),
                       {percento(quota_copertura, f)}),
             traduci("mappa",
                     "quota delle celle della facciata il cui centro cade dentro il fotogramma e "
                     "davanti alla camera di almeno 2 immagini (3 con le immagini convergenti)"),
             esito_copertura(m, convergenti)));
    righe.push_back(riga(
        traduci("mappa", "Precisione sulla facciata"),
        m.celle.empty() || !con_pixel ? nd : percento(m.quota_tolleranza, f),
        inserisci(traduci("mappa", "≥ %1 con σ ≤ %2"),
                  {percento(quota_precisione, f), testo_arrotondato(tolleranza_mm, 2, f) + " mm"}),
        traduci("mappa",
                "quota delle celle con il σ più grande (lungo, in altezza, in profondità) entro "
                "T / divisore; σ per intersezione in avanti ai minimi quadrati: N = Σ Jᵢᵀ Jᵢ / "
                "σ², σ = s · p sull'immagine, covarianza = N⁻¹"),
        esito_precisione(m, con_pixel)));
    return righe;
}

}  // namespace pianopre
