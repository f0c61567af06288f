// The main window.
#pragma once

#include <QWidget>

#include "app/formato_regionale.h"

namespace pianopre {

class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(formato_regionale formato, QWidget* parent = nullptr);

private:
    formato_regionale formato_;
};

}  // namespace pianopre
