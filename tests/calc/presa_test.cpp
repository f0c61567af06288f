// The shooting plan: the worked example, its variations and the error causes.
#include "calc/presa.h"
#include "support/errori_prova.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/errori.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

struct dati {
    dati_camera camera = prova::camera_esempio();
    dati_lavoro lavoro = prova::lavoro_esempio();
    std::int16_t bloccata = 0;
    dati_presa calcola() const {
        dati_presa presa;
        calcola_presa(camera, lavoro, presa, bloccata);
        return presa;
    }
};

int numero_errore(const dati& d) {
    return prova::numero_errore([&] { d.calcola(); });
}

TEST(CalcolaPresa, EsempioCompleto) {
    const dati_presa p = dati{}.calcola();
    EXPECT_EQ(p.h_camera, 1.5);
    EXPECT_DOUBLE_EQ(p.scala_foto, 100);
    EXPECT_EQ(p.dist_presa, 10);
    EXPECT_DOUBLE_EQ(p.larg_cop, 6);
    EXPECT_DOUBLE_EQ(p.alt_cop, 6);
    EXPECT_DOUBLE_EQ(p.semi_alt, 3);
    EXPECT_EQ(p.sovrapp, 60);                   // 58.33 % raised to the minimum
    EXPECT_EQ(p.base_presa, p.larg_cop * 0.4);  // the computed 2.4, last bit included
    EXPECT_EQ(p.num_strisc, 1);
    EXPECT_NEAR(p.incl, 2.59078, 5e-6);
    EXPECT_EQ(p.num_foto, 9);
    EXPECT_DOUBLE_EQ(p.ingrand, 2);
}

TEST(CalcolaPresa, StrisciateEInclinazione) {
    struct caso {
        double alt_sogg;
        int strisce;
        bool inclinata;
        double foto;
    } casi[] = {
        {20, 4, false, 36},     // 44.9 degrees: 4.125 strips
        {4.4, 1, false, 9},     // within one untilted frame
        {10.25, 2, false, 18},  // 2.5 goes to the even 2
        {16.25, 4, false, 36},  // 3.5 goes to the even 4
        {5, 1, true, 9},
    };
    for (const auto& c : casi) {
        dati d;
        d.lavoro.alt_sogg = c.alt_sogg;
        const dati_presa p = d.calcola();
        EXPECT_EQ(p.num_strisc, c.strisce) << c.alt_sogg;
        EXPECT_EQ(p.incl != 0, c.inclinata) << c.alt_sogg;
        EXPECT_EQ(p.num_foto, c.foto) << c.alt_sogg;
    }
}

// At exactly the height of one untilted frame the two pi constants leave a tiny negative tilt.
TEST(CalcolaPresa, OggettoAltoQuantoIlFotogramma) {
    dati d;
    d.lavoro.alt_sogg = 4.5;
    const dati_presa p = d.calcola();
    EXPECT_EQ(p.num_strisc, 1);
    EXPECT_LT(p.incl, 0);
    EXPECT_NEAR(p.incl, -0.0000187, 1e-6);
}

TEST(CalcolaPresa, InclinazioneAbbandonataSeNonArrivaATerra) {
    dati d;
    d.camera.alt_neg = 10;
    d.lavoro.distanza = 20;
    const dati_presa p = d.calcola();
    const auto bordi = fotogramma_inclinato(20, 1, 1, angolo_incl(20, 1, 3.5));
    EXPECT_NEAR(angolo_incl(20, 1, 3.5), 7.06, 0.005);
    EXPECT_NEAR(bordi.sotto, -1.47, 0.005);
    EXPECT_EQ(p.num_strisc, 6);
    EXPECT_EQ(p.incl, 0);
    EXPECT_DOUBLE_EQ(p.base_presa, 4.8);
    EXPECT_EQ(p.num_foto, 30);
}

TEST(CalcolaPresa, BaseBloccataNonVieneCorretta) {
    struct caso {
        double base;
        double sovrapp;
        double foto;
    } casi[] = {{1, 83.3333333333333, 18}, {4, 33.3333333333333, 7}, {7, -16.6666666666667, 6}};
    for (const auto& c : casi) {
        dati d;
        d.bloccata = 1;
        d.lavoro.base = c.base;
        const dati_presa p = d.calcola();
        EXPECT_EQ(p.base_presa, c.base);
        EXPECT_NEAR(p.sovrapp, c.sovrapp, 1e-12);
        EXPECT_EQ(p.num_foto, c.foto) << c.base;
    }
    // The same base unlocked is raised to the minimum overlap.
    dati d;
    d.lavoro.base = 4;
    EXPECT_EQ(d.calcola().sovrapp, 60);
}

