// Form1: a small window with one text box reading "TEST_MODE". The program
// builds it only on request and never shows it; it has no handlers.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <memory>

namespace pianopre {

class Form1 : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);

    QLineEdit* Text4 = nullptr;
};

std::unique_ptr<Form1> crea_form1();

}  // namespace pianopre
