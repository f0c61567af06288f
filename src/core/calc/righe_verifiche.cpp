// The checks table in Italian: values rounded for reading, regional numbers,
// the formula of each row for its tooltip.
#include <cmath>

#include "base/testo_numeri.h"
#include "calc/verifiche.h"

namespace pianopre {

namespace {

const std::string non_disponibile = "n/d";

class testi {
public:
    explicit testi(const formato_regionale& f) : formato_(f) {}

    // x rounded to `decimali` places in the general form ("0,859", "1:4,17").
    std::string num(double x, int decimali) const {
        const double k = std::pow(10.0, decimali);
        const double r = std::round(x * k) / k;
        return testo_generale(std::isfinite(r) ? r : x, formato_);
    }
    std::string mm(double x) const { return num(x, 3) + " mm"; }
    std::string m(double x) const { return num(x, 2) + " m"; }
    std::string mm(const std::optional<double>& x) const { return x ? mm(*x) : non_disponibile; }
    std::string m(const std::optional<double>& x) const { return x ? m(*x) : non_disponibile; }
    std::string diaframma(double n) const { return "f/" + num(n, 1); }

private:
    formato_regionale formato_;
};

riga_verifica riga(std::string nome, std::string valore, std::string limite, std::string formula,
                   std::optional<esito_verifica> esito = std::nullopt) {
    return {std::move(nome),    std::move(valore),
            std::move(limite),  esito ? testo_esito(*esito) : std::string(),
            std::move(formula), esito};
}

riga_verifica riga_pixel(const risultato_verifiche& r, const testi& t) {
    return riga("Dimensione del pixel",
                r.pixel_mm ? t.num(*r.pixel_mm * 1000.0, 2) + " µm" : non_disponibile, "",
                "p = larghezza del negativo / larghezza dell'immagine in pixel; per la pellicola "
                "scansionata, p = risoluzione di scansione");
}

riga_verifica riga_gsd(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                       const testi& t) {
    std::string valore = non_disponibile;
    if (r.gsd_peggiore_v_mm && r.gsd_peggiore_h_mm)
        valore = t.mm(*r.gsd_peggiore_v_mm) + " verticale, " + t.mm(*r.gsd_peggiore_h_mm) +
                 " orizzontale";
    return riga("GSD al bordo superiore", valore,
                "≤ " + t.mm(r.gsd_richiesto_mm) + " (tolleranza " + t.mm(r.tolleranza_mm) + " / " +
                    t.num(imp.divisore_gsd, 2) + ")",
                "α = atan((h/2) / f), θ = τ + α; verticale = p · 1000 D · cos²α / (f · cos²θ); "
                "orizzontale = p · 1000 D · cos α / (f · cos θ); richiesto = " +
                    t.num(imp.tolleranza_grafica_mm, 3) + " mm · scala / " +
                    t.num(imp.divisore_gsd, 2),
                r.gsd);
}

riga_verifica riga_base(const risultato_verifiche& r, const testi& t) {
    return riga("Rapporto base/distanza", "1:" + t.num(r.rapporto_bd, 2), "da 1:4 a 1:15",
                "B/D = 1 : (D / B)", r.base_distanza);
}

riga_verifica riga_precisione(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                              const testi& t) {
    std::string valore = non_disponibile;
    if (r.sigma_x_mm && r.sigma_z_mm)
        valore = t.num(*r.sigma_x_mm, 3) + " / " + t.mm(*r.sigma_z_mm);
    return riga("Precisione X / Z col pixel", valore, "",
                "s = " + t.num(imp.precisione_px, 3) +
                    " · p; σZ = (1000 D)² · √2 · s / (1000 B · f); "
                    "σX = √((1000 D / f · s)² + ((w/2) / f · σZ)²)");
}

riga_verifica riga_fuoco(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                         const testi& t) {
    return riga("Messa a fuoco", t.m(r.fuoco_m),
                "nitido da " + t.m(r.r_min_m) + " a " + t.m(r.r_max_m),
                "s* = 2 R min R max / (R min + R max); distanze lungo l'asse dei bordi del "
                "fotogramma z(a) = D cos a / cos(a + τ), a = ±α; R min = la minore − " +
                    t.m(imp.profondita_rilievo_m) + " di rilievo, R max = la maggiore");
}

riga_verifica riga_diaframma(const risultato_verifiche& r, const impostazioni_verifiche& imp,
                             const testi& t) {
    std::string valore = r.n_consigliato ? t.diaframma(*r.n_consigliato) : "oltre f/32";
    valore += " (minimo " + t.diaframma(r.n_min) + ")";
    std::string limite = non_disponibile;
    if (r.n_max) limite = "fino a " + t.diaframma(*r.n_max) + " per la diffrazione";
    if (r.profondita == esito_verifica::attenzione)
        limite += ": allontanarsi o usare una focale più corta";
    const std::string c = r.pixel_mm ? t.num(imp.circolo_confusione_px, 2) + " · p" : t.mm(0.03);
    return riga("Diaframma", valore, limite,
                "N min = f² (R max − R min) / (2 c R min R max), c = " + c + "; N max = 2 p / (" +
                    t.num(2.44, 2) + " λ), λ = " + t.num(imp.lunghezza_onda_mm, 6) + " mm",
                r.profondita);
}

}  // namespace

std::string testo_esito(esito_verifica e) {
    switch (e) {
        case esito_verifica::ok:
            return "OK";
        case esito_verifica::attenzione:
            return "Attenzione";
        case esito_verifica::non_soddisfatto:
            return "Non soddisfatto";
        case esito_verifica::non_disponibile:
            break;
    }
    return non_disponibile;
}

std::vector<riga_verifica> righe_verifiche(const risultato_verifiche& r,
                                           const impostazioni_verifiche& imp,
                                           const formato_regionale& formato) {
    const testi t(formato);
    return {riga_pixel(r, t),
            riga("GSD al centro", t.mm(r.gsd_centro_mm), "", "GSD = p · 1000 D / f"),
            riga_gsd(r, imp, t),
            riga("Distanza massima per il GSD", t.m(r.dist_max_gsd_m), "",
                 "D max = GSD richiesto · f / p / 1000"),
            riga_base(r, t),
            riga_precisione(r, imp, t),
            riga_fuoco(r, imp, t),
            riga_diaframma(r, imp, t)};
}

}  // namespace pianopre
