// Arbitrary bytes through the job-file reader. A read either returns a job
// that the writer takes, whose text reads back to the same text, or fails
// with the reader's own message naming the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "job/file_lavoro.h"

namespace {

using namespace pianopre;

const std::string nome_file = "fuzz.pianopre";
const std::filesystem::path cartella = "/lavori/facciata";

bool messaggio_valido(const errore_file_lavoro& e) {
    return std::string_view(e.what()).starts_with("Errore: file \"" + nome_file + "\": ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    esito_lettura_lavoro esito;
    try {
        esito = leggi_testo_lavoro(testo, nome_file, cartella);
    } catch (const errore_file_lavoro& e) {
        if (!messaggio_valido(e)) std::abort();
        return 0;
    }
    try {
        const std::string scritto = testo_file_lavoro(esito.dati, cartella, nome_file);
        const auto riletto = leggi_testo_lavoro(scritto, nome_file, cartella);
        if (testo_file_lavoro(riletto.dati, cartella, nome_file) != scritto) std::abort();
        if (!riletto.avvisi.empty()) std::abort();
        caselle_da_file(riletto.dati);
    } catch (const errore_file_lavoro&) {
        std::abort();  // a job the reader accepted must be written and read back
    }
    return 0;
}
