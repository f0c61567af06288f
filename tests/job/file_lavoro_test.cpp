// Job files: every field through a save and an opening, the example jobs
// against the same data typed, damaged texts with their messages, paths
// relative to the job, and the job object to the file's values and back.
#include "job/file_lavoro.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/cartella_temporanea.h"
#include "support/esempio.h"
#include "support/leggi_file.h"

namespace pianopre {
namespace {

namespace fs = std::filesystem;

const fs::path esempi = fs::path(PIANOPRE_TEST_DATA) / "../../data/esempi";

class FileLavoro : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(cartella / "disegni");
        std::ofstream(cartella / "disegni" / "sito.dxf") << "0\nEOF\n";
    }

    // A job with every field away from its default.
    dati_file_lavoro completo() const {
        dati_file_lavoro d;
        d.caselle = {"35", "35,7", "23,8", "1.000", "20,5", "12", "8", "3,2 é"};
        d.metrica = true;
        d.blocca_base = true;
        d.sensore = {"Mia \"reflex\" è", 9504, 6336, 12.5};
        d.verifiche = {0.2, 4, 0.3, 1.5, 0.0006, 0, 4.25, 0.125};
        d.drone = {punto3{1001.5, -1990.25, 48.75}, 3.5, 1.0 / 1000, 0, false, 27.5, 0.3, 6.5, 60};
        d.sito = {1000.25, -2000.5, 50.125, 33.3, unita_angolo::gon};
        d.origine = {1.5, -2.25, 1e-3};
        d.vista = tipo_vista::assonometrica;
        d.finestra = finestra_vista{-12.3f, 45.6f, 0.1f, -78.9f};
        d.file_sito = cartella / "disegni" / "sito.dxf";
        d.file_punti = "/altrove/punti.xyz";
        punto_app a, b;
        a.nome = "PF1";
        a.x = 1e-300;
        a.y = -2.5;
        a.z = 1e300;
        b.nome = std::string("\x80\x81 \xE8", 4);  // Windows-1252 bytes, an unused one among them
        d.punti = {a, b};
        d.intestazione = {"Restauro \"Palazzo\" è", "Città di Castello", "Operatore Ü"};
        return d;
    }

    prova::cartella_temporanea cartella;
};

void confronta(const dati_file_lavoro& a, const dati_file_lavoro& b) {
    EXPECT_EQ(a.caselle, b.caselle);
    EXPECT_EQ(a.metrica, b.metrica);
    EXPECT_EQ(a.blocca_base, b.blocca_base);
    EXPECT_EQ(a.sensore.nome, b.sensore.nome);
    EXPECT_EQ(a.sensore.larghezza_px, b.sensore.larghezza_px);
    EXPECT_EQ(a.sensore.altezza_px, b.sensore.altezza_px);
    EXPECT_EQ(a.sensore.scansione_um, b.sensore.scansione_um);
    const auto& v = a.verifiche;
    const auto& w = b.verifiche;
    EXPECT_EQ(std::tie(v.tolleranza_grafica_mm, v.divisore_gsd, v.precisione_px,
                       v.circolo_confusione_px, v.lunghezza_onda_mm, v.profondita_rilievo_m,
                       v.altezza_max_camera_m, v.cella_mappa_m),
              std::tie(w.tolleranza_grafica_mm, w.divisore_gsd, w.precisione_px,
                       w.circolo_confusione_px, w.lunghezza_onda_mm, w.profondita_rilievo_m,
                       w.altezza_max_camera_m, w.cella_mappa_m));
    const auto& p = a.drone;
    const auto& q = b.drone;
    ASSERT_EQ(p.decollo.has_value(), q.decollo.has_value());
    if (p.decollo) {
        EXPECT_EQ(std::tie(p.decollo->x, p.decollo->y, p.decollo->z),
                  std::tie(q.decollo->x, q.decollo->y, q.decollo->z));
    }
    EXPECT_EQ(std::tie(p.velocita_ms, p.esposizione_s, p.intervallo_s, p.sosta, p.autonomia_min,
                       p.riserva, p.distanza_min_m, p.altezza_max_m),
              std::tie(q.velocita_ms, q.esposizione_s, q.intervallo_s, q.sosta, q.autonomia_min,
                       q.riserva, q.distanza_min_m, q.altezza_max_m));
    EXPECT_EQ(a.sito, b.sito);
    EXPECT_EQ(std::tie(a.origine.x, a.origine.y, a.origine.z),
              std::tie(b.origine.x, b.origine.y, b.origine.z));
    EXPECT_EQ(a.vista, b.vista);
    ASSERT_EQ(a.finestra.has_value(), b.finestra.has_value());
    if (a.finestra) {
        EXPECT_EQ(
            std::tie(a.finestra->left, a.finestra->top, a.finestra->width, a.finestra->height),
            std::tie(b.finestra->left, b.finestra->top, b.finestra->width, b.finestra->height));
    }
    EXPECT_EQ(a.file_sito, b.file_sito);
    EXPECT_EQ(a.file_punti, b.file_punti);
    EXPECT_EQ(a.intestazione, b.intestazione);
    ASSERT_EQ(a.punti.size(), b.punti.size());
    for (std::size_t i = 0; i < a.punti.size(); ++i)
        EXPECT_EQ(std::tie(a.punti[i].nome, a.punti[i].x, a.punti[i].y, a.punti[i].z),
                  std::tie(b.punti[i].nome, b.punti[i].x, b.punti[i].y, b.punti[i].z));
}

