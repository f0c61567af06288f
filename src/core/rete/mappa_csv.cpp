// The map's grid written as CSV text and saved.
#include "rete/mappa_csv.h"

#include <charconv>

#include "base/file_testo.h"

namespace pianopre {

namespace {

void aggiungi(std::string& t, double x) {
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, x, std::chars_format::general, 7);
    t.append(testo, fine.ptr);
}

void aggiungi_sigma(std::string& t, float x) {
    t += ',';
    if (x >= 0) aggiungi(t, x);
}

}  // namespace

std::string testo_mappa_csv(const mappa_copertura& m) {
    std::string t =
        "lungo_m,altezza_m,immagini,angolo_gradi,sigma_lungo_mm,sigma_altezza_mm,"
        "sigma_profondita_mm\n";
    t.reserve(t.size() + m.celle.size() * 48);
    for (std::int32_t r = 0; r < m.righe; ++r) {
        for (std::int32_t c = 0; c < m.colonne; ++c) {
            const cella_mappa& k = m.cella(c, r);
            aggiungi(t, (c + 0.5) * m.cella_m);
            t += ',';
            aggiungi(t, (r + 0.5) * m.cella_m);
            t += ',';
            t += std::to_string(k.immagini);
            t += ',';
            aggiungi(t, k.angolo_gradi);
            aggiungi_sigma(t, k.sigma_lungo_mm);
            aggiungi_sigma(t, k.sigma_altezza_mm);
            aggiungi_sigma(t, k.sigma_profondita_mm);
            t += '\n';
        }
    }
    return t;
}

void salva_mappa_csv(const std::filesystem::path& percorso, const mappa_copertura& m) {
    scrivi_file_atomico(percorso, testo_mappa_csv(m));
}

}  // namespace pianopre
