// Start-up: one main window, no arguments read, no settings kept.
#include <QApplication>
#include <QLocale>

#include "app/form6.h"
#include "app/regionale_qt.h"
#include "common/servizi_qt.h"
#include "job/commessa.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pianopre");
    pianopre::commessa lavoro;
    pianopre::servizi_qt servizi;
    pianopre::Form6 finestra(lavoro, servizi, pianopre::formato_da_locale(QLocale::system()));
    servizi.imposta_genitore(&finestra);
    finestra.show();
    return QApplication::exec();
}
