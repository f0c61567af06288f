// The placement transform: the identity leaves points bit for bit, a placed
// scheme lands where a hand computation puts it, and the inverse goes back.
#include <gtest/gtest.h>

#include <cmath>

#include "site/collocazione.h"

namespace pianopre {
namespace {

TEST(Collocazione, IdentitaInGradiEInGon) {
    const punto3 p{123.456789012345, 187.1, 21.5};
    for (const collocazione& c :
         {collocazione{}, collocazione{100, 200, 20, 100, unita_angolo::gon}}) {
        const punto3 q = al_sito(c, p);
        EXPECT_EQ(q.x, p.x);
        EXPECT_EQ(q.y, p.y);
        EXPECT_EQ(q.z, p.z);
    }
}

// 0.6 m along a façade at 30 degrees and 10 m in front of it, 1.5 m up.
TEST(Collocazione, PuntoCalcolatoAMano) {
    const collocazione c{1000, 2000, 50, 30, unita_angolo::gradi};
    const punto3 q = al_sito(c, {100.6, 190, 21.5});
    EXPECT_NEAR(q.x, 1008.960254, 1e-6);
    EXPECT_NEAR(q.y, 1995.519615, 1e-6);
    EXPECT_DOUBLE_EQ(q.z, 51.5);
    const collocazione g{1000, 2000, 50, 30 * 200.0 / 180.0, unita_angolo::gon};
    EXPECT_NEAR(al_sito(g, {100.6, 190, 21.5}).x, q.x, 1e-9);
    for (const punto3 s : {q, punto3{-5e5, 4e6, -12}}) {
        const punto3 r = al_sito(c, dal_sito(c, s));
        EXPECT_NEAR(r.x, s.x, 1e-9 * std::max(1.0, std::abs(s.x)));
        EXPECT_NEAR(r.y, s.y, 1e-9 * std::max(1.0, std::abs(s.y)));
        EXPECT_NEAR(r.z, s.z, 1e-9);
    }
}

}  // namespace
}  // namespace pianopre
