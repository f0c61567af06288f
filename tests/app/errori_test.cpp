// Guarded arithmetic and its error numbers.
#include "base/errori.h"
#include "support/errori_prova.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <limits>

namespace pianopre {
namespace {

using prova::numero_errore;

TEST(Errori, Divisione) {
    EXPECT_EQ(dividi(1, 4), 0.25);
    EXPECT_EQ(numero_errore([] { dividi(1, 0); }), err_divisione);
    EXPECT_EQ(numero_errore([] { dividi(-1, -0.0); }), err_divisione);
    EXPECT_EQ(numero_errore([] { dividi(0, 0); }), err_overflow);
    EXPECT_EQ(numero_errore([] { dividi(DBL_MAX, 1e-10); }), err_overflow);
}

TEST(Errori, InteroA16BitConMetaAlPari) {
    const std::pair<double, int> casi[] = {{2.5, 2},         {3.5, 4},          {-2.5, -2},
                                           {0.5, 0},         {1.5, 2},          {2.4999, 2},
                                           {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [x, atteso] : casi) EXPECT_EQ(intero16(x), atteso) << x;
    for (double x : {32767.5, -32768.6, 1e10, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(numero_errore([x] { intero16(x); }), err_overflow) << x;
    }
    EXPECT_EQ(numero_errore([] { prodotto16(200, 200); }), err_overflow);
    EXPECT_EQ(numero_errore([] { somma16(32767, 1); }), err_overflow);
    EXPECT_EQ(prodotto16(-128, 256), -32768);
}

TEST(Errori, NumeriNonFinitiERestringimento) {
    EXPECT_EQ(numero_errore([] { finito(std::numeric_limits<double>::infinity()); }), err_overflow);
    EXPECT_EQ(numero_errore([] { finito(std::numeric_limits<double>::quiet_NaN()); }),
              err_overflow);
    EXPECT_EQ(singolo(1.25), 1.25f);
    EXPECT_EQ(numero_errore([] { singolo(1e39); }), err_overflow);
    EXPECT_EQ(numero_errore([] { singolo(-1e39); }), err_overflow);
}

}  // namespace
}  // namespace pianopre
