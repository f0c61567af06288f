// The number of the error a piece of code throws, for tests.
#pragma once

#include "base/errori.h"

namespace pianopre::prova {

// The error number thrown by f, 0 when it throws none.
template <typename F>
int numero_errore(F&& f) {
    try {
        f();
    } catch (const errore& e) {
        return e.numero();
    }
    return 0;
}

}  // namespace pianopre::prova