TEST_F(FileLavoro, OgniCampoSopravviveASalvataggioERiapertura) {
    const fs::path file = cartella / "facciata.pianopre";
    const dati_file_lavoro d = completo();
    scrivi_file_lavoro(file, d);
    const auto esito = leggi_file_lavoro(file);
    EXPECT_TRUE(esito.avvisi.empty());
    confronta(esito.dati, d);
    scrivi_file_lavoro(file, dati_file_lavoro{});  // a new job over the old one
    confronta(leggi_file_lavoro(file).dati, dati_file_lavoro{});
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), {}), 2);  // no temporary left

    const std::string testo = testo_file_lavoro(d, cartella);
    EXPECT_NE(testo.find("\"disegno_sito\": \"disegni/sito.dxf\""), std::string::npos);
    EXPECT_NE(testo.find("\"file\": \"/altrove/punti.xyz\""), std::string::npos);
    EXPECT_NE(testo.find("\"larghezza_px\": 9504,"), std::string::npos);  // whole numbers plain
    EXPECT_NE(testo.find("\"nome\": \"\xE2\x82\xAC\xC2\x81 \xC3\xA8\""), std::string::npos);
    const char* ordine[] = {"formato",     "versione",   "intestazione",  "operatore",
                            "caselle",     "txt_foc",    "txt_basep",     "metrica",
                            "blocca_base", "fotocamera", "verifiche",     "drone",
                            "decollo",     "sosta",      "altezza_max_m", "collocazione",
                            "origine",     "vista",      "disegno_sito",  "punti"};
    std::size_t dove = 0;
    for (const char* chiave : ordine) {
        const std::size_t qui = testo.find(std::string("\"") + chiave + "\":");
        EXPECT_GT(qui, dove) << chiave;
        dove = qui;
    }
}

