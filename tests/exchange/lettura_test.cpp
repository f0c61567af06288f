// The DXF reader on small hand-made files: every group code, the working
// entities, the LAYER table and its colours, and the files it must refuse.
#include <gtest/gtest.h>

#include <sstream>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

using prova::dxf_entita;
using prova::numero_errore;
using prova::righe;

esito_dxf leggi(modello& m, const std::string& testo) {
    azzera_liste(m);
    std::istringstream in(testo);
    return leggi_dxf(m, in);
}

// A TABLES section with one LAYER table of the given (name, colour) entries.
std::string tabella(std::initializer_list<std::pair<std::string_view, std::string_view>> layer) {
    std::string t =
        righe({"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LAYER", " 70", "60"});
    for (const auto& [nome, colore] : layer) {
        t += righe({"  0", "LAYER", "  2", nome, " 70", "0"});
        if (!colore.empty()) t += righe({" 62", colore});
        t += righe({"  6", "CONTINUOUS"});
    }
    return t + righe({"  0", "ENDTAB", "  0", "ENDSEC"});
}

const entita& voce(const modello& m, std::int32_t n) {
    return m.lista_entita.voce(n);
}

TEST(LetturaDxf, PuntoTestoELinea) {
    modello m;
    const esito_dxf esito = leggi(
        m, dxf_entita({"0",  "POINT", "8",  "PF",   "10", "1.5", "20", "-2", "30", "1e3",  //
                       "0",  "TEXT",  "8",  "T",    "10", "4",   "20", "5",  "30", "6",
                       "40", ".8",    "1",  "ciao", "50", "45",  //
                       "0",  "LINE",  "8",  "L",    "62", "3",   "10", "1",  "20", "2",
                       "30", "3",     "11", "4",    "21", "5",   "31", "6",  "0",  "ENDSEC"}));
    EXPECT_FALSE(esito.manca_entita);
    EXPECT_FALSE(esito.manca_layer);
    ASSERT_EQ(m.lista_entita.n_entita(), 4);
    EXPECT_EQ(prova::elenca(m),
              "11 0 [PF              ] 1.5 -2 1000 0 0 0\n"
              "81 0 [ciao            ] 4 5 6 0.8 45 0\n"
              "21 3 [L               ] 1 2 3 0 0 0\n"
              "23 3 [L               ] 4 5 6 0 0 0\n");
}

TEST(LetturaDxf, CodiciENomiSenzaBlankEMaiuscoli) {
    modello m;
    leggi(m, dxf_entita({" 0 ", "  point ", "  8", "a", " 10 ", " 7 ", "010", "99", "0", "Line",
                         "8", "b"}));
    ASSERT_EQ(m.lista_entita.n_entita(), 3);
    EXPECT_EQ(voce(m, 1).tipo, tipo_punto);
    EXPECT_EQ(voce(m, 1).x, 7);  // "010" is not the code 10
    EXPECT_EQ(voce(m, 2).tipo, tipo_inizio);
    EXPECT_EQ(voce(m, 3).tipo, tipo_fine);
    leggi(m, dxf_entita({"0", "line", "8", "b", "0", "ENDSEC"}));
    EXPECT_EQ(m.lista_entita.n_entita(), 2);
}

TEST(LetturaDxf, TestoConVirgoleTagliatoASedici) {
    modello m;
    leggi(m, dxf_entita({"0", "TEXT", "8", "0", "1", "  ab,cd,ef,gh,ij,kl,mn,op,q", "0", "EOF"}));
    ASSERT_EQ(m.lista_entita.n_entita(), 1);
    EXPECT_EQ(voce(m, 1).nome.grezzo(), "  ab,cd,ef,gh,ij");
}

TEST(LetturaDxf, CampoLayer) {
    const std::pair<std::string_view, std::string_view> casi[] = {
        {"  muro", "muro"},
        {"muro,altro", "muro"},
        {"\"a, b\",c", "a, b"},
        {"\"aperto", "aperto"},
        {"un nome lungo oltre sedici", "un nome lungo ol"},
    };
    for (const auto& [valore, nome] : casi) {
        modello m;
        leggi(m, dxf_entita({"0", "POINT", "8", valore, "0", "EOF"}));
        ASSERT_EQ(m.lista_entita.n_entita(), 1) << valore;
        EXPECT_EQ(voce(m, 1).nome.pulito(), nome) << valore;
    }
}

