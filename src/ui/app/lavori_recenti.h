// lavori_recenti: the list of the last eight job files opened or saved, kept
// in the user's settings, and the "Lavori recenti" menu made from it.
#pragma once

#include <QMenu>
#include <QString>
#include <functional>

namespace pianopre {

// Puts the file first in the list, by its absolute path.
void ricorda_recente(const QString& nome);

// Fills the menu anew, one item a file, numbered; `apri` opens the one chosen.
void riempi_menu_recenti(QMenu* menu, const std::function<void(const QString&)>& apri);

}  // namespace pianopre