TEST_F(FileLavoro, PercorsiRelativiAlLavoro) {
    dati_file_lavoro d;
    d.file_sito = cartella / "disegni" / "sito.dxf";
    d.file_punti = cartella / "disegni" / ".." / "punti.xyz";
    fs::create_directories(cartella / "lavori");
    scrivi_file_lavoro(cartella / "lavori" / "l.pianopre", d);  // beside neither: absolute
    const std::string testo = prova::leggi_tutto(cartella / "lavori" / "l.pianopre");
    EXPECT_NE(testo.find("\"" + d.file_sito.string() + "\""), std::string::npos);
    EXPECT_EQ(leggi_file_lavoro(cartella / "lavori" / "l.pianopre").dati.file_punti, d.file_punti);

    // Moved with its drawing, the job finds it at the new place.
    scrivi_file_lavoro(cartella / "l.pianopre", d);
    fs::rename(cartella, cartella.percorso().string() + "_spostata");
    const fs::path nuova = cartella.percorso().string() + "_spostata";
    const auto esito = leggi_file_lavoro(nuova / "l.pianopre");
    fs::rename(nuova, cartella);
    EXPECT_EQ(esito.dati.file_sito, nuova / "disegni" / "sito.dxf");
    EXPECT_EQ(esito.dati.file_punti, nuova / "punti.xyz");
    EXPECT_TRUE(esito.avvisi.empty());

    // A site drawing no longer there: the job opens without it, with a notice naming both.
    fs::remove(cartella / "disegni" / "sito.dxf");
    const auto senza = leggi_file_lavoro(cartella / "l.pianopre");
    EXPECT_TRUE(senza.dati.file_sito.empty());
    ASSERT_EQ(senza.avvisi.size(), 1u);
    EXPECT_NE(senza.avvisi[0].find("sito.dxf"), std::string::npos);
    EXPECT_NE(senza.avvisi[0].find("l.pianopre"), std::string::npos);
}

// The example jobs, through the whole calculation, give the plan of the same data typed.
TEST_F(FileLavoro, EsempiComeDigitati) {
    const auto piano = [](const caselle_lavoro& caselle) {
        commessa c;
        calcola_commessa(c, caselle, formato_regionale::inglese());
        EXPECT_EQ(c.fase, fase_calcolo::schema);
        const dati_presa& p = c.presa;
        return std::make_tuple(p.dist_presa, p.base_presa, p.sovrapp, p.num_foto, p.num_strisc,
                               p.incl, c.prec_std.x, c.prec_std.z,
                               c.disegno.lista_entita.n_entita());
    };
    const auto pellicola = leggi_file_lavoro(esempi / "esempio_pellicola.pianopre");
    EXPECT_TRUE(pellicola.avvisi.empty());
    commessa digitata;
    prova::calcola_esempio(digitata);
    EXPECT_EQ(piano(caselle_da_file(pellicola.dati)),
              std::make_tuple(digitata.presa.dist_presa, digitata.presa.base_presa,
                              digitata.presa.sovrapp, digitata.presa.num_foto,
                              digitata.presa.num_strisc, digitata.presa.incl, digitata.prec_std.x,
                              digitata.prec_std.z, digitata.disegno.lista_entita.n_entita()));

    const auto digitale = leggi_file_lavoro(esempi / "esempio_digitale.pianopre");
    EXPECT_EQ(piano(caselle_da_file(digitale.dati)),
              piano({"35", "35,7", "23,8", "12", "20", "8", "50", ""}));
    EXPECT_EQ(digitale.dati.sensore.larghezza_px, 9504);
    EXPECT_EQ(digitale.dati.sensore.altezza_px, 6336);
    EXPECT_EQ(digitale.dati.sito, (collocazione{1000, 2000, 50, 30, unita_angolo::gradi}));
    commessa c;
    applica_a_commessa(digitale.dati, c);
    const punto3 a = al_sito(c.sito, angolo_schema);  // the façade's corner lands on A
    EXPECT_EQ(std::tie(a.x, a.y, a.z), std::make_tuple(1000.0, 2000.0, 50.0));
}

std::string messaggio(std::string_view testo) {
    try {
        leggi_testo_lavoro(testo, "prova.pianopre", "/lavori");
    } catch (const errore_file_lavoro& e) {
        return e.what();
    }
    return "";
}