TEST(LetturaDxf, ColoriDeiLayer) {
    struct caso {
        std::vector<std::string_view> gruppi;
        std::int16_t colore;
        std::string_view nome;
    };
    const caso casi[] = {
        {{"8", "fondo"}, 4, "fondo"},             // the table's entry in upper case
        {{"8", "FONDO", "62", "2"}, 2, "FONDO"},  // 62 after 8 wins
        {{"62", "2", "8", "FONDO"}, 2, "FONDO"},  // the entity's own colour wins in any order
        {{"62", "2", "8", "NERO"}, 2, "NERO"},    // a layer of colour 0 leaves it
        {{"62", "2", "8", "ALTRO"}, 2, "ALTRO"},  // and so does a layer not in the table
        {{"8", "Citt\xE0"}, 6, "Citt\xE0"},       // accented letters are compared in upper case
        {{"8", "5"}, 0, "5"},                     // no 62 in the table: no colour
    };
    for (const caso& c : casi) {
        std::string testo =
            tabella({{"FONDO", "4"}, {"nero", "0"}, {"citt\xE0", "6"}, {"4", "5"}, {"5", ""}});
        testo += righe({"0", "SECTION", "2", "ENTITIES", "0", "POINT"});
        for (std::string_view g : c.gruppi) testo += righe({g});
        testo += righe({"0", "EOF"});
        modello m;
        leggi(m, testo);
        ASSERT_EQ(m.lista_entita.n_entita(), 1) << c.nome;
        EXPECT_EQ(voce(m, 1).colore, c.colore) << c.nome;
        EXPECT_EQ(voce(m, 1).nome.pulito(), c.nome);
    }
}

TEST(LetturaDxf, TabellaLayer) {
    modello m;
    leggi(m, tabella({{"  fondo  ", " 4 "}, {"1", "-1"}, {"2", ""}}) + righe({"0", "EOF"}));
    ASSERT_EQ(m.lista_layer.n_layer(), 3);
    EXPECT_EQ(m.lista_layer.voce(1).nome.grezzo(), "FONDO           ");
    EXPECT_EQ(m.lista_layer.voce(1).colore, 4);
    EXPECT_EQ(m.lista_layer.voce(2).colore, -1);
    EXPECT_EQ(m.lista_layer.voce(3).colore, 0);  // nothing from the entry before
    EXPECT_EQ(colore_layer(m, "FONDO"), 4);
    EXPECT_EQ(colore_layer(m, "fondo"), 0);  // the look-up itself is exact
    EXPECT_EQ(colore_layer(m, "3"), 0);
}

TEST(LetturaDxf, CodiciTrasformatiInTipi) {
    struct caso {
        std::vector<std::string_view> gruppi;
        std::vector<std::int16_t> tipi;
    };
    const caso casi[] = {
        {{"0", "POLYLINE", "0", "VERTEX", "0", "VERTEX", "0", "VERTEX", "0", "SEQEND"},
         {21, 22, 23}},
        {{"0", "POLYLINE", "0", "VERTEX", "0", "SEQEND"}, {11}},
        // A SEQEND ends only a polyline's run.
        {{"0", "POINT", "0", "SEQEND"}, {11}},
        {{"0", "SEQEND"}, {}},
        {{"0", "VERTEX", "0", "VERTEX", "0", "EOF"}, {}},
        // Circles and arcs without a radius, references to no block, and the
        // kinds never kept.
        {{"0",  "CIRCLE",
          "10", "1",
          "0",  "ARC",
          "0",  "INSERT",
          "0",  "RAY",
          "0",  "XLINE",
          "0",  "IMAGE",
          "0",  "WIPEOUT",
          "0",  "3DSOLID",
          "0",  "REGION",
          "0",  "ACAD_PROXY_ENTITY",
          "0",  "ALTRO",
          "0",  "EOF"},
         {}},
        // A polyline without SEQEND ends at the next entity.
        {{"0", "POLYLINE", "0", "VERTEX", "0", "VERTEX", "0", "POINT", "0", "EOF"}, {21, 23, 11}},
        {{"0", "POINT", "0", "POLYLINE", "0", "VERTEX", "0", "VERTEX", "0", "SEQEND", "0", "LINE",
          "0", "TEXT", "0", "EOF"},
         {11, 21, 23, 21, 23, 81}},
        // The last entity of a file without a final "0" group is not stored.
        {{"0", "POINT", "10", "1"}, {}},
    };
    for (const caso& c : casi) {
        std::string testo = righe({"0", "SECTION", "2", "ENTITIES"});
        for (std::string_view g : c.gruppi) testo += righe({g});
        modello m;
        leggi(m, testo);
        std::vector<std::int16_t> tipi;
        for (const entita& e : m.lista_entita.voci()) tipi.push_back(e.tipo);
        EXPECT_EQ(tipi, c.tipi) << testo;
    }
}

