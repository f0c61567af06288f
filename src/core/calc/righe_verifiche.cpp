// The checks table in the user's language: values rounded for reading,
// regional numbers, the formula of each row for its tooltip.
#include <algorithm>
#include <cmath>

#include "base/segnaposti.h"
#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"
#include "calc/verifiche.h"

namespace pianopre {

namespace {

const char* const non_disponibile = TESTO_DA_TRADURRE("esiti", "n/d");

class testi {
public:
    explicit testi(const formato_regionale& f)
        : formato_(f), nd_(traduci("esiti", non_disponibile)) {}

    // x rounded to `decimali` places in the general form ("0,859", "1:4,17").
    std::string num(double x, int decimali) const {
        const double k = std::pow(10.0, decimali);
        const double r = std::round(x * k) / k;
        return testo_generale(std::isfinite(r) ? r : x, formato_);
    }
    std::string mm(double x) const { return testo_misura(x, misura::millimetri, formato_); }
    std::string m(double x) const { return testo_misura(x, misura::metri, formato_); }
    std::string mm(const std::optional<double>& x) const { return x ? mm(*x) : nd_; }
    std::string m(const std::optional<double>& x) const { return x ? m(*x) : nd_; }
    std::string diaframma(double n) const { return testo_misura(n, misura::diaframma, formato_); }
    std::string misure(double a, double b, misura m) const {
        return testo_coppia_misure(a, b, m, formato_);
    }
    std::string una(double x, misura m) const { return testo_misura(x, m, formato_); }
    const std::string& nd() const { return nd_; }

private:
    formato_regionale formato_;
    std::string nd_;
};

riga_verifica riga(std::string nome, std::string valore, std::string limite, std::string formula,
                   std::optional<esito_verifica> esito = std::nullopt) {
    return {std::move(nome),
            std::move(valore),
            std::move(limite),
            esito ? esito_mostrato(*esito) : std::string(),
            std::move(formula),
            esito,
            {}};
}

riga_verifica riga_pixel(const risultato_verifiche& r, const testi& t) {
    return riga(traduci("verifiche", "Dimensione del pixel"),
                r.pixel_mm ? t.una(*r.pixel_mm * 1000.0, misura::micrometri) : t.nd(), "",
                traduci("verifiche",
                        "p = larghezza del negativo / larghezza dell'immagine in pixel; per la "
                        "pellicola scansionata, p = risoluzione di scansione"));
}

riga_verifica riga_gsd(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                       const testi& t) {
    std::string valore = t.nd();
    if (r.gsd_peggiore_v_mm && r.gsd_peggiore_h_mm)
        valore = inserisci(traduci("verifiche", "%1 verticale, %2 orizzontale"),
                           {t.mm(*r.gsd_peggiore_v_mm), t.mm(*r.gsd_peggiore_h_mm)});
    return riga(
        traduci("verifiche", "GSD al bordo superiore"), valore,
        inserisci(traduci("verifiche", "≤ %1 (tolleranza %2 / %3)"),
                  {t.mm(r.gsd_richiesto_mm), t.mm(r.tolleranza_mm), t.num(imp.divisore_gsd, 2)}),
        inserisci(traduci("verifiche",
                          "α = atan((h/2) / f), θ = τ + α; verticale = p · 1000 D · cos²α "
                          "/ (f · cos²θ); orizzontale = p · 1000 D · cos α / (f · cos θ); "
                          "richiesto = %1 mm · scala / %2"),
                  {t.num(imp.tolleranza_grafica_mm, 3), t.num(imp.divisore_gsd, 2)}),
        r.gsd);
}

riga_verifica riga_base(const risultato_verifiche& r, const testi& t) {
    return riga(traduci("verifiche", "Rapporto base/distanza"),
                t.una(r.rapporto_bd, misura::rapporto), traduci("verifiche", "da 1:4 a 1:15"),
                "B/D = 1 : (D / B)", r.base_distanza);
}

riga_verifica riga_precisione(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                              const testi& t) {
    std::string valore = t.nd();
    if (r.sigma_x_mm && r.sigma_z_mm)
        valore = t.misure(*r.sigma_x_mm, *r.sigma_z_mm, misura::millimetri);
    return riga(traduci("verifiche", "Precisione X / Z col pixel"), valore, "",
                "s = " + t.num(imp.precisione_px, 3) +
                    " · p; σZ = (1000 D)² · √2 · s / (1000 B · f); "
                    "σX = √((1000 D / f · s)² + ((w/2) / f · σZ)²)");
}

riga_verifica riga_fuoco(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                         const testi& t) {
    return riga(
        traduci("verifiche", "Messa a fuoco"), t.m(r.fuoco_m),
        inserisci(traduci("verifiche", "nitido da %1 a %2"), {t.m(r.r_min_m), t.m(r.r_max_m)}),
        inserisci(traduci("verifiche",
                          "s* = 2 R min R max / (R min + R max); distanze lungo l'asse "
                          "dei bordi del fotogramma z(a) = D cos a / cos(a + τ), a = ±α; "
                          "R min = la minore − %1 di rilievo, R max = la maggiore"),
                  {t.m(imp.profondita_rilievo_m)}));
}

riga_verifica riga_diaframma(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                             const testi& t) {
    const std::string consigliato =
        r.n_consigliato ? t.diaframma(*r.n_consigliato) : traduci("verifiche", "oltre f/32");
    const std::string valore =
        inserisci(traduci("verifiche", "%1 (minimo %2)"), {consigliato, t.diaframma(r.n_min)});
    std::string limite = t.nd();
    if (r.n_max)
        limite = inserisci(traduci("verifiche", "fino a %1 per la diffrazione"),
                           {t.diaframma(*r.n_max)});
    if (r.profondita == esito_verifica::attenzione)
        limite = inserisci(traduci("verifiche", "%1: allontanarsi o usare una focale più corta"),
                           {limite});
    const std::string c = r.pixel_mm ? t.num(imp.circolo_confusione_px, 2) + " · p" : t.mm(0.03);
    const std::string regola = inserisci(
        traduci("verifiche",
                "consigliato: il più chiuso dei diaframmi da %1 a %2 tra N min e N max, "
                "abbastanza profondo e non limitato dalla diffrazione; se nessuno cade tra i due, "
                "il più aperto non minore di N min"),
        {t.diaframma(serie_diaframmi.front()), t.diaframma(serie_diaframmi.back())});
    return riga(traduci("verifiche", "Diaframma"), valore, limite,
                "N min = f² (R max − R min) / (2 c R min R max), c = " + c + "; N max = 2 p / (" +
                    t.num(2.44, 2) + " λ), λ = " + t.num(imp.lunghezza_onda_mm, 6) + " mm; " +
                    regola,
                r.profondita);
}

// One row per strip: above the highest camera held by hand the verdict says
// what lifts it.
riga_verifica riga_altezza(std::size_t striscia, const altezza_striscia& a,
                           const impostazioni_verifiche& imp, const testi& t) {
    riga_verifica r = riga(
        inserisci(traduci("verifiche", "Altezza camera, striscia %1"), {std::to_string(striscia)}),
        t.m(a.altezza_m), "≤ " + t.m(imp.altezza_max_camera_m),
        inserisci(traduci("verifiche",
                          "h = h camera + (n − 1) · %1 · altezza coperta, sopra il "
                          "piede della facciata"),
                  {t.num(0.9, 1)}),
        a.esito);
    if (a.esito == esito_verifica::attenzione) {
        r.testo_esito = traduci("verifiche", "Attenzione: serve un'asta, un cestello o un drone");
        r.consiglio = traduci("verifiche", "serve un'asta, un cestello o un drone");
    }
    return r;
}

// The strips from `primo` (0-based) to the last in one row: the camera rises
// strip by strip, so the highest gives the verdict.
riga_verifica riga_altezze(std::size_t primo, const std::vector<altezza_striscia>& s,
                           const impostazioni_verifiche& imp, const testi& t) {
    riga_verifica r = riga_altezza(s.size(), s.back(), imp, t);
    r.nome = inserisci(traduci("verifiche", "Altezza camera, strisce %1–%2"),
                       {std::to_string(primo + 1), std::to_string(s.size())});
    r.valore = inserisci(traduci("verifiche", "da %1 a %2"),
                         {t.m(s[primo].altezza_m), t.m(s.back().altezza_m)});
    return r;
}

}  // namespace

std::string testo_esito(esito_verifica e) {
    switch (e) {
        case esito_verifica::ok:
            return TESTO_DA_TRADURRE("esiti", "OK");
        case esito_verifica::attenzione:
            return TESTO_DA_TRADURRE("esiti", "Attenzione");
        case esito_verifica::non_soddisfatto:
            return TESTO_DA_TRADURRE("esiti", "Non soddisfatto");
        case esito_verifica::non_disponibile:
            break;
    }
    return non_disponibile;
}

std::string esito_mostrato(esito_verifica e) {
    return traduci("esiti", testo_esito(e).c_str());
}

std::vector<riga_verifica> righe_verifiche(const risultato_verifiche& r,
                                           const impostazioni_verifiche& imp,
                                           const formato_regionale& formato,
                                           std::size_t righe_strisce) {
    const testi t(formato);
    std::vector<riga_verifica> righe{
        riga_pixel(r, t),
        riga(traduci("verifiche", "GSD al centro"), t.mm(r.gsd_centro_mm), "",
             "GSD = p · 1000 D / f"),
        riga_gsd(r, imp, t),
        riga(traduci("verifiche", "Distanza massima per il GSD"), t.m(r.dist_max_gsd_m), "",
             traduci("verifiche", "D max = GSD richiesto · f / p / 1000")),
        riga_base(r, t),
        riga_precisione(r, imp, t),
        riga_fuoco(r, imp, t),
        riga_diaframma(r, imp, t)};
    const std::size_t n = r.strisce.size();
    const std::size_t singole =
        n <= righe_strisce ? n : std::max<std::size_t>(righe_strisce, 1) - 1;
    for (std::size_t i = 0; i < singole; ++i)
        righe.push_back(riga_altezza(i + 1, r.strisce[i], imp, t));
    if (singole < n) righe.push_back(riga_altezze(singole, r.strisce, imp, t));
    return righe;
}

}  // namespace pianopre
