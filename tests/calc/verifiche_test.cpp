// Plan checks on worked examples computed by hand, the plan coming from the
// job's own calculation of the typed boxes; edges of the settings and of the
// pixel size; the table's Italian texts.
#include "calc/verifiche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <numbers>

#include "job/commessa.h"
#include "rete/mappa_copertura.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

using esito = esito_verifica;

caselle_lavoro reflex(const char* distanza, const char* scala, const char* alt_sogg) {
    return {"35", "35,7", "23,8", alt_sogg, "20", distanza, scala, ""};
}

// The records the job computed from the boxes (the job itself is not copied).
struct pianificato {
    dati_camera camera;
    dati_lavoro lavoro;
    dati_presa presa;
};

pianificato piano(const caselle_lavoro& caselle, bool blocca = false) {
    commessa c;
    c.blocca_base = blocca;
    calcola_commessa(c, caselle, formato_regionale::italiano());
    return {c.camera, c.lavoro, c.presa};
}

risultato_verifiche verifica(const pianificato& c, const sensore_lavoro& s,
                             const impostazioni_verifiche& imp = {}) {
    return calcola_verifiche(c.camera, c.lavoro, c.presa, s, imp);
}

// Every value the result holds, by field name.
std::map<std::string, double> valori(const risultato_verifiche& r) {
    std::map<std::string, double> m{{"tolleranza", r.tolleranza_mm},
                                    {"richiesto", r.gsd_richiesto_mm},
                                    {"bd", r.rapporto_bd},
                                    {"r_min", r.r_min_m},
                                    {"r_max", r.r_max_m},
                                    {"fuoco", r.fuoco_m},
                                    {"n_min", r.n_min}};
    const std::pair<const char*, std::optional<double>> facoltativi[] = {
        {"pixel", r.pixel_mm},      {"centro", r.gsd_centro_mm}, {"v", r.gsd_peggiore_v_mm},
        {"h", r.gsd_peggiore_h_mm}, {"d_max", r.dist_max_gsd_m}, {"sx", r.sigma_x_mm},
        {"sz", r.sigma_z_mm},       {"n_max", r.n_max},          {"consigliato", r.n_consigliato}};
    for (const auto& [nome, x] : facoltativi)
        if (x) m[nome] = *x;
    return m;
}

// The sensor without its name, which plays no part: a table of plain numbers
// also spares g++ at -O3 a false uninitialised-string warning on the table.
struct pixel_sensore {
    int larghezza, altezza;
    double scansione_um;
    sensore_lavoro sensore() const { return {"", larghezza, altezza, scansione_um}; }
};

struct caso {
    const char* nome;
    caselle_lavoro caselle;
    bool blocca;
    pixel_sensore pixel;
    std::map<std::string, double> attesi;
    esito gsd, bd, profondita;
};

const caso casi[] = {
    {"reflex, base libera",
     reflex("8", "50", "12"),
     false,
     {9504, 6336, 0},
     {{"pixel", 0.00375631},
      {"centro", 0.858586},
      {"v", 0.858586},
      {"h", 0.858586},
      {"tolleranza", 12.5},
      {"richiesto", 4.166667},
      {"d_max", 38.823529},
      {"bd", 4},
      {"sx", 1.310799},
      {"sz", 2.428448},
      {"r_min", 7},
      {"r_max", 8},
      {"fuoco", 7.466667},
      {"n_min", 1.455882},
      {"n_max", 5.598082},
      {"consigliato", 4}},  // f/5,6 is just past N max
     esito::ok,
     esito::ok,
     esito::ok},
    {"metrica inclinata, 6000 px",
     prova::caselle_esempio(),
     false,
     {6000, 6000, 0},
     {{"pixel", 0.01},
      {"centro", 1.0},
      {"v", 1.029816},
      {"h", 1.014799},
      {"d_max", 41.666667},
      {"bd", 4.1666667},
      {"sx", 1.015505},
      {"sz", 2.946278},
      {"r_min", 8.876167},
      {"r_max", 10.147986},
      {"fuoco", 9.469564},
      {"n_min", 3.529881},
      {"n_max", 14.90313},
      {"consigliato", 11}},
     esito::ok,
     esito::ok,
     esito::ok},
    {"pellicola scansionata a 12 µm",
     prova::caselle_esempio(),
     false,
     {6000, 6000, 12},
     {{"pixel", 0.012},
      {"v", 1.2357795},
      {"n_min", 2.941567},
      {"n_max", 17.883756},
      {"consigliato", 16}},
     esito::ok,
     esito::ok,
     esito::ok},
    {"GSD oltre il richiesto",
     reflex("20", "20", "5"),
     false,
     {9504, 6336, 0},
     {{"centro", 2.1464646},
      {"v", 2.1464646},
      {"richiesto", 1.666667},
      {"d_max", 15.529412},
      // R 19 to 20 m: N min = 35² · 1000 / (2 · 0,0075126 · 19000 · 20000)
      {"n_min", 0.214551},
      {"consigliato", 4}},
     esito::non_soddisfatto,
     esito::ok,
     esito::ok},
    {"base bloccata corta",
     {"35", "35,7", "23,8", "5", "20", "10", "50", "0,3"},
     true,
     {9504, 6336, 0},
     // Tilted 0,512°: R min 8,970 m, R max 10,031 m.
     {{"bd", 33.333333}, {"n_min", 0.961167}, {"consigliato", 4}},
     esito::ok,
     esito::attenzione,
     esito::ok},
};