TEST(CalcolaPresa, FotogrammiPerLarghezza) {
    const std::pair<double, double> casi[] = {{3, 2}, {3.7, 3}, {5.9, 3}, {6, 4}, {20, 9}};
    for (auto [larghezza, foto] : casi) {
        dati d;
        d.lavoro.larg_sogg = larghezza;
        EXPECT_EQ(d.calcola().num_foto, foto) << larghezza;
    }
}

TEST(CalcolaPresa, FocaleCortaTieneLaBase) {
    dati d;
    d.camera.focale = 45;
    const dati_presa p = d.calcola();
    EXPECT_DOUBLE_EQ(p.sovrapp, 81.25);
    EXPECT_EQ(p.base_presa, 2.5);
    EXPECT_EQ(p.num_strisc, 1);
    EXPECT_EQ(p.incl, 0);
    EXPECT_EQ(p.num_foto, 6);
}

TEST(CalcolaPresa, CauseDiErrore) {
    struct caso {
        const char* nome;
        std::function<void(dati&)> cambia;
        int errore;
    } casi[] = {
        {"focale 0", [](dati& d) { d.camera.focale = 0; }, err_divisione},
        {"focale e distanza 0",
         [](dati& d) {
             d.camera.focale = 0;
             d.lavoro.distanza = 0;
         },
         err_overflow},
        {"distanza 0", [](dati& d) { d.lavoro.distanza = 0; }, err_overflow},
        {"larghezza negativo 0", [](dati& d) { d.camera.larg_neg = 0; }, err_divisione},
        {"scala 0", [](dati& d) { d.lavoro.scala = 0; }, err_divisione},
        {"altezza negativo 0, tilt", [](dati& d) { d.camera.alt_neg = 0; }, err_divisione},
        {"altezza negativo 0, strips",
         [](dati& d) {
             d.camera.alt_neg = 0;
             d.lavoro.alt_sogg = 30;
         },
         err_divisione},
        {"strisce oltre 16 bit", [](dati& d) { d.lavoro.alt_sogg = 1e6; }, err_overflow},
        {"fotogrammi oltre 16 bit", [](dati& d) { d.lavoro.larg_sogg = 1e6; }, err_overflow},
        {"prodotto oltre 16 bit",
         [](dati& d) {
             d.lavoro.larg_sogg = 2000;
             d.lavoro.alt_sogg = 2000;
         },
         err_overflow},
        {"distanza enorme", [](dati& d) { d.lavoro.distanza = 1e308; }, err_overflow},
    };
    for (auto& c : casi) {
        dati d;
        c.cambia(d);
        EXPECT_EQ(numero_errore(d), c.errore) << c.nome;
    }
}

// A failure leaves the fields written before it in the working record.
TEST(CalcolaPresa, CampiScrittiPrimaDellErroreRestano) {
    dati d;
    d.lavoro.scala = 0;
    dati_presa p;
    EXPECT_THROW(calcola_presa(d.camera, d.lavoro, p, 0), errore);
    EXPECT_EQ(p.num_foto, 9);
    EXPECT_EQ(p.ingrand, 0);
}

TEST(FotogrammaInclinato, BordiSulPianoDellOggetto) {
    const auto dritto = fotogramma_inclinato(10, 3, 3, 0);
    EXPECT_DOUBLE_EQ(dritto.sopra, 3);
    EXPECT_DOUBLE_EQ(dritto.sotto, 3);
    const auto inclinato = fotogramma_inclinato(10, 3, 3, angolo_incl(10, 3, 3.5));
    EXPECT_NEAR(inclinato.sopra, 3.5, 1e-5);  // reaches the top of the object
    EXPECT_NEAR(inclinato.sotto, 2.513, 5e-4);
    EXPECT_THROW(fotogramma_inclinato(0, 0, 3, 1), errore);
}

}  // namespace
}  // namespace pianopre
