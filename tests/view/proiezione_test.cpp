// Placement, projection and fitting of the view window; font sizes of texts.
#include "view/proiezione.h"
#include "support/entita_prova.h"

#include <gtest/gtest.h>

#include "scheme/modello.h"

namespace pianopre {
namespace {

const double q_progetto = 9375.0 / 6375.0;  // the picture area as the window lays it out

using prova::punto_in;

elenco_entita lista_di(std::initializer_list<entita> voci) {
    elenco_entita l;
    l.azzera();
    for (const auto& e : voci) l.aggiungi(e);
    return l;
}

TEST(AssoCord, VettoriUnitari) {
    struct caso {
        float x, y, z, u, v;
    } casi[] = {{1, 0, 0, 0.70711f, 0.5f}, {0, 1, 0, -0.70711f, 0.5f}, {0, 0, 1, 0, -0.70711f}};
    for (const auto& c : casi) {
        float x = c.x, y = c.y, z = c.z;
        asso_cord(x, y, z);
        EXPECT_NEAR(x, c.u, 1e-5) << c.x << c.y << c.z;
        EXPECT_NEAR(y, c.v, 1e-5) << c.x << c.y << c.z;
    }
}

TEST(Proiezione, OrigineSoloPerLeEntitaRelative) {
    const origine_schema o{10, 20, 30};
    const punto3 relativa = posizione_piazzata(punto_in(1, 2, 3, attr_relativo), o);
    EXPECT_EQ(relativa.x, 11);
    EXPECT_EQ(relativa.y, 22);
    EXPECT_EQ(relativa.z, 33);
    const punto3 fissa = posizione_piazzata(punto_in(1, 2, 3, attr_marcato), o);
    EXPECT_EQ(fissa.x, 1);
    EXPECT_EQ(fissa.z, 3);
    const punto_uv fronte = proietta(tipo_vista::fronte, {1, 2, 3});
    EXPECT_EQ(fronte.u, 1);
    EXPECT_EQ(fronte.v, 3);
    const punto_uv pianta = proietta(tipo_vista::pianta, {1, 2, 3});
    EXPECT_EQ(pianta.v, 2);
}

TEST(RappoProp, ListaVuota) {
    const auto f = rappo_prop(lista_di({}), {}, false, false, q_progetto);
    ASSERT_TRUE(f);
    EXPECT_FLOAT_EQ(f->left, -0.45454545f);
    EXPECT_FLOAT_EQ(f->top, 10.454545f);
    EXPECT_FLOAT_EQ(f->width, 16.042781f);
    EXPECT_FLOAT_EQ(f->height, -10.909091f);
}

TEST(RappoProp, SpazioInPiuADestraOInAlto) {
    // Wider than the picture: x range kept, height gained upward.
    const auto larga = rappo_prop(lista_di({punto_in(0, 0, 0), punto_in(100, 10, 0)}), {}, false,
                                  false, q_progetto);
    ASSERT_TRUE(larga);
    const double m = 100.0 / 22.0;
    EXPECT_FLOAT_EQ(larga->left, static_cast<float>(-m));
    EXPECT_FLOAT_EQ(larga->width, static_cast<float>(100 + 2 * m));
    EXPECT_FLOAT_EQ(larga->top, static_cast<float>(-m + (100 + 2 * m) / q_progetto));
    // Narrower: y range kept, width gained to the right.
    const auto stretta = rappo_prop(lista_di({punto_in(0, 0, 0), punto_in(22, 100, 0)}), {}, false,
                                    false, q_progetto);
    ASSERT_TRUE(stretta);
    EXPECT_FLOAT_EQ(stretta->top, 101.0f);
    EXPECT_FLOAT_EQ(stretta->height, -102.0f);
    EXPECT_FLOAT_EQ(stretta->left, -1.0f);
    EXPECT_FLOAT_EQ(stretta->width, static_cast<float>(102 * q_progetto));
}

TEST(RappoProp, ColonnaVerticaleSenzaMargine) {
    const auto f =
        rappo_prop(lista_di({punto_in(5, 0, 0), punto_in(5, 30, 0)}), {}, false, false, q_progetto);
    ASSERT_TRUE(f);
    EXPECT_FLOAT_EQ(f->left, 5);
    EXPECT_FLOAT_EQ(f->top, 30);
    EXPECT_FLOAT_EQ(f->height, -30);
    EXPECT_FLOAT_EQ(f->width, static_cast<float>(30 * q_progetto));
}

TEST(RappoProp, FronteUsaLeQuote) {
    // All at z = 0: the vertical extent is -m..m before its top is raised.
    const auto f = rappo_prop(lista_di({punto_in(0, 50, 0), punto_in(44, -50, 0)}), {}, true, false,
                              q_progetto);
    ASSERT_TRUE(f);
    EXPECT_FLOAT_EQ(f->left, -2);
    EXPECT_FLOAT_EQ(f->width, 48);
    EXPECT_FLOAT_EQ(f->height, static_cast<float>(-48 / q_progetto));
    EXPECT_FLOAT_EQ(f->top, static_cast<float>(-2 + 48 / q_progetto));
}

TEST(RappoProp, OrigineEAssonometria) {
    const auto spostata = rappo_prop(
        lista_di({punto_in(0, 0, 0, attr_relativo), punto_in(22, 100, 0, attr_relativo)}),
        {1000, 0, 0}, false, false, q_progetto);
    ASSERT_TRUE(spostata);
    EXPECT_FLOAT_EQ(spostata->left, 999);
    // Axonometric extents are those of the projected points.
    const auto asso =
        rappo_prop(lista_di({punto_in(0, 0, 0), punto_in(0, 0, 10)}), {}, false, true, q_progetto);
    ASSERT_TRUE(asso);
    EXPECT_NEAR(asso->top, 0 + 0.0, 1e-6);  // z up is drawn downward: the top is the origin
}

TEST(RappoProp, CasiLimite) {
    // A single point: the empty drawing's box around it, no division by zero.
    const auto punto = rappo_prop(lista_di({punto_in(50, 60, 70)}), {}, false, false, q_progetto);
    ASSERT_TRUE(punto);
    EXPECT_FLOAT_EQ(punto->left, 45 - 10.0f / 22);
    EXPECT_FLOAT_EQ(punto->height, -(10 + 20.0f / 22));
    // Values beyond 32-bit reals keep the caller's window.
    EXPECT_FALSE(rappo_prop(lista_di({punto_in(-1e300, 0, 0), punto_in(1e300, 0, 0)}), {}, false,
                            false, q_progetto));
}

TEST(DimCarattere, DimensioniEAltezzeDeiTesti) {
    EXPECT_EQ(dim_carattere(1, 0.01f), 10);       // t = 9.448...
    EXPECT_EQ(dim_carattere(100, 0.001f), 2160);  // capped
    EXPECT_EQ(dim_carattere(1, 0), 2160);
    // The size is t + 0.5 taken to the nearest whole number.
    const float k = 72 / (300 * 2.54f);  // t = h
    EXPECT_EQ(dim_carattere(15.1f, k), 16);
    EXPECT_EQ(dim_carattere(14.2f, k), 15);
    EXPECT_EQ(dim_carattere(13.9f, k), 14);
}

TEST(FontRuotato, AltezzaEdEscapement) {
    struct caso {
        float altezza, angolo;
        int cella, escapement;
    } casi[] = {{0.4f, 90, 0, 900}, {2.5f, 12.34f, 2, 123}, {3.5f, -45, 4, -450}, {0, 0, 0, 0}};
    for (const auto& c : casi) {
        const richiesta_font r = font_ruotato(c.altezza, c.angolo);
        EXPECT_EQ(r.altezza, c.cella) << c.altezza;
        EXPECT_EQ(r.escapement, c.escapement) << c.angolo;
    }
}

}  // namespace
}  // namespace pianopre
