// The DXF reader on the kinds of today's CAD programs, in small hand-made
// files: each kind's vertices in world coordinates, blocks and references,
// layers off and frozen, texts in our characters, binary files as their ASCII
// twins, and the bounds that keep hostile files small.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "exchange/dxf_scrittura.h"
#include "exchange/file_scambio.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

using prova::righe;
using gruppi = std::vector<std::string>;

std::string unisci(const gruppi& g) {
    std::string t;
    for (const std::string& r : g) t += r + "\n";
    return t;
}

// A file with the given layer entries (name, colour, flags), blocks and entities.
std::string file_dxf(const gruppi& layer, const gruppi& blocchi, const gruppi& entita,
                     const std::string& versione = "AC1009") {
    std::string t = unisci({"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", versione, "0",
                            "ENDSEC", "0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER"});
    t += unisci(layer) + unisci({"0", "ENDTAB", "0", "ENDSEC", "0", "SECTION", "2", "BLOCKS"});
    t += unisci(blocchi) + unisci({"0", "ENDSEC", "0", "SECTION", "2", "ENTITIES"});
    return t + unisci(entita) + unisci({"0", "ENDSEC", "0", "EOF"});
}

std::vector<entita> leggi(const std::string& testo, std::int64_t massimo = massimo_da_blocchi) {
    modello m;
    azzera_liste(m);
    std::istringstream in(testo);
    lettore_righe r(in);
    leggi_dxf(m, r, massimo);
    return {m.lista_entita.voci().begin(), m.lista_entita.voci().end()};
}

bool vicino(const entita& e, double x, double y, double z = 0) {
    return std::fabs(e.x - x) < 1e-9 && std::fabs(e.y - y) < 1e-9 && std::fabs(e.z - z) < 1e-9;
}

// Every vertex at distance r from (cx, cy), and no chord farther than 0.2 %
// of the radius from the circle.
bool su_cerchio(const std::vector<entita>& v, double cx, double cy, double r) {
    for (const entita& e : v)
        if (std::fabs(std::hypot(e.x - cx, e.y - cy) - r) > 1e-9 * r) return false;
    for (std::size_t i = 1; i < v.size(); ++i) {
        const double mx = (v[i - 1].x + v[i].x) / 2, my = (v[i - 1].y + v[i].y) / 2;
        if (r - std::hypot(mx - cx, my - cy) > 0.002 * r) return false;
    }
    return v.size() > 2;
}

using voci = std::vector<entita>;

struct caso {
    const char* nome;
    gruppi gruppi_entita;
    std::function<bool(const voci&)> giusto;
    gruppi blocchi = {};
};

