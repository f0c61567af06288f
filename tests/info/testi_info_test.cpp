// The texts of the About box and the precision notes, written out in full.
#include <gtest/gtest.h>

#include <string>

#include "info/testi_info.h"

namespace pianopre {
namespace {

TEST(TestiAbout, TitoloEVersione) {
    EXPECT_EQ(titolo_about(), "Informazioni su pianopre");
    EXPECT_EQ(riga_versione(), "Versione 1.0.0");
    EXPECT_EQ(riga_versione({2, 10, 305}), "Versione 2.10.305");
    EXPECT_EQ(std::string(messaggio_sysinfo),
              "Le informazioni sul sistema non sono attualmente disponibili.");
    EXPECT_EQ(std::string(testo_descrizione),
              "Il programma permette di calcolare, in base alla camera utilizzata, alle "
              "dimensioni dell'oggetto, alla distanza di presa, il numero dei fotogrammi da "
              "scattare, il numero delle strisciate e la precisione teorica ottenibile dalla "
              "restituzione fotogrammetrica.");
}

TEST(TestoNote, PezziUnitiComeScritti) {
    const std::string atteso =
        "Le precisioni calcolate si riferiscono all'utilizzo di camere singole (non "
        "bicamere).\r"
        "Il valore di sinistra indica la precisione massima ottenibile, quando siano verificate "
        "le seguenti condizioni: \r\r"
        "- Uso di camera metrica con obiettivo calibrato;\r"
        "- pellicola professionale ad elevata risoluzione;\r"
        "- precisione elevata sui punti di appoggio  in proporzione alla scala di "
        "rappresentazione;\r"
        "- restituzione effettuata con strumento analitico di 1. ordine\r\r"
        "Il valore di destra indica le precisioni ottenibili in condizioni di lavoro normali: "
        "\r\r"
        "- camere metriche o semimetriche\r"
        "- precisione sui punti d'appoggio +/- 4 mm \r"
        "- strumenti di restituzione analogici, analitici inferiori al 1. ordine, restitutori "
        "digitali. \r\r"
        "Entrambi i valori vengono aumentati se non si utilizzano camere metriche o "
        "semimetriche.\r\r"
        "NOTA: Non si vuole sminuire la precisione dei restitutori digitali ponendoli tra le le "
        "attrezzature che diminuiscono la precisione del risultato, ma il loro corretto utilizzo "
        "dipende da fattori (risoluzione di acquisizione, scanner utilizzato,...) che questo "
        "applicativo in versione demo non gestisce.";
    const std::string testo = testo_note();
    EXPECT_EQ(testo, atteso);
    // Carriage returns only, and nothing after the last piece.
    EXPECT_EQ(testo.find('\n'), std::string::npos);
    EXPECT_EQ(testo.back(), '.');
    EXPECT_NE(testo.find("appoggio  in proporzione"), std::string::npos);
}

}  // namespace
}  // namespace pianopre