std::string lavoro_con(std::string_view resto) {
    return "{\"formato\": \"pianopre-lavoro\", \"versione\": 1" + std::string(resto) + "}";
}

TEST(FileLavoroDanneggiato, OgniProblemaHaIlSuoMessaggio) {
    const std::string intero = testo_file_lavoro(dati_file_lavoro{}, "/lavori");
    const std::pair<std::string, std::string_view> casi[] = {
        {"", "non è un testo JSON valido (riga 1, colonna 1)"},
        {intero.substr(0, intero.size() / 2), "non è un testo JSON valido (riga "},
        {"{\"formato\": \"pianopre-lavoro\",\n \"versione\": 1,,}", "(riga 2, colonna 16)"},
        {lavoro_con(", \"caselle\": {\"txt_foc\": \"\xff\"}"), "non è un testo JSON valido"},
        {lavoro_con(", \"origine\": [1e400, 0, 0]"), "contiene un numero fuori scala"},
        {"[1, 2]", "non contiene un oggetto JSON"},
        {"{\"versione\": 1}", "non è un lavoro di pianopre (manca \"formato\")"},
        {"{\"formato\": \"pianopre-fotocamere\", \"versione\": 1}", "\"formato\" non è"},
        {"{\"formato\": \"pianopre-lavoro\"}", "manca \"versione\""},
        {"{\"formato\": \"pianopre-lavoro\", \"versione\": 0}", "\"versione\" deve essere"},
        {"{\"formato\": \"pianopre-lavoro\", \"versione\": 1.5}", "\"versione\" deve essere"},
        {"{\"formato\": \"pianopre-lavoro\", \"versione\": \"1\"}", "\"versione\" deve essere"},
        {lavoro_con(", \"caselle\": [\"100\"]"), "\"caselle\" deve essere un oggetto"},
        {lavoro_con(", \"caselle\": {\"txt_Scala\": 50}"),
         "\"caselle.txt_Scala\" deve essere un testo"},
        {lavoro_con(", \"metrica\": \"no\""), "\"metrica\" deve essere true o false"},
        {lavoro_con(", \"fotocamera\": {\"larghezza_px\": -1}"),
         "\"fotocamera.larghezza_px\" non va bene: la larghezza dell'immagine in pixel"},
        {lavoro_con(", \"fotocamera\": {\"altezza_px\": 4000.5}"),
         "\"fotocamera.altezza_px\" deve essere un numero intero"},
        {lavoro_con(", \"fotocamera\": {\"altezza_px\": 1e12}"),
         "\"fotocamera.altezza_px\" deve essere al più"},
        {lavoro_con(", \"verifiche\": {\"divisore_gsd\": 0}"),
         "\"verifiche.divisore_gsd\" non va bene: il divisore del GSD deve essere"},
        {lavoro_con(", \"verifiche\": {\"profondita_rilievo_m\": -1}"),
         "\"verifiche.profondita_rilievo_m\" non va bene"},
        {lavoro_con(", \"verifiche\": {\"altezza_max_camera_m\": 0}"),
         "\"verifiche.altezza_max_camera_m\" non va bene: l'altezza massima della camera"},
        {lavoro_con(", \"verifiche\": {\"cella_mappa_m\": -0.1}"),
         "\"verifiche.cella_mappa_m\" non va bene: la dimensione della cella"},
        {lavoro_con(", \"drone\": {\"velocita_ms\": 0}"),
         "\"drone.velocita_ms\" non va bene: la velocità di volo deve essere"},
        {lavoro_con(", \"drone\": {\"riserva\": 1}"),
         "\"drone.riserva\" non va bene: la riserva deve essere da 0 a meno di 100 %"},
        {lavoro_con(", \"drone\": {\"intervallo_s\": -2}"),
         "\"drone.intervallo_s\" non va bene: l'intervallo di scatto"},
        {lavoro_con(", \"drone\": {\"decollo\": [1, 2]}"),
         "\"drone.decollo\" deve essere un elenco di 3 numeri"},
        {lavoro_con(", \"drone\": {\"sosta\": 1}"), "\"drone.sosta\" deve essere true o false"},
        {lavoro_con(", \"drone\": {\"esposizione_s\": \"1/500\"}"),
         "\"drone.esposizione_s\" deve essere un numero"},
        {lavoro_con(", \"collocazione\": {\"est\": 1e20}"), "\"collocazione.est\" deve essere tra"},
        {lavoro_con(", \"collocazione\": {\"unita\": \"radianti\"}"),
         "\"collocazione.unita\" deve essere"},
        {lavoro_con(", \"origine\": [0, 0]"), "\"origine\" deve essere un elenco di 3 numeri"},
        {lavoro_con(", \"vista\": {\"modo\": \"prospetto\"}"), "\"vista.modo\" deve essere"},
        {lavoro_con(", \"vista\": {\"finestra\": [0, 0, 0, 1]}"), "\"vista.finestra\" deve avere"},
        {lavoro_con(", \"vista\": {\"finestra\": [0, 0, 1e39, 1]}"),
         "\"vista.finestra\" ha un numero"},
        {lavoro_con(", \"disegno_sito\": 3"), "\"disegno_sito\" deve essere un testo"},
        {lavoro_con(", \"intestazione\": \"Progetto\""), "\"intestazione\" deve essere un oggetto"},
        {lavoro_con(", \"intestazione\": {\"operatore\": 7}"),
         "\"intestazione.operatore\" deve essere un testo"},
        {lavoro_con(", \"intestazione\": {\"progetto\": \"" + std::string(201, 'x') + "\"}"),
         "\"intestazione.progetto\" è troppo lungo (oltre 200 byte)"},
        {lavoro_con(", \"punti\": {\"elenco\": [{\"nome\": \"A\", \"x\": \"1\"}]}"),
         "punto 1 di \"punti.elenco\": \"x\" deve essere un numero"},
        {lavoro_con(", \"punti\": {\"elenco\": [{}, 7]}"), "punto 2 di \"punti.elenco\" non è"},
    };
    for (const auto& [testo, atteso] : casi) {
        const std::string m = messaggio(testo);
        EXPECT_EQ(m.rfind("Errore: file \"prova.pianopre\": ", 0), 0u) << testo << " -> " << m;
        EXPECT_NE(m.find(atteso), std::string::npos) << testo << " -> " << m;
    }
}

