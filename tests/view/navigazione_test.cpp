// Zoom, panning, arrow steps and centring of the scheme.
#include "view/navigazione.h"
#include "support/entita_prova.h"

#include <gtest/gtest.h>

#include "scheme/modello.h"

namespace pianopre {
namespace {

const finestra_vista esempio{0, 10, 16, -10};

void atteso(const std::optional<finestra_vista>& f, float l, float t, float w, float h) {
    ASSERT_TRUE(f);
    EXPECT_FLOAT_EQ(f->left, l);
    EXPECT_FLOAT_EQ(f->top, t);
    EXPECT_FLOAT_EQ(f->width, w);
    EXPECT_FLOAT_EQ(f->height, h);
}

TEST(Zoom, AvantiEIndietroAttornoAlCentro) {
    atteso(zoom_centro(esempio, 0.5), 4, 7.5f, 8, -5);
    atteso(zoom_centro(esempio, 2), -8, 15, 32, -20);
    const auto andata = zoom_centro(esempio, 0.5);
    atteso(zoom_centro(*andata, 2), 0, 10, 16, -10);
}

TEST(Zoom, RotellaTieneFermoIlPunto) {
    const auto f = zoom_punto(esempio, 0.5, 4, 6);
    ASSERT_TRUE(f);
    // (4, 6) was a quarter across and 40 % down; it stays there.
    EXPECT_FLOAT_EQ((4 - f->left) / f->width, 0.25f);
    EXPECT_FLOAT_EQ((6 - f->top) / f->height, 0.4f);
}

TEST(Zoom, LimitiIrraggiungibiliInPratica) {
    // Forty steps in from a 16 m window still work; a window narrower than its
    // coordinates can resolve, or beyond 32-bit reals, is refused.
    finestra_vista f = esempio;
    for (int i = 0; i < 20; ++i) f = *zoom_centro(f, 0.5);
    EXPECT_FALSE(zoom_centro({1e6f, 1e6f, 10, -10}, 1e-6));
    EXPECT_FALSE(zoom_centro({0, 0, 3e38f, -3e38f}, 2));
    EXPECT_FALSE(zoom_centro({0, 0, 0, 0}, 2));
    EXPECT_TRUE(zoom_centro({0, 0, 1e30f, -1e30f}, 2));
}

TEST(Trascinamento, IlDisegnoSegueIlMouse) {
    // Press at (2, 3), release at (5, 1).
    const finestra_vista f = trascina_vista(esempio, 3, -2);
    EXPECT_FLOAT_EQ(f.left, -3);
    EXPECT_FLOAT_EQ(f.top, 12);
    EXPECT_FLOAT_EQ(f.width, 16);
}

TEST(Frecce, UnDecimoDellaParteVisibile) {
    const passo_freccia su = passo_di(esempio, freccia::su);
    EXPECT_FLOAT_EQ(su.dx, 0);
    EXPECT_FLOAT_EQ(su.dy, 1);
    EXPECT_FLOAT_EQ(passo_di(esempio, freccia::giu).dy, -1);
    EXPECT_FLOAT_EQ(passo_di(esempio, freccia::sinistra).dx, -1.6f);
    EXPECT_FLOAT_EQ(passo_di(esempio, freccia::destra).dx, 1.6f);
}

entita in(double x, double y, double z, std::int16_t attributi) {
    return prova::punto_in(x, y, z, attributi);
}

TEST(CentraSchema, MarcateESchema) {
    elenco_entita l;
    l.azzera();
    EXPECT_EQ(centra_schema(l).y, -200);
    l.aggiungi(in(100, 200, 20, attr_relativo));
    l.aggiungi(in(120, 190, 30, attr_relativo));
    l.aggiungi(in(999, 999, 999, 0));  // neither group
    origine_schema o = centra_schema(l);
    EXPECT_DOUBLE_EQ(o.x, -110);
    EXPECT_DOUBLE_EQ(o.y, -200);
    EXPECT_DOUBLE_EQ(o.z, -25);
    l.aggiungi(in(0, 10, 0, attr_marcato));
    l.aggiungi(in(10, 20, 4, attr_marcato | attr_relativo));  // in both groups
    o = centra_schema(l);
    EXPECT_DOUBLE_EQ(o.x, 5 - 65);  // the scheme box now reaches x = 10
    EXPECT_DOUBLE_EQ(o.y, 15 - 200);
    EXPECT_DOUBLE_EQ(o.z, 2 - 17);
    // The entry origin plays no part: twice gives the same.
    EXPECT_DOUBLE_EQ(centra_schema(l).x, o.x);
}

TEST(CentraSchema, SoloMarcate) {
    elenco_entita l;
    l.azzera();
    l.aggiungi(in(10, 300, 6, attr_marcato));
    l.aggiungi(in(20, 320, 8, attr_marcato));
    const origine_schema o = centra_schema(l);
    EXPECT_DOUBLE_EQ(o.x, 15);
    EXPECT_DOUBLE_EQ(o.y, 110);
    EXPECT_DOUBLE_EQ(o.z, 7);
}

}  // namespace
}  // namespace pianopre
