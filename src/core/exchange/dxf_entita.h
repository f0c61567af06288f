// The entity phase of the DXF reader, from the line after "ENTITIES" to the
// end of the file (groups after the section are read the same way).
#pragma once

#include "exchange/righe.h"
#include "scheme/modello.h"

namespace pianopre {

void leggi_entita(modello& m, lettore_righe& file);

}  // namespace pianopre
