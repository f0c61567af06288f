// Windows-1252 to Unicode for the texts drawn in the picture.
#include "picture/testo_ansi.h"

namespace pianopre {

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned codes, shown as themselves.
constexpr char16_t cp1252_80_9f[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString da_ansi(std::string_view byte) {
    QString testo;
    testo.reserve(static_cast<qsizetype>(byte.size()));
    for (char c : byte) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && cp1252_80_9f[b - 0x80] != 0) u = cp1252_80_9f[b - 0x80];
        testo.append(QChar(u));
    }
    return testo;
}

}  // namespace pianopre
