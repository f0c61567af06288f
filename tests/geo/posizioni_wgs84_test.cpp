// The positions of a placed job in WGS 84: every station, the façade's
// corners where the placement puts them, the control points by name, all
// as the transformation gives them one by one.
#include "job/posizioni_wgs84.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "job/stazioni_commessa.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

// The first example placed near (402000, 4640000) with one control point.
std::unique_ptr<commessa> collocata(const std::string& sistema) {
    auto lavoro = std::make_unique<commessa>();
    commessa& c = *lavoro;
    prova::calcola_esempio(c);
    c.sito = {402000, 4640000, 35, 30, unita_angolo::gradi, sistema};
    punto_app p;
    p.nome = "PF7";
    p.x = 402010;
    p.y = 4640005;
    p.z = 36.5;
    agg_punto(c.disegno, p);
    return lavoro;
}

TEST(PosizioniWgs84, StazioniAngoliEPunti) {
    for (const char* sistema : {"EPSG:32633", "EPSG:6707"}) {
        const auto lavoro = collocata(sistema);
        const commessa& c = *lavoro;
        const posizioni_commessa p = posizioni_wgs84(c);
        EXPECT_EQ(p.sistema.codice, sistema);
        trasformazione_wgs84 t(sistema);
        const auto uno = [&](const punto3& q) { return t.converti({&q, 1})[0]; };
        const auto uguali = [](const posizione_wgs84& a, const posizione_wgs84& b) {
            return a.latitudine == b.latitudine && a.longitudine == b.longitudine &&
                   a.quota == b.quota;
        };

        const auto stazioni = stazioni_commessa(c);
        ASSERT_EQ(p.stazioni.size(), stazioni.size());
        ASSERT_EQ(p.stazioni_wgs84.size(), stazioni.size());
        ASSERT_FALSE(stazioni.empty());
        for (std::size_t i = 0; i < stazioni.size(); ++i) {
            EXPECT_EQ(p.stazioni[i].nome, stazioni[i].nome);
            EXPECT_TRUE(uguali(p.stazioni_wgs84[i],
                               uno({stazioni[i].est, stazioni[i].nord, stazioni[i].quota})));
        }

        // A at the placement's corner, B the façade's width along the azimuth,
        // C and D the façade's height above them.
        ASSERT_EQ(p.facciata.size(), 4u);
        const char* nomi[] = {"A", "B", "C", "D"};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(p.facciata[i].nome, nomi[i]);
            EXPECT_TRUE(uguali(p.facciata[i].wgs84, uno(p.facciata[i].sito)));
        }
        const punto3 a = p.facciata[0].sito, b = p.facciata[1].sito, cc = p.facciata[2].sito;
        EXPECT_NEAR(a.x, 402000, 1e-9);
        EXPECT_NEAR(a.y, 4640000, 1e-9);
        EXPECT_NEAR(a.z, 35, 1e-9);
        EXPECT_NEAR(b.x - a.x, 20 * std::sin(30 * std::numbers::pi / 180), 1e-9);
        EXPECT_NEAR(b.y - a.y, 20 * std::cos(30 * std::numbers::pi / 180), 1e-9);
        EXPECT_NEAR(cc.z - b.z, 5, 1e-9);

        ASSERT_EQ(p.punti.size(), 1u);
        EXPECT_EQ(p.punti[0].nome, "PF7");
        EXPECT_TRUE(uguali(p.punti[0].wgs84, uno({402010, 4640005, 36.5})));
    }
}

TEST(PosizioniWgs84, SenzaSistemaOSenzaSchema) {
    EXPECT_THROW(posizioni_wgs84(*collocata("")), errore_sistema);
    EXPECT_THROW(posizioni_wgs84(*collocata("EPSG:4326")), errore_sistema);
    const auto lavoro = collocata("EPSG:32633");
    commessa& c = *lavoro;
    c.fase = fase_calcolo::piano;  // not built: nothing set out yet
    const posizioni_commessa p = posizioni_wgs84(c);
    EXPECT_TRUE(p.stazioni.empty());
    EXPECT_TRUE(p.facciata.empty());
    EXPECT_EQ(p.punti.size(), 1u);
}

}  // namespace
}  // namespace pianopre
