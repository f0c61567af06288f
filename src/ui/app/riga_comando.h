// The command line: what the arguments ask for, the help and version texts,
// and the calculation of a job without a window (--calcola) that prints its
// results and writes the files asked with the same code as the menu commands.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <ostream>

#include "base/formato_regionale.h"
#include "common/lingua.h"

namespace pianopre {

enum class richiesta { finestra, aiuto, versione, calcola, errata };

struct riga_comando {
    richiesta cosa = richiesta::finestra;
    QString file;  // the file to open in the window, or the job to compute
    bool json = false;
    QString dxf;
    QString csv;
    QString pdf;
    QString bmp;                         // base name of the three bitmaps
    QString mappa;                       // the coverage and precision map's grid, CSV
    std::array<QString, 5> geo;          // --kml ... --qgc, by formato_geo
    QString problema;                    // for an errata line, the message
    std::optional<lingua> lingua_testi;  // --lingua it|en
};

// Exit statuses: done, failed, bad command line.
inline constexpr int uscita_ok = 0;
inline constexpr int uscita_errore = 1;
inline constexpr int uscita_riga_errata = 2;

// The arguments after the program's name.
riga_comando leggi_riga_comando(const QStringList& argomenti);

// The arguments of main() without the program's name, decoded as the system's.
QStringList argomenti_di(int argc, char* argv[]);

QString testo_aiuto();
QString testo_versione();

// --calcola: the job computed, its results on `uscita`, notices and errors on
// `errori`. The files need a QApplication (the offscreen platform will do).
// Returns the exit status.
int esegui_calcolo(const riga_comando& riga, const formato_regionale& formato, std::ostream& uscita,
                   std::ostream& errori);

}  // namespace pianopre
