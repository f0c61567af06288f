// Reading typed numbers under Italian (comma) and English (point) regional formats.
#include "base/numeri.h"
#include "support/errori_prova.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errori.h"

namespace pianopre {
namespace {

const formato_regionale italiano = formato_regionale::italiano();
const formato_regionale inglese = formato_regionale::inglese();

struct caso {
    const char* testo;
    double atteso;
};

int numero_errore(std::string_view testo, const formato_regionale& f) {
    return prova::numero_errore([&] { leggi_numero(testo, f); });
}

// The same answer under both formats: blank texts, point texts and texts without separators.
TEST(LeggiNumero, TestiSenzaVirgolaValgonoInOgniFormato) {
    const caso casi[] = {
        {"", 0},
        {"   ", 0},
        {"\t ", 0},
        {"12.5", 12.5},
        {" 12.5 ", 12.5},
        {"1.000,5", 1},
        {"2.5 m", 2.5},
        {"abc", 0},
        {"1 2", 12},
        {"- 3", -3},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"2D2", 200},
        {"1.5e-2", 0.015},
        {"1e", 1},
        {"1e+", 1},
        {"1 e 2", 100},
        {"--5", 0},
        {"-", 0},
        {".", 0},
        {"100", 100},
        {"1\n2", 12},
        {"12abc34", 12},
        {"0.912", 0.912},
        {"1e-400", 0},
        {"&H10", 16},
        {"&hff", 255},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&O777", 511},
        {"&o17", 15},
        {"&O177777", -1},
        {"&X12", 0},
        {"&H", 0},
        {"&HZ", 0},
    };
    for (const auto& c : casi) {
        EXPECT_DOUBLE_EQ(leggi_numero(c.testo, italiano), c.atteso) << '"' << c.testo << '"';
        EXPECT_DOUBLE_EQ(leggi_numero(c.testo, inglese), c.atteso) << '"' << c.testo << '"';
    }
}

// A comma first means the strict comma reading, whatever the regional format:
// the program's own start-up texts "60,00" must read as sixty everywhere.
TEST(LeggiNumero, VirgolaLettaInModoStretto) {
    const caso casi[] = {
        {"60,00", 60},
        {" 60,00 ", 60},
        {"2,5", 2.5},
        {"-2,5", -2.5},
        {"+2,5", 2.5},
        {",5", 0.5},
        {"5,", 5},
        {"0,912", 0.912},
        {"1,5E+20", 1.5e20},
        {"1,5E-07", 1.5e-7},
        {"33,3333333333333", 33.3333333333333},
    };
    for (const auto& c : casi) {
        EXPECT_DOUBLE_EQ(leggi_numero(c.testo, italiano), c.atteso) << '"' << c.testo << '"';
        EXPECT_DOUBLE_EQ(leggi_numero(c.testo, inglese), c.atteso) << '"' << c.testo << '"';
    }
}

TEST(LeggiNumero, VirgolaNonNumericaDaErrore13) {
    for (const char* testo : {"2,5 m", "1,2,3", ",", " , ", "a,5", "2,5.1", "1,5E", "- ,5", "2 ,5",
                              "1,5E+", "--2,5", "2,5-"}) {
        EXPECT_EQ(numero_errore(testo, italiano), err_tipo) << '"' << testo << '"';
        EXPECT_EQ(numero_errore(testo, inglese), err_tipo) << '"' << testo << '"';
    }
}

// A locale that groups digits with a blank (French) reads "1 234,5" as it is written.
TEST(LeggiNumero, RaggruppamentoDelFormatoConVirgola) {
    const formato_regionale francese{',', ' '};
    EXPECT_DOUBLE_EQ(leggi_numero("1 234,5", francese), 1234.5);
    EXPECT_EQ(numero_errore("1 234,5", italiano), err_tipo);
    EXPECT_EQ(numero_errore("1234 ,5", francese), err_tipo);
}

TEST(LeggiNumero, TestoTroppoLungoDaErrore6) {
    const std::string limite(32767, '1');
    EXPECT_EQ(numero_errore(std::string(32766, ' ') + "5", italiano), 0);
    EXPECT_EQ(numero_errore(std::string(32768, ' '), italiano), err_overflow);
    EXPECT_EQ(numero_errore(limite + "1", inglese), err_overflow);
}

// Numbers beyond a 64-bit real are an overflow; tiny ones are 0 or their subnormal value.
TEST(LeggiNumero, EsponentiEstremi) {
    for (const char* testo : {"1e309", "-1e309", "1,0E+309", "1e99999999999999999999",
                              "&H100000000", "&O40000000000", "&Hf1111111111111111111FFFFFFFF"}) {
        EXPECT_EQ(numero_errore(testo, italiano), err_overflow) << testo;
    }
    EXPECT_EQ(leggi_numero("1e-99999999999999999999", inglese), 0);
    EXPECT_EQ(leggi_numero("0.0000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000000000000000000000000000000000000000000000000000000000"
                           "00000000000001e5",
                           inglese),
              0);
    const double piccolo = leggi_numero("1e-320", inglese);
    EXPECT_GE(piccolo, 0);
    EXPECT_LT(piccolo, 1e-300);
}

}  // namespace
}  // namespace pianopre

