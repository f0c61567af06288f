// The job: the camera and job data as entered, the plan computed from them,
// both precision estimates and the scheme drawn from the plan, in one object
// that the window, the tests and the benchmarks drive alike; and the one
// calculation that "Calcola -->" runs.
#pragma once

#include <string>

#include "base/formato_regionale.h"
#include "base/record.h"
#include "calc/precisione.h"
#include "calc/verifiche.h"
#include "droni/missione.h"
#include "scheme/modello.h"
#include "site/collocazione.h"
#include "site/convergenti.h"
#include "view/proiezione.h"

namespace pianopre {

// The texts of the eight input boxes, as typed.
struct caselle_lavoro {
    std::string focale;
    std::string larg_neg;
    std::string alt_neg;
    std::string alt_sogg;
    std::string larg_sogg;
    std::string distanza;
    std::string scala;
    std::string base;
};

// What the job is and who shot it, for the printed plan's header; UTF-8.
struct intestazione_lavoro {
    std::string progetto;
    std::string localita;
    std::string operatore;

    bool operator==(const intestazione_lavoro&) const = default;
};

// How far the last calculation got: a failure leaves the steps before it done.
enum class fase_calcolo { nessuna, piano, precisione_max, precisione_std, schema };

struct commessa {
    dati_camera camera;
    dati_lavoro lavoro;
    dati_presa presa;
    bool blocca_base = false;  // the typed base is used instead of the computed one
    bool metrica = false;      // a metric camera: no correction of the precision
    // Image size in pixels and scan resolution of the camera; settings of the plan checks.
    sensore_lavoro sensore;
    impostazioni_verifiche verifiche;
    impostazioni_drone drone;              // the drone that flies the stations
    impostazioni_convergenti convergenti;  // two more images turned at each station
    precisione_xz prec_max{0, 0};
    precisione_xz prec_std{0, 0};
    origine_schema origine;  // added to entities placed relative to it
    modello disegno;         // entity, layer and control-point lists, drawing name
    collocazione sito;       // where the scheme stands on the site
    modello disegno_sito;    // the site drawing under the scheme, read-only
    std::string file_sito;   // where the site drawing was read from; empty when none
    fase_calcolo fase = fase_calcolo::nessuna;
    intestazione_lavoro intestazione;  // project, place and operator
};

// Reads the boxes in their regional form, releases a lock without a base,
// computes the plan and both precision estimates, empties the lists and builds
// the scheme with its two legend labels. A numbered error stops it where it
// happens: the records and estimates before that step keep their new values,
// those after it their old ones, and `fase` says which step was reached. A
// negative object size, distance or scale is refused before the records change
// (dato_negativo, job/letture_caselle.h).
void calcola_commessa(commessa& c, const caselle_lavoro& caselle, formato_regionale formato);

// The last step alone: empties the entity and layer lists and builds the
// scheme of `presa` at its own place, with the two legend labels set in `lavoro`.
void crea_schema_lavoro(modello& m, const dati_presa& presa, dati_lavoro& lavoro,
                        formato_regionale formato);

}  // namespace pianopre