TEST_F(FileLavoro, FileMancantiEVersioniNuove) {
    const fs::path grande = cartella / "grande.pianopre";
    std::ofstream(grande) << std::string((16 << 20) + 1, ' ');
    for (const auto& [p, atteso] : {std::pair{cartella / "assente.pianopre", "non esiste"},
                                    std::pair{grande, "è troppo grande (oltre 16 MiB)"}}) {
        try {
            leggi_file_lavoro(p);
            ADD_FAILURE() << p;
        } catch (const errore_file_lavoro& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Errore: file \"" + p.string() + "\": " + atteso + ".");
        }
    }

    // A newer version: what is known opens, the rest is ignored, one notice.
    const auto esito = leggi_testo_lavoro(
        "{\"formato\": \"pianopre-lavoro\", \"versione\": 3, \"metrica\": true, "
        "\"nuova\": {\"x\": [1]}, \"vista\": {\"modo\": \"fronte\", \"zoom\": 2}, "
        "\"disegno_sito\": \"../sito.dxf\"}",
        "nuovo.pianopre", "/lavori/uno");
    EXPECT_TRUE(esito.dati.metrica);
    EXPECT_EQ(esito.dati.vista, tipo_vista::fronte);
    EXPECT_FALSE(esito.dati.finestra.has_value());
    EXPECT_EQ(esito.dati.file_sito, fs::path("/lavori/sito.dxf"));
    EXPECT_EQ(esito.dati.verifiche.divisore_gsd, impostazioni_verifiche{}.divisore_gsd);
    EXPECT_EQ(esito.avvisi, std::vector<std::string>{
                                "Il lavoro \"nuovo.pianopre\" è stato scritto da una versione più "
                                "recente (versione 3): apro ciò che conosco."});
}

