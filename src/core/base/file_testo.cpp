// Reading a whole file and the atomic save through a temporary file.
#include "base/file_testo.h"

#include <fstream>
#include <random>
#include <sstream>

#include "base/segnaposti.h"
#include "base/traduzione.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

[[noreturn]] void fallisci(const fs::path& file, const std::string& problema) {
    throw errore_file(file, problema);
}

std::string testo_dimensione(std::uintmax_t byte) {
    constexpr std::uintmax_t mib = 1 << 20;
    if (byte % mib == 0) return std::to_string(byte / mib) + " MiB";
    return inserisci(traduci("file_testo", "%1 byte"), {std::to_string(byte)});
}

fs::path nome_temporaneo(const fs::path& destinazione) {
    if (auto t = nome_temporaneo_libero(destinazione)) return *t;
    fallisci(destinazione, traduci("file_testo", "non si trova un nome per il file temporaneo"));
}

// The file a link points to gets the text; the link stays.
fs::path destinazione_di(const fs::path& percorso) {
    std::error_code ec;
    if (!fs::is_symlink(percorso, ec)) return percorso;
    fs::path vera = fs::weakly_canonical(percorso, ec);
    if (ec) fallisci(percorso, traduci("file_testo", "il collegamento non porta a un file"));
    return vera;
}

void scrivi_e_sostituisci(const fs::path& temporaneo, const fs::path& destinazione,
                          std::string_view testo) {
    std::ofstream file(temporaneo, std::ios::binary | std::ios::trunc);
    if (!file) fallisci(destinazione, traduci("file_testo", "la cartella non è scrivibile"));
    file.write(testo.data(), static_cast<std::streamsize>(testo.size()));
    file.flush();
    file.close();
    if (file.fail()) fallisci(destinazione, traduci("file_testo", "la scrittura non è riuscita"));
    std::error_code ec;
    const fs::file_status stato = fs::status(destinazione, ec);
    if (fs::exists(stato)) fs::permissions(temporaneo, stato.permissions(), ec);
    fs::rename(temporaneo, destinazione, ec);
    if (ec) fallisci(destinazione, traduci("file_testo", "non si può sostituire"));
}

}  // namespace

std::string leggi_file_testo(const fs::path& percorso, std::uintmax_t massimo) {
    std::error_code ec;
    const fs::file_status stato = fs::status(percorso, ec);
    if (!fs::exists(stato)) fallisci(percorso, traduci("file_testo", "non esiste"));
    if (!fs::is_regular_file(stato)) fallisci(percorso, traduci("file_testo", "non è un file"));
    const std::uintmax_t dimensione = fs::file_size(percorso, ec);
    if (ec) fallisci(percorso, traduci("file_testo", "non si può leggere"));
    if (dimensione > massimo)
        fallisci(percorso, inserisci(traduci("file_testo", "è troppo grande (oltre %1)"),
                                     {testo_dimensione(massimo)}));
    std::ifstream file(percorso, std::ios::binary);
    if (!file) fallisci(percorso, traduci("file_testo", "non si può aprire"));
    std::ostringstream testo;
    testo << file.rdbuf();
    if (file.bad()) fallisci(percorso, traduci("file_testo", "non si può leggere"));
    return std::move(testo).str();
}

std::optional<fs::path> nome_temporaneo_libero(const fs::path& destinazione) {
    std::random_device caso;
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        fs::path t = destinazione;
        t += ".~" + std::to_string(caso() % 1'000'000) + ".tmp";
        std::error_code ec;
        if (!fs::exists(t, ec) && !ec) return t;
    }
    return std::nullopt;
}

void scrivi_file_atomico(const fs::path& percorso, std::string_view testo) {
    const fs::path destinazione = destinazione_di(percorso);
    std::error_code ec;
    if (destinazione.has_parent_path()) fs::create_directories(destinazione.parent_path(), ec);
    if (ec) fallisci(destinazione, traduci("file_testo", "la cartella non si può creare"));
    if (fs::is_directory(destinazione, ec))
        fallisci(destinazione, traduci("file_testo", "è una cartella"));
    const fs::path temporaneo = nome_temporaneo(destinazione);
    try {
        scrivi_e_sostituisci(temporaneo, destinazione, testo);
    } catch (...) {
        fs::remove(temporaneo, ec);
        throw;
    }
}

}  // namespace pianopre
