// Build-time tool: writes the program's icon as a PNG for the desktop menus.
#include <QGuiApplication>

#include "app/icona.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return pianopre::immagine_icona().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