// The POLYLINE header passes its layer and colour to vertices without their
// own; nothing of a skipped entity reaches the next one.
TEST(LetturaDxf, CampiSoloDellaPropriaEntita) {
    modello m;
    leggi(m, dxf_entita({"0",  "POLYLINE", "8",  "P",      "62", "5",      "66", "1",
                         "0",  "VERTEX",   "10", "1",      "0",  "VERTEX", "10", "2",
                         "8",  "Q",        "0",  "SEQEND",  //
                         "0",  "ALTRO",    "8",  "C",      "40", "3",      "10", "9",
                         "62", "4",        "50", "30",     "0",  "POINT",  "0",  "DIMENSION",
                         "50", "45",       "0",  "TEXT",   "1",  "t",      "0",  "EOF"}));
    ASSERT_EQ(m.lista_entita.n_entita(), 4);
    EXPECT_EQ(voce(m, 1).colore, 5);
    EXPECT_EQ(voce(m, 1).nome.pulito(), "P");
    EXPECT_EQ(voce(m, 2).colore, 5);
    EXPECT_EQ(voce(m, 2).nome.pulito(), "Q");
    EXPECT_EQ(voce(m, 3).nome.pulito(), "");
    EXPECT_EQ(voce(m, 3).x, 0);
    EXPECT_EQ(voce(m, 3).colore, 0);
    EXPECT_EQ(voce(m, 3).altezza, 0);
    EXPECT_EQ(voce(m, 4).rotazione, 0);  // not the DIMENSION's 50
}

TEST(LetturaDxf, LineaColorataFinoAllaFine) {
    modello m;
    leggi(m, dxf_entita({"0", "LINE", "8", "A", "62", "1", "11", "2", "0", "EOF"}));
    ASSERT_EQ(m.lista_entita.n_entita(), 2);
    EXPECT_EQ(voce(m, 2).nome.pulito(), "A");
    EXPECT_EQ(voce(m, 2).colore, 1);
    EXPECT_EQ(voce(m, 2).x, 2);
}

TEST(LetturaDxf, GruppiDopoLaSezioneEFineFile) {
    modello m;
    // "EOF" as a code reads no value; groups after ENDSEC are read all the same.
    leggi(m,
          righe({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "EOF", "0", "POINT", "0", "EOF"}));
    EXPECT_EQ(m.lista_entita.n_entita(), 1);
}

