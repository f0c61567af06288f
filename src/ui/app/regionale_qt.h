// The user's regional number format, read from the system locale.
#pragma once

#include <QLocale>

#include "base/formato_regionale.h"

namespace pianopre {

// Separators that are not single ASCII characters cannot occur in what users
// type with a plain keyboard; they fall back to the point and to no grouping.
formato_regionale formato_da_locale(const QLocale& locale);

}  // namespace pianopre
