// Form1 and its only text box.
#include "app/form1.h"

#include <limits>

#include "common/aspetto.h"

namespace pianopre {

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(4680), pixel(3195));
    Text4 = new QLineEdit(QStringLiteral("TEST_MODE"), this);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setFont(carattere_sistema());
    Text4->setMaxLength(std::numeric_limits<int>::max());
    Text4->setGeometry(pixel(960), pixel(360), pixel(1815), pixel(495));
}

std::unique_ptr<Form1> crea_form1() {
    return std::make_unique<Form1>();
}

}  // namespace pianopre