TEST(Verifiche, EsempiCalcolatiAMano) {
    for (const caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const pianificato c = piano(k.caselle, k.blocca);
        const auto trovati = valori(verifica(c, k.pixel.sensore()));
        for (const auto& [nome, atteso] : k.attesi) {
            ASSERT_TRUE(trovati.contains(nome)) << nome;
            EXPECT_NEAR(trovati.at(nome), atteso, 1e-6 * std::abs(atteso)) << nome;
        }
        const risultato_verifiche r = verifica(c, k.pixel.sensore());
        EXPECT_EQ(r.gsd, k.gsd);
        EXPECT_EQ(r.base_distanza, k.bd);
        EXPECT_EQ(r.profondita, k.profondita);
    }
}

// The map's forward intersection at the point midway between the two stations
// of a stereo pair of each example, in the normal case (no tilt), at the
// cameras' height: the checks' σ Z in depth and s·p·D/(√2·f) along.
TEST(Verifiche, CoppiaNormaleComeLaMappa) {
    for (const caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const pianificato c = piano(k.caselle, k.blocca);
        const risultato_verifiche r = verifica(c, k.pixel.sensore());
        ASSERT_TRUE(r.pixel_mm && r.sigma_z_mm);
        const double d = c.presa.dist_presa, b = c.presa.base_presa, f = c.camera.focale;
        const camera_rete camera{f, c.camera.larg_neg, c.camera.alt_neg, *r.pixel_mm};
        const immagine_rete coppia[] = {{"S1-01", 1, 1, 3, d, 1.6, 0, 0},
                                        {"S1-02", 1, 2, 3 + b, d, 1.6, 0, 0}};
        const punto_rete p = valuta_punto(coppia, camera, 3 + b / 2, 1.6, 0.5);
        ASSERT_TRUE(p.con_precisione);
        EXPECT_EQ(p.immagini, 2);
        const double s = 0.5 * *r.pixel_mm;
        EXPECT_NEAR(p.sigma_profondita_mm, *r.sigma_z_mm, 1e-9 * *r.sigma_z_mm);
        const double lungo = 1000 * s * d / (std::numbers::sqrt2 * f);
        EXPECT_NEAR(p.sigma_lungo_mm, lungo, 1e-9 * lungo);
        EXPECT_NEAR(p.sigma_altezza_mm, lungo, 1e-9 * lungo);  // the same in height
        EXPECT_NEAR(p.angolo_gradi, 2 * std::atan(b / 2 / d) * 180 / std::numbers::pi, 1e-9);
    }
}

// The plans the examples stand on, as the job computes them.
TEST(Verifiche, PianiDegliEsempi) {
    const pianificato r = piano(reflex("8", "50", "12"));
    EXPECT_EQ(r.presa.num_strisc, 3);
    EXPECT_DOUBLE_EQ(r.presa.base_presa, 2);
    EXPECT_EQ(r.presa.incl, 0);
    EXPECT_NEAR(piano(prova::caselle_esempio()).presa.incl, 2.590784, 1e-6);
}

TEST(Verifiche, PixelSconosciuto) {
    const pianificato c = piano(prova::caselle_esempio());
    const risultato_verifiche r = verifica(c, {});
    for (const auto& x : {r.pixel_mm, r.gsd_centro_mm, r.gsd_peggiore_v_mm, r.dist_max_gsd_m,
                          r.sigma_x_mm, r.sigma_z_mm, r.n_max})
        EXPECT_FALSE(x.has_value());
    EXPECT_EQ(r.gsd, esito::non_disponibile);
    EXPECT_EQ(r.profondita, esito::non_disponibile);
    EXPECT_EQ(r.base_distanza, esito::ok);
    // The circle of confusion falls back to 0.03 mm, 1.5 times the 2 px of 0.01 mm.
    EXPECT_NEAR(r.n_min, 3.529881 / 1.5, 1e-6);
    EXPECT_EQ(r.n_consigliato, 2.8);
}

