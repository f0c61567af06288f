// Helpers of the exchange tests: the first example scheme, files in a
// private temporary folder, DXF texts built from their lines, and listing
// entities.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/errori.h"
#include "scheme/modello.h"
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

using prova::numero_errore;

// A folder of its own under the system's temporary folder, removed at the end.
class cartella_temporanea {
public:
    cartella_temporanea();
    ~cartella_temporanea();
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;
    std::filesystem::path operator/(std::string_view nome) const { return percorso_ / nome; }
    const std::filesystem::path& percorso() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

}  // namespace pianopre::prova
