// Helpers of the exchange tests: the fixtures' folder, whole files written,
// DXF texts built from their lines, and listing entities; with the shared
// example, error number, file reading and temporary folder of tests/support.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/errori.h"
#include "scheme/modello.h"
#include "support/cartella_temporanea.h"
#include "support/errori_prova.h"
#include "support/esempio.h"
#include "support/leggi_file.h"

namespace pianopre::prova {

// The folder of the exchange fixtures.
std::string dati(std::string_view nome);

// Writes the bytes as the whole file.
void scrivi_tutto(const std::filesystem::path& percorso, std::string_view byte);

// Lines joined with line_end, the last one ended too.
std::string righe(std::initializer_list<std::string_view> righe, std::string_view fine = "\r\n");

// A DXF text: an empty LAYER table, then ENTITIES holding the given groups.
std::string dxf_entita(std::initializer_list<std::string_view> gruppi);

// The lines of a text split at LF, with the CR before it removed.
std::vector<std::string> dividi(std::string_view testo);

// One line per entity: "tipo colore [nome] x y z altezza rotazione attributi".
std::string elenca(const modello& m);

}  // namespace pianopre::prova
