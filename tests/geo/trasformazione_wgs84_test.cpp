// Site coordinates to WGS 84: the projection's own fixed points, East before
// North whatever the system's axis order, heights untouched, a point PROJ
// cannot take beside good ones, refused systems, one object per thread.
#include "geo/trasformazione_wgs84.h"

#include <gtest/gtest.h>

#include <thread>

namespace pianopre {
namespace {

TEST(TrasformazioneWgs84, PuntiNotiEOrdineDegliAssi) {
    trasformazione_wgs84 utm33("EPSG:32633");
    EXPECT_EQ(utm33.sistema().nome, "WGS 84 / UTM zone 33N");
    const punto3 noti[] = {{500000, 0, 12.5}, {500000, 4500000, -3}, {300000, 5000000, 0}};
    const auto p = utm33.converti(noti);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(p[0].longitudine, 15, 1e-12);  // the central meridian at the false easting
    EXPECT_NEAR(p[0].latitudine, 0, 1e-12);
    EXPECT_NEAR(p[1].longitudine, 15, 1e-12);
    EXPECT_GT(p[1].latitudine, 40.6);
    EXPECT_LT(p[1].latitudine, 40.7);
    EXPECT_LT(p[2].longitudine, 15);  // west of the meridian
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(p[i].quota, noti[i].z);

    // EPSG:6707 lists North first, EPSG:7791 East first: the same site point
    // lands in the same place.
    trasformazione_wgs84 ne("EPSG:6707"), en("EPSG:7791");
    const punto3 sito[] = {{650000, 5030000, 40}};
    const auto a = ne.converti(sito), b = en.converti(sito);
    EXPECT_NEAR(a[0].longitudine, b[0].longitudine, 1e-12);
    EXPECT_NEAR(a[0].latitudine, b[0].latitudine, 1e-12);
    EXPECT_GT(a[0].longitudine, 10.5);  // East of 9°E by about 150 km, near 45°N
    EXPECT_NEAR(a[0].latitudine, 45.4, 0.1);
}

TEST(TrasformazioneWgs84, QuoteIntatteEPuntiNonTrasformabili) {
    // Monte Mario to WGS 84 shifts the datum: a height given to PROJ would move.
    trasformazione_wgs84 mm("Monte Mario / Italy zone 1");
    EXPECT_EQ(mm.sistema().codice, "EPSG:3003");
    const punto3 punti[] = {{1500000, 5000000, 100}, {1e30, 1e30, 7}, {1510000, 5010000, 250.25}};
    const auto p = mm.converti(punti);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_TRUE(p[0].valida());
    EXPECT_FALSE(p[1].valida());
    EXPECT_TRUE(p[2].valida());
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(p[i].quota, punti[i].z);
    EXPECT_NEAR(p[0].longitudine, 9, 0.01);  // zone 1's central meridian
    EXPECT_TRUE(mm.converti({}).empty());
    // The object moves with its PROJ context; the one left behind knows no position.
    trasformazione_wgs84 spostata = std::move(mm);
    EXPECT_EQ(spostata.converti(punti)[0].longitudine, p[0].longitudine);
    EXPECT_FALSE(mm.converti(punti)[0].valida());  // NOLINT(bugprone-use-after-move)
}

TEST(TrasformazioneWgs84, SistemiRifiutati) {
    const std::pair<const char*, const char*> casi[] = {
        {"", "Le esportazioni per mappe e droni richiedono un sistema di riferimento."},
        {"EPSG:4326", "Errore: EPSG:4326 (WGS 84) è un sistema geografico"},
        {"EPSG:2263", "Errore: EPSG:2263"},
        {"EPSG:999999", "Errore: \"EPSG:999999\""},
    };
    for (const auto& [sistema, messaggio] : casi) {
        try {
            trasformazione_wgs84 t(sistema);
            ADD_FAILURE() << sistema;
        } catch (const errore_sistema& e) {
            EXPECT_EQ(std::string(e.what()).rfind(messaggio, 0), 0u) << e.what();
        }
    }
}

TEST(TrasformazioneWgs84, UnOggettoPerFilo) {
    std::vector<punto3> punti;
    for (int i = 0; i < 2000; ++i) punti.push_back({400000.0 + i, 4600000.0 + 2 * i, 0});
    const auto attesi = trasformazione_wgs84("EPSG:32633").converti(punti);
    std::vector<posizione_wgs84> uno, due;
    std::thread a([&] { uno = trasformazione_wgs84("EPSG:32633").converti(punti); });
    std::thread b([&] { due = trasformazione_wgs84("EPSG:32633").converti(punti); });
    a.join();
    b.join();
    ASSERT_EQ(uno.size(), attesi.size());
    ASSERT_EQ(due.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        EXPECT_EQ(uno[i].latitudine, attesi[i].latitudine);
        EXPECT_EQ(due[i].longitudine, attesi[i].longitudine);
    }
}

}  // namespace
}  // namespace pianopre
