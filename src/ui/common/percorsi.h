// Where the program finds its shipped data and keeps the user's own files,
// and the file names chosen in the window as paths for the core.
#pragma once

#include <QString>
#include <filesystem>

namespace pianopre {

// The shipped camera presets: beside the installed program
// (share/pianopre/fotocamere.json), else in the source tree it was built from.
QString percorso_fotocamere_predefinite();

// The user's own camera list in the user's configuration folder.
QString percorso_fotocamere_utente();

// A file name as the user chose it, as the path the system knows it by.
std::filesystem::path percorso_locale(const QString& nome);

}  // namespace pianopre
