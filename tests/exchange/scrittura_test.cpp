// The DXF writer: the fixed head and tail, each entity kind line by line,
// layer-name cleaning, the scheme origin, number forms and refused output.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "base/errori.h"
#include "base/testo_numeri.h"
#include "exchange/dxf_scrittura.h"
#include "support/entita_prova.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

using prova::dividi;
using prova::numero_errore;

std::string scrivi(const elenco_entita& lista, double ox = 0, double oy = 0, double oz = 0) {
    std::ostringstream out;
    salva_dxf(out, lista, ox, oy, oz);
    return out.str();
}

// The lines written for the entities alone, between the head and the tail.
std::vector<std::string> corpo(std::initializer_list<entita> voci, double ox = 0, double oy = 0,
                               double oz = 0) {
    elenco_entita lista;
    lista.azzera();
    for (const entita& e : voci) lista.aggiungi(e);
    std::vector<std::string> linee = dividi(scrivi(lista, ox, oy, oz));
    return {linee.begin() + 538, linee.end() - 4};
}

using prova::voce;

using linee = std::vector<std::string>;

TEST(ScritturaDxf, ListaVuotaCinquecentoquarantadueRighe) {
    elenco_entita lista;
    lista.azzera();
    const std::string testo = scrivi(lista);
    const linee l = dividi(testo);
    ASSERT_EQ(l.size(), 542u);
    // Every line ends with CR LF, and nothing follows the last one.
    std::size_t a_capo = 0;
    for (std::size_t p = testo.find("\r\n"); p != std::string::npos; p = testo.find("\r\n", p + 2))
        ++a_capo;
    EXPECT_EQ(a_capo, 542u);
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 542);
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\r'), 542);
    EXPECT_EQ(testo.substr(testo.size() - 7), "\r\nEOF\r\n");
    const linee testa(l.begin(), l.begin() + 30);
    EXPECT_EQ(testa, (linee{"  0", "SECTION", "  2", "HEADER",  "  9", "$ACADVER",  "  1", "AC1009",
                            "  0", "ENDSEC",  "  0", "SECTION", "  2", "TABLES",    "  0", "TABLE",
                            "  2", "LAYER",   " 70", "60",      "  0", "LAYER",     "  2", "FONDO",
                            " 70", "0",       " 62", "4",       "  6", "CONTINUOUS"}));
    for (int n = 1; n <= 50; ++n) {
        const auto inizio = l.begin() + 30 + 10 * (n - 1);
        EXPECT_EQ(linee(inizio, inizio + 10),
                  (linee{"  0", "LAYER", "  2", std::to_string(n), " 70", "0", " 62",
                         n % 2 ? " 1 " : " 3 ", "  6", "CONTINUOUS"}))
            << "layer " << n;
    }
    EXPECT_EQ(linee(l.begin() + 530, l.end()),
              (linee{"  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "ENTITIES", "  0",
                     "ENDSEC", "  0", "EOF"}));
}

TEST(ScritturaDxf, OgniGenereDiEntita) {
    entita testo = voce(81, "3", 1, 2, 3);
    testo.altezza = 0.6f;
    testo.rotazione = 90;  // not written
    testo.colore = 5;      // not written: the layer gives the colour
    EXPECT_EQ(corpo({voce(11, "FONDO", 100, -2.5, 0.6)}),
              (linee{"  0", "POINT", "  8", "FONDO", " 10", " 100", " 20", "-2.5", " 30", " .6"}));
    EXPECT_EQ(corpo({testo}), (linee{"  0", "TEXT", "  8", "3", " 10", " 1", " 20", " 2", " 30",
                                     " 3", "40", " .6", "  1", "3               "}));
    EXPECT_EQ(corpo({voce(21, "7", 1, 0, 0), voce(23, "7", 0, 1.0 / 3, 0)}),
              (linee{"  0", "POLYLINE", "  8", "7",      " 70", "8",
                     " 66", "     1",   "  0", "VERTEX", "  8", "7",
                     " 70", "32",       " 10", " 1",     " 20", " 0",
                     " 30", " 0",       "  0", "VERTEX", "  8", "7",
                     " 70", "32",       " 10", " 0",     " 20", " .333333333333333",
                     " 30", " 0",       "  0", "SEQEND"}));
}

