// The texts of the About box and of the precision notes.
#include "info/testi_info.h"

#include <array>
#include <string_view>

#include "base/traduzione.h"

namespace pianopre {

namespace {
constexpr const char* contesto = "testi_info";

// The pattern in the user's language with %1 replaced by `valore`.
std::string con_valore(const char* modello, const std::string& valore) {
    std::string testo = traduci(contesto, modello);
    if (const std::size_t dove = testo.find("%1"); dove != std::string::npos)
        testo.replace(dove, 2, valore);
    return testo;
}
}  // namespace

const char* const testo_descrizione = TESTO_DA_TRADURRE(
    "testi_info",
    "Il programma permette di calcolare, in base alla camera utilizzata, alle dimensioni "
    "dell'oggetto, alla distanza di presa, il numero dei fotogrammi da scattare, il numero delle "
    "strisciate e la precisione teorica ottenibile dalla restituzione fotogrammetrica.");

const char* const testo_avvertenza = TESTO_DA_TRADURRE(
    "testi_info",
    "Questo programma aiuta a progettare le prese stereofotogrammetriche. I valori calcolati "
    "sono stime teoriche: l'operatore li verifica sul posto prima di scattare.");

const char* const testo_condizioni[4] = {
    TESTO_DA_TRADURRE(
        "testi_info",
        "Il programma è fornito così com'è, senza garanzie di alcun tipo, esplicite o implicite."),
    TESTO_DA_TRADURRE("testi_info",
                      "Chi lo usa risponde delle scelte fatte in base ai risultati calcolati."),
    TESTO_DA_TRADURRE("testi_info",
                      "Può essere copiato e usato liberamente per studio e per lavoro."),
    TESTO_DA_TRADURRE("testi_info",
                      "Segnalazioni e suggerimenti sono graditi agli indirizzi qui sotto."),
};

const char* const indirizzo_web = "example.org";
const char* const indirizzo_posta = "info@example.org";

const char* const messaggio_sysinfo = TESTO_DA_TRADURRE(
    "testi_info", "Le informazioni sul sistema non sono attualmente disponibili.");

std::string riga_versione(const versione_programma& v) {
    return con_valore(
        TESTO_DA_TRADURRE("testi_info", "Versione %1"),
        std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision));
}

std::string titolo_about() {
    return con_valore(TESTO_DA_TRADURRE("testi_info", "Informazioni su %1"), titolo_applicazione);
}

namespace {

struct pezzo {
    const char* testo;         // Italian, in the user's language where shown
    std::string_view seguito;  // what follows the piece: "", one CR or two
};

constexpr std::string_view cr = "\r";
constexpr std::string_view cr_cr = "\r\r";

// Pieces 6 and 7 meet with two blanks, and 14 to 17 make one paragraph.
constexpr std::array<pezzo, 17> pezzi_note = {{
    {TESTO_DA_TRADURRE(
         "testi_info",
         "Le precisioni calcolate si riferiscono all'utilizzo di camere singole (non bicamere)."),
     cr},
    {TESTO_DA_TRADURRE(
         "testi_info",
         "Il valore di sinistra indica la precisione massima ottenibile, quando siano "),
     ""},
    {TESTO_DA_TRADURRE("testi_info", "verificate le seguenti condizioni: "), cr_cr},
    {TESTO_DA_TRADURRE("testi_info", "- Uso di camera metrica con obiettivo calibrato;"), cr},
    {TESTO_DA_TRADURRE("testi_info", "- pellicola professionale ad elevata risoluzione;"), cr},
    {TESTO_DA_TRADURRE("testi_info", "- precisione elevata sui punti di appoggio "), ""},
    {TESTO_DA_TRADURRE("testi_info", " in proporzione alla scala di rappresentazione;"), cr},
    {TESTO_DA_TRADURRE("testi_info",
                       "- restituzione effettuata con strumento analitico di 1. ordine"),
     cr_cr},
    {TESTO_DA_TRADURRE(
         "testi_info",
         "Il valore di destra indica le precisioni ottenibili in condizioni di lavoro normali: "),
     cr_cr},
    {TESTO_DA_TRADURRE("testi_info", "- camere metriche o semimetriche"), cr},
    {TESTO_DA_TRADURRE("testi_info", "- precisione sui punti d'appoggio +/- 4 mm "), cr},
    {TESTO_DA_TRADURRE(
         "testi_info",
         "- strumenti di restituzione analogici, analitici inferiori al 1. ordine, restitutori "
         "digitali. "),
     cr_cr},
    {TESTO_DA_TRADURRE("testi_info",
                       "Entrambi i valori vengono aumentati se non si utilizzano camere metriche o "
                       "semimetriche."),
     cr_cr},
    {TESTO_DA_TRADURRE(
         "testi_info",
         "NOTA: Non si vuole sminuire la precisione dei restitutori digitali ponendoli tra le"),
     ""},
    {TESTO_DA_TRADURRE("testi_info",
                       " le attrezzature che diminuiscono la precisione del risultato, ma il loro "
                       "corretto utilizzo"),
     ""},
    {TESTO_DA_TRADURRE("testi_info",
                       " dipende da fattori (risoluzione di acquisizione, scanner utilizzato,...)"),
     ""},
    {TESTO_DA_TRADURRE("testi_info", " che questo applicativo in versione demo non gestisce."), ""},
}};

}  // namespace

std::string testo_note() {
    std::string testo;
    for (const pezzo& p : pezzi_note) {
        testo += traduci(contesto, p.testo);
        testo += p.seguito;
    }
    return testo;
}

}  // namespace pianopre
