// Waiting for a modal box in a GUI test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pianopre::prova {

// Runs `esamina` on the modal box once it is open; the box must close
// itself there. A box still open after five seconds is closed so that a
// failing test cannot hang.
inline void quando_aperta(const std::function<void(QWidget*)>& esamina) {
    auto* attesa = new QTimer;
    auto* tempo = new QElapsedTimer;
    tempo->start();
    QObject::connect(attesa, &QTimer::timeout, [=] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr && tempo->elapsed() < 5000) return;
        attesa->stop();
        attesa->deleteLater();
        delete tempo;
        if (box == nullptr) return;
        esamina(box);
        if (box->isVisible()) {
            ADD_FAILURE() << "the box did not close";
            box->close();
        }
    });
    attesa->start(10);
}

}  // namespace pianopre::prova
