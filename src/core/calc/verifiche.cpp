// Checks of a plan against the camera's pixel: the values and their verdicts.
#include "calc/verifiche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "base/segnaposti.h"
#include "base/traduzione.h"
#include "calc/presa.h"

namespace pianopre {

namespace {

double radianti(double gradi) {
    return gradi * std::numbers::pi / 180.0;
}

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

// a <= b, forgiving the last bits of a value computed to sit on the limit.
bool al_piu(double a, double b) {
    return a <= b + 1e-9 * std::abs(b);
}

// `cosa` is a text marked for the "verifiche" context.
std::string deve_essere_positivo(const char* cosa) {
    return inserisci(traduci("verifiche", "Errore: %1 deve essere un numero maggiore di zero."),
                     {traduci("verifiche", cosa)});
}

std::string non_negativo(const char* cosa) {
    return inserisci(traduci("verifiche", "Errore: %1 deve essere un numero non negativo."),
                     {traduci("verifiche", cosa)});
}

void controlla_piano(const dati_camera& camera, const dati_lavoro& lavoro,
                     const dati_presa& presa) {
    const std::array<std::pair<double, const char*>, 6> valori{{
        {camera.focale, TESTO_DA_TRADURRE("verifiche", "la focale")},
        {camera.larg_neg, TESTO_DA_TRADURRE("verifiche", "la larghezza del negativo")},
        {camera.alt_neg, TESTO_DA_TRADURRE("verifiche", "l'altezza del negativo")},
        {presa.dist_presa, TESTO_DA_TRADURRE("verifiche", "la distanza di presa")},
        {presa.base_presa, TESTO_DA_TRADURRE("verifiche", "la base di presa")},
        {lavoro.scala, TESTO_DA_TRADURRE("verifiche", "la scala di restituzione")},
    }};
    for (const auto& [x, cosa] : valori)
        if (!positivo(x)) throw errore_verifiche(deve_essere_positivo(cosa));
    if (!std::isfinite(presa.incl))
        throw errore_verifiche(
            deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "l'inclinazione")));
}

// Half the vertical field angle and the tilt, in radians.
struct angoli {
    double alfa;
    double tau;
};

void verifica_gsd(risultato_verifiche& r, double f, double d, angoli a) {
    if (!r.pixel_mm) return;
    const double p = *r.pixel_mm;
    const double theta = a.tau + a.alfa;
    const double ca = std::cos(a.alfa);
    const double ct = std::cos(theta);
    r.gsd_centro_mm = p * 1000.0 * d / f;
    r.gsd_peggiore_v_mm = p * 1000.0 * d * ca * ca / (f * ct * ct);
    r.gsd_peggiore_h_mm = p * 1000.0 * d * ca / (f * ct);
    r.dist_max_gsd_m = r.gsd_richiesto_mm * f / p / 1000.0;
    const double peggiore = std::max(*r.gsd_peggiore_v_mm, *r.gsd_peggiore_h_mm);
    r.gsd =
        al_piu(peggiore, r.gsd_richiesto_mm) ? esito_verifica::ok : esito_verifica::non_soddisfatto;
}

void verifica_precisione(risultato_verifiche& r, const dati_camera& camera, double d, double b,
                         const impostazioni_verifiche& imp) {
    if (!r.pixel_mm) return;
    const double f = camera.focale;
    const double s = imp.precisione_px * *r.pixel_mm;
    const double dd = 1000.0 * d;
    const double z = dd * dd * std::numbers::sqrt2 * s / (1000.0 * b * f);
    r.sigma_z_mm = z;
    r.sigma_x_mm = std::hypot(dd / f * s, camera.larg_neg / 2.0 / f * z);
}

void verifica_profondita(risultato_verifiche& r, double f, double d, angoli a,
                         const impostazioni_verifiche& imp) {
    // Distances along the optical axis to the frame's lower and upper edge.
    const double z_basso = d * std::cos(a.alfa) / std::cos(a.tau - a.alfa);
    const double z_alto = d * std::cos(a.alfa) / std::cos(a.tau + a.alfa);
    r.r_min_m = std::min(z_basso, z_alto) - imp.profondita_rilievo_m;
    r.r_max_m = std::max(z_basso, z_alto);
    if (!(r.r_min_m > 0))
        throw errore_verifiche(
            traduci("verifiche",
                    "Errore: la profondità del rilievo raggiunge la fotocamera: deve essere "
                    "minore della distanza dal bordo più vicino del fotogramma."));
    const double vicino = r.r_min_m * 1000.0;
    const double lontano = r.r_max_m * 1000.0;
    const double c = r.pixel_mm ? imp.circolo_confusione_px * *r.pixel_mm : 0.03;
    r.fuoco_m = 2.0 * r.r_min_m * r.r_max_m / (r.r_min_m + r.r_max_m);
    r.n_min = f * f * (lontano - vicino) / (2.0 * c * vicino * lontano);
    if (r.pixel_mm) r.n_max = 2.0 * *r.pixel_mm / (2.44 * imp.lunghezza_onda_mm);
    r.n_consigliato = diaframma_consigliato(r.n_min, r.n_max);
    if (!r.n_max) return;
    r.profondita = al_piu(r.n_min, *r.n_max) ? esito_verifica::ok : esito_verifica::attenzione;
}

void verifica_altezze(risultato_verifiche& r, const dati_presa& presa,
                      const impostazioni_verifiche& imp) {
    r.strisce.reserve(static_cast<std::size_t>(std::max<std::int32_t>(presa.num_strisc, 0)));
    for (std::int32_t s = 1; s <= presa.num_strisc; ++s) {
        const double h = altezza_camera(presa, s);
        r.strisce.push_back({h, al_piu(h, imp.altezza_max_camera_m) ? esito_verifica::ok
                                                                    : esito_verifica::attenzione});
    }
}

