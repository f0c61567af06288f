// The program's own icon: a stereo pair of cameras looking at a façade.
#pragma once

#include <QIcon>
#include <QImage>

namespace pianopre {

// 32 x 32 pixels, drawn in the 16 colours of the standard palette on a
// transparent background.
QImage immagine_icona();
QIcon icona_pianopre();

}  // namespace pianopre