TEST(TipiDxf, OgniTipoInCoordinateDelMondo) {
    const caso casi[] = {
        {"arco",
         {"0", "ARC", "8", "A", "10", "1", "20", "1", "40", "2", "50", "0", "51", "90"},
         [](const auto& v) {
             return su_cerchio(v, 1, 1, 2) && vicino(v.front(), 3, 1) && vicino(v.back(), 1, 3) &&
                    v.front().tipo == tipo_inizio && v.back().tipo == tipo_fine;
         }},
        // Extrusion (0, 0, -1): the plane seen from below, x mirrored.
        {"cerchio OCS",
         {"0", "CIRCLE", "10", "1", "20", "0", "40", "1", "230", "-1"},
         [](const auto& v) {
             return su_cerchio(v, -1, 0, 1) && vicino(v.front(), v.back().x, v.back().y);
         }},
        // Bulge tan(22.5 degrees): a quarter circle counter-clockwise, below the chord.
        {"lwpolyline chiusa con bulge",
         {"0",  "LWPOLYLINE",          "90", "3", "70", "1", "38", "5", "10", "0", "20", "0",
          "42", "0.41421356237309503", "10", "2", "20", "0", "10", "2", "20", "2"},
         [](const auto& v) {
             bool arco = true;
             for (std::size_t i = 0; i + 2 < v.size(); ++i)
                 arco = arco &&
                        std::fabs(std::hypot(v[i].x - 1, v[i].y - 1) - std::sqrt(2)) < 1e-9 &&
                        v[i].y <= 1e-12;
             return arco && v.size() > 10 && vicino(v[v.size() - 2], 2, 2, 5) &&
                    vicino(v.back(), 0, 0, 5);
         }},
        {"testo giustificato e specchiato",
         {"0", "TEXT", "10", "9", "20", "9", "11", "2", "21", "3", "72", "1", "1", "t", "230", "-1",
          "40", "2"},
         [](const auto& v) {
             return v.size() == 1 && vicino(v[0], -2, 3) &&
                    std::fabs(v[0].rotazione - 180) < 1e-4 && v[0].altezza == 2;
         }},
        {"riferimento scalato e ruotato",
         {"0", "INSERT", "2", "B", "10", "10", "20", "0", "41", "2", "42", "2", "50", "90"},
         [](const auto& v) { return v.size() == 1 && vicino(v[0], 10, 2); },
         {"0", "BLOCK", "2", "B", "10", "1", "20", "0", "0", "POINT", "10", "2", "20", "0", "0",
          "ENDBLK"}},
        // A block's text keeps its own height and turn, scaled and turned with the reference.
        {"testo di un blocco",
         {"0", "INSERT", "2", "T", "41", "2", "42", "2", "50", "90"},
         [](const auto& v) {
             return v.size() == 1 && std::fabs(v[0].altezza - 0.2) < 1e-6 &&
                    std::fabs(v[0].rotazione - 135) < 1e-4;
         },
         {"0", "BLOCK", "2", "T", "0", "TEXT", "40", "0.1", "50", "45", "1", "t", "0", "ENDBLK"}},
        {"riferimenti annidati e in serie",
         {"0", "INSERT", "2", "A", "10", "5", "20", "5", "70", "2", "44", "10"},
         [](const auto& v) { return v.size() == 2 && vicino(v[0], 6, 6) && vicino(v[1], 16, 6); },
         {"0", "BLOCK", "2",      "A", "0",     "INSERT", "2", "b", "10",    "1", "20",
          "1", "0",     "ENDBLK", "0", "BLOCK", "2",      "B", "0", "POINT", "0", "ENDBLK"}},
        {"quota dal suo blocco",
         {"0", "DIMENSION", "2", "*D1", "10", "7", "20", "7"},
         [](const auto& v) { return v.size() == 2 && vicino(v[0], 0, 0) && vicino(v[1], 4, 0); },
         {"0", "BLOCK", "2", "*D1", "0", "LINE", "11", "4", "0", "ENDBLK"}},
        // ATTRIBs are texts; their SEQEND leaves the text before them alone.
        {"attributi",
         {"0", "TEXT", "1",  "prima", "0", "INSERT", "2", "B",        "66", "1", "0", "ATTRIB",
          "1", "a",    "10", "3",     "0", "ATTRIB", "1", "nascosto", "70", "1", "0", "SEQEND"},
         [](const auto& v) {
             return v.size() == 2 && v[0].tipo == tipo_testo && v[1].tipo == tipo_testo &&
                    v[1].nome.pulito() == "a" && vicino(v[1], 3, 0);
         },
         {"0", "BLOCK", "2", "B", "0", "ENDBLK"}},
        {"mtext a righe",
         {"0", "MTEXT", "10", "1", "20", "10", "40", "3", "3", "{\\fArial|b1;uno}\\P", "1",
          "d\\H2x;u\\~e %%d"},
         [](const auto& v) {
             return v.size() == 2 && v[0].nome.pulito() == "uno" &&
                    v[1].nome.pulito() == "du e \xB0" && vicino(v[0], 1, 10) && v[1].y < 10 - 3 &&
                    v[1].x == 1;
         }},
        // SOLID draws its third and fourth corners crossed.
        {"solid",
         {"0", "SOLID", "10", "0", "20", "0", "11", "1", "12", "0", "22", "1", "13", "1", "23",
          "1"},
         [](const auto& v) {
             return v.size() == 5 && vicino(v[1], 1, 0) && vicino(v[2], 1, 1) &&
                    vicino(v[3], 0, 1) && vicino(v[4], 0, 0);
         }},
        {"3dface triangolo",
         {"0", "3DFACE", "10", "0", "11", "1", "12", "1", "22", "1", "32", "1", "13", "1", "23",
          "1", "33", "1"},
         [](const auto& v) {
             return v.size() == 4 && vicino(v[2], 1, 1, 1) && vicino(v[3], 0, 0);
         }},
        {"ellisse",
         {"0", "ELLIPSE", "10", "0", "20", "0", "11", "2", "21", "0", "40", "0.5", "41", "0", "42",
          "6.283185307179586"},
         [](const auto& v) {
             bool su = v.size() > 40;
             for (const entita& e : v) su = su && std::fabs(e.x * e.x / 4 + e.y * e.y - 1) < 1e-9;
             return su;
         }},
        // A spline of degree 1 is its control polygon.
        {"spline",
         {"0", "SPLINE", "71", "1",  "40", "0",  "40", "0",  "40", "1",  "40", "2",  "40",
          "2", "10",     "0",  "20", "0",  "10", "1",  "20", "1",  "10", "2",  "20", "0"},
         [](const auto& v) {
             for (const entita& e : v)
                 if (std::fabs(e.y - (e.x <= 1 ? e.x : 2 - e.x)) > 1e-9) return false;
             return v.size() >= 3 && vicino(v.front(), 0, 0) && vicino(v.back(), 2, 0);
         }},
        // Through its fit points when it has no control points.
        {"spline per punti",
         {"0",  "SPLINE", "71", "3",  "11", "40", "21", "90", "11", "42",
          "21", "94",     "11", "46", "21", "88", "11", "50", "21", "91"},
         [](const auto& v) {
             int passa = 0;
             for (const entita& e : v)
                 passa +=
                     vicino(e, 40, 90) + vicino(e, 42, 94) + vicino(e, 46, 88) + vicino(e, 50, 91);
             return passa == 4 && v.size() > 20;
         }},
        {"tratteggio",
         {"0", "HATCH", "91", "1",  "92", "2",  "72", "0",  "73", "1",  "93", "3",  "10",
          "0", "20",    "0",  "10", "4",  "20", "0",  "10", "4",  "20", "3",  "97", "0"},
         [](const auto& v) { return v.size() == 4 && vicino(v[2], 4, 3) && vicino(v[3], 0, 0); }},
        {"polyface",
         {"0",  "POLYLINE", "70", "64",  "0",  "VERTEX", "10", "0",  "70", "192",   "0", "VERTEX",
          "10", "1",        "70", "192", "0",  "VERTEX", "20", "1",  "70", "192",   "0", "VERTEX",
          "70", "128",      "71", "1",   "72", "2",      "73", "-3", "0",  "SEQEND"},
         [](const auto& v) { return v.size() == 4 && vicino(v[1], 1, 0) && vicino(v[2], 0, 1); }},
        // Two lines half a unit either side of the vertices, along their miters.
        {"multilinea",
         {"0",  "MLINE", "71", "1", "11", "0",   "21", "0",    "13", "0", "23", "1",   "74", "2",
          "41", "0.5",   "41", "0", "74", "1",   "41", "-0.5", "11", "4", "21", "0",   "13", "0",
          "23", "1",     "74", "2", "41", "0.5", "41", "0",    "74", "1", "41", "-0.5"},
         [](const auto& v) {
             return v.size() == 4 && vicino(v[0], 0, 0.5) && vicino(v[1], 4, 0.5) &&
                    vicino(v[2], 0, -0.5) && vicino(v[3], 4, -0.5);
         }},
        {"leader",
         {"0", "LEADER", "10", "0", "20", "0", "10", "5", "20", "5"},
         [](const auto& v) { return v.size() == 2 && vicino(v[1], 5, 5); }},
    };
    for (const caso& c : casi) {
        const auto v = leggi(file_dxf({}, c.blocchi, c.gruppi_entita));
        EXPECT_TRUE(c.giusto(v)) << c.nome << ": " << v.size() << " entities";
    }
}

