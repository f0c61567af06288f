// Readable Qt strings in test failure messages.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& testo, std::ostream* os) {
    *os << '"' << testo.toStdString() << '"';
}
