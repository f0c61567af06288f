// The scheme model of a run: the entity, layer and control-point lists, the
// drawing name and the three-view flag, held in one object that the window
// creates at start and passes by reference; and the procedures that clear
// and fill the lists.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "scheme/elenco_entita.h"
#include "scheme/elenco_fisso.h"
#include "scheme/entita.h"

namespace pianopre {

struct modello {
    modello() = default;
    // One model lasts for the whole run; a copy would be a second drawing.
    modello(const modello&) = delete;
    modello& operator=(const modello&) = delete;

    elenco_entita lista_entita;
    elenco_layer lista_layer;  // used only while a DXF file is read
    elenco_punti lista_punti;  // filled by the .xyz reader
    std::string nome_disegno;  // default file name of the save commands
    bool salva_tre_viste = false;
};

// Empties the entity and layer lists (the control points stay).
void azzera_liste(modello& m);

void agg_entita(modello& m, const entita& e);

// a then b: the usual two-point segment (a with 21, b with 22 or 23).
void agg_coppia(modello& m, const entita& a, const entita& b);

// Error 9 at the 301st layer.
void agg_layer(modello& m, const voce_layer& voce);

// Empties the control points for a new .xyz load.
void azzera_punti(modello& m);

// Error 9 beyond 4500 points.
void agg_punto(modello& m, const punto_app& punto);

// Sorts the control points by the byte codes of their 15-character names
// (blanks included), keeping the order of equal names.
void ordina_punti(modello& m);

// Removes the control points numbered (from 1) in `numeri`; numbers outside
// the list and repeated numbers are ignored. The others keep their order.
void togli_punti(modello& m, std::span<const std::int32_t> numeri);

// Exchanges the axes of e for the shooting mode: 0 normal (no change), 1 zenith
// (y and z exchanged), 2 nadir (y := z, z := -y); any other code changes nothing.
void ruota_vista(std::int16_t codice_vista, entita& e);

}  // namespace pianopre
