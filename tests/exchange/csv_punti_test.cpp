// The CSV/TXT control-point reader: both column orders, the four separators
// and their guess, decimal comma, header, description and bad lines.
#include <gtest/gtest.h>

#include <sstream>

#include "exchange/csv_punti.h"

namespace pianopre {
namespace {

using testi = std::vector<std::string>;

constexpr auto pnezd = ordine_colonne::pnezd;
constexpr auto penzd = ordine_colonne::penzd;
constexpr auto virgola = separatore_campi::virgola;
constexpr auto puntovirgola = separatore_campi::punto_e_virgola;
constexpr auto tab = separatore_campi::tabulazione;
constexpr auto spazi = separatore_campi::spazi;

// "riga:nome|E|N|H|descrizione" per point, "riga:difetto:colonna:testo" per bad line.
testi punti(const esito_punti& e) {
    testi out;
    for (const riga_punto& r : e.punti) {
        std::ostringstream s;
        s << r.riga << ':' << r.punto.nome.pulito() << '|' << r.punto.x << '|' << r.punto.y << '|'
          << r.punto.z << '|' << r.descrizione;
        out.push_back(s.str());
    }
    return out;
}

testi errate(const esito_punti& e) {
    testi out;
    for (const riga_errata& r : e.errate)
        out.push_back(std::to_string(r.riga) + ':' + std::to_string(static_cast<int>(r.difetto)) +
                      ':' + std::to_string(r.colonna) + ':' + r.testo);
    return out;
}

TEST(CsvPunti, LetturaDelleForme) {
    struct caso {
        caso(std::string t, formato_punti f, testi a, testi s = {}, bool h = false)
            : testo(std::move(t)),
              formato(f),
              attesi(std::move(a)),
              sbagliate(std::move(s)),
              testata(h) {}
        std::string testo;
        formato_punti formato;
        testi attesi;
        testi sbagliate;
        bool testata;
    };
    const caso casi[] = {
        // E = 1000.25 and N = 5000.5 wherever the columns put them.
        {"P1,5000.5,1000.25,12.5,muro\n", {pnezd, virgola}, {"1:P1|1000.25|5000.5|12.5|muro"}},
        {"P1,1000.25,5000.5,12.5", {penzd, virgola}, {"1:P1|1000.25|5000.5|12.5|"}},
        {"P1;5000,5;1000,25;12,5;PF\r\n", {pnezd, puntovirgola}, {"1:P1|1000.25|5000.5|12.5|PF"}},
        {"P1;5000.5;1000.25;-1e1", {pnezd, puntovirgola}, {"1:P1|1000.25|5000.5|-10|"}},
        {"P1\t1000,25\t5000.5\t12,5", {penzd, tab}, {"1:P1|1000.25|5000.5|12.5|"}},
        {"\n  P1   1000.25  5000.5 12,5  spigolo nord\n",
         {penzd, spazi},
         {"2:P1|1000.25|5000.5|12.5|spigolo"}},
        {"Punto;Nord;Est;Quota;Descrizione\r\nP1;5000,5;1000,25;12,5;\r\n",
         {pnezd, puntovirgola},
         {"2:P1|1000.25|5000.5|12.5|"},
         {},
         true},
        {"Name E N H\nP1 1 2 3", {penzd, spazi}, {"2:P1|1|2|3|"}, {}, true},
        // A comma between fields leaves only the decimal point.
        {"P1,1,2,3\nP2,1,x,3\nP3,1,2\n,1,2,3\nP5,1,2,3\nP6, 1 ,2 ,3,4",
         {pnezd, virgola},
         {"1:P1|2|1|3|", "5:P5|2|1|3|", "6:P6|2|1|3|4"},
         {"2:2:3:x", "3:0:0:", "4:1:0:"}},
        {"P1;1;2,5,0;3", {pnezd, puntovirgola}, {}, {"1:2:3:2,5,0"}},
        // A first line with a number is a point gone wrong, not a header.
        {"P1,abc,2,3\nP2,1,2,3", {pnezd, virgola}, {"2:P2|2|1|3|"}, {"1:2:2:abc"}},
        {"Est,Nord,Quota\nEst,Nord,Quota,x", {penzd, virgola}, {}, {"2:2:2:Nord"}, true},
        {"\xEF\xBB\xBF\"P, 1\",1,2,3\n\"Punt\xC3\xA0 \"\"A\"\"\",4,5,6",
         {penzd, virgola},
         {"1:P, 1|1|2|3|", "2:Punt\xE0 \"A\"|4|5|6|"}},
        {"P1;1;2;3;;\n", {penzd, puntovirgola}, {"1:P1|1|2|3|"}},
        {"Un nome molto lungo\t1\t2\t3", {penzd, tab}, {"1:Un nome molto l|1|2|3|"}},
    };
    for (const caso& c : casi) {
        const esito_punti e = leggi_punti_csv(c.testo, c.formato);
        EXPECT_EQ(punti(e), c.attesi) << c.testo;
        EXPECT_EQ(errate(e), c.sbagliate) << c.testo;
        EXPECT_EQ(e.n_errate, static_cast<std::int64_t>(c.sbagliate.size())) << c.testo;
        EXPECT_EQ(e.testata, c.testata) << c.testo;
        EXPECT_FALSE(e.troppi_punti);
    }
}

TEST(CsvPunti, SeparatoreIndovinato) {
    const std::pair<std::string, separatore_campi> casi[] = {
        {"P1,5000.5,1000.25,12.5\nP2,1,2,3", virgola},
        {"Punto;Nord;Est;Quota\nP1;5000,5;1000,25;12,5;PF", puntovirgola},
        {"P1\t5000,5\t1000,25\t12,5\nP2\t1\t2\t3", tab},
        {"\n\nP1  5000.5 1000.25   12.5\n", spazi},
        {"P1 5000,5 1000,25 12,5", spazi},
        {"\"a;b\",1,2,3", virgola},
        {"Punto,Nord,Est\n", virgola},
        {"", virgola},
    };
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(indovina_separatore(testo), atteso) << testo;
}

TEST(CsvPunti, LimitiEDescrizioni) {
    const std::string testo = "Punto,E,N,H\nA,1,2,3\n\nB,4,5,6\nC,7,8,9\nx\ny\n";
    const esito_punti due = leggi_punti_csv(testo, {penzd, virgola}, 2);
    EXPECT_EQ(punti(due), (testi{"2:A|1|2|3|", "4:B|4|5|6|"}));
    EXPECT_TRUE(due.troppi_punti);
    const esito_punti prime = leggi_punti_csv(testo, {penzd, virgola}, 4500, 4);
    EXPECT_EQ(prime.punti.size(), 2u);
    EXPECT_EQ(prime.righe, 4);
    const esito_punti tutte = leggi_punti_csv(testo, {penzd, virgola});
    EXPECT_EQ(tutte.righe, 7);
    EXPECT_EQ(tutte.n_errate, 2);
    EXPECT_EQ(descrivi(tutte.errate[0]), "riga 6: servono nome, due coordinate e quota");
    EXPECT_EQ(descrivi({9, difetto_riga::numero_errato, 3, "1.2.3"}),
              "riga 9, colonna 3: \"1.2.3\" non è un numero");
    EXPECT_EQ(descrivi({4, difetto_riga::nome_vuoto, 0, {}}), "riga 4: manca il nome del punto");
    EXPECT_EQ(descrivi({5, difetto_riga::numero_errato, 2, {}}),
              "riga 5, colonna 2: manca il numero");
}

}  // namespace
}  // namespace pianopre
