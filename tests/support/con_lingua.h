// The program's language installed for the life of the object. Test programs
// share one application: afterwards it has no translator and the core speaks
// Italian again, as every other test expects.
#pragma once

#include <QCoreApplication>

#include "common/lingua.h"

namespace pianopre::prova {

class con_lingua {
public:
    explicit con_lingua(lingua l) { installa_lingua(*QCoreApplication::instance(), l); }
    ~con_lingua() { rimuovi_lingua(*QCoreApplication::instance()); }
    con_lingua(const con_lingua&) = delete;
    con_lingua& operator=(const con_lingua&) = delete;
};

}  // namespace pianopre::prova
