// The user's regional number format, read once at start-up by the window and
// handed to the core as a value, so that nothing in the core reads the locale.
#pragma once

namespace pianopre {

struct formato_regionale {
    char decimale = '.';  // decimal separator
    char migliaia = ',';  // digit grouping separator; 0 when the locale has none

    static constexpr formato_regionale italiano() { return {',', '.'}; }
    static constexpr formato_regionale inglese() { return {'.', ','}; }
};

}  // namespace pianopre
