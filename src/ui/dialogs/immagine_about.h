// The About box's picture: two camera stations photographing a façade.
#pragma once

#include <QImage>

namespace pianopre {

// 60 x 51 pixels, 24-bit colour.
QImage immagine_about();

}  // namespace pianopre
