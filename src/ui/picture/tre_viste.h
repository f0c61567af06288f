// The three-view export: the plan, front and axonometric views of a drawing
// saved as three bitmaps, shared by "Salva BMP" and the command line.
#pragma once

#include <QString>
#include <functional>

#include "picture/area_disegno.h"
#include "picture/ridis.h"
#include "scheme/elenco_entita.h"

namespace pianopre {

// The view state for the given "Fronte" and "Assonom." ticks.
using vista_per_modo = std::function<stato_vista(bool fronte, bool assonometrica)>;

struct esito_tre_viste {
    QString non_scritto;      // the file that could not be written; empty if none
    bool interrotto = false;  // the progress asked to stop before the end
};

// Saves base + "p.bmp", "f.bmp" and "a.bmp", each view refitted, then leaves
// the area in plan view, fitted. A file that cannot be written stops the
// sequence there, the area showing its view, and is named in the result.
// A given `rapporto` hears the entities drawn over the three views (three times
// entita_da_disegnare) and may stop the sequence: the files written so far
// stay, no other is begun, and the area goes back to plan view.
esito_tre_viste esporta_tre_viste(area_disegno& area, const elenco_entita& lista,
                                  const vista_per_modo& vista, const QString& base,
                                  const avanzamento& rapporto = {});

}  // namespace pianopre
