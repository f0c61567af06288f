// finestra_prova: the test-mode window and its only text box.
#include "app/finestra_prova.h"

#include <limits>

#include "common/aspetto.h"

namespace pianopre {

finestra_prova::finestra_prova(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(4680), pixel(3195));
    Text4 = new QLineEdit(QStringLiteral("TEST_MODE"), this);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setFont(carattere_sistema());
    Text4->setMaxLength(std::numeric_limits<int>::max());
    Text4->setGeometry(pixel(960), pixel(360), pixel(1815), pixel(495));
}

std::unique_ptr<finestra_prova> crea_finestra_prova() {
    return std::make_unique<finestra_prova>();
}

}  // namespace pianopre
