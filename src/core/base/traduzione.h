// The core's texts in the user's language. The core stays free of the UI's
// toolkit: the UI hands it one translator at start-up, and every text the core
// shows (messages, check rows, results, report texts) goes through traduci().
// Without a translator a text stays as written, in Italian.
//
// lupdate finds the texts: traduci(contesto, testo) is read as Qt's
// translate(), and TESTO_DA_TRADURRE(contesto, testo) marks a text kept in a
// table and translated where it is shown.
#pragma once

#include <string>

namespace pianopre {

// Returns the text for `contesto` and the Italian `testo`, as UTF-8.
using traduttore = std::string (*)(const char* contesto, const char* testo);

// Set once, before any text is asked for; nullptr goes back to Italian.
void imposta_traduttore(traduttore t);

std::string traduci(const char* contesto, const char* testo);

}  // namespace pianopre

#define TESTO_DA_TRADURRE(contesto, testo) testo
