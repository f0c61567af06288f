// The drone rows of the checks table in the user's language: values rounded
// for reading, regional numbers, the formula of each row for its tooltip.
#include <cmath>

#include "base/segnaposti.h"
#include "base/testo_misure.h"
#include "base/traduzione.h"
#include "droni/verifiche_volo.h"

namespace pianopre {

namespace {

riga_verifica riga(std::string nome, std::string valore, std::string limite, std::string formula,
                   std::optional<esito_verifica> e = std::nullopt) {
    return {std::move(nome),
            std::move(valore),
            std::move(limite),
            e ? esito_mostrato(*e) : std::string(),
            std::move(formula),
            e,
            {}};
}

class testi {
public:
    explicit testi(const formato_regionale& f) : f_(f) {}
    std::string num(double x, int decimali) const { return testo_arrotondato(x, decimali, f_); }
    std::string con(double x, int decimali, const char* unita) const {
        return num(x, decimali) + " " + unita;
    }
    std::string m(double x) const { return testo_misura(x, misura::metri, f_); }
    std::string gradi(double x) const { return testo_misura(x, misura::gradi, f_); }

private:
    formato_regionale f_;
};

riga_verifica riga_mosso(const risultato_volo& r, const impostazioni_drone& imp, const testi& t) {
    const std::string limite = "≤ " + t.con(mosso_max_px, 1, "px");
    return riga(
        traduci("volo", "Mosso del drone"),
        r.mosso_px ? t.con(*r.mosso_px, 2, "px") : traduci("esiti", "n/d"),
        imp.sosta ? inserisci(traduci("volo", "%1 in volo; fermo a ogni scatto"), {limite})
                  : limite,
        traduci("volo",
                "mosso = v · t / GSD, GSD al centro = p · 1000 D / f; fermo a ogni scatto il "
                "drone non si muove e il mosso è comunque OK"),
        r.mosso);
}

riga_verifica riga_intervallo(const risultato_volo& r, const impostazioni_drone& imp,
                              const testi& t) {
    return riga(traduci("volo", "Tempo tra due scatti"), t.con(r.tempo_scatti_s, 2, "s"),
                "≥ " + t.con(imp.intervallo_s, 2, "s"),
                imp.sosta ? traduci("volo",
                                    "t = B / v + sosta; a ogni scatto il drone resta fermo "
                                    "quanto l'intervallo di scatto della fotocamera")
                          : traduci("volo", "t = B / v, senza soste"),
                r.intervallo);
}

riga_verifica riga_percorso(const risultato_volo& r, const testi& t) {
    return riga(traduci("volo", "Percorso di volo"), t.m(r.percorso_m), "",
                traduci("volo",
                        "in linea retta dal decollo ai punti nell'ordine di volo e ritorno al "
                        "decollo"));
}

riga_verifica riga_tempo(const risultato_volo& r, const testi& t) {
    return riga(traduci("volo", "Tempo di volo"), t.con(r.tempo_volo_s / 60.0, 1, "min"), "",
                inserisci(traduci("volo", "T = percorso / v + scatti · sosta, sosta = %1"),
                          {t.con(r.sosta_s, 2, "s")}));
}

riga_verifica riga_batterie(const risultato_volo& r, const impostazioni_drone& imp,
                            const testi& t) {
    return riga(traduci("volo", "Batterie"), std::to_string(r.batterie),
                inserisci(traduci("volo", "%1 per batteria, %2 di riserva"),
                          {t.con(imp.autonomia_min, 1, "min"), t.con(imp.riserva * 100, 1, "%")}),
                traduci("volo", "batterie = ⌈T / (autonomia · (1 − riserva))⌉"));
}

riga_verifica riga_distanza(const risultato_volo& r, const impostazioni_drone& imp,
                            const testi& t) {
    return riga(traduci("volo", "Distanza minima dalla facciata"), t.m(r.distanza_min_m),
                "≥ " + t.m(imp.distanza_min_m),
                traduci("volo",
                        "la minore distanza orizzontale di un punto di volo dal piano della "
                        "facciata"),
                r.distanza);
}

riga_verifica riga_altezza(const risultato_volo& r, const impostazioni_drone& imp, const testi& t) {
    return riga(traduci("volo", "Altezza massima sul decollo"), t.m(r.altezza_max_m),
                "≤ " + t.m(imp.altezza_max_m),
                traduci("volo", "h = quota del punto più alto − quota del decollo"), r.altezza);
}

riga_verifica riga_beccheggio(const risultato_volo& r, const testi& t) {
    const std::string valore =
        r.beccheggio_min == r.beccheggio_max
            ? t.gradi(r.beccheggio_min)
            : inserisci(traduci("volo", "da %1 a %2"),
                        {t.gradi(r.beccheggio_min), t.gradi(r.beccheggio_max)});
    return riga(traduci("volo", "Beccheggio del gimbal"), valore,
                inserisci(traduci("volo", "da %1 a %2"),
                          {t.gradi(beccheggio_min_gradi), "+" + t.gradi(beccheggio_max_gradi)}),
                traduci("volo", "beccheggio = inclinazione della camera, positivo verso l'alto"),
                r.beccheggio);
}

}  // namespace

std::vector<riga_verifica> righe_volo(const risultato_volo& r, const impostazioni_drone& imp,
                                      const formato_regionale& formato) {
    const testi t(formato);
    return {riga_mosso(r, imp, t),   riga_intervallo(r, imp, t), riga_percorso(r, t),
            riga_tempo(r, t),        riga_batterie(r, imp, t),   riga_distanza(r, imp, t),
            riga_altezza(r, imp, t), riga_beccheggio(r, t)};
}

}  // namespace pianopre
