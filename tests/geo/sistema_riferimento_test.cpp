// Resolving what the user types as the site's coordinate system: codes,
// names and fragments, and each kind of refusal with its message.
#include "geo/sistema_riferimento.h"

#include <gtest/gtest.h>

namespace pianopre {
namespace {

struct caso {
    const char* scritto;
    stato_sistema stato;
    const char* codice;         // "" when nothing is found
    const char* nel_messaggio;  // "" for a valid system
};

TEST(SistemaRiferimento, CodiciNomiERifiuti) {
    const caso casi[] = {
        {"EPSG:6707", stato_sistema::valido, "EPSG:6707", ""},
        {"6707", stato_sistema::valido, "EPSG:6707", ""},
        {" epsg:3003 Monte Mario / Italy zone 1 ", stato_sistema::valido, "EPSG:3003", ""},
        {"RDN2008 / UTM zone 32N", stato_sistema::valido, "EPSG:7791", ""},
        {"monte mario / italy ZONE 1", stato_sistema::valido, "EPSG:3003", ""},
        {"WGS 84 / UTM zone 33N", stato_sistema::valido, "EPSG:32633", ""},
        {"EPSG:999999", stato_sistema::sconosciuto, "", "\"EPSG:999999\" non è un codice"},
        {"PIPPO:1", stato_sistema::sconosciuto, "", "\"PIPPO:1\" non è un codice"},
        {"nessun sistema al mondo", stato_sistema::sconosciuto, "",
         "\"nessun sistema al mondo\" non è il nome"},
        {"UTM zone 33N", stato_sistema::ambiguo, "", "\"UTM zone 33N\" è nel nome di "},
        {"EPSG:4326", stato_sistema::geografico, "EPSG:4326",
         "EPSG:4326 (WGS 84) è un sistema geografico"},
        {"WGS 84", stato_sistema::geografico, "EPSG:4326", "è un sistema geografico"},
        {"EPSG:2263", stato_sistema::non_metrico, "EPSG:2263", "in US survey foot, non in metri"},
        {"EPSG:4978", stato_sistema::non_proiettato, "EPSG:4978", "non è un sistema proiettato"},
        {"EPSG:5714", stato_sistema::non_proiettato, "EPSG:5714", "non è un sistema proiettato"},
        {"EPSG:2053", stato_sistema::assi, "EPSG:2053", "non ha gli assi verso Est e Nord"},
        {"", stato_sistema::vuoto, "", "Le esportazioni per mappe e droni richiedono"},
        {" \t ", stato_sistema::vuoto, "", "Le esportazioni per mappe e droni richiedono"},
    };
    const catalogo_sistemi catalogo;
    for (const caso& c : casi) {
        // The function and a dialog's catalogue answer alike.
        for (const sistema_riferimento& s :
             {risolvi_sistema(c.scritto), catalogo.risolvi(c.scritto)}) {
            EXPECT_EQ(s.stato, c.stato) << c.scritto;
            EXPECT_EQ(s.codice, c.codice) << c.scritto;
            EXPECT_EQ(s.valido(), s.stato == stato_sistema::valido);
            const std::string m = messaggio_sistema(s);
            EXPECT_NE(m.find(c.nel_messaggio), std::string::npos) << c.scritto << " -> " << m;
            EXPECT_EQ(m.empty(), s.valido()) << c.scritto;
            const bool errore = s.stato != stato_sistema::valido && s.stato != stato_sistema::vuoto;
            EXPECT_EQ(m.rfind("Errore: ", 0) == 0, errore) << m;
        }
    }
    EXPECT_EQ(risolvi_sistema("EPSG:32633").nome, "WGS 84 / UTM zone 33N");
    EXPECT_EQ(risolvi_sistema("3003").nome, "Monte Mario / Italy zone 1");
}

TEST(SistemaRiferimento, CatalogoDeiProiettati) {
    const catalogo_sistemi catalogo;
    EXPECT_EQ(catalogo.cerca("32633"),
              (std::vector<voce_sistema>{{"EPSG:32633", "WGS 84 / UTM zone 33N"}}));
    const auto tutti = catalogo.cerca("");
    EXPECT_GT(tutti.size(), 1000u);
    for (const voce_sistema& v : tutti) {
        ASSERT_NE(v.codice, "EPSG:4326");  // geographic systems are not offered
        ASSERT_EQ(v.codice.rfind("EPSG:", 0), 0u) << v.codice;
    }
    const auto italia = catalogo.cerca("ITALY ZONE", 3);
    ASSERT_EQ(italia.size(), 3u);
    for (const voce_sistema& v : italia) EXPECT_NE(v.nome.find("Italy zone"), std::string::npos);
    EXPECT_TRUE(catalogo.cerca("nessun sistema al mondo").empty());
}

}  // namespace
}  // namespace pianopre
