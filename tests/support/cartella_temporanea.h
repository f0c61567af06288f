// A temporary folder of one test's own, removed with all it holds when the
// test is done: tests run in parallel processes.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace pianopre::prova {

class cartella_temporanea {
public:
    cartella_temporanea() {
        std::random_device caso;
        do {
            percorso_ = std::filesystem::temp_directory_path() /
                        ("pianopre-prova-" + std::to_string(caso()) + std::to_string(caso()));
        } while (!std::filesystem::create_directory(percorso_));
    }
    ~cartella_temporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;

    std::filesystem::path operator/(const std::filesystem::path& nome) const {
        return percorso_ / nome;
    }
    const std::filesystem::path& percorso() const { return percorso_; }
    operator const std::filesystem::path&() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

}  // namespace pianopre::prova