// The lines of MTEXT and MULTILEADER texts: each line's point, rotation and
// height, from the direction, extrusion, attachment point and columns.
TEST(TipiDxf, TestiDiPiuRighe) {
    struct riga {
        const char* testo;
        double x, y;
    };
    const struct {
        const char* nome;
        gruppi g;
        double rotazione, altezza;
        std::vector<riga> righe;
    } casi[] = {
        // Without 11 the lines run along world x, stacked toward world +y
        // when the extrusion is (0, 0, -1); a line every 5/3 of the height.
        {"mtext estrusione negativa",
         {"0", "MTEXT", "10", "10", "20", "20", "40", "3", "230", "-1", "1", "uno\\Pdue"},
         0,
         3,
         {{"uno", 10, 20}, {"due", 10, 25}}},
        {"mtext attacco in basso",
         {"0", "MTEXT", "40", "3", "71", "7", "1", "a\\Pb\\Pc"},
         0,
         3,
         {{"a", 0, 10}, {"b", 0, 5}, {"c", 0, 0}}},
        {"mtext attacco al centro",
         {"0", "MTEXT", "10", "50", "40", "3", "71", "5", "1", "a\\Pb\\Pc"},
         0,
         3,
         {{"a", 50, 5}, {"b", 50, 0}, {"c", 50, -5}}},
        // Columns 20 wide, 5 apart: in the embedded object (2018) or the
        // extended data (2007, the heights of the columns before them here).
        {"mtext colonne 2018",
         {"0",   "MTEXT",
          "40",  "3",
          "1",   "a\\Pb\\Nc\\\\N",
          "101", "Embedded Object",
          "70",  "1",
          "10",  "1",
          "11",  "0",
          "40",  "20",
          "71",  "1",
          "72",  "2",
          "44",  "20",
          "45",  "5"},
         0,
         3,
         {{"a", 0, 0}, {"b", 0, -5}, {"c\\N", 25, 0}}},
        {"mtext colonne 2007",
         {"0",    "MTEXT",
          "40",   "3",
          "1",    "a\\Pb\\Nc",
          "1001", "ACAD",
          "1000", "ACAD_MTEXT_COLUMN_INFO_BEGIN",
          "1070", "50",
          "1070", "1",
          "1040", "9",
          "1070", "48",
          "1040", "20",
          "1070", "49",
          "1040", "5",
          "1000", "ACAD_MTEXT_COLUMN_INFO_END"},
         0,
         3,
         {{"a", 0, 0}, {"b", 0, -5}, {"c", 25, 0}}},
        // Text along world y: its lines stacked toward +x, 5/3 of 2 apart.
        {"multileader ruotato",
         {"0",   "MULTILEADER",
          "300", "CONTEXT_DATA{",
          "41",  "2",
          "304", "uno\\Pdue",
          "12",  "5",
          "22",  "5",
          "13",  "0",
          "23",  "1",
          "42",  "1.5708",
          "301", "}",
          "41",  "8"},
         90,
         2,
         {{"uno", 5, 5}, {"due", 5 + 10.0 / 3, 5}}},
    };
    for (const auto& c : casi) {
        const auto v = leggi(file_dxf({}, {}, c.g, "AC1032"));
        ASSERT_EQ(v.size(), c.righe.size()) << c.nome;
        for (std::size_t i = 0; i < v.size(); ++i) {
            EXPECT_EQ(v[i].nome.pulito(), c.righe[i].testo) << c.nome;
            EXPECT_TRUE(vicino(v[i], c.righe[i].x, c.righe[i].y))
                << c.nome << " " << c.righe[i].testo << ": " << v[i].x << ", " << v[i].y;
            EXPECT_NEAR(v[i].rotazione, c.rotazione, 1e-4) << c.nome;
            EXPECT_EQ(v[i].altezza, c.altezza) << c.nome;
        }
    }
}

