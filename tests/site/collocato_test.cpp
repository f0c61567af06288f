// The placed copy and "Salva DXF" of a placed scheme: the façade's corners of
// the first example on the site, texts turned with it, and the identity
// writing the same bytes as before.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "exchange/file_scambio.h"
#include "site/collocato.h"
#include "support/cartella_temporanea.h"
#include "support/esempio.h"
#include "support/leggi_file.h"

namespace fs = std::filesystem;

namespace pianopre {
namespace {

TEST(Collocato, IdentitaScriveGliStessiByte) {
    commessa c;
    prova::calcola_esempio(c);
    prova::cartella_temporanea cartella;
    const origine_schema o{3.25, -7, 1.5};
    salva_file_dxf(cartella / "oggi.dxf", c.disegno.lista_entita, o.x, o.y, o.z);
    const std::string oggi = prova::leggi_tutto(cartella / "oggi.dxf");
    for (const collocazione& sito :
         {collocazione{}, collocazione{100, 200, 20, 100, unita_angolo::gon}}) {
        salva_file_dxf_collocato(cartella / "coll.dxf", c.disegno.lista_entita, o, sito);
        EXPECT_EQ(prova::leggi_tutto(cartella / "coll.dxf"), oggi);
    }
}

// The façade of the example (20 x 5 m) from (1000, 2000, 50) at azimuth 30°.
TEST(Collocato, AngoliDellaFacciataNelDxf) {
    commessa c;
    prova::calcola_esempio(c);
    c.sito = {1000, 2000, 50, 30};
    prova::cartella_temporanea cartella;
    salva_file_dxf_collocato(cartella / "sito.dxf", c.disegno.lista_entita, {}, c.sito);
    modello letto;
    azzera_liste(letto);
    leggi_file_dxf(cartella / "sito.dxf", letto);
    const double s = std::sin(std::numbers::pi / 6), k = std::cos(std::numbers::pi / 6);
    const punto3 angoli[] = {{1000, 2000, 50},
                             {1000 + 20 * s, 2000 + 20 * k, 50},
                             {1000 + 20 * s, 2000 + 20 * k, 55},
                             {1000, 2000, 55}};
    for (std::int32_t i = 0; i < 4; ++i) {
        const entita& e = letto.lista_entita.voce(i + 1);
        EXPECT_EQ(e.nome.pulito(), "FONDO");
        EXPECT_NEAR(e.x, angoli[i].x, 1e-9);
        EXPECT_NEAR(e.y, angoli[i].y, 1e-9);
        EXPECT_NEAR(e.z, angoli[i].z, 1e-9);
    }
}

// Relative entities take the origin before the placement, legend texts do
// not; texts turn by 90° − azimuth, and the copy holds absolute positions.
TEST(Collocato, OrigineETesti) {
    const collocazione sito{1000, 2000, 50, 30};
    const origine_schema o{5, 0, 1};
    entita relativo;
    relativo.tipo = tipo_punto;
    relativo.x = 100;
    relativo.y = 200;
    relativo.z = 20;
    relativo.attributi = attr_relativo;
    entita legenda = relativo;
    legenda.tipo = tipo_testo;
    legenda.attributi = 0;
    legenda.rotazione = 350;
    elenco_entita lista, copia;
    lista.azzera();
    lista.aggiungi(relativo);
    lista.aggiungi(legenda);
    colloca_lista(lista, o, sito, copia);
    const entita& r = copia.voce(1);
    EXPECT_NEAR(r.x, 1000 + 5 * std::sin(std::numbers::pi / 6), 1e-9);
    EXPECT_NEAR(r.y, 2000 + 5 * std::cos(std::numbers::pi / 6), 1e-9);
    EXPECT_DOUBLE_EQ(r.z, 51);
    EXPECT_EQ(r.attributi & attr_relativo, 0);
    const entita& t = copia.voce(2);
    EXPECT_NEAR(t.x, 1000, 1e-9);
    EXPECT_NEAR(t.y, 2000, 1e-9);
    EXPECT_FLOAT_EQ(t.rotazione, 50);
    EXPECT_EQ(r.rotazione, 0);
    EXPECT_DOUBLE_EQ(rotazione_collocazione({0, 0, 0, 150, unita_angolo::gon}), 315);
}

}  // namespace
}  // namespace pianopre
