// A whole file read as bytes, for tests that compare what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace pianopre::prova {

// Empty when the file cannot be opened.
inline std::string leggi_tutto(const std::filesystem::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace pianopre::prova
