// Whole-file operations of the exchange commands: open and read, and the
// safe save that never leaves a half-written drawing in place of a good one.
#include "exchange/file_scambio.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <string>

#include "base/file_testo.h"
#include "exchange/dxf_scrittura.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

fs::path nome_temporaneo(const fs::path& destinazione) {
    if (auto t = nome_temporaneo_libero(destinazione)) return *t;
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

namespace {

// The entity list is sized from the file before reading, so that its storage
// never moves (and is never held twice) while a large drawing fills it. The
// program's own style and release 12 files hold about one entity per 100
// bytes; later releases, with polyline vertices and curves cut into chords,
// up to one per 9 (one per 6 in binary files, whose numbers take 8 bytes);
// the divisors below leave a tenth or so of margin over those densities.
// Memory reserved and never filled costs no pages.
std::int64_t stima_entita(std::istream& file, std::int64_t byte) {
    std::string inizio(std::min<std::int64_t>(byte, 1 << 16), '\0');
    file.read(inizio.data(), static_cast<std::streamsize>(inizio.size()));
    inizio.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    file.clear();
    file.seekg(0);
    const bool recente = inizio.find("$ACADVER") != std::string::npos &&
                         inizio.find("AC1009") == std::string::npos &&
                         inizio.find("AC1006") == std::string::npos;
    const bool binario = inizio.rfind("AutoCAD Binary DXF", 0) == 0;
    return byte / (!recente ? 90 : binario ? 5 : 8) + elenco_entita::passo;
}

}  // namespace

std::int64_t dimensione_file(const fs::path& percorso) {
    std::error_code ec;
    const auto n = fs::file_size(percorso, ec);
    return ec ? 0 : static_cast<std::int64_t>(n);
}

esito_dxf leggi_file_dxf(const fs::path& percorso, modello& m) {
    std::ifstream file = apri_lettura(percorso);
    m.lista_entita.riserva(m.lista_entita.n_entita() +
                           stima_entita(file, dimensione_file(percorso)));
    return leggi_dxf(m, file);
}

std::optional<esito_dxf> leggi_file_dxf(const fs::path& percorso, modello& m,
                                        const avanzamento& rapporto) {
    std::ifstream file = apri_lettura(percorso);
    m.lista_entita.riserva(m.lista_entita.n_entita() +
                           stima_entita(file, dimensione_file(percorso)));
    flusso_avanzamento flusso(*file.rdbuf(), rapporto);
    std::istream in(&flusso);
    try {
        esito_dxf esito = leggi_dxf(m, in);
        if (flusso.interrotto()) return std::nullopt;
        return esito;
    } catch (const errore&) {
        if (flusso.interrotto()) return std::nullopt;  // the stop cut the file short
        throw;
    }
}

esito_xyz leggi_file_xyz(const fs::path& percorso, modello& m) {
    std::ifstream file = apri_lettura(percorso);
    return leggi_xyz(m, file);
}

}  // namespace pianopre
