// Whole text files: reading one with a size limit, and the atomic save that
// never leaves a half-written file in place of a good one. Failures carry the
// file and the problem in the user's language; the caller words the message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pianopre {

class errore_file : public std::runtime_error {
public:
    errore_file(std::filesystem::path file, std::string problema)
        : std::runtime_error(problema), file_(std::move(file)), problema_(std::move(problema)) {}

    const std::filesystem::path& file() const noexcept { return file_; }
    // "non esiste", "è troppo grande (oltre 1 MiB)", "la cartella non è scrivibile", ...
    const std::string& problema() const noexcept { return problema_; }

private:
    std::filesystem::path file_;
    std::string problema_;
};

// The bytes of the file at `percorso`; errore_file when it is missing, not a
// regular file, unreadable or over `massimo` bytes.
std::string leggi_file_testo(const std::filesystem::path& percorso, std::uintmax_t massimo);

// Writes `testo` to a temporary file beside the target (its folder created
// when missing), then renames it over the target, whose permissions it
// takes; a link gets the text in the file it points to. On any failure the
// previous file stays as it was, no temporary is left and errore_file names
// the target.
void scrivi_file_atomico(const std::filesystem::path& percorso, std::string_view testo);

// A name beside the target that no file has yet, for a temporary file; none
// when a hundred tries found every one taken.
std::optional<std::filesystem::path> nome_temporaneo_libero(
    const std::filesystem::path& destinazione);

}  // namespace pianopre