TEST(TipiDxf, LayerColoriEVisibilita) {
    const gruppi layer = {"0",      "LAYER", "2", "spento", "62", "-3", "0",     "LAYER", "2",
                          "GELATO", "62",    "4", "70",     "1",  "0",  "LAYER", "2",     "VERDE",
                          "62",     "3",     "0", "LAYER",  "2",  "0",  "62",    "7"};
    const gruppi blocchi = {"0", "BLOCK", "2",     "B", "0",     "POINT", "8", "0", "62",
                            "0", "0",     "POINT", "8", "verde", "10",    "1", "0", "ENDBLK"};
    const auto v = leggi(
        file_dxf(layer, blocchi,
                 {"0", "POINT", "8", "SPENTO", "0", "POINT", "8", "gelato", "0", "POINT", "67", "1",
                  "0", "POINT", "60", "1", "0", "POINT", "8", "VERDE", "62", "30", "10", "9",
                  // Layer 0 and BYBLOCK inside the block take the reference's layer and colour.
                  "0", "INSERT", "2", "B", "8", "VERDE", "62", "5", "0", "INSERT", "2", "B", "8",
                  "GELATO", "0", "INSERT", "2", "B", "8", "SPENTO", "10", "7"}));
    ASSERT_EQ(v.size(), 4u);
    EXPECT_TRUE(vicino(v[0], 9, 0));
    EXPECT_EQ(v[0].colore, 1);  // colour 30 (orange) shown as the nearest of ours
    EXPECT_EQ(v[1].nome.pulito(), "VERDE");
    EXPECT_EQ(v[1].colore, 5);
    EXPECT_EQ(v[2].colore, 3);
    // In a reference on a layer that is off only what takes its layer is hidden.
    EXPECT_TRUE(vicino(v[3], 8, 0));
    EXPECT_EQ(v[3].nome.pulito(), "verde");
}

