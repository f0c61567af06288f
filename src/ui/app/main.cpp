// Start-up: the command line read before anything else; without a window it
// computes a job or prints help or version, otherwise one main window opens,
// with the file named on the command line when there is one. The language of
// the texts is set before the first text is made.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <iostream>
#include <memory>

#include "app/finestra_principale.h"
#include "app/regionale_qt.h"
#include "app/riga_comando.h"
#include "common/lingua.h"
#include "common/servizi_qt.h"
#include "job/commessa.h"

namespace {

using namespace pianopre;

// The program's name, under which its settings are kept, then its language.
void prepara(QCoreApplication& app, const riga_comando& riga) {
    QCoreApplication::setApplicationName("pianopre");
    installa_lingua(
        app, lingua_scelta(riga.lingua_testi, lingua_salvata(), QLocale::system().uiLanguages()));
}

// Outside a desktop session nothing sets XDG_RUNTIME_DIR, and Qt looks into it
// as it starts (for a sandbox's marker), warning on every run that it is
// missing. A private runtime folder of this run, removed at its end, answers.
std::unique_ptr<QTemporaryDir> cartella_runtime() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return nullptr;
    auto cartella = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/pianopre-runtime-XXXXXX");
    if (!cartella->isValid()) return nullptr;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(cartella->path()));
    return cartella;
}

int finestra(int argc, char* argv[], const riga_comando& riga) {
    QApplication app(argc, argv);
    prepara(app, riga);
    commessa lavoro;
    servizi_qt servizi;
    finestra_principale finestra(lavoro, servizi, formato_da_locale(QLocale::system()));
    servizi.imposta_genitore(&finestra);
    finestra.show();
    if (!riga.file.isEmpty()) finestra.apri_file(riga.file);
    return QApplication::exec();
}

// Help, version or a bad command line: a text and its exit status.
int testo(int argc, char* argv[], const QStringList& argomenti, const riga_comando& letta) {
    QCoreApplication app(argc, argv);
    prepara(app, letta);
    const riga_comando riga = leggi_riga_comando(argomenti);  // its texts in the language
    if (riga.cosa == richiesta::errata) {
        std::cerr << riga.problema.toStdString() << '\n';
        return uscita_riga_errata;
    }
    std::cout << (riga.cosa == richiesta::aiuto ? testo_aiuto() : testo_versione()).toStdString();
    return uscita_ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList argomenti = argomenti_di(argc, argv);
    const riga_comando riga = leggi_riga_comando(argomenti);
    switch (riga.cosa) {
        case richiesta::aiuto:
        case richiesta::versione:
        case richiesta::errata:
            return testo(argc, argv, argomenti, riga);
        case richiesta::calcola: {
            const auto runtime = cartella_runtime();
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QApplication app(argc, argv);
            prepara(app, riga);
            return esegui_calcolo(riga, formato_da_locale(QLocale::system()), std::cout, std::cerr);
        }
        case richiesta::finestra:
            break;
    }
    const auto runtime = cartella_runtime();
    return finestra(argc, argv, riga);
}
