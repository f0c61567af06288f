// Views, zoom, centring, arrows and the mouse in the real window.
#include <gtest/gtest.h>

#include "support/banco_finestra.h"

namespace pianopre {
namespace {

void finestra_uguale(const finestra_vista& f, float l, float t, float w, float h) {
    EXPECT_FLOAT_EQ(f.left, l);
    EXPECT_FLOAT_EQ(f.top, t);
    EXPECT_FLOAT_EQ(f.width, w);
    EXPECT_FLOAT_EQ(f.height, h);
}

void trascina(banco_finestra& b, double x0, double y0, double x1, double y1,
              int pulsante = Qt::LeftButton) {
    emit b.c.area->premuto(x0, y0, pulsante);
    emit b.c.area->rilasciato(x1, y1, pulsante);
}

TEST(Viste, FronteEAssonometriaSiEscludono) {
    banco_finestra b;
    b.clic(b.c.assonometrica);
    EXPECT_EQ(b.finestra.modo_vista(), tipo_vista::assonometrica);
    b.clic(b.c.fronte);
    EXPECT_TRUE(b.c.fronte->isChecked());
    EXPECT_FALSE(b.c.assonometrica->isChecked());
    EXPECT_EQ(b.finestra.modo_vista(), tipo_vista::fronte);
    b.clic(b.c.assonometrica);
    EXPECT_TRUE(b.c.assonometrica->isChecked());
    EXPECT_FALSE(b.c.fronte->isChecked());
    b.clic(b.c.assonometrica);
    EXPECT_FALSE(b.c.assonometrica->isChecked());
    EXPECT_EQ(b.finestra.modo_vista(), tipo_vista::pianta);
}

TEST(Viste, RidisegnaRiadatta) {
    banco_finestra b;
    b.clic(b.c.ridisegna);
    finestra_uguale(b.c.area->scala(), -10.0f / 22, 10 + 10.0f / 22, 16.042781f, -10.909091f);
}

TEST(Zoom, PiuEMenoConIlBeep) {
    banco_finestra b;
    b.c.area->imposta_scala({0, 10, 16, -10});
    b.clic(b.c.zoom_avanti);
    finestra_uguale(b.c.area->scala(), 4, 7.5f, 8, -5);
    b.clic(b.c.zoom_indietro);
    finestra_uguale(b.c.area->scala(), 0, 10, 16, -10);
    b.clic(b.c.zoom_indietro);
    finestra_uguale(b.c.area->scala(), -8, 15, 32, -20);
    EXPECT_EQ(b.servizi.eventi, QStringList({"beep", "beep", "beep"}));
    // A step that would make the window unusable is ignored, silently.
    b.c.area->imposta_scala({0, 0, 3e38f, -3e38f});
    b.clic(b.c.zoom_indietro);
    EXPECT_FLOAT_EQ(b.c.area->scala().width, 3e38f);
    EXPECT_EQ(b.servizi.eventi.size(), 3);
}

TEST(Centra, SchemaCalcolatoSenzaPuntiMarcati) {
    banco_finestra b;
    b.esempio();
    b.calcola();
    b.clic(b.c.centra);
    const origine_schema attesa = centra_schema(b.m.lista_entita);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, attesa.x);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.y, -200);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.z, attesa.z);
    // The façade runs from x = 100 to 120 and the footprints reach beyond it;
    // after centring the scheme straddles x = 0.
    EXPECT_LT(b.lavoro.origine.x, -100);
    b.clic(b.c.centra);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, attesa.x);
}

TEST(Mouse, TrascinamentoSpostaLaVista) {
    banco_finestra b;
    b.c.area->imposta_scala({0, 10, 16, -10});
    trascina(b, 2, 3, 5, 1);
    finestra_uguale(b.c.area->scala(), -3, 12, 16, -10);
    EXPECT_EQ(b.servizi.eventi, QStringList({"beep"}));
    // A drag from the drawing point (0, 0) is a drag like any other.
    trascina(b, 0, 0, 1, 1);
    finestra_uguale(b.c.area->scala(), -4, 11, 16, -10);
    // The right button does nothing.
    trascina(b, 0, 0, 5, 5, Qt::RightButton);
    finestra_uguale(b.c.area->scala(), -4, 11, 16, -10);
    EXPECT_EQ(b.servizi.eventi.size(), 2);
}