TEST(TipiDxf, TestiNeiNostriCaratteri) {
    const struct {
        const char* versione;
        const char* codepage;
        std::string grezzo;
        std::string nostro;
    } casi[] = {
        {"AC1009", "ANSI_1252", "%%c10 %%p1 %%d \xE8",
         "\xD8"
         "10 \xB1"
         "1 \xB0 \xE8"},
        {"AC1015", "ANSI_1252", "\\U+20AC\\U+4E2D x", "\x80? x"},
        {"AC1027", "ANSI_1252", "\xC3\xA8\xE2\x82\xAC\xE4\xB8\xAD", "\xE8\x80?"},
        {"AC1015", "ANSI_1251",
         "\xE0"
         "b",
         "?b"},
        {"AC1009", "", "lungo oltre sedici caratteri", "lungo oltre sedi"},
    };
    for (const auto& c : casi) {
        std::string t = file_dxf({}, {}, {"0", "TEXT", "1", c.grezzo}, c.versione);
        t.insert(t.find("0\nENDSEC"), std::string("9\n$DWGCODEPAGE\n3\n") + c.codepage + "\n");
        const auto v = leggi(t);
        ASSERT_EQ(v.size(), 1u) << c.grezzo;
        EXPECT_EQ(v[0].nome.pulito(), c.nostro) << c.grezzo;
    }
}

// Texts that hold what reads as a control code are written so that they
// read back as they were.
TEST(TipiDxf, TestiRiscrittiComeSono) {
    for (const char* testo : {"%%d", "100%", "%%%%%%d", "\\U+0041x", "a%%\\U+00e8"}) {
        modello m;
        azzera_liste(m);
        entita e;
        e.tipo = tipo_testo;
        e.nome = testo;
        agg_entita(m, e);
        std::ostringstream out;
        salva_dxf(out, m.lista_entita, 0, 0, 0);
        const auto v = leggi(out.str());
        ASSERT_EQ(v.size(), 1u) << testo;
        EXPECT_EQ(v[0].nome.pulito(), testo);
    }
}

