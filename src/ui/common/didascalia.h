// Label captions as the program writes them: a carriage return starts a new
// line. A QLabel breaks lines only at line feeds, so the caption is kept as
// written in the label's "caption" property and shown with line feeds.
#pragma once

#include <QLabel>
#include <QString>

namespace pianopre {

void imposta_didascalia(QLabel* etichetta, const QString& testo);

// The caption as last set, carriage returns included.
QString didascalia(const QLabel* etichetta);

}  // namespace pianopre
