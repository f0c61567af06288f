// The camera list on disk: reading a whole file, and the atomic save that
// never leaves a half-written list in place of a good one.
#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/traduzione.h"
#include "job/fotocamere.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

constexpr std::uintmax_t dimensione_massima = 1 << 20;

[[noreturn]] void fallisci(const errore_file& e) {
    throw errore_fotocamere(inserisci(traduci("lettura_json", "Errore: file \"%1\": %2."),
                                      {e.file().string(), e.problema()}));
}

}  // namespace

std::vector<voce_fotocamera> leggi_file_fotocamere(const fs::path& percorso) {
    std::string testo;
    try {
        testo = leggi_file_testo(percorso, dimensione_massima);
    } catch (const errore_file& e) {
        fallisci(e);
    }
    return leggi_fotocamere(testo, percorso.string());
}

void scrivi_file_fotocamere(const fs::path& percorso, const std::vector<voce_fotocamera>& voci) {
    const std::string testo = testo_fotocamere(voci, percorso.string());
    try {
        scrivi_file_atomico(percorso, testo);
    } catch (const errore_file& e) {
        fallisci(e);
    }
}

}  // namespace pianopre
