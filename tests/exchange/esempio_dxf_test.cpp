// The DXF of the first example scheme compared with a reviewed reference, and
// read back.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <sstream>

#include "exchange/dxf_lettura.h"
#include "exchange/dxf_scrittura.h"
#include "support/riferimento.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

using prova::dati;
using prova::dividi;

std::string scrivi(const modello& m, double ox = 0, double oy = 0, double oz = 0) {
    std::ostringstream out;
    salva_dxf(out, m.lista_entita, ox, oy, oz);
    return out.str();
}

TEST(EsempioDxf, UgualeAlRiferimento) {
    commessa c;
    prova::calcola_esempio(c);
    modello& m = c.disegno;
    EXPECT_TRUE(prova::uguale_al_riferimento(scrivi(m), "exchange/esempio1.dxf"));
}

// Read back: the same codes and coordinates, texts cleaned, colours from the layers.
TEST(EsempioDxf, RilettoComeLoSchema) {
    commessa c;
    prova::calcola_esempio(c);
    modello& scritto = c.disegno;
    const double ox = 3, oy = -4, oz = 0.5;
    std::istringstream in(scrivi(scritto, ox, oy, oz));
    modello letto;
    azzera_liste(letto);
    const esito_dxf esito = leggi_dxf(letto, in);
    EXPECT_FALSE(esito.manca_entita || esito.manca_layer);
    ASSERT_EQ(letto.lista_entita.n_entita(), scritto.lista_entita.n_entita());
    EXPECT_EQ(letto.lista_layer.n_layer(), 51);
    for (std::int32_t i = 1; i <= scritto.lista_entita.n_entita(); ++i) {
        entita e = scritto.lista_entita.voce(i);
        const entita& r = letto.lista_entita.voce(i);
        const double sposta = e.attributi & attr_relativo ? 1 : 0;
        EXPECT_EQ(r.tipo, e.tipo) << i;
        // The file holds 15 significant digits.
        EXPECT_NEAR(r.x, e.x + sposta * ox, 1e-12) << i;
        EXPECT_NEAR(r.y, e.y + sposta * oy, 1e-12) << i;
        EXPECT_NEAR(r.z, e.z + sposta * oz, 1e-12) << i;
        EXPECT_EQ(r.altezza, e.altezza) << i;
        EXPECT_EQ(r.attributi, 0) << i;
        pulisci_nome(e.nome);
        EXPECT_EQ(r.nome, e.nome) << i;
        // The layer table's colour; 0 for legend texts, whose layers it lacks
        // (but a legend value such as "20" lies on the frame layer "20").
        const std::string layer = nome_layer(e.nome);
        int numero = 0;
        std::from_chars(layer.data(), layer.data() + layer.size(), numero);
        std::int16_t colore = 0;
        if (layer == "FONDO") colore = 4;
        if (std::to_string(numero) == layer && numero >= 1 && numero <= 50)
            colore = numero % 2 ? 1 : 3;
        EXPECT_EQ(r.colore, colore) << i << " " << layer;
    }
}

// Read, write, read: the second file is the first one again.
TEST(EsempioDxf, ScritturaStabile) {
    commessa c;
    prova::calcola_esempio(c);
    modello& m = c.disegno;
    const std::string primo = scrivi(m, 1.25, 2, 3);
    std::istringstream in(primo);
    modello letto;
    azzera_liste(letto);
    leggi_dxf(letto, in);
    EXPECT_EQ(scrivi(letto, 100, 100, 100), primo);
}

}  // namespace
}  // namespace pianopre
