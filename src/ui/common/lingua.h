// The language of the program's texts: Italian (the texts as written) or
// English. The user's choice ("?" > "Lingua / Language", kept in the settings)
// or --lingua on the command line wins; otherwise the system's interface
// languages decide: Italian when the first of them the program has is
// Italian, English otherwise. Numbers follow the regional format apart, so
// the language never changes how a number is read or written.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace pianopre {

enum class lingua { italiano, inglese };

// "it" or "en"; nothing for anything else.
std::optional<lingua> lingua_da_codice(const QString& codice);
QString codice_lingua(lingua l);

// The first of the system's interface languages (as QLocale::uiLanguages()
// lists them, "it-IT", "en_GB", "de"...) that is Italian or English; English
// when none is.
lingua lingua_di_sistema(const QStringList& lingue_interfaccia);

// The command line's choice, else the saved one, else the system's.
lingua lingua_scelta(const std::optional<lingua>& da_riga, const std::optional<lingua>& salvata,
                     const QStringList& lingue_interfaccia);

// The choice kept in the settings: nothing means "as the system".
std::optional<lingua> lingua_salvata();
void salva_lingua(const std::optional<lingua>& scelta);

// Installs the program's translation (and Qt's own, for its dialogs) into the
// application and hands the core its translator. Italian installs Qt's
// Italian texts only.
void installa_lingua(QCoreApplication& app, lingua l);

// Removes the translators installa_lingua installed; texts go back to the
// Italian they are written in.
void rimuovi_lingua(QCoreApplication& app);

}  // namespace pianopre
