// Opening, reading and saving the exchange files as whole operations for the
// commands: the file is opened, read or written and closed within one call,
// and a save replaces the target only once the new file is complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

#include "base/errori.h"
#include "base/flusso_avanzamento.h"
#include "exchange/dxf_lettura.h"
#include "exchange/xyz_lettura.h"
#include "scheme/elenco_entita.h"
#include "scheme/modello.h"

namespace pianopre {

// Opens a regular file for reading as bytes: error 53 when it does not exist,
// 75 when it is not a regular file or cannot be opened.
std::ifstream apri_lettura(const std::filesystem::path& percorso);

// Writes the drawing to percorso through a temporary file beside it, then puts
// it in place of the target; on any failure the target is left as it was and
// the temporary file removed. Error 75 when the target or its folder cannot be
// written, 6 when a placed coordinate overflows.
void salva_file_dxf(const std::filesystem::path& percorso, const elenco_entita& lista, double ox,
                    double oy, double oz);

// Opens percorso and reads it with leggi_dxf into the lists, which the caller
// has emptied.
esito_dxf leggi_file_dxf(const std::filesystem::path& percorso, modello& m);

// The same, telling `rapporto` how many bytes have been read (the file's size
// is in `dimensione_file`); when it answers false the read stops and nothing
// is returned, whatever was read so far being in m.
std::optional<esito_dxf> leggi_file_dxf(const std::filesystem::path& percorso, modello& m,
                                        const avanzamento& rapporto);

// The size of the file in bytes; 0 when it cannot be told.
std::int64_t dimensione_file(const std::filesystem::path& percorso);

// Opens percorso and loads its control points with leggi_xyz.
esito_xyz leggi_file_xyz(const std::filesystem::path& percorso, modello& m);

}  // namespace pianopre