TEST(Verifiche, ProfonditaDiCampoAiLimiti) {
    const pianificato c = piano(reflex("8", "50", "12"));
    const sensore_lavoro s{"", 9504, 6336, 0};
    impostazioni_verifiche imp;
    imp.profondita_rilievo_m = 0;
    risultato_verifiche r = verifica(c, s, imp);  // no tilt, no relief: one plane
    EXPECT_EQ(r.n_min, 0);
    EXPECT_EQ(r.n_consigliato, 4);  // the largest stop below N max 5,598
    EXPECT_DOUBLE_EQ(r.fuoco_m, 8);

    // N min 16.98 above the diffraction limit 5.6: the depth comes first.
    imp.profondita_rilievo_m = 5;
    r = verifica(c, s, imp);
    EXPECT_EQ(r.profondita, esito::attenzione);
    EXPECT_EQ(r.n_consigliato, 22);

    imp.profondita_rilievo_m = 7.5;  // N min 153: no aperture of the series
    r = verifica(c, s, imp);
    EXPECT_FALSE(r.n_consigliato.has_value());
    EXPECT_EQ(righe_verifiche(r, imp, formato_regionale::italiano())[7].valore.substr(0, 10),
              "oltre f/32");

    imp.profondita_rilievo_m = 8;  // the relief reaches the camera
    EXPECT_THROW(verifica(c, s, imp), errore_verifiche);
}

// The largest stop between N min and N max; the smallest giving the depth
// when none lies between them or the limit is unknown.
TEST(Verifiche, DiaframmaTraProfonditaEDiffrazione) {
    const struct {
        double n_min;
        std::optional<double> n_max;
        std::optional<double> atteso;
    } casi_diaframma[] = {
        {0, 5.598082, 4},          {0, 5.6, 5.6},    {0.43, 5.645, 5.6},   {1.4, 1.4, 1.4},
        {2.1, 14.9, 11},           {0, 100, 32},     {32, 32, 32},         {1.5, 1.9, 2},
        {0.5, 1.2, 1.4},           {16.98, 5.6, 22}, {3, std::nullopt, 4}, {33, 40, std::nullopt},
        {5.6 * (1 + 1e-12), 8, 8},  // a value computed to sit on a stop counts as it
    };
    for (const auto& k : casi_diaframma)
        EXPECT_EQ(diaframma_consigliato(k.n_min, k.n_max), k.atteso)
            << k.n_min << " " << k.n_max.value_or(-1);
}

// Façade 30 m x 14 m, 12 m free in front of it, 1:50, a 24 mm lens on a
// 36 x 24 mm sensor of 9504 px across. The plan: photo scale 12 / 0,024 = 500,
// frame 18 x 12 m; the tilt to the top, atan(12,5 / 12) − atan(6 / 12) = 19,6°,
// is over 15°, so two strips at zero tilt and both frame edges 12 m away.
//   p = 36 / 9504 = 0,0037879 mm, c = 2 p = 0,0075758 mm
//   R min = 12 − 1 (relief) = 11 m, R max = 12 m
//   N min = 24² · (12000 − 11000) / (2 · 0,0075758 · 11000 · 12000) = 0,288
//   N max = 2 · 0,0037879 / (2,44 · 0,00055) = 5,645
// f/5,6 is the largest stop between them (f/1,4 before). The 60 Mpx preset,
// 35,7 mm wide (p 3,756 µm), 10 m away: R 9 to 10 m, N min = 576000 /
// (2 · 0,0075126 · 9000 · 10000) = 0,426, N max = 5,598, so f/4.
TEST(Verifiche, DiaframmaDellEsempioA24mm) {
    const struct {
        caselle_lavoro caselle;
        double n_min, n_max, consigliato;
        const char* valore;
    } casi_24[] = {
        {{"24", "36", "24", "14", "30", "12", "50", ""},
         0.288,
         5.645125,
         5.6,
         "f/5,6 (minimo f/0,3)"},
        {{"24", "35,7", "23,8", "14", "30", "10", "50", ""},
         0.425950,
         5.598082,
         4,
         "f/4 (minimo f/0,4)"},
    };
    const impostazioni_verifiche imp;
    for (const auto& k : casi_24) {
        SCOPED_TRACE(k.valore);
        const pianificato c = piano(k.caselle);
        EXPECT_EQ(c.presa.num_strisc, 2);
        EXPECT_EQ(c.presa.incl, 0);
        const risultato_verifiche r = verifica(c, {"", 9504, 6336, 0});
        EXPECT_NEAR(r.n_min, k.n_min, 1e-6);
        ASSERT_TRUE(r.n_max.has_value());
        EXPECT_NEAR(*r.n_max, k.n_max, 1e-6);
        EXPECT_EQ(r.n_consigliato, k.consigliato);
        const auto righe = righe_verifiche(r, imp, formato_regionale::italiano());
        const riga_verifica& diaframma = righe[7];
        EXPECT_EQ(diaframma.valore, k.valore);
        EXPECT_NE(diaframma.formula.find("consigliato: il più chiuso dei diaframmi da f/1,4 a "
                                         "f/32 tra N min e N max"),
                  std::string::npos)
            << diaframma.formula;
    }
}

