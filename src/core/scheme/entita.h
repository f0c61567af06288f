// The records of the scheme model: the drawing entity, the DXF layer entry and
// the control point, with the entity type codes and attribute bits; and where
// an entity stands once the scheme origin is added.
//
// A drawing has no line objects: a line or polyline is a run of vertex entities
// (21 starts it, 22 continues it, 23 ends it); 11 is a point, 81 a text whose
// `nome` is the text itself.
#pragma once

#include <cstdint>

#include "base/punti.h"
#include "base/testo_fisso.h"

namespace pianopre {

inline constexpr std::int16_t tipo_punto = 11;
inline constexpr std::int16_t tipo_inizio = 21;   // first vertex of a run
inline constexpr std::int16_t tipo_vertice = 22;  // further vertex
inline constexpr std::int16_t tipo_fine = 23;     // last vertex, the run ends
inline constexpr std::int16_t tipo_testo = 81;

// Bits of `attributi`.
inline constexpr std::int16_t attr_marcato = 1;   // drawn as a control point
inline constexpr std::int16_t attr_relativo = 2;  // placed relative to the scheme origin

struct entita {
    testo_fisso<16> nome{""};  // layer name, or the text of a type 81 entity
    double x = 0;
    double y = 0;  // depth axis in the scheme: distance from the object plane
    double z = 0;  // height axis in the scheme
    std::int16_t tipo = 0;
    std::int16_t colore = 0;  // DXF colour index, 0 when unset
    float altezza = 0;        // text height
    float rotazione = 0;      // text rotation, degrees counter-clockwise
    std::int16_t attributi = 0;
    std::int16_t riservato = 0;
};

// The redraw walks a million of these; keep the record compact.
static_assert(sizeof(entita) <= 56);

// The entity's position with the scheme origin added when it is placed relative to it.
inline punto3 posizione_piazzata(const entita& e, const origine_schema& o) {
    if (e.attributi & attr_relativo) return {e.x + o.x, e.y + o.y, e.z + o.z};
    return {e.x, e.y, e.z};
}

struct voce_layer {
    testo_fisso<16> nome{""};  // upper case, no surrounding blanks
    std::int16_t colore = 0;
    std::int16_t riserva = 0;
};

struct punto_app {
    testo_fisso<15> nome{""};
    double x = 0;
    double y = 0;
    double z = 0;
};

}  // namespace pianopre
