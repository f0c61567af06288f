// The entity phase of the DXF reader: the groups of the ENTITIES section (or
// of the BLOCKS section) gathered into one record per entity and converted.
// A POLYLINE gathers its VERTEX records up to its SEQEND; fields of one
// entity never reach the next one.
#pragma once

#include "exchange/disegno_dxf.h"
#include "exchange/gruppi_dxf.h"

namespace pianopre {

// From the group after "ENTITIES" to "0 EOF" or the end of the file; with
// blocchi, from the group after "BLOCKS" to its "0 ENDSEC", each block
// stored in d. Error 62 when the file ends between a code and its value.
void leggi_entita(disegno_dxf& d, sorgente_gruppi& s, bool blocchi);

}  // namespace pianopre
