// The stake-out CSV: both layouts and both separator pairs line by line, names
// that need quotes or re-encoding, and the save that never leaves half a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "site/stazioni_csv.h"
#include "support/cartella_temporanea.h"
#include "support/entita_prova.h"
#include "support/leggi_file.h"

namespace fs = std::filesystem;

namespace pianopre {
namespace {

using prova::punto;

riga_stazione stazione_prova() {
    riga_stazione r;
    r.nome = "S1-01";
    r.est = 1008.9602540378;
    r.nord = 1995.5196152423;
    r.quota = 51.5;
    r.azimut = 333.33333333;
    r.inclinazione = 2.5907838;
    r.altezza = 1.5;
    return r;
}

TEST(StazioniCsv, DisposizioniESeparatori) {
    const riga_stazione s = stazione_prova();
    const punto_app p = punto("PF 7", 1001.25, -0.0004, 49.9996);
    const struct {
        opzioni_csv opzioni;
        const char* atteso;
    } casi[] = {
        {{},
         "Punto,Nord,Est,Quota,Descrizione\r\n"
         "S1-01,1995.520,1008.960,51.500,stazione h=1.50 az=333.3333 inc=2.59\r\n"
         "PF 7,0.000,1001.250,50.000,PF\r\n"},
        {{ordine_colonne::penzd, separatori_csv::puntovirgola_virgola},
         "Punto;Est;Nord;Quota;Descrizione\r\n"
         "S1-01;1008,960;1995,520;51,500;stazione h=1,50 az=333,3333 inc=2,59\r\n"
         "PF 7;1001,250;0,000;50,000;PF\r\n"},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(testo_csv(std::span(&s, 1), std::span(&p, 1), caso.opzioni), caso.atteso);
    }
}

// A separator or quote in a name puts it in quotes; bytes that are not UTF-8
// are Windows-1252, as the picture shows them.
TEST(StazioniCsv, NomiDeiPunti) {
    const struct {
        const char* nome;
        const char* campo;
    } casi[] = {{"A,1", "\"A,1\""},
                {"B\"2", "\"B\"\"2\""},
                {"Pi\xc3\xb9", "Pi\xc3\xb9"},
                {"Pi\xf9\x80", "Pi\xc3\xb9\xe2\x82\xac"}};
    for (const auto& caso : casi) {
        const punto_app p = punto(caso.nome, 1, 2, 3);
        const std::string testo = testo_csv({}, std::span(&p, 1), {});
        EXPECT_EQ(testo.substr(testo.find('\n') + 1),
                  std::string(caso.campo) + ",2.000,1.000,3.000,PF\r\n");
    }
    const punto_app mai_nominato{};  // a name of NUL characters
    EXPECT_EQ(testo_csv({}, std::span(&mai_nominato, 1), {}).substr(34),
              ",0.000,0.000,0.000,PF\r\n");
}

class SalvaCsv : public ::testing::Test {
protected:
    prova::cartella_temporanea cartella;
    std::size_t file_in_cartella() {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(cartella), {}));
    }
};

TEST_F(SalvaCsv, SostituisceIntero) {
    const fs::path f = cartella / "stazioni.csv";
    salva_testo_atomico(f, std::string(5000, 'x'));
    salva_testo_atomico(f, "corto\r\n");
    EXPECT_EQ(prova::leggi_tutto(f), "corto\r\n");
    EXPECT_EQ(file_in_cartella(), 1u);
}

TEST_F(SalvaCsv, DestinazioneNonScrivibile) {
    // Under a file no folder can be made; a folder is not a file to replace.
    const fs::path casi[] = {cartella / "file" / "s.csv", cartella / "cartella.csv"};
    std::ofstream(cartella / "file") << "prima";
    fs::create_directory(cartella / "cartella.csv");
    for (const fs::path& f : casi) {
        try {
            salva_testo_atomico(f, "testo");
            ADD_FAILURE() << f;
        } catch (const errore_salvataggio& e) {
            EXPECT_EQ(std::string(e.what()), "Errore: impossibile salvare il file: " + f.string());
        }
    }
    EXPECT_TRUE(fs::is_directory(cartella / "cartella.csv"));
    EXPECT_EQ(prova::leggi_tutto(cartella / "file"), "prima");
    EXPECT_EQ(file_in_cartella(), 2u);
}

}  // namespace
}  // namespace pianopre
