// Whole-file operations of the exchange commands: open and read, and the
// safe save that never leaves a half-written drawing in place of a good one.
#include "exchange/file_scambio.h"

#include <random>

#include "exchange/dxf_scrittura.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

// A name beside the target that no file has yet.
fs::path nome_temporaneo(const fs::path& destinazione) {
    std::random_device caso;
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        fs::path t = destinazione;
        t += ".~" + std::to_string(caso() % 1'000'000) + ".tmp";
        std::error_code ec;
        if (!fs::exists(t, ec) && !ec) return t;
    }
    throw errore(err_accesso_file);
}

// The file a link points to gets the drawing, the link stays.
fs::path destinazione_di(const fs::path& percorso) {
    std::error_code ec;
    if (!fs::is_symlink(percorso, ec)) return percorso;
    fs::path vera = fs::weakly_canonical(percorso, ec);
    if (ec) throw errore(err_accesso_file);
    return vera;
}

// An existing target must be a file we may write: the older program could
// not overwrite a read-only file either.
void verifica_scrivibile(const fs::path& destinazione) {
    std::error_code ec;
    const fs::file_status stato = fs::status(destinazione, ec);
    if (!fs::exists(stato)) return;
    if (!fs::is_regular_file(stato)) throw errore(err_accesso_file);
    std::ofstream prova(destinazione, std::ios::binary | std::ios::app);
    if (!prova) throw errore(err_accesso_file);
}

void scrivi_e_sostituisci(const fs::path& temporaneo, const fs::path& destinazione,
                          const elenco_entita& lista, double ox, double oy, double oz) {
    std::ofstream file(temporaneo, std::ios::binary | std::ios::trunc);
    if (!file) throw errore(err_accesso_file);
    salva_dxf(file, lista, ox, oy, oz);
    file.close();
    if (file.fail()) throw errore(err_accesso_file);
    std::error_code ec;
    const fs::file_status stato = fs::status(destinazione, ec);
    if (fs::exists(stato)) fs::permissions(temporaneo, stato.permissions(), ec);
    fs::rename(temporaneo, destinazione, ec);
    if (ec) throw errore(err_accesso_file);
}

}  // namespace

std::ifstream apri_lettura(const fs::path& percorso) {
    std::error_code ec;
    const fs::file_status stato = fs::status(percorso, ec);
    if (!fs::exists(stato)) throw errore(err_file_non_trovato);
    if (!fs::is_regular_file(stato)) throw errore(err_accesso_file);
    std::ifstream file(percorso, std::ios::binary);
    if (!file) throw errore(err_accesso_file);
    return file;
}

void salva_file_dxf(const fs::path& percorso, const elenco_entita& lista, double ox, double oy,
                    double oz) {
    const fs::path destinazione = destinazione_di(percorso);
    verifica_scrivibile(destinazione);
    const fs::path temporaneo = nome_temporaneo(destinazione);
    try {
        scrivi_e_sostituisci(temporaneo, destinazione, lista, ox, oy, oz);
    } catch (...) {
        std::error_code ec;
        fs::remove(temporaneo, ec);
        throw;
    }
}

esito_dxf leggi_file_dxf(const fs::path& percorso, modello& m) {
    std::ifstream file = apri_lettura(percorso);
    return leggi_dxf(m, file);
}

esito_xyz leggi_file_xyz(const fs::path& percorso, modello& m) {
    std::ifstream file = apri_lettura(percorso);
    return leggi_xyz(m, file);
}

}  // namespace pianopre
