// Precision estimates for the worked example, metric and not.
#include "calc/precisione.h"

#include <gtest/gtest.h>

#include "base/errori.h"
#include "calc/presa.h"
#include "support/errori_prova.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

struct esempio {
    dati_camera camera = prova::camera_esempio();
    dati_presa presa;
    esempio() { calcola_presa(camera, prova::lavoro_esempio(), presa, 0); }
};

TEST(Precisione, MassimaEStandardCameraMetrica) {
    const esempio e;
    const precisione_xz max = stima_precisione_max(e.presa, e.camera, true);
    EXPECT_FLOAT_EQ(max.x, 0.6093029f);
    EXPECT_FLOAT_EQ(max.z, 1.767767f);
    const precisione_xz std = stima_precisione_std(e.presa, e.camera, true);
    EXPECT_FLOAT_EQ(std.x, 1.25f);
    EXPECT_FLOAT_EQ(std.z, 14.00496f);
}

TEST(Precisione, CameraNonMetrica) {
    const esempio e;
    const precisione_xz max = stima_precisione_max(e.presa, e.camera, false);
    EXPECT_FLOAT_EQ(max.x, 10.6093f);
    EXPECT_FLOAT_EQ(max.z, 16.76777f);
    const precisione_xz std = stima_precisione_std(e.presa, e.camera, false);
    EXPECT_FLOAT_EQ(std.x, 11.25f);
    EXPECT_FLOAT_EQ(std.z, 29.00496f);
}

// The stored values are 32-bit reals, corrected after the narrowing.
TEST(Precisione, RestringimentoA32Bit) {
    const esempio e;
    const valori_xz pieni = precisione_max(e.presa, e.camera, 0.003);
    const precisione_xz max = stima_precisione_max(e.presa, e.camera, false);
    EXPECT_EQ(max.x, static_cast<float>(static_cast<double>(static_cast<float>(pieni.x)) + 10.0));
    EXPECT_NE(static_cast<double>(max.x), pieni.x + 10.0);
}

TEST(Precisione, BaseNegativaDaZNegativo) {
    esempio e;
    e.presa.base_presa = -1;
    const valori_xz max = precisione_max(e.presa, e.camera, 0.003);
    EXPECT_LT(max.z, 0);
    EXPECT_GT(max.x, 0);
}

TEST(Precisione, ValoriFuoriScalaDanno6) {
    esempio e;
    e.presa.dist_presa = 1e30;
    EXPECT_EQ(prova::numero_errore([&] { stima_precisione_max(e.presa, e.camera, true); }),
              err_overflow);
}

}  // namespace
}  // namespace pianopre