// Blocks that reference themselves, or that multiply beyond the bound, stop
// the read with error 6 instead of filling the memory.
TEST(TipiDxf, BlocchiOstili) {
    const gruppi se_stesso = {"0", "BLOCK",  "2", "A", "0", "POINT",
                              "0", "INSERT", "2", "A", "0", "ENDBLK"};
    EXPECT_EQ(prova::numero_errore([&] {
                  leggi(file_dxf({}, se_stesso, {"0", "INSERT", "2", "A"}));
              }),
              err_overflow);
    const gruppi serie = {"0", "BLOCK", "2", "P", "0", "POINT", "0", "ENDBLK"};
    const gruppi molte = {"0",  "INSERT", "2",  "P", "70", "1000",
                          "71", "1000",   "44", "1", "45", "1"};
    EXPECT_EQ(prova::numero_errore([&] { leggi(file_dxf({}, serie, molte), 10000); }),
              err_overflow);
    EXPECT_EQ(
        leggi(file_dxf({}, serie, {"0", "INSERT", "2", "P", "70", "3", "44", "1"}), 10).size(), 3u);
    // An array of a missing block, with ATTRIBs on each copy, counts its copies too.
    const gruppi vuota = {"0",     "INSERT", "2",     "NESSUNO", "66", "1",     "70",
                          "30000", "71",     "30000", "44",      "1",  "45",    "1",
                          "0",     "ATTRIB", "1",     "A",       "0",  "SEQEND"};
    EXPECT_EQ(prova::numero_errore([&] { leggi(file_dxf({}, {}, vuota)); }), err_overflow);
    // A run that leaves the range of real numbers goes in whole or not at all.
    const gruppi linea = {"0", "BLOCK", "2", "L", "0", "LINE", "11", "1e300", "0", "ENDBLK"};
    modello m;
    azzera_liste(m);
    std::istringstream in(
        file_dxf({}, linea, {"0", "POINT", "0", "INSERT", "2", "L", "41", "1e10"}));
    EXPECT_EQ(prova::numero_errore([&] { leggi_dxf(m, in); }), err_overflow);
    EXPECT_EQ(m.lista_entita.n_entita(), 1);
}

// Angles of any size cost one turn at most: an ellipse or a hatch's edge arc
// starting at 1e300 degrees ends at once with at most one turn of chords.
TEST(TipiDxf, AngoliEnormi) {
    const auto ellisse = leggi(file_dxf({}, {},
                                        {"0", "ELLIPSE", "10", "0", "20", "0", "11", "1", "21", "0",
                                         "40", "0.5", "41", "1e300", "42", "0"}));
    EXPECT_LE(ellisse.size(), 2000u);
    const auto tratteggio = leggi(file_dxf(
        {}, {}, {"0",  "HATCH", "91", "1", "92", "1",     "93", "1", "72", "2", "10", "0",
                 "20", "0",     "40", "1", "50", "1e300", "51", "0", "73", "1", "97", "0"}));
    EXPECT_LE(tratteggio.size(), 2000u);
    // An edge kind, path kind or degree beyond the integers is error 6.
    for (const char* codice : {"72", "92"}) {
        gruppi bordo = {"0",  "HATCH", "91", "1", "92", "1", "93", "1", "72", "1",
                        "10", "0",     "20", "0", "11", "1", "21", "0", "97", "0"};
        *(std::find(bordo.begin(), bordo.end(), codice) + 1) = "1E+308";
        EXPECT_EQ(prova::numero_errore([&] { leggi(file_dxf({}, {}, bordo)); }), err_overflow)
            << codice;
    }
}

// The binary files of the corpus read as their ASCII twins.
TEST(TipiDxf, BinarioComeAscii) {
    const std::string cartella = std::string(PIANOPRE_TEST_DATA) + "/dxf_corpus/generati/";
    for (const char* nome : {"r12", "r2000", "r2018"}) {
        modello a, b;
        azzera_liste(a);
        azzera_liste(b);
        const esito_dxf ea = leggi_file_dxf(cartella + nome + "_ascii.dxf", a);
        const esito_dxf eb = leggi_file_dxf(cartella + nome + "_binario.dxf", b);
        EXPECT_FALSE(eb.manca_entita || eb.manca_layer) << nome;
        EXPECT_EQ(ea.manca_layer, eb.manca_layer);
        EXPECT_GT(a.lista_entita.n_entita(), 100) << nome;
        EXPECT_EQ(prova::elenca(a), prova::elenca(b)) << nome;
    }
}

}  // namespace
}  // namespace pianopre