TEST(LetturaDxf, SezioniMancanti) {
    struct caso {
        std::string testo;
        bool manca_layer;
        bool manca_entita;
        std::int32_t layer;
    };
    const caso casi[] = {
        {"", false, true, 0},
        {righe({"0", "SECTION", "2", "HEADER", "0", "ENDSEC", "0", "EOF"}), false, true, 0},
        {tabella({{"A", "1"}}), false, true, 1},
        {righe({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LTYPE"}), true, true, 0},
        {righe({"0", "SECTION", "2", "TABLES", "0", "ENDSEC", "0", "SECTION", "2", "ENTITIES"}),
         false, false, 0},
        {righe({"tables", "layer", "0", "LAYER", "2", "A", "0", "LAYER", "2", "B"}), false, true,
         1},
    };
    for (const caso& c : casi) {
        modello m;
        const esito_dxf esito = leggi(m, c.testo);
        EXPECT_EQ(esito.manca_layer, c.manca_layer) << c.testo;
        EXPECT_EQ(esito.manca_entita, c.manca_entita) << c.testo;
        EXPECT_EQ(m.lista_layer.n_layer(), c.layer) << c.testo;
        EXPECT_EQ(m.lista_entita.n_entita(), 0);
    }
}

TEST(LetturaDxf, FileDanneggiati) {
    struct caso {
        std::string testo;
        int errore;
        std::int32_t entita_lette;
    };
    const caso casi[] = {
        {dxf_entita({"0", "POINT", "10", "abc"}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", ""}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", "1.5x"}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", "inf"}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", "nan"}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", "0x10"}), err_tipo, 0},
        {dxf_entita({"0", "POINT", "10", "1e400"}), err_overflow, 0},
        {dxf_entita({"0", "POINT", "0", "TEXT", "40", "1e39"}), err_overflow, 1},
        // Values that cannot be read in entities that are not kept skip them.
        {dxf_entita({"0", "RAY", "10", "abc", "62", "x", "0", "POINT", "0", "ALTRO", "40", "1e39"}),
         0, 1},
        // Reading ends at 0 EOF: a blank line, or anything, after it.
        {righe({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "0", "EOF", ""}), 0, 1},
        {righe({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "0", "EOF", "10", "x", "0"}), 0, 1},
        {dxf_entita({"0", "POINT", "62", "32768"}), err_overflow, 0},
        {dxf_entita({"0", "POINT", "62", "x"}), err_tipo, 0},
        {tabella({{"A", "40000"}}), err_overflow, 0},
        {tabella({{"A", "rosso"}}), err_tipo, 0},
        {righe({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "0"}), err_fine_file, 1},
        {righe({"0", "SECTION", "2", "ENTITIES", "10"}), err_fine_file, 0},
        {righe({"TABLES", "LAYER", "2"}), err_fine_file, 0},
    };
    for (const caso& c : casi) {
        modello m;
        EXPECT_EQ(numero_errore([&] { leggi(m, c.testo); }), c.errore) << c.testo;
        EXPECT_EQ(m.lista_entita.n_entita(), c.entita_lette) << c.testo;
    }
}

TEST(LetturaDxf, NumeriValidi) {
    const std::pair<std::string_view, double> casi[] = {
        {" 1.5", 1.5}, {"+2", 2},   {"-.5", -0.5}, {"3.", 3},  {"1E+05", 1e5}, {"2e-3", 2e-3},
        {"7 8", 7},    {"9,10", 9}, {"1e-400", 0}, {"\t4", 4}, {"-0", 0},      {"00012", 12},
    };
    for (const auto& [testo, valore] : casi) {
        modello m;
        leggi(m, dxf_entita({"0", "POINT", "10", testo, "0", "EOF"}));
        ASSERT_EQ(m.lista_entita.n_entita(), 1) << testo;
        EXPECT_EQ(voce(m, 1).x, valore) << testo;
    }
}

TEST(LetturaDxf, Trecentounesimo) {
    std::string testo = righe({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER"});
    for (int n = 1; n <= 301; ++n) testo += righe({"0", "LAYER", "2", std::to_string(n)});
    testo += righe({"0", "ENDTAB"});
    modello m;
    EXPECT_EQ(numero_errore([&] { leggi(m, testo); }), err_indice);
    EXPECT_EQ(m.lista_layer.n_layer(), 300);
    EXPECT_EQ(m.lista_layer.voce(300).nome.pulito(), "300");
}

TEST(LetturaDxf, FineRigaIndifferente) {
    const std::initializer_list<std::string_view> gruppi = {
        "0", "SECTION", "2",        "ENTITIES", "0", "TEXT", "8",
        "A", "1",       "t\xE8sto", "10",       "1", "0",    "EOF"};
    std::string attesa;
    for (std::string_view fine : {"\r\n", "\n"}) {
        std::string testo = righe(gruppi, fine);
        for (bool ultima : {true, false}) {
            if (!ultima) testo.resize(testo.size() - fine.size());
            modello m;
            leggi(m, testo);
            const std::string elenco = prova::elenca(m);
            if (attesa.empty()) attesa = elenco;
            EXPECT_EQ(elenco, attesa) << testo;
        }
    }
    EXPECT_EQ(attesa, "81 0 [t\xE8sto           ] 1 0 0 0 0 0\n");
}

}  // namespace
}  // namespace pianopre
