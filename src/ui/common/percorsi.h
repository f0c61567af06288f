// Where the program finds its shipped data and keeps the user's own files.
#pragma once

#include <QString>

namespace pianopre {

// The shipped camera presets: beside the installed program
// (share/pianopre/fotocamere.json), else in the source tree it was built from.
QString percorso_fotocamere_predefinite();

// The user's own camera list in the user's configuration folder.
QString percorso_fotocamere_utente();

}  // namespace pianopre
