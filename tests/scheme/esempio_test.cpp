// The full entity list of the first example plan, compared with a reviewed
// listing. Set PIANOPRE_SCRIVI_OUT=1 to write the current listing beside the
// reference as esempio1.out (it is also written on a mismatch); after review,
// move it over esempio1.txt.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "calc/presa.h"
#include "scheme/schema.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

const std::string cartella = std::string(PIANOPRE_TEST_DATA) + "/scheme/";

// Shortest text that reads back to the same value.
template <typename T>
std::string numero(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string elenco(const modello& m) {
    std::ostringstream out;
    std::int32_t n = 0;
    for (const entita& e : m.lista_entita.voci()) {
        out << ++n << ' ' << e.tipo << ' ' << e.colore << ' ' << e.attributi << " \""
            << e.nome.grezzo() << "\" " << numero(e.x) << ' ' << numero(e.y) << ' ' << numero(e.z)
            << ' ' << numero(e.altezza) << ' ' << numero(e.rotazione) << ' ' << e.riservato << '\n';
    }
    return out.str();
}

std::string leggi(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Esempio, PrimoPianoCompleto) {
    const dati_camera camera = prova::camera_esempio();
    dati_lavoro lavoro = prova::lavoro_esempio();
    dati_presa presa;
    calcola_presa(camera, lavoro, presa, 0);
    ASSERT_EQ(presa.num_foto, 9);
    ASSERT_EQ(presa.num_strisc, 1);
    ASSERT_NEAR(presa.incl, 2.59078, 1e-5);
    ASSERT_EQ(presa.base_presa, 6 * 0.4);

    lavoro.progetto = "Progetto:";
    lavoro.localita = "Localita':";
    modello m;
    azzera_liste(m);
    crea_schema(m, presa, lavoro, 0, 0, 0, formato_regionale::italiano());

    const std::string ottenuto = elenco(m);
    const std::string atteso = leggi(cartella + "esempio1.txt");
    if (ottenuto != atteso || std::getenv("PIANOPRE_SCRIVI_OUT") != nullptr) {
        std::ofstream(cartella + "esempio1.out", std::ios::binary) << ottenuto;
    }
    EXPECT_EQ(ottenuto, atteso) << "listing written to " << cartella << "esempio1.out";
}

}  // namespace
}  // namespace pianopre
