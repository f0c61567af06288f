// finestra_prova: the test-mode window, a small window with one text box
// reading "TEST_MODE". The program builds it only on request and never shows
// it; it has no handlers.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <memory>

namespace pianopre {

class finestra_prova : public QWidget {
public:
    explicit finestra_prova(QWidget* parent = nullptr);

    QLineEdit* Text4 = nullptr;
};

std::unique_ptr<finestra_prova> crea_finestra_prova();

}  // namespace pianopre