TEST(Mouse, RilascioSenzaPressioneIgnorato) {
    banco_finestra b;
    b.c.area->imposta_scala({0, 10, 16, -10});
    emit b.c.area->rilasciato(5, 5, Qt::LeftButton);
    finestra_uguale(b.c.area->scala(), 0, 10, 16, -10);
    EXPECT_TRUE(b.servizi.eventi.isEmpty());
}

TEST(Mouse, SpostaSchemaSecondoLaVista) {
    banco_finestra b;
    b.c.sposta_schema->setChecked(true);
    trascina(b, 2, 3, 5, 1);  // plan: x and y
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, 3);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.y, -2);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.z, 0);
    b.c.fronte->setChecked(true);
    trascina(b, 2, 3, 5, 1);  // front: x and z
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, 6);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.y, -2);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.z, -2);
    b.c.fronte->setChecked(false);
    b.c.assonometrica->setChecked(true);
    trascina(b, 2, 3, 5, 1);  // axonometric: refused
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, 6);
    EXPECT_EQ(b.servizi.eventi, QStringList({"messaggio:Non valido nella vista assonometrica."}));
}

TEST(Frecce, UnDecimoDellaVistaODelloSchema) {
    banco_finestra b;
    b.c.area->imposta_scala({0, 10, 20, -10});
    b.clic(b.c.freccia_su);  // "^": the window goes up a tenth of its height
    finestra_uguale(b.c.area->scala(), 0, 11, 20, -10);
    b.clic(b.c.freccia_sinistra);  // "<"
    finestra_uguale(b.c.area->scala(), -2, 11, 20, -10);
    b.clic(b.c.freccia_destra);  // ">"
    b.clic(b.c.freccia_giu);     // "V"
    finestra_uguale(b.c.area->scala(), 0, 10, 20, -10);

    // The keys do what the buttons do, once the picture has the keyboard.
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    QTest::mouseClick(b.c.area, Qt::RightButton);
    ASSERT_TRUE(b.c.area->hasFocus());
    QTest::keyClick(b.c.area, Qt::Key_Up);
    QTest::keyClick(b.c.area, Qt::Key_Left);
    finestra_uguale(b.c.area->scala(), -2, 11, 20, -10);
    QTest::keyClick(b.c.area, Qt::Key_Right);
    QTest::keyClick(b.c.area, Qt::Key_Down);
    finestra_uguale(b.c.area->scala(), 0, 10, 20, -10);

    b.c.sposta_schema->setChecked(true);
    b.clic(b.c.freccia_su);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.y, 1);
    b.clic(b.c.freccia_destra);
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, 2);
    finestra_uguale(b.c.area->scala(), 0, 10, 20, -10);
}

TEST(Mouse, RotellaIngrandisceAttornoAlCursore) {
    banco_finestra b;
    b.c.area->imposta_scala({0, 10, 16, -10});
    emit b.c.area->rotella(4, 6, 1);
    const finestra_vista f = b.c.area->scala();
    EXPECT_FLOAT_EQ(f.width, 8);
    EXPECT_FLOAT_EQ((4 - f.left) / f.width, 0.25f);
    emit b.c.area->rotella(4, 6, -1);
    finestra_uguale(b.c.area->scala(), 0, 10, 16, -10);
}

// Real mouse events arrive in drawing units through the picture's scale.
TEST(Mouse, EventiRealiInCoordinateDelDisegno) {
    banco_finestra b;
    b.finestra.show();
    b.c.area->imposta_scala({0, 42.3f, 62.3f, -42.3f});  // ten pixels a unit
    QTest::mousePress(b.c.area, Qt::LeftButton, {}, QPoint(101, 101));
    QTest::mouseRelease(b.c.area, Qt::LeftButton, {}, QPoint(131, 121));
    EXPECT_NEAR(b.finestra.mouse().x_premuto, 10, 1e-4);
    EXPECT_NEAR(b.finestra.mouse().y_premuto, 32.3, 1e-4);
    EXPECT_NEAR(b.finestra.mouse().x_rilascio, 13, 1e-4);
    EXPECT_NEAR(b.finestra.mouse().y_rilascio, 30.3, 1e-4);
}

}  // namespace
}  // namespace pianopre