// The site's system: written only when there is one, read back as written;
// a damaged one is told, naming the file, and the job opens all the same.
TEST_F(FileLavoro, SistemaDiRiferimento) {
    dati_file_lavoro d = completo();
    EXPECT_EQ(testo_file_lavoro(d, cartella).find("\"sistema\""), std::string::npos);
    d.sito.sistema = "EPSG:6707";
    const std::string testo = testo_file_lavoro(d, cartella);
    EXPECT_NE(testo.find("\"unita\": \"gon\",\n    \"sistema\": \"EPSG:6707\"\n  },"),
              std::string::npos)
        << testo;
    const auto letto = leggi_testo_lavoro(testo, "l.pianopre", cartella);
    EXPECT_TRUE(letto.avvisi.empty());
    confronta(letto.dati, d);

    const struct {
        std::string valore;
        std::string tenuto;
        std::string_view avviso;
    } casi[] = {
        {"\"EPSG:32633\"", "EPSG:32633", ""},
        {"null", "", ""},
        {"\"\"", "", ""},
        {"\"EPSG:999999\"", "EPSG:999999",
         "\"EPSG:999999\" non è un codice di sistema di riferimento noto a PROJ. Il lavoro si "
         "apre con il sistema di riferimento com'è scritto"},
        {"\"EPSG:4326\"", "EPSG:4326", "EPSG:4326 (WGS 84) è un sistema geografico"},
        {"6707", "",
         "\"collocazione.sistema\" deve essere un testo di al più 200 byte: il lavoro si apre "
         "senza"},
        {"{\"codice\": 6707}", "", "\"collocazione.sistema\" deve essere un testo"},
        {"\"" + std::string(201, 'x') + "\"", "", "\"collocazione.sistema\" deve essere un testo"},
    };
    for (const auto& c : casi) {
        const auto esito = leggi_testo_lavoro(
            lavoro_con(", \"metrica\": true, \"collocazione\": {\"est\": 7, \"sistema\": " +
                       c.valore + "}"),
            "rotto.pianopre", "");
        EXPECT_TRUE(esito.dati.metrica) << c.valore;  // the rest of the job opens
        EXPECT_EQ(esito.dati.sito.est, 7) << c.valore;
        EXPECT_EQ(esito.dati.sito.sistema, c.tenuto) << c.valore;
        ASSERT_EQ(esito.avvisi.size(), c.avviso.empty() ? 0u : 1u) << c.valore;
        if (c.avviso.empty()) continue;
        EXPECT_EQ(esito.avvisi[0].rfind("Errore: file \"rotto.pianopre\": ", 0), 0u)
            << esito.avvisi[0];
        EXPECT_NE(esito.avvisi[0].find(c.avviso), std::string::npos) << esito.avvisi[0];
    }
}

TEST_F(FileLavoro, SalvataggioRifiutatoLasciaIlFileDiPrima) {
    const fs::path file = cartella / "l.pianopre";
    scrivi_file_lavoro(file, completo());
    const std::string prima = prova::leggi_tutto(file);
    dati_file_lavoro d = completo();
    d.verifiche.divisore_gsd = 0;
    try {
        scrivi_file_lavoro(file, d);
        ADD_FAILURE();
    } catch (const errore_file_lavoro& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Errore: impossibile salvare il file: " +
                                                  file.string() + " (\"verifiche.divisore_gsd\"",
                                              0),
                  0u)
            << e.what();
    }
    d = completo();
    d.sensore.nome = "\xff";
    EXPECT_THROW(scrivi_file_lavoro(file, d), errore_file_lavoro);
    EXPECT_THROW(scrivi_file_lavoro(cartella / "disegni", completo()), errore_file_lavoro);
    EXPECT_EQ(prova::leggi_tutto(file), prima);
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), {}), 2);
}

