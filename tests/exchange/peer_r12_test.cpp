// A release 12 drawing written by ezdxf (tests/exchange/ezdxf_peer.py genera),
// with LF line ends: LINE, POINT, TEXT, 2-D and 3-D POLYLINE, CIRCLE, ARC and
// a block INSERT, layers with colours; and the same drawing with CR LF line
// ends and cut short.
#include <gtest/gtest.h>

#include <sstream>

#include "exchange/dxf_lettura.h"
#include "base/errori.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

// One line per entity, as prova::elenca lists them.
const char* const atteso =
    "21 1 [MURI            ] 1 2 3 0 0 0\n"
    "23 0 [MURI            ] 4 5 6 0 0 0\n"
    "11 3 [muri            ] 7 8 9 0 0 0\n"
    "81 5 [Citt\xE0, 1 m      ] 1.5 2.5 0 0.5 30 0\n"
    "21 1 [MURI            ] 0 0 0 0 0 0\n"
    "22 1 [MURI            ] 1 0 0 0 0 0\n"
    "23 1 [MURI            ] 1 1 0 0 0 0\n"
    // The SEQEND before it (layer MURI) left its colour to the first vertex.
    "21 1 [P3              ] 0 0 0 0 0 0\n"
    "22 0 [P3              ] 1 0 1 0 0 0\n"
    "22 0 [P3              ] 1 1 2 0 0 0\n"
    "23 0 [P3              ] 0 0 0 0 0 0\n"
    // After the skipped CIRCLE, ARC and INSERT: the arc's radius and start
    // angle, and the colour 7 of the INSERT's layer "0".
    "11 7 [NUOVO           ] 9 9 9 3 45 0\n";

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
    EXPECT_EQ(prova::elenca(m), atteso);
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
