// The scheme as it stands on the site: a placed copy of an entity list for the
// picture and the DXF file, and the DXF save that writes it.
//
// Each entity lands at its position with the scheme origin added to those
// placed relative to it, then taken to the site; the copy holds absolute
// positions only. Texts turn with the scheme: `rotazione` counts degrees
// anticlockwise from the scheme's x axis, which the placement turns to
// 90° − azimuth from East, so that angle is added.
#pragma once

#include <filesystem>

#include "scheme/elenco_entita.h"
#include "site/collocazione.h"

namespace pianopre {

// Degrees anticlockwise from East of the scheme's x axis on the site: 0 for
// the identity.
double rotazione_collocazione(const collocazione& sito);

entita entita_collocata(const entita& e, const origine_schema& origine, const collocazione& sito);

// Empties `copia` and fills it with the placed entities of `lista`, in order.
// Error 6 when a placed coordinate is not finite.
void colloca_lista(const elenco_entita& lista, const origine_schema& origine,
                   const collocazione& sito, elenco_entita& copia);

// "Salva DXF": the identity writes exactly what salva_file_dxf writes with the
// origin; any other placement writes the placed copy. Errors as salva_file_dxf.
void salva_file_dxf_collocato(const std::filesystem::path& percorso, const elenco_entita& lista,
                              const origine_schema& origine, const collocazione& sito);

}  // namespace pianopre
