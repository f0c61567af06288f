// The texts of a drawing in the program's own characters (Windows-1252, "?"
// where it has none): the drawing's code page (UTF-8 from release 2007 on),
// the "\U+XXXX" escapes, the "%%" control codes of TEXT, and MTEXT with its
// formatting codes removed, split into its lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pianopre {

enum class codifica { cp1252, utf8, altra };

// From $DWGCODEPAGE ("ANSI_1252") and $ACADVER ("AC1021" and later are UTF-8).
codifica codifica_di(std::string_view codepage, std::string_view versione);

// A TEXT or ATTRIB value.
std::string testo_dxf(std::string_view grezzo, codifica c);

// The lines of an MTEXT value, formatting removed.
std::vector<std::string> righe_mtext(std::string_view grezzo, codifica c);

}  // namespace pianopre
