// The texts of the information windows: the application's title and version,
// the About box's description, notice, terms of use and contacts, and the
// notes on the two precision values. Plain UTF-8 strings, no window needed;
// the functions give them in the user's language, the fixed texts are the
// Italian ones, marked for translation in the context "testi_info" and passed
// through traduci() where they are shown.
#pragma once

#include <string>

namespace pianopre {

inline constexpr const char* titolo_applicazione = "pianopre";

struct versione_programma {
    int major = 1;
    int minor = 0;
    int revision = 0;
};

// "Versione 1.0.0" ("Version 1.0.0"): the three numbers in decimal, joined by points.
std::string riga_versione(const versione_programma& v = {});

// "Informazioni su pianopre" ("About pianopre").
std::string titolo_about();

// The About box's fixed texts.
extern const char* const testo_descrizione;
extern const char* const testo_avvertenza;
extern const char* const testo_condizioni[4];
extern const char* const indirizzo_web;
extern const char* const indirizzo_posta;
extern const char* const messaggio_sysinfo;

// The notes on the precision values, lines ended by a single carriage return.
std::string testo_note();

}  // namespace pianopre
