// Tests of the scheme builder: entity counts, colours, station positions,
// footprints, shooting modes, legend texts, origin and failures.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calc/presa.h"
#include "piani_prova.h"
#include "scheme/schema.h"

namespace pianopre {
namespace {

using prova::lavoro_prova;
using prova::numero_errore;
using prova::piano;

constexpr std::int32_t voci_fisse = 19;  // façade 9 + legend 10

struct schema_costruito {
    modello m;
    std::int32_t per_striscia;
    std::int32_t strisce;

    schema_costruito(const dati_presa& presa, std::int32_t per_striscia_,
                     const dati_lavoro& lavoro = lavoro_prova(),
                     const formato_regionale& formato = formato_regionale::italiano())
        : per_striscia(per_striscia_), strisce(presa.num_strisc) {
        azzera_liste(m);
        crea_schema(m, presa, lavoro, 0, 0, 0, formato);
    }
    const entita& voce(std::int32_t n) const { return m.lista_entita.voce(n); }
    // Point entity of frame f of strip s (both from 1); its number text follows it.
    std::int32_t stazione(std::int32_t s, std::int32_t f) const {
        return voci_fisse + 1 + 2 * ((s - 1) * per_striscia + (f - 1));
    }
    // Entity k (0..12) of the footprint of frame f: 8 ray ends, then the outline.
    const entita& impronta(std::int32_t f, std::int32_t k) const {
        return voce(voci_fisse + 2 * strisce * per_striscia + 13 * (f - 1) + k + 1);
    }
};

struct caso_conteggio {
    const char* nome;
    double num_foto;
    std::int16_t num_strisc;
    double incl;
    std::int32_t per_striscia;
};

std::ostream& operator<<(std::ostream& out, const caso_conteggio& c) {
    return out << c.nome;
}

class Conteggio : public ::testing::TestWithParam<caso_conteggio> {};

TEST_P(Conteggio, FormulaENumeriDelleStazioni) {
    const caso_conteggio c = GetParam();
    const schema_costruito s(piano(c.num_foto, c.num_strisc, c.incl), c.per_striscia);
    ASSERT_EQ(s.m.lista_entita.n_entita(),
              9 + 10 + 2 * c.num_strisc * c.per_striscia + 13 * c.per_striscia);
    for (std::int32_t striscia = 1; striscia <= c.num_strisc; ++striscia) {
        for (std::int32_t f = 1; f <= c.per_striscia; ++f) {
            const entita& e = s.voce(s.stazione(striscia, f));
            EXPECT_EQ(e.tipo, tipo_punto);
            EXPECT_EQ(e.nome.pulito(), std::to_string(f));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Piani, Conteggio,
                         ::testing::Values(caso_conteggio{"una_striscia", 9, 1, 0, 9},
                                           caso_conteggio{"quattro_strisce", 36, 4, 0, 9},
                                           caso_conteggio{"una_coppia", 2, 1, 0, 2},
                                           caso_conteggio{"inclinata", 9, 1, 2.59078, 9},
                                           caso_conteggio{"cinque_mezzi_a_due", 5, 2, 0, 2},
                                           caso_conteggio{"sette_mezzi_a_quattro", 7, 2, 0, 4},
                                           caso_conteggio{"nessuna_foto", 0, 1, 0, 0}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Stazioni, ColoriProseguonoTraLeStrisceImpronteSoloDellaPrima) {
    const schema_costruito s(piano(6, 2), 3);
    const int attesi[2][3] = {{1, 3, 1}, {3, 1, 3}};
    for (std::int32_t striscia = 1; striscia <= 2; ++striscia) {
        for (std::int32_t f = 1; f <= 3; ++f) {
            const entita& punto = s.voce(s.stazione(striscia, f));
            const entita& numero = s.voce(s.stazione(striscia, f) + 1);
            EXPECT_EQ(punto.colore, attesi[striscia - 1][f - 1]) << striscia << "/" << f;
            EXPECT_EQ(numero.colore, punto.colore);
            EXPECT_EQ(numero.tipo, tipo_testo);
            EXPECT_EQ(numero.altezza, 0.6f);
        }
    }
    for (std::int32_t f = 1; f <= 3; ++f) {
        EXPECT_EQ(s.impronta(f, 0).colore, 8);
        EXPECT_EQ(s.impronta(f, 8).colore, attesi[0][f - 1]);
    }
}

TEST(Stazioni, CoppiaCentrataEStrisceSovrapposte) {
    const schema_costruito coppia(piano(2, 1), 2);
    EXPECT_FLOAT_EQ(coppia.voce(coppia.stazione(1, 1)).x, 100 + 20 / 2.0 - 2.4 / 2);
    EXPECT_FLOAT_EQ(coppia.voce(coppia.stazione(1, 2)).x, 100 + 20 / 2.0 + 2.4 / 2);

    // Three strips of one frame: each strip 0.9 frame heights above the one below,
    // positions in 32-bit reals; the footprint starts again from the first strip.
    dati_presa presa = piano(3, 3);
    presa.base_presa = 0.1;
    const schema_costruito s(presa, 1);
    EXPECT_FLOAT_EQ(s.voce(s.stazione(1, 1)).x, 100 + 6 / 2.0 - 0.1);
    for (std::int32_t striscia = 1; striscia <= 3; ++striscia) {
        const entita& e = s.voce(s.stazione(striscia, 1));
        EXPECT_EQ(static_cast<float>(e.x), e.x);
        EXPECT_EQ(static_cast<float>(e.z), e.z);
        EXPECT_FLOAT_EQ(e.z, 21.5 + 0.9 * 6 * (striscia - 1));
    }
    EXPECT_EQ(s.impronta(1, 0).z, 21.5);
}

TEST(Impronte, BordiDalFotogrammaInclinatoSoloSeIncl) {
    for (const double incl : {0.0, 2.59078, -1.0}) {
        const schema_costruito s(piano(9, 1, incl), 9);
        const entita& stazione = s.voce(s.stazione(1, 1));
        const bordi_fotogramma b =
            incl == 0 ? bordi_fotogramma{3, 3} : fotogramma_inclinato(10, 3, 3, incl);
        const entita& k4 = s.impronta(1, 8);   // upper left, start of the outline
        const entita& k2 = s.impronta(1, 10);  // lower right
        EXPECT_DOUBLE_EQ(k4.z, stazione.z + b.sopra) << incl;
        EXPECT_DOUBLE_EQ(k2.z, stazione.z - b.sotto) << incl;
        EXPECT_DOUBLE_EQ(k4.x, stazione.x - 3);
        EXPECT_DOUBLE_EQ(k2.x, stazione.x + 3);
        EXPECT_EQ(k4.y, stazione.y + 10);
        const entita& chiusura = s.impronta(1, 12);
        EXPECT_TRUE(chiusura.x == k4.x && chiusura.z == k4.z && chiusura.tipo == tipo_fine);
    }
}

TEST(Viste, NadiraleEZenitaleScambianoGliAssi) {
    const schema_costruito normale(piano(6, 2, 2.59078), 3);
    const std::pair<const char*, int> casi[] = {
        {"NADIRALE", 2}, {" NADIRALE", 2}, {"ZENITALE", 1}, {"nadirale", 0}, {"ZENIT", 0}};
    for (const auto& [tipo, codice] : casi) {
        dati_lavoro lavoro = lavoro_prova();
        lavoro.tipo_presa = tipo;
        const schema_costruito s(piano(6, 2, 2.59078), 3, lavoro);
        ASSERT_EQ(s.m.lista_entita.n_entita(), normale.m.lista_entita.n_entita());
        for (std::int32_t i = 1; i <= s.m.lista_entita.n_entita(); ++i) {
            const entita& a = normale.voce(i);
            const entita& b = s.voce(i);
            const double y = codice == 0 ? a.y : a.z;
            const double z = codice == 0 ? a.z : codice == 1 ? a.y : -a.y;
            ASSERT_TRUE(b.x == a.x && b.y == y && b.z == z) << tipo << " entity " << i;
        }
    }
}

TEST(Legenda, ValoriRegionaliETagli) {
    struct caso {
        formato_regionale formato;
        double dist_presa, base_presa, larg_sogg;
        const char* progetto;
        const char* testi[4];  // lines 1, 3, 5 and 6: values after the first
    };
    const caso casi[] = {
        {formato_regionale::italiano(),
         12.5,
         2.4,
         20,
         "Progetto:",
         {"Progetto: ", "20", "12,5", "2,4"}},
        {formato_regionale::inglese(),
         12.5,
         2.4,
         20,
         "Progetto:",
         {"Progetto: ", "20", "12.5", "2.4"}},
        {formato_regionale::italiano(),
         1.23456789012345,
         -1234567.89123457,
         1.23456789012345,
         "Progetto lungo1",
         {"Progetto l", "1,23456789", "1,23456789012345", "-1234567,8912345"}},
    };
    for (const caso& c : casi) {
        dati_presa presa = piano(9, 1);
        presa.dist_presa = c.dist_presa;
        presa.base_presa = c.base_presa;
        dati_lavoro lavoro = lavoro_prova();
        lavoro.progetto = c.progetto;
        lavoro.larg_sogg = c.larg_sogg;
        const schema_costruito s(presa, 9, lavoro, c.formato);
        const std::int32_t numeri[] = {10, 13, 17, 19};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(s.voce(numeri[k]).nome, testo_fisso<16>(c.testi[k])) << c.testi[k];
            EXPECT_EQ(s.voce(numeri[k]).attributi, 0);
        }
    }
}

TEST(Origine, PropostaSoloConXeYNonNulle) {
    struct caso {
        double px, py, pz;
        float x0, y0, z0;
    };
    for (const caso c : {caso{0, 0, 0, 100, 200, 20}, caso{5, 0, 1, 100, 200, 20},
                         caso{0, 5, 1, 100, 200, 20}, caso{1.1, -2.2, 7.7, 1.1f, -2.2f, 7.7f}}) {
        modello m;
        azzera_liste(m);
        crea_schema(m, piano(9, 1), lavoro_prova(), c.px, c.py, c.pz,
                    formato_regionale::italiano());
        const entita& p1 = m.lista_entita.voce(1);
        EXPECT_TRUE(p1.x == c.x0 && p1.y == c.y0 && p1.z == c.z0) << c.px << "," << c.py;
    }
}

TEST(Errori, FallisconoLasciandoLeVociGiaAggiunte) {
    struct caso {
        double num_foto;
        std::int16_t num_strisc;
        double px;
        int errore_atteso;
        std::int32_t voci_rimaste;
    };
    for (const caso c :
         {caso{9, 0, 0, err_divisione, voci_fisse}, caso{0, 0, 0, err_overflow, voci_fisse},
          caso{70000, 1, 0, err_overflow, voci_fisse}, caso{-70000, 1, 0, err_overflow, voci_fisse},
          caso{9, 1, 1e39, err_overflow, 0}}) {
        modello m;
        azzera_liste(m);
        const int numero = numero_errore([&] {
            crea_schema(m, piano(c.num_foto, c.num_strisc), lavoro_prova(), c.px, 1, 0,
                        formato_regionale::italiano());
        });
        EXPECT_EQ(numero, c.errore_atteso) << c.num_foto << "/" << c.num_strisc;
        EXPECT_EQ(m.lista_entita.n_entita(), c.voci_rimaste);
    }
}

}  // namespace
}  // namespace pianopre
