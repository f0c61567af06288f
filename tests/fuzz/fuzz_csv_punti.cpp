// Arbitrary bytes through the CSV/TXT control-point reader, with the guessed
// separator and with every separator in both column orders. Every line is
// accounted for once (blank, header, point or bad line, in increasing order);
// points hold finite coordinates and never exceed the limit; the two orders
// read the same lines, with East and North exchanged; and reading only the
// first lines gives the first points of the whole read.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/csv_punti.h"

namespace {

using namespace pianopre;

constexpr std::size_t massimo = 50;

void verifica(const esito_punti& e) {
    if (e.punti.size() > massimo || e.n_errate < static_cast<std::int64_t>(e.errate.size()))
        std::abort();
    std::int64_t ultima = 0;
    for (const riga_punto& p : e.punti) {
        if (p.riga <= ultima || p.riga > e.righe) std::abort();
        if (!std::isfinite(p.punto.x) || !std::isfinite(p.punto.y) || !std::isfinite(p.punto.z))
            std::abort();
        ultima = p.riga;
    }
    ultima = 0;
    for (const riga_errata& r : e.errate) {
        if (r.riga <= ultima || r.riga > e.righe || r.testo.size() > 3 * 40) std::abort();
        ultima = r.riga;
    }
    if (static_cast<std::int64_t>(e.punti.size()) + e.n_errate + (e.testata ? 1 : 0) > e.righe)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    const separatore_campi indovinato = indovina_separatore(testo);
    for (const separatore_campi s :
         {indovinato, separatore_campi::virgola, separatore_campi::punto_e_virgola,
          separatore_campi::tabulazione, separatore_campi::spazi}) {
        const esito_punti a = leggi_punti_csv(testo, {ordine_colonne::pnezd, s}, massimo);
        const esito_punti b = leggi_punti_csv(testo, {ordine_colonne::penzd, s}, massimo);
        verifica(a);
        verifica(b);
        if (a.punti.size() != b.punti.size() || a.n_errate != b.n_errate || a.testata != b.testata)
            std::abort();
        for (std::size_t i = 0; i < a.punti.size(); ++i)
            if (a.punti[i].riga != b.punti[i].riga || a.punti[i].punto.x != b.punti[i].punto.y ||
                a.punti[i].punto.y != b.punti[i].punto.x)
                std::abort();
        if (a.punti.empty()) continue;
        const std::int64_t fino = a.punti.front().riga;
        const esito_punti inizio =
            leggi_punti_csv(testo, {ordine_colonne::pnezd, s}, massimo, fino);
        const punto_app& p = inizio.punti.empty() ? punto_app{} : inizio.punti[0].punto;
        const punto_app& q = a.punti[0].punto;
        if (inizio.punti.size() != 1 || !(p.nome == q.nome) || p.x != q.x || p.y != q.y ||
            p.z != q.z)
            std::abort();
    }
    return 0;
}