TEST_F(FileLavoro, CommessaEFile) {
    commessa c;
    dati_file_lavoro d = completo();
    std::swap(d.punti[0], d.punti[1]);
    agg_entita(c.disegno_sito, entita{});
    applica_a_commessa(d, c);
    EXPECT_EQ(c.disegno_sito.lista_entita.n_entita(), 0);  // the caller reads the new drawing
    ASSERT_EQ(c.disegno.lista_punti.n_punti(), 2);
    EXPECT_EQ(c.disegno.lista_punti.voce(1).nome.testo(), "PF1");  // sorted as .xyz files are
    const dati_file_lavoro indietro = dati_da_commessa(c);
    d.caselle = {};
    d.vista = tipo_vista::pianta;
    d.finestra.reset();
    d.file_punti.clear();
    std::swap(d.punti[0], d.punti[1]);
    confronta(indietro, d);

    // The boxes as the window reads them: Latin-1, '?' for the rest.
    d.caselle.base = "3,2 \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xC3";
    EXPECT_EQ(caselle_da_file(d).base, "3,2 \xE9 ? ? ?");
    EXPECT_EQ(caselle_da_file(completo()).scala, "1.000");
}

// Files written before the header fields open with them empty; a file that
// has only some of them keeps the others empty.
TEST(FileLavoroIntestazione, ChiaviMancantiRestanoVuote) {
    const struct {
        std::string resto;
        intestazione_lavoro attesa;
    } casi[] = {
        {"", {}},
        {", \"intestazione\": null", {}},
        {", \"intestazione\": {}", {}},
        {", \"intestazione\": {\"operatore\": \"Anna\"}", {"", "", "Anna"}},
        {", \"intestazione\": {\"progetto\": \"P\", \"localita\": \"L\", \"altro\": 1}",
         {"P", "L", ""}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(leggi_testo_lavoro(lavoro_con(c.resto), "vecchio.pianopre", {}).dati.intestazione,
                  c.attesa)
            << c.resto;
}

}  // namespace
}  // namespace pianopre

namespace pianopre {
namespace {

// Keys of "drone" that are missing keep their defaults; null take-off: the default.
TEST(FileLavoroDrone, ChiaviMancantiPrendonoIlPredefinito) {
    const auto letto = [](const std::string& drone) {
        return leggi_testo_lavoro(
                   "{\"formato\": \"pianopre-lavoro\", \"versione\": 1, \"drone\": " + drone + "}",
                   "prova.pianopre", "")
            .dati.drone;
    };
    const impostazioni_drone nuovo;
    const struct {
        const char* testo;
        double velocita, riserva;
        bool sosta, decollo;
    } casi[] = {
        {"{}", nuovo.velocita_ms, nuovo.riserva, nuovo.sosta, false},
        {"null", nuovo.velocita_ms, nuovo.riserva, nuovo.sosta, false},
        {"{\"velocita_ms\": 4, \"decollo\": null}", 4, nuovo.riserva, nuovo.sosta, false},
        {"{\"riserva\": 0, \"sosta\": false, \"decollo\": [1, 2, 3]}", nuovo.velocita_ms, 0, false,
         true},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.testo);
        const impostazioni_drone d = letto(k.testo);
        EXPECT_EQ(d.velocita_ms, k.velocita);
        EXPECT_EQ(d.riserva, k.riserva);
        EXPECT_EQ(d.sosta, k.sosta);
        EXPECT_EQ(d.decollo.has_value(), k.decollo);
        EXPECT_EQ(d.esposizione_s, nuovo.esposizione_s);
        EXPECT_EQ(d.altezza_max_m, nuovo.altezza_max_m);
    }
}

}  // namespace
}  // namespace pianopre