// Which entity writers each type code calls, by the entity names written.
TEST(ScritturaDxf, CodiciDiTipo) {
    struct caso {
        std::int16_t tipo;
        linee nomi;
    };
    const caso casi[] = {
        {11, {"POINT"}},
        {21, {"POLYLINE", "VERTEX"}},
        {31, {"POLYLINE", "VERTEX"}},
        {22, {"VERTEX"}},
        {32, {"VERTEX"}},
        {23, {"VERTEX", "SEQEND"}},
        {33, {"VERTEX", "SEQEND"}},
        {81, {"TEXT"}},
        {0, {}},
        {12, {}},
        {-21, {}},
        {24, {}},
    };
    for (const caso& c : casi) {
        const linee l = corpo({voce(c.tipo, "A")});
        linee nomi;
        for (std::size_t i = 0; i + 1 < l.size(); i += 2)
            if (l[i] == "  0") nomi.push_back(l[i + 1]);
        EXPECT_EQ(nomi, c.nomi) << "tipo " << c.tipo;
    }
}

TEST(ScritturaDxf, PolilineaDelloSchema) {
    const linee l = corpo({voce(21, "FONDO"), voce(22, "FONDO"), voce(22, "FONDO"),
                           voce(22, "FONDO"), voce(23, "FONDO")});
    EXPECT_EQ(std::count(l.begin(), l.end(), "POLYLINE"), 1);
    EXPECT_EQ(std::count(l.begin(), l.end(), "VERTEX"), 5);
    EXPECT_EQ(std::count(l.begin(), l.end(), "SEQEND"), 1);
    EXPECT_EQ(l.back(), "SEQEND");
}

TEST(ScritturaDxf, PulisciNome) {
    const std::pair<std::string_view, std::string_view> casi[] = {
        {"FONDO", "FONDO           "},
        {"  Dist.presa:", "Dist_presa:     "},
        {"Base presa:", "Base_presa:     "},
        {"a b.c  d", "a_b_c__d        "},
        {"                ", "                "},
        {"\xE0 \xE8.", "\xE0_\xE8_            "},  // Windows-1252 letters stay bytes
    };
    for (const auto& [prima, dopo] : casi) {
        testo_fisso<16> nome(prima);
        pulisci_nome(nome);
        EXPECT_EQ(nome.grezzo(), dopo) << prima;
    }
}

TEST(ScritturaDxf, NomeLayerValidoPerR12) {
    const std::pair<std::string_view, std::string_view> casi[] = {
        {"FONDO", "FONDO"},
        {"Dist_presa:", "Dist_presa_"},
        {"Localita':", "Localita__"},
        {"2,4", "2_4"},
        {"$a-b_C9", "$a-b_C9"},
        {"", "0"},
        {"   ", "0"},
        {"ci\xE0o", "ci_o"},
        {"a/b*c?", "a_b_c_"},
    };
    for (const auto& [nome, layer] : casi)
        EXPECT_EQ(nome_layer(testo_fisso<16>(nome)), layer) << nome;
}

TEST(ScritturaDxf, TestiDellaLegenda) {
    entita dist = voce(81, "Dist.presa:");
    dist.altezza = 0.8f;
    const linee l = corpo({dist});
    EXPECT_EQ(l[3], "Dist_presa_");
    EXPECT_EQ(l[11], " .8");
    EXPECT_EQ(l[13], "Dist_presa:     ");
    EXPECT_EQ(corpo({voce(11, "")})[3], "0");
}

// Control bytes would break the line structure; Windows-1252 bytes are kept.
TEST(ScritturaDxf, ByteDeiTesti) {
    EXPECT_EQ(corpo({voce(81, "a\rb\nc\td")})[13], "a_b_c_d         ");
    EXPECT_EQ(corpo({voce(81, "Citt\xE0 \x80")})[13], "Citt\xE0_\x80         ");
}

