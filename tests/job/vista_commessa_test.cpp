// The view state of a job: what the window, the command line and the printed
// plan draw beside the scheme.
#include "job/vista_commessa.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "exchange/file_scambio.h"
#include "job/stazioni_commessa.h"
#include "support/entita_prova.h"
#include "support/esempio.h"
#include "support/riferimento.h"

namespace pianopre {
namespace {

// The example moved and placed (the identity, in gon), with four control
// points in the first model only: it is covered, the seven others are short.
struct esempio_con_punti {
    commessa c;
    esempio_con_punti() {
        c.origine = {2, 0, 0};
        c.sito = {100, 200, 20, 100, unita_angolo::gon};
        prova::calcola_esempio(c);
        const riga_modello m = modelli_commessa(c).righe[0];
        for (const double x : {m.x_da + 0.1, m.x_a - 0.1})
            for (const double z : {m.z_da + 0.1, m.z_a - 0.1})
                agg_punto(c.disegno, prova::punto("P", x, m.y_facciata, z));
        c.file_sito = "sito.dxf";  // read, but maybe without entities
    }
};

TEST(VistaCommessa, SottofondoPuntiEContorniSecondoVistaEDati) {
    const struct {
        bool entita_sito, punti, fronte, assonometrica;
    } casi[] = {
        {false, false, true, false}, {true, false, true, false}, {false, true, false, false},
        {true, true, false, true},   {true, true, true, false},  {false, true, true, true},
    };
    for (const auto& caso : casi) {
        esempio_con_punti es;
        commessa& c = es.c;
        if (caso.entita_sito) agg_entita(c.disegno_sito, prova::punto_in(1, 2, 3));
        if (!caso.punti) c.disegno.lista_punti.azzera();
        const stato_vista v = vista_commessa(c, caso.fronte, caso.assonometrica);
        SCOPED_TRACE(testing::Message() << caso.entita_sito << caso.punti << caso.fronte);
        EXPECT_EQ(v.fronte, caso.fronte);
        EXPECT_EQ(v.assonometrica, caso.assonometrica);
        EXPECT_EQ(v.origine.x, c.origine.x);
        EXPECT_TRUE(v.sito == c.sito);
        EXPECT_EQ(v.sottofondo, caso.entita_sito ? &c.disegno_sito.lista_entita : nullptr);
        EXPECT_EQ(v.punti, caso.punti ? &c.disegno.lista_punti : nullptr);

        // The short models outlined, in order, only in front view with points.
        const tabella_modelli t = modelli_commessa(c);
        std::vector<std::array<punto3, 4>> attesi;
        for (const riga_modello& m : t.righe)
            if (caso.punti && caso.fronte && m.scarso())
                attesi.push_back({punto3{m.x_da, m.y_facciata, m.z_da},
                                  {m.x_a, m.y_facciata, m.z_da},
                                  {m.x_a, m.y_facciata, m.z_a},
                                  {m.x_da, m.y_facciata, m.z_a}});
        ASSERT_EQ(v.contorni_rossi.size(), attesi.size());
        for (std::size_t i = 0; i < attesi.size(); ++i)
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(v.contorni_rossi[i][k].x, attesi[i][k].x) << i << k;
                EXPECT_EQ(v.contorni_rossi[i][k].z, attesi[i][k].z) << i << k;
                EXPECT_EQ(v.contorni_rossi[i][k].y, attesi[i][k].y) << i << k;
            }
        if (caso.punti) {
            EXPECT_EQ(t.scarsi, static_cast<std::int32_t>(t.righe.size()) - 1);
        }
    }
}

// A flat site drawing stands on the placement's ground, A_h; one with heights
// of its own keeps them; the real-world drawings of the corpus are one of each.
TEST(VistaCommessa, QuotaDelDisegnoDelSito) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* caso;
        std::vector<double> z;  // heights of the drawing's points; empty: read `file`
        const char* file;
        double quota_a;  // A_h of the placement
        double attesa;   // height added to the drawing
    } casi[] = {
        {"piano", {0, 0, 0}, "", 50, 50},
        {"piano, collocazione di partenza", {0, 0}, "", 20, 20},
        {"sotto il millimetro", {0.0004, -0.001, 0}, "", 50, 50},
        {"una sola quota", {0, 0, 0.0015}, "", 50, 0},
        {"tutto a quota 50", {50, 50}, "", 50, 0},
        {"quota negativa", {-1.07, 0}, "", 12.5, 0},
        {"quota non numerica", {nan, 0}, "", 50, 50},
        {"testi di 0,1 m, piano",
         {},
         "dxf_corpus/publici/ezdxf__insert_bricscad_level_1.dxf",
         50,
         50},
        {"rilievo con quote", {}, "dxf_corpus/publici/ezdxf__Leica_Disto_S910.dxf", 50, 0},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        commessa c;
        c.sito = {1000, 2000, caso.quota_a, 30, unita_angolo::gradi};
        if (caso.z.empty()) {
            leggi_file_dxf(prova::dato_di_prova(caso.file), c.disegno_sito);
        } else {
            for (std::size_t i = 0; i < caso.z.size(); ++i)
                agg_entita(c.disegno_sito, prova::punto_in(1000.0 + i, 2000, caso.z[i]));
        }
        ASSERT_GT(c.disegno_sito.lista_entita.n_entita(), 0);
        for (const bool fronte : {false, true}) {
            const stato_vista v = vista_commessa(c, fronte, !fronte);
            EXPECT_EQ(v.quota_sottofondo, caso.attesa);
            for (const entita& e : c.disegno_sito.lista_entita.voci()) {
                const punto3 p = posizione_sottofondo(e, v);
                if (std::isnan(e.z)) continue;
                EXPECT_EQ(p.z, e.z + caso.attesa);
                EXPECT_EQ(p.x, e.x);
                EXPECT_EQ(p.y, e.y);
            }
        }
    }
    // Without a site drawing nothing is lifted.
    commessa vuota;
    vuota.sito.quota = 50;
    EXPECT_EQ(vista_commessa(vuota, true, false).quota_sottofondo, 0);
}

}  // namespace
}  // namespace pianopre
