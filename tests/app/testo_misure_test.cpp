// The rounding rules of values shown to people: each kind with its places and
// unit, halves as written, no negative zero, both decimal marks.
#include <gtest/gtest.h>

#include "base/testo_misure.h"

namespace pianopre {
namespace {

struct caso_misura {
    double x;
    misura m;
    const char* italiano;
    const char* inglese;
};

TEST(TestoMisure, OgniRegola) {
    const caso_misura casi[] = {
        {75.48387096774194, misura::percento, "75,5 %", "75.5 %"},
        {60, misura::percento, "60,0 %", "60.0 %"},
        {5.714285714285714, misura::ingrandimento, "5,7", "5.7"},
        {10.434999, misura::metri, "10,43 m", "10.43 m"},
        {10.435, misura::metri, "10,44 m", "10.44 m"},
        {2.675, misura::metri, "2,68 m", "2.68 m"},
        {-0.004, misura::metri, "0,00 m", "0.00 m"},
        {-3.456, misura::metri, "-3,46 m", "-3.46 m"},
        {1234567.891, misura::metri, "1234567,89 m", "1234567.89 m"},
        {0.859123, misura::millimetri, "0,86 mm", "0.86 mm"},
        {0.005, misura::millimetri, "0,01 mm", "0.01 mm"},
        {3.7563131313, misura::micrometri, "3,76 µm", "3.76 µm"},
        {12.345, misura::gradi, "12,3°", "12.3°"},
        {4.1666666, misura::rapporto, "1:4,17", "1:4.17"},
        {4, misura::diaframma, "f/4", "f/4"},
        {5.6, misura::diaframma, "f/5,6", "f/5.6"},
        {10.96, misura::diaframma, "f/11", "f/11"},
    };
    for (const caso_misura& c : casi) {
        EXPECT_EQ(testo_misura(c.x, c.m, formato_regionale::italiano()), c.italiano) << c.x;
        EXPECT_EQ(testo_misura(c.x, c.m, formato_regionale::inglese()), c.inglese) << c.x;
    }
}

TEST(TestoMisure, NumeriFuoriDallaForma) {
    const formato_regionale it = formato_regionale::italiano();
    const struct {
        double x;
        int decimali;
        const char* atteso;
    } casi[] = {
        {0.5, 0, "1"},      {-0.5, 0, "-1"},     {1.005, 2, "1,01"},
        {1e20, 2, "1E+20"}, {-0.001, 2, "0,00"}, {3.14159, 12, "3,14159"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(testo_arrotondato(c.x, c.decimali, it), c.atteso) << c.x << " " << c.decimali;
}

TEST(TestoMisure, Coppie) {
    EXPECT_EQ(
        testo_coppia_misure(1.0162, 2.9459, misura::millimetri, formato_regionale::italiano()),
        "1,02 / 2,95 mm");
    EXPECT_EQ(testo_coppia_misure(10.6, 16.7, misura::millimetri, formato_regionale::inglese()),
              "10.60 / 16.70 mm");
}

}  // namespace
}  // namespace pianopre
