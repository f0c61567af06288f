// The user's regional number format, read from the system locale.
#include "app/regionale_qt.h"

namespace pianopre {

namespace {
char carattere_ascii(const QString& s, char altrimenti) {
    if (s.size() == 1 && s.at(0).unicode() < 128) return static_cast<char>(s.at(0).unicode());
    return altrimenti;
}
}  // namespace

formato_regionale formato_da_locale(const QLocale& locale) {
    formato_regionale f;
    f.decimale = carattere_ascii(locale.decimalPoint(), '.');
    f.migliaia = carattere_ascii(locale.groupSeparator(), 0);
    if (f.migliaia == f.decimale) f.migliaia = 0;
    return f;
}

}  // namespace pianopre
