// A temporary folder of one test's own: tests run in parallel processes.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace pianopre::prova {

inline std::filesystem::path cartella_unica(const std::string& prefisso) {
    std::random_device caso;
    const auto p = std::filesystem::temp_directory_path() /
                   (prefisso + "-" + std::to_string(caso()) + std::to_string(caso()));
    std::filesystem::create_directories(p);
    return p;
}

}  // namespace pianopre::prova
