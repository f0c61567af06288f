// Each kind of DXF entity the reader keeps, turned into runs of vertices,
// points, texts and block references in world coordinates (after the object
// coordinate system of its extrusion direction).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "exchange/disegno_dxf.h"
#include "exchange/record_dxf.h"

namespace pianopre {

// The attributes of an entity: its layer (group 8) and colour (62).
attributi attributi_di(const record_dxf& r, disegno_dxf& d);

// How many copies an INSERT's array makes (1 for a plain INSERT).
std::int64_t numero_copie(const record_dxf& r);

// The displacement of each copy of an INSERT's array (one, none, for a plain
// INSERT), in world coordinates: its ATTRIBs go with every copy.
std::vector<p3> copie_insert(const record_dxf& r);

// False when the kind is not one of those converted alone.
bool converti(const record_dxf& r, disegno_dxf& d, destinazione& out);

// A POLYLINE header and its VERTEX records.
void converti_polilinea(const record_dxf& testa, std::span<const record_dxf> vertici,
                        disegno_dxf& d, destinazione& out);

}  // namespace pianopre
