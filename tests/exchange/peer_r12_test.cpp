// A release 12 drawing written by ezdxf (tests/exchange/ezdxf_peer.py genera),
// with LF line ends: LINE, POINT, TEXT, 2-D and 3-D POLYLINE, CIRCLE, ARC and
// a block INSERT, layers with colours; and the same drawing with CR LF line
// ends and cut short.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

// One line per entity, as prova::elenca lists them, the circle and the arc
// left out (checked on their own below).
const char* const atteso =
    // A LINE's two ends both carry its colour.
    "21 1 [MURI            ] 1 2 3 0 0 0\n"
    "23 1 [MURI            ] 4 5 6 0 0 0\n"
    "11 3 [muri            ] 7 8 9 0 0 0\n"
    "81 5 [Citt\xE0, 1 m      ] 1.5 2.5 0 0.5 30 0\n"
    "21 1 [MURI            ] 0 0 0 0 0 0\n"
    "22 1 [MURI            ] 1 0 0 0 0 0\n"
    "23 1 [MURI            ] 1 1 0 0 0 0\n"
    // A layer the table lacks: no colour; closed, and already back at its start.
    "21 0 [P3              ] 0 0 0 0 0 0\n"
    "22 0 [P3              ] 1 0 1 0 0 0\n"
    "22 0 [P3              ] 1 1 2 0 0 0\n"
    "23 0 [P3              ] 0 0 0 0 0 0\n"
    // The block BLK (a line and a point) at (5, 5), in layer 0's colour 7.
    "21 7 [0               ] 5 5 0 0 0 0\n"
    "23 7 [0               ] 6 6 0 0 0 0\n"
    "11 7 [0               ] 8 8 0 0 0 0\n"
    // Nothing left over from the entities before it.
    "11 0 [NUOVO           ] 9 9 9 0 0 0\n";

// The circle (10, 10) r 2 and the arc (20, 20) r 3 from 45 to 90 degrees
// taken out of m as runs; each vertex on its curve.
void togli_curve(modello& m, std::vector<std::vector<entita>>& curve) {
    modello resto;
    std::vector<entita> run;
    for (const entita& e : m.lista_entita.voci()) {
        if (e.tipo == tipo_inizio) run.clear();
        if (e.tipo >= tipo_inizio && e.tipo <= tipo_fine) run.push_back(e);
        if (e.tipo == tipo_fine && run.size() > 3 && run[0].nome.pulito() == "MURI") {
            curve.push_back(run);
            continue;
        }
        if (e.tipo == tipo_fine || e.tipo == tipo_punto || e.tipo == tipo_testo)
            for (const entita& r : (e.tipo == tipo_fine ? run : std::vector<entita>{e}))
                agg_entita(resto, r);
    }
    m.lista_entita.azzera();
    for (const entita& e : resto.lista_entita.voci()) agg_entita(m, e);
}

void controlla_curve(const std::vector<std::vector<entita>>& curve) {
    ASSERT_EQ(curve.size(), 2u);
    const struct {
        double cx, cy, r, a0, a1;
    } attese[] = {{10, 10, 2, 0, 360}, {20, 20, 3, 45, 90}};
    for (std::size_t k = 0; k < 2; ++k) {
        const auto& c = attese[k];
        for (const entita& e : curve[k]) {
            EXPECT_NEAR(std::hypot(e.x - c.cx, e.y - c.cy), c.r, 1e-12);
            EXPECT_EQ(e.colore, 1);
        }
        const auto angolo = [&](const entita& e) {
            return std::atan2(e.y - c.cy, e.x - c.cx) * 180 / 3.141592653589793;
        };
        EXPECT_NEAR(angolo(curve[k].front()), c.a0, 1e-9);
        EXPECT_NEAR(std::fmod(angolo(curve[k].back()) + 360, 360), std::fmod(c.a1, 360), 1e-9);
        // Chords within 0.2 % of the radius: at least as many as that needs.
        const double passo = 2 * std::acos(1 - 0.002) * 180 / 3.141592653589793;
        EXPECT_GE(static_cast<double>(curve[k].size() - 1), (c.a1 - c.a0) / passo);
    }
}

esito_dxf leggi(modello& m, const std::string& testo) {
    azzera_liste(m);
    std::istringstream in(testo);
    return leggi_dxf(m, in);
}

TEST(PeerR12, EntitaAttese) {
    const std::string testo = prova::leggi_tutto(prova::dati("ezdxf_r12.dxf"));
    ASSERT_NE(testo.find("ENTITIES\n"), std::string::npos) << "fixture missing";
    modello m;
    const esito_dxf esito = leggi(m, testo);
    EXPECT_FALSE(esito.manca_entita || esito.manca_layer);
    std::vector<std::vector<entita>> curve;
    togli_curve(m, curve);
    EXPECT_EQ(prova::elenca(m), atteso);
    controlla_curve(curve);
    EXPECT_EQ(m.lista_layer.n_layer(), 4);  // 0, Defpoints, MURI, Testi
    EXPECT_EQ(m.lista_layer.voce(4).nome.pulito(), "TESTI");
}

TEST(PeerR12, ConFineRigaCrLf) {
    std::string testo = prova::leggi_tutto(prova::dati("ezdxf_r12.dxf"));
    std::string crlf;
    for (char c : testo) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    modello m;
    leggi(m, crlf);
    std::vector<std::vector<entita>> curve;
    togli_curve(m, curve);
    EXPECT_EQ(prova::elenca(m), atteso);
}

// Cut inside the entities: what came before stays, with the error of the cut.
TEST(PeerR12, TroncatoNelleEntita) {
    const std::string testo = prova::leggi_tutto(prova::dati("ezdxf_r12.dxf"));
    const auto testo_citta = testo.find("Citt\xE0");
    ASSERT_NE(testo_citta, std::string::npos);
    modello m;
    // Right after the "  1" code line of the text: its value is missing.
    const std::string tagliato = testo.substr(0, testo_citta);
    EXPECT_EQ(prova::numero_errore([&] { leggi(m, tagliato); }), err_fine_file);
    EXPECT_EQ(m.lista_entita.n_entita(), 3);
}

}  // namespace
}  // namespace pianopre
