// The .xyz control-point reader: item rules, sorting by byte codes, blank
// lines, incomplete last points and the 4500-point limit.
#include <gtest/gtest.h>

#include <sstream>

#include "exchange/xyz_lettura.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

struct letto {
    esito_xyz esito;
    std::vector<std::string> punti;  // "nome|x|y|z", nome with its 15 characters
};

letto carica(modello& m, const std::string& testo) {
    std::istringstream in(testo);
    letto r{leggi_xyz(m, in), {}};
    for (const punto_app& p : m.lista_punti.voci()) {
        std::ostringstream s;
        s << p.nome.grezzo() << '|' << p.x << '|' << p.y << '|' << p.z;
        r.punti.push_back(s.str());
    }
    return r;
}

using punti = std::vector<std::string>;

TEST(LetturaXyz, FormeDelleRighe) {
    struct caso {
        std::string testo;
        punti attesi;
    };
    const caso casi[] = {
        {"PF1, 10.5 20.25 1.5\r\n", {"PF1            |10.5|20.25|1.5"}},
        {"PF1,10.5,20.25,1.5", {"PF1            |10.5|20.25|1.5"}},
        {"  PF1 ,1 , 2 ,3\n", {"PF1            |1|2|3"}},
        {"PF1\n1\n2\n3\n", {"PF1            |1|2|3"}},
        {"PF1,\n\n 1,\n2 3\n", {"PF1            |1|2|3"}},
        {"\"P, 1\",4,5,6", {"P, 1           |4|5|6"}},
        {"\"P 2\" x,4,5,6", {"P 2            |4|5|6"}},
        {"PF1,,2,3", {"PF1            |0|2|3"}},
        {"PF1\t,\t7\t8\t9", {"PF1\t           |7|8|9"}},
        {"PF1,-1e3,+.5,2E-1", {"PF1            |-1000|0.5|0.2"}},
        {"Un nome molto lungo,1,2,3", {"Un nome molto l|1|2|3"}},
        {"Punt\xE0,1,2,3", {"Punt\xE0          |1|2|3"}},
        // A name without a comma takes the whole line.
        {"A 1 2 3\n4 5 6", {"A 1 2 3        |4|5|6"}},
    };
    for (const caso& c : casi) {
        modello m;
        const letto r = carica(m, c.testo);
        EXPECT_EQ(r.punti, c.attesi) << c.testo;
        EXPECT_EQ(r.esito.riga_incompleta, 0) << c.testo;
        EXPECT_FALSE(r.esito.troppi_punti);
    }
}

// Items cut by block boundaries read as whole ones.
TEST(LetturaXyz, BlocchiPiccoli) {
    const std::string testo = "PF1, 10.5 20.25 1.5\r\n\"P, 2\",4,5,6\nZ\n7\n8 9\n\nQ,1\n";
    modello atteso;
    const letto r = carica(atteso, testo);
    ASSERT_EQ(r.punti.size(), 3u);
    for (std::size_t blocco : {1u, 2u, 3u, 5u, 8u}) {
        std::istringstream in(testo);
        lettore_righe righe(in, blocco);
        modello m;
        const esito_xyz esito = leggi_xyz(m, righe);
        EXPECT_EQ(esito.riga_incompleta, r.esito.riga_incompleta) << blocco;
        ASSERT_EQ(m.lista_punti.n_punti(), 3) << blocco;
        for (std::int32_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(m.lista_punti.voce(i).nome, atteso.lista_punti.voce(i).nome) << blocco;
            EXPECT_EQ(m.lista_punti.voce(i).z, atteso.lista_punti.voce(i).z) << blocco;
        }
    }
}

TEST(LetturaXyz, OrdinePerCodiceDeiCaratteri) {
    modello m;
    const letto r = carica(m, "B2,1,1,1\nA10,2,2,2\nA2,3,3,3\na1,4,4,4\n A,5,5,5\nA 1,6,6,6\n");
    std::vector<std::string> nomi;
    for (const std::string& p : r.punti) nomi.push_back(p.substr(0, p.find(' ')));
    EXPECT_EQ(nomi, (std::vector<std::string>{"A", "A", "A10", "A2", "B2", "a1"}));
    EXPECT_EQ(r.punti[0], "A              |5|5|5");  // "A" then blanks sorts before "A 1"
    EXPECT_EQ(r.punti[1], "A 1            |6|6|6");
}

TEST(LetturaXyz, RigheVuoteENomiUguali) {
    modello m;
    const letto r = carica(m, "\n  \nC,1,1,1\n\nB,2,2,2\r\n   \r\nB,3,3,3\n\n\n  ");
    EXPECT_EQ(r.punti,
              (punti{"B              |2|2|2", "B              |3|3|3", "C              |1|1|1"}));
    EXPECT_EQ(r.esito.riga_incompleta, 0);
}

TEST(LetturaXyz, FileVuoto) {
    for (const char* testo : {"", "\n", "  \r\n \r\n"}) {
        modello m;
        const letto r = carica(m, testo);
        EXPECT_TRUE(r.punti.empty());
        EXPECT_EQ(r.esito.riga_incompleta, 0);
    }
}

TEST(LetturaXyz, UltimoPuntoIncompleto) {
    struct caso {
        std::string testo;
        std::int64_t riga;
    };
    const caso casi[] = {
        {"Z,1,1,1\nA,2,2\n", 2},
        {"Z,1,1,1\nA,2", 2},
        {"Z,1,1,1\n\nA", 3},
        {"Z,1,1,1\nA,\n", 2},
    };
    for (const caso& c : casi) {
        modello m;
        const letto r = carica(m, c.testo);
        EXPECT_EQ(r.esito.riga_incompleta, c.riga) << c.testo;
        EXPECT_EQ(r.punti, (punti{"Z              |1|1|1"})) << c.testo;
    }
    modello m;
    const letto r = carica(m, "C,1,1,1\nB,2,2,2\nA,3");
    EXPECT_EQ(r.punti[0].substr(0, 1), "B");  // the complete points are sorted
}

TEST(LetturaXyz, LimiteDeiPunti) {
    for (const int quanti : {4499, 4500, 4600}) {
        std::string testo;
        for (int i = quanti; i >= 1; --i) {
            testo += 'P';
            testo += std::to_string(i);
            testo += ",1,2,3\n";
        }
        modello m;
        const letto r = carica(m, testo);
        const bool troppi = quanti >= 4500;
        EXPECT_EQ(r.esito.troppi_punti, troppi) << quanti;
        EXPECT_EQ(m.lista_punti.n_punti(), troppi ? 4500 : 4499);
        // Stopped loads are not sorted: the file's first point comes first.
        const std::string primo = std::string(1, 'P').append(troppi ? std::to_string(quanti) : "1");
        EXPECT_EQ(m.lista_punti.voce(1).nome.pulito(), primo);
    }
}

TEST(LetturaXyz, SecondoCaricamentoSostituisce) {
    modello m;
    carica(m, "A,1,1,1\nB,2,2,2\nC,3,3,3\n");
    const letto r = carica(m, "D,4,4,4\n");
    EXPECT_EQ(r.punti, (punti{"D              |4|4|4"}));
    EXPECT_EQ(carica(m, "").punti.size(), 0u);
}

}  // namespace
}  // namespace pianopre