bool finito_o_assente(const std::optional<double>& x) {
    return !x || std::isfinite(*x);
}

bool tutto_finito(const risultato_verifiche& r) {
    const std::array<std::optional<double>, 16> valori{
        r.pixel_mm,          r.gsd_centro_mm, r.gsd_peggiore_v_mm,
        r.gsd_peggiore_h_mm, r.tolleranza_mm, r.gsd_richiesto_mm,
        r.dist_max_gsd_m,    r.rapporto_bd,   r.sigma_x_mm,
        r.sigma_z_mm,        r.r_min_m,       r.r_max_m,
        r.fuoco_m,           r.n_min,         r.n_max,
        r.n_consigliato};
    return std::all_of(valori.begin(), valori.end(),
                       [](const auto& x) { return finito_o_assente(x); }) &&
           std::all_of(r.strisce.begin(), r.strisce.end(),
                       [](const altezza_striscia& s) { return std::isfinite(s.altezza_m); });
}

}  // namespace

std::optional<double> diaframma_consigliato(double n_min, std::optional<double> n_max) {
    std::optional<double> profondo;  // the smallest stop giving the depth
    std::optional<double> consigliato;
    for (const double n : serie_diaframmi) {
        if (!al_piu(n_min, n)) continue;
        if (!profondo) profondo = n;
        if (n_max && al_piu(n, *n_max)) consigliato = n;
    }
    return consigliato ? consigliato : profondo;
}

std::optional<std::string> errore_impostazioni(const impostazioni_verifiche& imp) {
    if (!positivo(imp.tolleranza_grafica_mm))
        return deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "la tolleranza grafica"));
    if (!positivo(imp.divisore_gsd))
        return deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "il divisore del GSD"));
    if (!positivo(imp.precisione_px))
        return deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "la precisione di misura"));
    if (!positivo(imp.circolo_confusione_px))
        return deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "il circolo di confusione"));
    if (!positivo(imp.lunghezza_onda_mm))
        return deve_essere_positivo(TESTO_DA_TRADURRE("verifiche", "la lunghezza d'onda"));
    if (!(std::isfinite(imp.profondita_rilievo_m) && imp.profondita_rilievo_m >= 0))
        return non_negativo(TESTO_DA_TRADURRE("verifiche", "la profondità del rilievo"));
    if (!positivo(imp.altezza_max_camera_m))
        return deve_essere_positivo(
            TESTO_DA_TRADURRE("verifiche", "l'altezza massima della camera"));
    if (!(std::isfinite(imp.cella_mappa_m) && imp.cella_mappa_m >= 0))
        return non_negativo(TESTO_DA_TRADURRE("verifiche", "la dimensione della cella"));
    return std::nullopt;
}

std::optional<std::string> errore_sensore(const sensore_lavoro& sensore) {
    if (sensore.larghezza_px < 0)
        return non_negativo(TESTO_DA_TRADURRE("verifiche", "la larghezza dell'immagine in pixel"));
    if (sensore.altezza_px < 0)
        return non_negativo(TESTO_DA_TRADURRE("verifiche", "l'altezza dell'immagine in pixel"));
    if (!(std::isfinite(sensore.scansione_um) && sensore.scansione_um >= 0))
        return non_negativo(TESTO_DA_TRADURRE("verifiche", "la risoluzione di scansione"));
    return std::nullopt;
}

std::optional<double> dimensione_pixel(const dati_camera& camera, const sensore_lavoro& sensore) {
    if (sensore.scansione_um > 0) return sensore.scansione_um / 1000.0;
    if (sensore.larghezza_px > 0) return camera.larg_neg / sensore.larghezza_px;
    return std::nullopt;
}

risultato_verifiche calcola_verifiche(const dati_camera& camera, const dati_lavoro& lavoro,
                                      const dati_presa& presa, const sensore_lavoro& sensore,
                                      const impostazioni_verifiche& imp) {
    if (auto e = errore_impostazioni(imp)) throw errore_verifiche(*e);
    if (auto e = errore_sensore(sensore)) throw errore_verifiche(*e);
    controlla_piano(camera, lavoro, presa);
    const double f = camera.focale;
    const double d = presa.dist_presa;
    const angoli a{std::atan(camera.alt_neg / 2.0 / f), radianti(presa.incl)};
    if (!(std::cos(a.tau + a.alfa) > 0 && std::cos(a.tau - a.alfa) > 0))
        throw errore_verifiche(
            traduci("verifiche",
                    "Errore: con questa inclinazione il fotogramma non incontra la facciata."));

    risultato_verifiche r;
    r.pixel_mm = dimensione_pixel(camera, sensore);
    r.tolleranza_mm = imp.tolleranza_grafica_mm * lavoro.scala;
    r.gsd_richiesto_mm = r.tolleranza_mm / imp.divisore_gsd;
    verifica_gsd(r, f, d, a);
    r.rapporto_bd = d / presa.base_presa;
    r.base_distanza = al_piu(4, r.rapporto_bd) && al_piu(r.rapporto_bd, 15)
                          ? esito_verifica::ok
                          : esito_verifica::attenzione;
    verifica_precisione(r, camera, d, presa.base_presa, imp);
    verifica_profondita(r, f, d, a, imp);
    verifica_altezze(r, presa, imp);
    if (!tutto_finito(r))
        throw errore_verifiche(
            traduci("verifiche",
                    "Errore: le verifiche danno valori fuori scala: controllare i dati e le "
                    "impostazioni."));
    return r;
}

}  // namespace pianopre
