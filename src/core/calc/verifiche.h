// Checks of a plan against the camera's pixel: ground sample distance against
// the graphic tolerance of the restitution scale, base to distance ratio,
// precision from the pixel and depth of field with the aperture to use.
//
// Lengths on the image in millimetres, distances in metres, angles in degrees
// in the records (the tilt is converted with the full-precision pi here).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/formato_regionale.h"
#include "base/record.h"

namespace pianopre {

// The settings of the checks, kept with the job.
struct impostazioni_verifiche {
    double tolleranza_grafica_mm = 0.25;  // on the drawing, at the restitution scale
    double divisore_gsd = 3;              // the tolerance holds this many pixels on the object
    double precisione_px = 0.5;           // image measuring precision, in pixels
    double circolo_confusione_px = 2;     // acceptable blur, in pixels
    double lunghezza_onda_mm = 0.00055;   // light for the diffraction limit
    double profondita_rilievo_m = 1.0;    // relief in front of the façade plane
    double altezza_max_camera_m = 1.5;    // highest camera a surveyor holds by hand
    double cella_mappa_m = 0;             // cell of the coverage map; 0: chosen by the façade
};

// The camera of the job beside its record: image size in pixels (0 when not
// known) and the scan resolution of film (0 when not scanned).
struct sensore_lavoro {
    std::string nome;
    int larghezza_px = 0;
    int altezza_px = 0;
    double scansione_um = 0;
};

enum class esito_verifica { ok, attenzione, non_soddisfatto, non_disponibile };

// The camera of one strip above the ground at the façade's foot: above the
// highest camera held by hand it needs a pole, a lift or a drone.
struct altezza_striscia {
    double altezza_m = 0;
    esito_verifica esito = esito_verifica::ok;
};

struct risultato_verifiche {
    std::optional<double> pixel_mm;           // unknown without pixels or scan
    std::optional<double> gsd_centro_mm;      // on the object at the frame's centre
    std::optional<double> gsd_peggiore_v_mm;  // at the upper edge, vertically
    std::optional<double> gsd_peggiore_h_mm;  // at the upper edge, horizontally
    double tolleranza_mm = 0;                 // on the object
    double gsd_richiesto_mm = 0;
    std::optional<double> dist_max_gsd_m;  // largest distance meeting the required GSD
    double rapporto_bd = 0;                // x of "1:x", distance over base
    std::optional<double> sigma_x_mm;
    std::optional<double> sigma_z_mm;
    double r_min_m = 0;                   // nearest point in focus, the relief included
    double r_max_m = 0;                   // farthest point in focus
    double fuoco_m = 0;                   // best focus distance
    double n_min = 0;                     // smallest f-number giving the depth
    std::optional<double> n_max;          // diffraction limit, unknown without the pixel
    std::optional<double> n_consigliato;  // see diaframma_consigliato
    esito_verifica gsd = esito_verifica::non_disponibile;
    esito_verifica base_distanza = esito_verifica::non_disponibile;
    esito_verifica profondita = esito_verifica::non_disponibile;
    std::vector<altezza_striscia> strisce;  // from the lowest strip up
};

// A setting, camera value or plan the checks cannot use, with its message in
// the user's language.
class errore_verifiche : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message for the first setting that is zero, negative or not a
// number (the relief depth and the map's cell may be zero); none when all are
// usable.
std::optional<std::string> errore_impostazioni(const impostazioni_verifiche& imp);

// The same for the pixel counts and scan resolution, which may be zero.
std::optional<std::string> errore_sensore(const sensore_lavoro& sensore);

// Pixel size on the image in mm: the scan resolution for scanned film,
// otherwise the negative width over the image width; none when neither is known.
std::optional<double> dimensione_pixel(const dati_camera& camera, const sensore_lavoro& sensore);

// The standard stops, a full stop apart, from wide open to closed.
inline constexpr std::array<double, 10> serie_diaframmi{1.4, 2, 2.8, 4, 5.6, 8, 11, 16, 22, 32};

// The aperture to use: the largest stop of the series that gives the depth
// (at least n_min) and is not limited by diffraction (at most n_max). When no
// stop lies between the two (n_min above n_max, or both inside one step) or
// the limit is unknown, the smallest stop giving the depth; none when n_min is
// above f/32.
std::optional<double> diaframma_consigliato(double n_min, std::optional<double> n_max);

// Every check of the plan. Throws errore_verifiche for unusable settings or
// camera values, a plan without positive sizes, distance, base and scale, or a
// frame whose upper edge does not reach the façade; never returns a value that
// is not finite.
risultato_verifiche calcola_verifiche(const dati_camera& camera, const dati_lavoro& lavoro,
                                      const dati_presa& presa, const sensore_lavoro& sensore,
                                      const impostazioni_verifiche& imp);

// One row of the checks table; `esito` is empty for rows shown without a verdict.
struct riga_verifica {
    std::string nome;
    std::string valore;
    std::string limite;
    std::string testo_esito;
    std::string formula;
    std::optional<esito_verifica> esito;
    std::string consiglio;  // what to do, when the verdict says it beside its name
};

// "OK", "Attenzione", "Non soddisfatto", "n/d": the verdict's name, the same
// in every language (the --json output keeps it).
std::string testo_esito(esito_verifica e);

// The verdict as the user reads it, in the user's language.
std::string esito_mostrato(esito_verifica e);

// The table, numbers in the regional form and rounded for reading: the checks,
// then the camera height of each strip, those past `righe_strisce` − 1 in one
// last row when there are more than `righe_strisce`.
std::vector<riga_verifica> righe_verifiche(const risultato_verifiche& r,
                                           const impostazioni_verifiche& imp,
                                           const formato_regionale& formato,
                                           std::size_t righe_strisce = SIZE_MAX);

}  // namespace pianopre