TEST(Verifiche, ImpostazioniNulleONegativeDannoUnMessaggio) {
    const pianificato c = piano(prova::caselle_esempio());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double impostazioni_verifiche::*campi[] = {&impostazioni_verifiche::tolleranza_grafica_mm,
                                               &impostazioni_verifiche::divisore_gsd,
                                               &impostazioni_verifiche::precisione_px,
                                               &impostazioni_verifiche::circolo_confusione_px,
                                               &impostazioni_verifiche::lunghezza_onda_mm,
                                               &impostazioni_verifiche::profondita_rilievo_m,
                                               &impostazioni_verifiche::altezza_max_camera_m,
                                               &impostazioni_verifiche::cella_mappa_m};
    for (auto campo : campi) {
        for (const double x : {0.0, -1.0, nan}) {
            impostazioni_verifiche imp;
            imp.*campo = x;
            const bool ammesso = (campo == &impostazioni_verifiche::profondita_rilievo_m ||
                                  campo == &impostazioni_verifiche::cella_mappa_m) &&
                                 x == 0;
            const auto messaggio = errore_impostazioni(imp);
            EXPECT_EQ(messaggio.has_value(), !ammesso) << x;
            if (ammesso) continue;
            EXPECT_EQ(messaggio->rfind("Errore: ", 0), 0u) << *messaggio;
            EXPECT_THROW(verifica(c, {"", 6000, 6000, 0}, imp), errore_verifiche);
        }
    }
    EXPECT_FALSE(errore_impostazioni({}).has_value());
    EXPECT_TRUE(errore_sensore({"", -1, 0, 0}).has_value());
    EXPECT_TRUE(errore_sensore({"", 0, 0, -5}).has_value());
}

// Settings tiny enough to overflow end in a message, never in infinity.
TEST(Verifiche, ValoriFuoriScalaDannoUnMessaggio) {
    const pianificato c = piano(prova::caselle_esempio());
    impostazioni_verifiche imp;
    imp.divisore_gsd = 1e-320;
    EXPECT_THROW(verifica(c, {"", 6000, 6000, 0}, imp), errore_verifiche);
    pianificato senza_base = c;
    senza_base.presa.base_presa = 0;
    EXPECT_THROW(verifica(senza_base, {"", 6000, 6000, 0}), errore_verifiche);
}

TEST(Verifiche, RigheInItaliano) {
    const impostazioni_verifiche imp;
    const risultato_verifiche r =
        verifica(piano(prova::caselle_esempio()), {"", 6000, 6000, 0}, imp);
    const auto righe = righe_verifiche(r, imp, formato_regionale::italiano());
    ASSERT_EQ(righe.size(), 9u);  // eight checks and the single strip's camera height
    EXPECT_EQ(righe[0].valore, "10,00 µm");
    EXPECT_EQ(righe[2].valore, "1,03 mm verticale, 1,01 mm orizzontale");
    EXPECT_EQ(righe[2].testo_esito, "OK");
    EXPECT_EQ(righe[4].valore, "1:4,17");
    EXPECT_EQ(righe[5].valore, "1,02 / 2,95 mm");
    EXPECT_EQ(righe[7].valore, "f/11 (minimo f/3,5)");
    EXPECT_EQ(righe[7].limite, "fino a f/14,9 per la diffrazione");
    for (const auto& riga : righe) EXPECT_FALSE(riga.formula.empty()) << riga.nome;
    EXPECT_EQ(righe_verifiche(r, imp, formato_regionale::inglese())[4].valore, "1:4.17");

    const auto senza_pixel = righe_verifiche(verifica(piano(prova::caselle_esempio()), {}, imp),
                                             imp, formato_regionale::italiano());
    EXPECT_EQ(senza_pixel[2].valore, "n/d");
    EXPECT_EQ(senza_pixel[2].testo_esito, "n/d");
    EXPECT_EQ(testo_esito(esito::non_soddisfatto), "Non soddisfatto");
    EXPECT_EQ(testo_esito(esito::attenzione), "Attenzione");
}

