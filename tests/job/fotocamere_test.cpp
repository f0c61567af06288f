// The camera list: the shipped presets, a save read back, damaged files with
// their messages, and saves that fail without touching the previous file.
#include "job/fotocamere.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "support/cartella_temporanea.h"
#include "support/leggi_file.h"

namespace pianopre {
namespace {

namespace fs = std::filesystem;

const fs::path preimpostate = fs::path(PIANOPRE_TEST_DATA) / "../../data/fotocamere.json";

class Fotocamere : public ::testing::Test {
protected:
    static std::string messaggio(std::string_view testo) {
        try {
            leggi_fotocamere(testo, "prova.json");
        } catch (const errore_fotocamere& e) {
            return e.what();
        }
        return "";
    }
    std::size_t file_nella_cartella() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(cartella), {}));
    }

    prova::cartella_temporanea cartella;
};

TEST_F(Fotocamere, PreimpostateInstallate) {
    const auto voci = leggi_file_fotocamere(preimpostate);
    ASSERT_EQ(voci.size(), 8u);
    EXPECT_EQ(voci[1].nome, "Pieno formato 36 x 24 - 21 Mpx");
    EXPECT_EQ(sensore_di(voci[0]).larghezza_px, 9504);
    for (const auto& v : voci)
        EXPECT_EQ(v.metrica, v.larghezza_px == 0) << v.nome;  // film only for the metric ones
    EXPECT_EQ(voci[6].focale_mm, 100);
    EXPECT_EQ(voci[7].focale_mm, 64);
    EXPECT_FALSE(voci[5].focale_mm.has_value());
}

// The pixel counts against the sensor's proportions (5 % either way) and the
// stored focal length against 1 to 2000 mm; the presets pass both, and a list
// holding a camera that fails them still reads and writes.
TEST_F(Fotocamere, ProporzioniEFocaleDaObiettivo) {
    const auto it = formato_regionale::italiano();
    const struct {
        voce_fotocamera voce;
        const char* errore;  // the start of the message, empty when accepted
    } casi[] = {
        {{"giusta", 36, 24, 9504, 6336, 0, false, 24}, ""},
        {{"4,9 % più larga", 36, 24, 9969, 6336, 0, false, 1}, ""},    // 1,5734 / 1,5
        {{"4,9 % più alta", 36, 24, 9039, 6336, 0, false, 2000}, ""},  // 1,4266 / 1,5
        {{"5,1 % più larga", 36, 24, 9989, 6336, 0, false, {}},
         "l'immagine di 9989 × 6336 pixel ha proporzioni 1,577 e il sensore di 36 × 24 mm 1,5:"},
        {{"ruotata", 24, 36, 9504, 6336, 0, false, {}},
         "l'immagine di 9504 × 6336 pixel ha proporzioni 1,5 e il sensore di 24 × 36 mm 0,667:"},
        {{"solo larghezza", 36, 24, 9504, 0, 0, false, {}}, ""},
        {{"pellicola", 60, 60, 0, 0, 12, true, 100}, ""},
        {{"focale corta", 6.2, 4.6, 4000, 3000, 0, false, 0.9}, "la focale di 0,9 mm"},
        {{"focale lunga", 36, 24, 6000, 4000, 0, false, 2400}, "la focale di 2400 mm"},
    };
    std::vector<voce_fotocamera> voci;
    for (const auto& k : casi) {
        SCOPED_TRACE(k.voce.nome);
        const auto proporzioni = errore_proporzioni(k.voce, it);
        const auto focale = errore_focale(k.voce, it);
        const std::string trovato = proporzioni ? *proporzioni : focale.value_or("");
        EXPECT_EQ(trovato.substr(0, std::string_view(k.errore).size()), k.errore);
        EXPECT_EQ(trovato.empty(), *k.errore == '\0');
        EXPECT_FALSE(proporzioni && focale);
        voci.push_back(k.voce);
    }
    for (const auto& v : leggi_file_fotocamere(preimpostate)) {
        EXPECT_FALSE(errore_proporzioni(v, it)) << v.nome;
        EXPECT_FALSE(errore_focale(v, it)) << v.nome;
    }
    const fs::path p = cartella / "fotocamere.json";
    scrivi_file_fotocamere(p, voci);
    EXPECT_EQ(leggi_file_fotocamere(p), voci);
}

TEST_F(Fotocamere, ScritturaRilettaUguale) {
    const std::vector<voce_fotocamera> voci{
        {"Mia \"reflex\" è", 23.5, 15.6, 6000, 4000, 0, false, std::nullopt},
        {"Pellicola 6x6 scansionata", 56, 56, 0, 0, 12.5, true, 80}};
    const fs::path p = cartella / "nuova" / "fotocamere.json";  // the folder is created
    scrivi_file_fotocamere(p, voci);
    EXPECT_EQ(leggi_file_fotocamere(p), voci);
    scrivi_file_fotocamere(p, {});
    EXPECT_TRUE(leggi_file_fotocamere(p).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(p.parent_path()), {}), 1);  // no temporary left
}

