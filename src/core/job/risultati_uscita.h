// The results of a computed job as the command line gives them: the main
// window's boxes and the plan checks as "label: value" lines in the regional
// form, labels in the user's language, or one JSON object with every number
// at full precision, its keys and verdicts the same in every language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"
#include "droni/verifiche_volo.h"
#include "job/commessa.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

// The plan checks of a job, or why they are missing in part or in whole.
struct verifiche_uscita {
    std::optional<risultato_verifiche> risultato;  // none when they cannot be computed
    std::string avviso;                            // the reason; empty when every value is known
    std::optional<risultato_volo> volo;            // when the plan needs a lift (volo_necessario)
    mappa_copertura mappa;  // the coverage and precision map; no cells without the checks
};

verifiche_uscita verifiche_per_uscita(const commessa& c);

// One line per result, in the order of the window: its seven boxes and the
// base, rounded for reading with their units, then one line per row of the
// checks table, the drone's and the map's rows included. A check with a limit or a
// verdict reads "name: value (limit) - verdict". Empty before the maximum
// precision is computed.
std::vector<std::string> righe_risultati(const commessa& c, const verifiche_uscita& v,
                                         const formato_regionale& formato);

// The JSON object: the plan record under its field names, both precision
// pairs as the 32-bit values the boxes show, the checks (null where unknown)
// with the drone's under "volo" (null when the plan needs no lift), the
// site's system ("sistema", null when none; "sistema_nome", null unless it
// resolves), the stations (with WGS 84 "latitudine" and "longitudine" when
// the system resolves), the stereo models, the map's summary under "mappa"
// (null without the checks: shares 0 … 1, the worst σ and where it is, null
// when no cell has one, the cell size, the two verdicts) and, when the job has any of them,
// its header fields under "intestazione". Pretty-printed, two-space indents.
std::string json_risultati(const commessa& c, const verifiche_uscita& v);

}  // namespace pianopre