namespace pianopre {
namespace {

// Settings fields take a whole number or nothing: no trailing units, no grouping.
TEST(NumeroEsatto, SoloNumeriInteri) {
    const formato_regionale it = formato_regionale::italiano();
    EXPECT_EQ(leggi_numero_esatto(" 33,25 ", it), 33.25);
    EXPECT_EQ(leggi_numero_esatto("-1.5e3", it), -1500);
    EXPECT_EQ(leggi_numero_esatto("+2", formato_regionale::inglese()), 2);
    for (const char* t : {"", "nord", "6000 px", "1.234,5", "2,5,1", "1e999", "nan", "+-1"})
        EXPECT_FALSE(leggi_numero_esatto(t, it).has_value()) << t;
}

}  // namespace
}  // namespace pianopre

namespace pianopre {
namespace {

// Which box texts are wholly a number of the regional form: the others are
// read leniently and marked. Blank boxes are empty, not misread; a point or a
// comma decimal is a number in both formats unless the regional form reads it
// as a grouping ("1.000" in Italian); letters, inner blanks, "&H", "D"
// exponents and rejected texts are not numbers.
TEST(NumeroCompleto, FormeRegionali) {
    const struct {
        const char* testo;
        bool italiano;
        bool inglese;
    } casi[] = {
        {"", true, true},         {" \t", true, true},       {"30", true, true},
        {" 30 ", true, true},     {"3,5", true, true},       {"3.5", true, true},
        {"-3,5", true, true},     {"+3", true, true},        {",5", true, true},
        {"5.", true, true},       {"12.50", true, true},     {"1e3", true, true},
        {"1E+3", true, true},     {"1,5E+20", true, true},   {"1.000", false, true},
        {"1,000", true, false},   {"1.234,5", false, false}, {"1.234.567", false, false},
        {"trenta", false, false}, {"3O", false, false},      {"12abc", false, false},
        {"1 2", false, false},    {"- 3", false, false},     {"1e", false, false},
        {"2D2", false, false},    {"-", false, false},       {".", false, false},
        {"&H10", false, false},   {"nan", false, false},     {"2,5 m", false, false},
        {"1e309", false, false},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(numero_completo(c.testo, formato_regionale::italiano()), c.italiano)
            << '"' << c.testo << '"';
        EXPECT_EQ(numero_completo(c.testo, formato_regionale::inglese()), c.inglese)
            << '"' << c.testo << '"';
    }
    // A blank is the grouping of some formats: there "1 234" is one number.
    const formato_regionale francese{',', ' '};
    EXPECT_TRUE(numero_completo("1 234", francese));
    EXPECT_TRUE(numero_completo("1 234,5", francese));
    EXPECT_FALSE(numero_completo("1 23", francese));
}

}  // namespace
}  // namespace pianopre