TEST_F(Fotocamere, FileDanneggiatiDannoUnMessaggio) {
    const std::pair<std::string_view, std::string_view> casi[] = {
        {"", "non è un testo JSON valido (riga 1, colonna 1)"},
        {"{\"fotocamere\": [\n  {\"nome\": x}]}",
         "non è un testo JSON valido (riga 2, colonna 12)"},
        {"{\"fotocamere\": [{\"nome\": \"\xff\"}]}", "non è un testo JSON valido"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 1e309}]}",
         "contiene un numero fuori scala"},
        {"[]", "non contiene un oggetto JSON"},
        {"{}", "manca l'elenco \"fotocamere\""},
        {"{\"fotocamere\": {}}", "\"fotocamere\" non è un elenco"},
        {"{\"fotocamere\": [3]}", "la fotocamera 1 non è un oggetto"},
        {"{\"fotocamere\": [{\"larghezza_mm\": 36}]}", "fotocamera 1, \"nome\" manca"},
        {"{\"fotocamere\": [{\"nome\": 5}]}", "\"nome\" deve essere un testo"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": \"36\", \"altezza_mm\": 24}]}",
         "\"larghezza_mm\" deve essere un numero"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 36, \"altezza_mm\": 24, "
         "\"larghezza_px\": 10.5}]}",
         "\"larghezza_px\" deve essere un numero intero"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 36, \"altezza_mm\": 24, "
         "\"altezza_px\": 1e300}]}",
         "\"altezza_px\" deve essere tra 0 e 1000000"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 36, \"altezza_mm\": 24, "
         "\"metrica\": 1}]}",
         "\"metrica\" deve essere true o false"},
        {"{\"fotocamere\": [{\"nome\": \"FF\", \"larghezza_mm\": 0, \"altezza_mm\": 24}]}",
         "fotocamera 1 (\"FF\"): \"larghezza_mm\" deve essere maggiore di 0 e al più 1000"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 36, \"altezza_mm\": 24, "
         "\"scansione_um\": -1}]}",
         "\"scansione_um\" deve essere tra 0 e 1000"},
        {"{\"fotocamere\": [{\"nome\": \"a\", \"larghezza_mm\": 36, \"altezza_mm\": 24, "
         "\"focale_mm\": 0}]}",
         "\"focale_mm\" deve essere maggiore di 0"},
        {"{\"fotocamere\": [{\"nome\": \"\", \"larghezza_mm\": 36, \"altezza_mm\": 24}]}",
         "il nome è vuoto"},
    };
    for (const auto& [testo, atteso] : casi) {
        const std::string m = messaggio(testo);
        EXPECT_EQ(m.rfind("Errore: file \"prova.json\": ", 0), 0u) << testo << " -> " << m;
        EXPECT_NE(m.find(atteso), std::string::npos) << testo << " -> " << m;
    }
}

TEST_F(Fotocamere, FileMancantiOInadattiNominatiNelMessaggio) {
    const auto messaggio_file = [](const fs::path& p) -> std::string {
        try {
            leggi_file_fotocamere(p);
        } catch (const errore_fotocamere& e) {
            return e.what();
        }
        return "";
    };
    const fs::path grande = cartella / "grande.json";
    std::ofstream(grande) << std::string((1 << 20) + 1, ' ');
    const std::pair<fs::path, std::string_view> casi[] = {
        {cartella / "assente.json", "non esiste"},
        {cartella, "non è un file"},
        {grande, "è troppo grande"},
    };
    for (const auto& [p, atteso] : casi) {
        const std::string m = messaggio_file(p);
        EXPECT_NE(m.find("\"" + p.string() + "\""), std::string::npos) << m;
        EXPECT_NE(m.find(atteso), std::string::npos) << m;
    }
}

// A save that fails, before or while writing, leaves the previous list whole.
TEST_F(Fotocamere, SalvataggioFallitoLasciaIlFileDiPrima) {
    const fs::path p = cartella / "fotocamere.json";
    scrivi_file_fotocamere(p, {{"Vecchia", 36, 24, 0, 0, 0, false, std::nullopt}});
    const std::string prima = prova::leggi_tutto(p);

    voce_fotocamera sbagliata{"Nuova", -36, 24, 0, 0, 0, false, std::nullopt};
    EXPECT_THROW(scrivi_file_fotocamere(p, {sbagliata}), errore_fotocamere);
    sbagliata = {"Rotta \xff", 36, 24, 0, 0, 0, false, std::nullopt};
    EXPECT_THROW(scrivi_file_fotocamere(p, {sbagliata}), errore_fotocamere);

    // A disk that fills up: writes past 4 KiB fail.
    std::vector<voce_fotocamera> molte(200, {"Nuova", 36, 24, 6000, 4000, 0, false, 50});
    rlimit vecchio{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vecchio), 0);
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit piccolo = vecchio;
    piccolo.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    EXPECT_THROW(scrivi_file_fotocamere(p, molte), errore_fotocamere);
    setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, gestore);

    EXPECT_EQ(prova::leggi_tutto(p), prima);
    EXPECT_EQ(file_nella_cartella(), 1u);
    scrivi_file_fotocamere(p, molte);
    EXPECT_EQ(leggi_file_fotocamere(p).size(), 200u);
}

}  // namespace
}  // namespace pianopre
