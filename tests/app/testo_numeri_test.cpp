// Text forms of numbers and their round trip through the number reader.
#include "base/testo_numeri.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/numeri.h"

namespace pianopre {
namespace {

const formato_regionale italiano = formato_regionale::italiano();
const formato_regionale inglese = formato_regionale::inglese();

TEST(TestoGenerale, FormaRegionale) {
    struct caso {
        double valore;
        const char* italiano;
        const char* inglese;
    } casi[] = {
        {6 * 0.4, "2,4", "2.4"},
        {60, "60", "60"},
        {9.865790271635426, "9,86579027163543", "9.86579027163543"},
        {0.912, "0,912", "0.912"},
        {-2.5, "-2,5", "-2.5"},
        {-0.0, "0", "0"},
        {100.0 / 3.0, "33,3333333333333", "33.3333333333333"},
        {12.5, "12,5", "12.5"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1e15, "1E+15", "1E+15"},
        {1.5e20, "1,5E+20", "1.5E+20"},
        {0.0001, "0,0001", "0.0001"},
        {0.00001, "1E-05", "1E-05"},
        {-1.25e-7, "-1,25E-07", "-1.25E-07"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(testo_generale(c.valore, italiano), c.italiano) << c.valore;
        EXPECT_EQ(testo_generale(c.valore, inglese), c.inglese) << c.valore;
    }
}

TEST(TestoPunto, FormaFissa) {
    EXPECT_EQ(testo_punto(0.6093029f), " .6093029");
    EXPECT_EQ(testo_punto(1.767767f), " 1.767767");
    EXPECT_EQ(testo_punto(-0.5f), "-.5");
    EXPECT_EQ(testo_punto(0.0f), " 0");
    EXPECT_EQ(testo_punto(-0.0f), " 0");
    EXPECT_EQ(testo_punto(100.0), " 100");
    EXPECT_EQ(testo_punto(6 * 0.4), " 2.4");
    EXPECT_EQ(testo_punto(-12.25), "-12.25");
    EXPECT_EQ(testo_punto(0.1), " .1");
    EXPECT_EQ(testo_punto(0.1f), " .1");
    EXPECT_EQ(testo_punto(102.59078), " 102.59078");
    EXPECT_EQ(testo_punto(1.5e20), " 1.5E+20");
    EXPECT_EQ(testo_punto(1e-5f), " 1E-05");
    EXPECT_EQ(testo_punto(123456789.0f), " 1.234568E+08");
}

TEST(TestoPunto, CoppiaDiPrecisione) {
    EXPECT_EQ(testo_coppia_precisione(0.6093029f, 1.767767f), " .609 /  1.76");
    EXPECT_EQ(testo_coppia_precisione(1.25f, 14.00496f), " 1.25 /  14.0");
    EXPECT_EQ(testo_coppia_precisione(10.6093f, 16.76777f), " 10.6 /  16.7");
    EXPECT_EQ(testo_coppia_precisione(2.0f, -3.5f), " 2 / -3.5");
}

// What the program writes into a box reads back as the same value on the next click.
TEST(TestoGenerale, RiletturaDaLeggiNumero) {
    const double valori[] = {
        2.4,      60,      9.865790271635426,  0.912, -2.5,  1e15, 1.5e20, 1e-5,
        -1.25e-7, 2.59078, 33.333333333333336, 1e300, 5e-300};
    for (const auto* f : {&italiano, &inglese}) {
        for (double v : valori) {
            const double letto = leggi_numero(testo_generale(v, *f), *f);
            EXPECT_NEAR(letto, v, std::fabs(v) * 1e-14) << testo_generale(v, *f);
        }
    }
}

}  // namespace
}  // namespace pianopre
