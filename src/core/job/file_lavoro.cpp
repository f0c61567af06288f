// Opening a job file, and the job's values between the file and the job object.
#include "job/file_lavoro.h"

#include <algorithm>

#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/testo_utf8.h"
#include "base/traduzione.h"
#include "geo/sistema_riferimento.h"
#include "job/file_lavoro_json.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

using lavoro_json::json;

constexpr std::uintmax_t dimensione_massima = 16u << 20;

[[noreturn]] void fallisci(const std::string& nome_file, const std::string& problema) {
    throw errore_file_lavoro(
        inserisci(traduci("lettura_json", "Errore: file \"%1\": %2."), {nome_file, problema}));
}

// Line and column of the byte at 1-based position `byte` of the text.
std::string posizione(std::string_view testo, std::size_t byte) {
    std::size_t riga = 1, colonna = 1;
    const std::size_t fine = std::min(byte > 0 ? byte - 1 : 0, testo.size());
    for (std::size_t i = 0; i < fine; ++i) {
        colonna = testo[i] == '\n' ? 1 : colonna + 1;
        riga += testo[i] == '\n';
    }
    return inserisci(traduci("lettura_json", "riga %1, colonna %2"),
                     {std::to_string(riga), std::to_string(colonna)});
}

json albero(std::string_view testo, const std::string& nome_file) {
    try {
        return json::parse(testo);
    } catch (const json::parse_error& e) {
        fallisci(nome_file, inserisci(traduci("lettura_json", "non è un testo JSON valido (%1)"),
                                      {posizione(testo, e.byte)}));
    } catch (const json::out_of_range&) {
        fallisci(nome_file, traduci("lettura_json", "contiene un numero fuori scala"));
    } catch (const json::exception&) {
        fallisci(nome_file, traduci("lettura_json", "non è un testo JSON valido"));
    }
}

}  // namespace

esito_lettura_lavoro leggi_testo_lavoro(std::string_view testo, const std::string& nome_file,
                                        const fs::path& cartella_lavoro) {
    const json radice = albero(testo, nome_file);
    esito_lettura_lavoro esito;
    try {
        esito.dati = lavoro_json::dati_da_json(radice, cartella_lavoro, nome_file, esito.avvisi);
    } catch (const lavoro_json::problema& p) {
        fallisci(nome_file, p.testo);
    }
    // A system PROJ does not resolve stays as written, for the user to correct.
    if (const std::string& sistema = esito.dati.sito.sistema; !sistema.empty()) {
        const sistema_riferimento s = risolvi_sistema(sistema);
        if (!s.valido())
            esito.avvisi.push_back(inserisci(
                traduci("file_lavoro",
                        "Errore: file \"%1\": %2. Il lavoro si apre con il sistema di riferimento "
                        "com'è scritto: correggerlo in \"Colloca sul sito...\"."),
                {nome_file, s.motivo}));
    }
    return esito;
}

esito_lettura_lavoro leggi_file_lavoro(const fs::path& percorso) {
    std::string testo;
    try {
        testo = leggi_file_testo(percorso, dimensione_massima);
    } catch (const errore_file& e) {
        fallisci(percorso.string(), e.problema());
    }
    std::error_code ec;
    fs::path assoluto = fs::absolute(percorso, ec);
    if (ec) assoluto = percorso;
    esito_lettura_lavoro esito =
        leggi_testo_lavoro(testo, percorso.string(), assoluto.parent_path());
    const fs::path& sito = esito.dati.file_sito;
    if (!sito.empty() && !fs::is_regular_file(sito, ec)) {
        esito.avvisi.push_back(inserisci(
            traduci("file_lavoro",
                    "Errore: il disegno del sito \"%1\" del lavoro \"%2\" non c'è più: il "
                    "lavoro si apre senza."),
            {sito.string(), percorso.string()}));
        esito.dati.file_sito.clear();
    }
    return esito;
}

dati_file_lavoro dati_da_commessa(const commessa& c) {
    dati_file_lavoro d;
    d.metrica = c.metrica;
    d.blocca_base = c.blocca_base;
    d.sensore = c.sensore;
    d.verifiche = c.verifiche;
    d.drone = c.drone;
    d.convergenti = c.convergenti;
    d.sito = c.sito;
    d.origine = c.origine;
    std::error_code ec;
    if (!c.file_sito.empty()) d.file_sito = fs::absolute(c.file_sito, ec);
    if (ec) d.file_sito = c.file_sito;
    const auto punti = c.disegno.lista_punti.voci();
    d.punti.assign(punti.begin(), punti.end());
    d.intestazione = c.intestazione;
    return d;
}

void applica_a_commessa(const dati_file_lavoro& dati, commessa& c) {
    std::vector<punto_app> punti = dati.punti;
    if (punti.size() > static_cast<std::size_t>(elenco_punti::posti)) throw errore(err_indice);
    std::stable_sort(punti.begin(), punti.end(), [](const punto_app& a, const punto_app& b) {
        return a.nome.grezzo() < b.nome.grezzo();  // byte codes, as the .xyz reader sorts
    });
    c.metrica = dati.metrica;
    c.blocca_base = dati.blocca_base;
    c.sensore = dati.sensore;
    c.verifiche = dati.verifiche;
    c.drone = dati.drone;
    c.convergenti = dati.convergenti;
    c.sito = dati.sito;
    c.origine = dati.origine;
    c.file_sito = dati.file_sito.string();
    c.intestazione = dati.intestazione;
    azzera_liste(c.disegno_sito);
    azzera_punti(c.disegno_sito);
    c.disegno_sito.nome_disegno.clear();
    azzera_punti(c.disegno);
    for (const punto_app& p : punti) agg_punto(c.disegno, p);
}

caselle_lavoro caselle_da_file(const dati_file_lavoro& dati) {
    const caselle_file& f = dati.caselle;
    caselle_lavoro c;
    c.focale = utf8_in_latin1(f.focale);
    c.larg_neg = utf8_in_latin1(f.larg_neg);
    c.alt_neg = utf8_in_latin1(f.alt_neg);
    c.alt_sogg = utf8_in_latin1(f.alt_sogg);
    c.larg_sogg = utf8_in_latin1(f.larg_sogg);
    c.distanza = utf8_in_latin1(f.distanza);
    c.scala = utf8_in_latin1(f.scala);
    c.base = utf8_in_latin1(f.base);
    return c;
}

}  // namespace pianopre
