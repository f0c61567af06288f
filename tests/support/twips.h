// Window positions in twips, as the controls' tables give them, in pixels.
#pragma once

#include <QRect>

namespace pianopre::prova {

inline QRect twips(int l, int t, int w, int h) {
    return {(l + 7) / 15, (t + 7) / 15, (w + 7) / 15, (h + 7) / 15};
}

}  // namespace pianopre::prova
