// Entry point of the GUI test programs: one QApplication for all tests. Each
// program keeps its settings in a folder of its own, removed at the end, so
// that tests running side by side never read each other's choices (the angle
// unit, the language, the recent jobs) nor the user's.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/cartella_temporanea.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const pianopre::prova::cartella_temporanea impostazioni;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(impostazioni.percorso().string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
