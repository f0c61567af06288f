// Start-up: one main window, no arguments read, no settings kept.
#include <QApplication>
#include <QLocale>

#include "app/form6.h"
#include "app/regionale_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pianopre");
    pianopre::Form6 finestra(pianopre::formato_da_locale(QLocale::system()));
    finestra.show();
    return QApplication::exec();
}
