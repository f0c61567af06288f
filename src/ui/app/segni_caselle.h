// segni_caselle: how the window and the command line tell the boxes read
// leniently: a red frame and a "Letto come" tooltip on the box, and one notice
// naming each box by its caption with what it held and what it was read as.
#pragma once

#include <QLineEdit>
#include <QString>
#include <vector>

#include "base/formato_regionale.h"
#include "job/letture_caselle.h"

namespace pianopre {

// The caption of a box's label as the user sees it, without its colon.
QString didascalia_casella(casella_lavoro quale);

// One line per box: "caption: "text" letto come value", under one heading.
QString avviso_letture(const std::vector<lettura_dubbia>& dubbie, const formato_regionale& formato);

// The red frame and the tooltip "Letto come <letto>"; the box's own tooltip
// is kept for togli_segno. The property "lettura_dubbia" is true while marked.
void segna_casella(QLineEdit* casella, const QString& letto);
// Back to the box's own look and tooltip; nothing for a box not marked.
void togli_segno(QLineEdit* casella);

}  // namespace pianopre
