// The texts of the About box and of the precision notes.
#include "info/testi_info.h"

#include <array>
#include <string_view>

namespace pianopre {

const char* const testo_descrizione =
    "Il programma permette di calcolare, in base alla camera utilizzata, alle dimensioni "
    "dell'oggetto, alla distanza di presa, il numero dei fotogrammi da scattare, il numero delle "
    "strisciate e la precisione teorica ottenibile dalla restituzione fotogrammetrica.";

const char* const testo_avvertenza =
    "Questo programma aiuta a progettare le prese stereofotogrammetriche. I valori calcolati "
    "sono stime teoriche: l'operatore li verifica sul posto prima di scattare.";

const char* const testo_condizioni[4] = {
    "Il programma è fornito così com'è, senza garanzie di alcun tipo, esplicite o implicite.",
    "Chi lo usa risponde delle scelte fatte in base ai risultati calcolati.",
    "Può essere copiato e usato liberamente per studio e per lavoro.",
    "Segnalazioni e suggerimenti sono graditi agli indirizzi qui sotto.",
};

const char* const indirizzo_web = "example.org";
const char* const indirizzo_posta = "info@example.org";

const char* const messaggio_sysinfo =
    "Le informazioni sul sistema non sono attualmente disponibili.";

std::string riga_versione(const versione_programma& v) {
    return "Versione " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.revision);
}

std::string titolo_about() {
    return std::string("Informazioni su ") + titolo_applicazione;
}

namespace {

struct pezzo {
    std::string_view testo;
    std::string_view seguito;  // what follows the piece: "", one CR or two
};

constexpr std::string_view cr = "\r";
constexpr std::string_view cr_cr = "\r\r";

// Pieces 6 and 7 meet with two blanks, and 14 to 17 make one paragraph.
constexpr std::array<pezzo, 17> pezzi_note = {{
    {"Le precisioni calcolate si riferiscono all'utilizzo di camere singole (non bicamere).", cr},
    {"Il valore di sinistra indica la precisione massima ottenibile, quando siano ", ""},
    {"verificate le seguenti condizioni: ", cr_cr},
    {"- Uso di camera metrica con obiettivo calibrato;", cr},
    {"- pellicola professionale ad elevata risoluzione;", cr},
    {"- precisione elevata sui punti di appoggio ", ""},
    {" in proporzione alla scala di rappresentazione;", cr},
    {"- restituzione effettuata con strumento analitico di 1. ordine", cr_cr},
    {"Il valore di destra indica le precisioni ottenibili in condizioni di lavoro normali: ",
     cr_cr},
    {"- camere metriche o semimetriche", cr},
    {"- precisione sui punti d'appoggio +/- 4 mm ", cr},
    {"- strumenti di restituzione analogici, analitici inferiori al 1. ordine, restitutori "
     "digitali. ",
     cr_cr},
    {"Entrambi i valori vengono aumentati se non si utilizzano camere metriche o semimetriche.",
     cr_cr},
    {"NOTA: Non si vuole sminuire la precisione dei restitutori digitali ponendoli tra le", ""},
    {" le attrezzature che diminuiscono la precisione del risultato, ma il loro corretto utilizzo",
     ""},
    {" dipende da fattori (risoluzione di acquisizione, scanner utilizzato,...)", ""},
    {" che questo applicativo in versione demo non gestisce.", ""},
}};

}  // namespace

std::string testo_note() {
    std::string testo;
    for (const pezzo& p : pezzi_note) {
        testo += p.testo;
        testo += p.seguito;
    }
    return testo;
}

}  // namespace pianopre