TEST(ScritturaDxf, OrigineDelloSchema) {
    entita relativo = voce(11, "1", 100, 200, 20);
    relativo.attributi = attr_relativo;
    entita fisso = voce(81, "Progetto:", 100, 220, 46);
    entita marcato = voce(11, "2", 1, 1, 1);
    marcato.attributi = attr_marcato | attr_relativo;
    const linee l = corpo({relativo, fisso, marcato}, 5, -0.5, 1e20);
    EXPECT_EQ(linee(l.begin() + 5, l.begin() + 10),
              (linee{" 105", " 20", " 199.5", " 30", " 1E+20"}));
    EXPECT_EQ(linee(l.begin() + 15, l.begin() + 20), (linee{" 100", " 20", " 220", " 30", " 46"}));
    EXPECT_EQ(l[29], " 6");
}

TEST(ScritturaDxf, CoordinateNonFinite) {
    entita e = voce(11, "1", 1e308);
    e.attributi = attr_relativo;
    elenco_entita lista;
    lista.azzera();
    lista.aggiungi(e);
    EXPECT_EQ(numero_errore([&] { scrivi(lista, 1e308); }), err_overflow);
    EXPECT_EQ(numero_errore([&] { scrivi(lista, -1e308); }), 0);
    entita nan = voce(23, "1", std::numeric_limits<double>::quiet_NaN());
    lista.azzera();
    lista.aggiungi(nan);
    EXPECT_EQ(numero_errore([&] { scrivi(lista); }), err_overflow);
}

// The writer's own number formatting gives the shared fixed form exactly.
TEST(ScritturaDxf, NumeriComeIlTestoPunto) {
    std::mt19937_64 caso(7);
    std::vector<double> valori = {0,
                                  -0.0,
                                  1,
                                  -1,
                                  0.5,
                                  1e15,
                                  1e-4,
                                  9.9e-5,
                                  1e300,
                                  -1e-300,
                                  123456789012345.0,
                                  1234567890123456.0,
                                  4.9e-324,
                                  1.7976931348623157e308};
    for (int i = 0; i < 20000; ++i) {
        valori.push_back(
            std::ldexp(static_cast<double>(caso() >> 11), static_cast<int>(caso() % 200) - 150));
        valori.push_back(
            static_cast<float>(std::uniform_real_distribution<double>(-1e4, 1e4)(caso)));
        double bit;
        const std::uint64_t b = caso();
        std::memcpy(&bit, &b, sizeof bit);
        if (std::isfinite(bit)) valori.push_back(bit);
    }
    for (double v : valori) {
        std::ostringstream out;
        uscita_dxf u(out);
        u.numero(v);
        u.numero(static_cast<float>(v));
        u.svuota();
        ASSERT_EQ(out.str(), testo_punto(v) + "\r\n" + testo_punto(static_cast<float>(v)) + "\r\n")
            << v;
    }
}

// Values are gathered in blocks; one larger than a block goes straight through.
TEST(ScritturaDxf, RigheOltreIlBlocco) {
    std::ostringstream out;
    uscita_dxf u(out);
    std::string atteso;
    for (std::size_t n : {10u, 300000u, 5u, 262142u, 262143u, 7u}) {
        const std::string valore(n, static_cast<char>('a' + n % 26));
        u.riga(valore);
        atteso += valore + "\r\n";
    }
    u.svuota();
    EXPECT_TRUE(out.str() == atteso);
}

TEST(ScritturaDxf, FileCheRifiutaIByte) {
    std::ofstream pieno("/dev/full", std::ios::binary);
    ASSERT_TRUE(pieno.is_open());
    elenco_entita lista;
    lista.azzera();
    EXPECT_EQ(numero_errore([&] { salva_dxf(pieno, lista, 0, 0, 0); }), err_accesso_file);
}

}  // namespace
}  // namespace pianopre
