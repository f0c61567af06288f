// The job's two precision estimates side by side, each with its label and
// what it means, so that a reader never meets two unexplained figures: the
// classic estimate of the main window (maximum and standard) and the
// precision with the camera's pixel of the plan checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"
#include "job/commessa.h"

namespace pianopre {

struct precisione_spiegata {
    std::string etichetta;    // "Stima classica X / Z max"
    std::string valore;       // "10,60 / 16,70 mm", "n/d" when not known
    std::string significato;  // one sentence
};

// Three rows: classic maximum, classic standard, with the pixel. Values are
// empty before the calculation reached them; "n/d" for the pixel's without
// checks or without a known pixel size.
std::vector<precisione_spiegata> precisioni_spiegate(const commessa& c,
                                                     const std::optional<risultato_verifiche>& v,
                                                     const formato_regionale& formato);

}  // namespace pianopre
