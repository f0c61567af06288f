// Inside the job file's reader and writer: the JSON tree to the job's values,
// shared so that the writer refuses exactly what the reader would refuse.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "job/file_lavoro.h"

namespace pianopre::lavoro_json {

using json = nlohmann::ordered_json;

// The problem found in a tree, without the file's name.
struct problema {
    std::string testo;
};

// The values of `radice`; throws problema. `nome_file` names the file in the notices.
dati_file_lavoro dati_da_json(const json& radice, const std::filesystem::path& cartella,
                              const std::string& nome_file, std::vector<std::string>& avvisi);

// A path as read: relative ones against `cartella` when it is given.
std::filesystem::path percorso_letto(const std::string& testo,
                                     const std::filesystem::path& cartella);

// A path as written: relative with '/' when it lies beside or below `cartella`.
std::string percorso_scritto(const std::filesystem::path& p, const std::filesystem::path& cartella);

}  // namespace pianopre::lavoro_json
