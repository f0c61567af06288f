// Start-up: the command line read before anything else; without a window it
// computes a job or prints help or version, otherwise one main window opens,
// with the file named on the command line when there is one.
#include <QApplication>
#include <QLocale>
#include <iostream>

#include "app/finestra_principale.h"
#include "app/regionale_qt.h"
#include "app/riga_comando.h"
#include "common/servizi_qt.h"
#include "job/commessa.h"

namespace {

int finestra(int argc, char* argv[], const QString& file) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pianopre");
    pianopre::commessa lavoro;
    pianopre::servizi_qt servizi;
    pianopre::finestra_principale finestra(lavoro, servizi,
                                           pianopre::formato_da_locale(QLocale::system()));
    servizi.imposta_genitore(&finestra);
    finestra.show();
    if (!file.isEmpty()) finestra.apri_file(file);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace pianopre;
    const riga_comando riga = leggi_riga_comando(argomenti_di(argc, argv));
    switch (riga.cosa) {
        case richiesta::aiuto:
            std::cout << testo_aiuto().toStdString();
            return uscita_ok;
        case richiesta::versione:
            std::cout << testo_versione().toStdString();
            return uscita_ok;
        case richiesta::errata:
            std::cerr << riga.problema.toStdString() << '\n';
            return uscita_riga_errata;
        case richiesta::calcola: {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QApplication app(argc, argv);
            QApplication::setApplicationName("pianopre");
            return esegui_calcolo(riga, formato_da_locale(QLocale::system()), std::cout, std::cerr);
        }
        case richiesta::finestra:
            break;
    }
    return finestra(argc, argv, riga.file);
}