// The 24 mm example: façade 30 x 14 m, 10 m free in front of it (a 12 m street),
// 1:50, sensor 35,7 x 23,8 mm with 9504 px, 24 mm lens. Coverage height
// 23,8 mm · 10 m / 24 mm = 9,91667 m, so two strips; the second camera stands
// 0,9 · 9,91667 = 8,925 m above the first: 1,5 m and 10,425 m.
TEST(Verifiche, AltezzaDellaCameraPerStriscia) {
    const pianificato c = piano({"24", "35,7", "23,8", "14", "30", "10", "50", ""});
    ASSERT_EQ(c.presa.num_strisc, 2);
    const struct {
        double massima;
        esito prima, seconda;
        const char* testo_seconda;
    } casi[] = {
        {1.5, esito::ok, esito::attenzione, "Attenzione: serve un'asta, un cestello o un drone"},
        {1.49, esito::attenzione, esito::attenzione,
         "Attenzione: serve un'asta, un cestello o un drone"},
        {10.425, esito::ok, esito::ok, "OK"},
    };
    for (const auto& caso : casi) {
        impostazioni_verifiche imp;
        imp.altezza_max_camera_m = caso.massima;
        const risultato_verifiche r = verifica(c, {"", 9504, 6336, 0}, imp);
        ASSERT_EQ(r.strisce.size(), 2u);
        EXPECT_NEAR(r.strisce[0].altezza_m, 1.5, 1e-12);
        EXPECT_NEAR(r.strisce[1].altezza_m, 1.5 + 0.9 * 23.8 * 10 / 24, 1e-12);
        EXPECT_EQ(r.strisce[0].esito, caso.prima) << caso.massima;
        EXPECT_EQ(r.strisce[1].esito, caso.seconda) << caso.massima;
        const auto righe = righe_verifiche(r, imp, formato_regionale::italiano());
        ASSERT_EQ(righe.size(), 10u);
        EXPECT_EQ(righe[8].nome, "Altezza camera, striscia 1");
        EXPECT_EQ(righe[8].valore, "1,50 m");
        EXPECT_EQ(righe[9].nome, "Altezza camera, striscia 2");
        EXPECT_EQ(righe[9].valore, "10,43 m");
        EXPECT_EQ(righe[9].testo_esito, caso.testo_seconda);
        EXPECT_EQ(righe[9].esito, caso.seconda);
    }
    const auto righe =
        righe_verifiche(verifica(c, {"", 9504, 6336, 0}), {}, formato_regionale::italiano());
    EXPECT_EQ(righe[8].limite, "≤ 1,50 m");
    EXPECT_EQ(righe[8].testo_esito, "OK");

    // Past the limit of rows the higher strips share one, with the highest's verdict.
    const pianificato torre = piano({"24", "35,7", "23,8", "60", "30", "10", "50", ""});
    const risultato_verifiche alta = verifica(torre, {"", 9504, 6336, 0});
    ASSERT_EQ(alta.strisce.size(), 7u);  // (60 - 4,958 - 1,5 + 4,958 / 12) / 9,917 + 1,5 = 6,94
    const auto compatte = righe_verifiche(alta, {}, formato_regionale::italiano(), 3);
    ASSERT_EQ(compatte.size(), 11u);
    EXPECT_EQ(compatte[9].valore, "10,43 m");
    EXPECT_EQ(compatte[10].nome, "Altezza camera, strisce 3–7");
    EXPECT_EQ(compatte[10].valore, "da 19,35 m a 55,05 m");  // 1,5 + 2 · 8,925 and + 6 · 8,925
    EXPECT_EQ(compatte[10].esito, esito::attenzione);
    EXPECT_EQ(righe_verifiche(alta, {}, formato_regionale::italiano()).size(),
              8 + alta.strisce.size());
}

}  // namespace
}  // namespace pianopre
