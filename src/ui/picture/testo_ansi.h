// Texts of the drawing are single-byte Windows-1252, as DXF files hold them;
// they stay bytes in the entities and are decoded only to be drawn.
#pragma once

#include <QString>
#include <string_view>

namespace pianopre {

QString da_ansi(std::string_view byte);

}  // namespace pianopre
