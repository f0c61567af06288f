// What the two information windows share: a fixed dialog placed and sized in
// twips, and controls built from table rows like the main window's, with a
// font size of their own.
#pragma once

#include <QDialog>
#include <QWidget>

#include "common/layout_principale_tabella.h"

namespace pianopre {

struct voce_info {
    voce_controllo voce;
    double punti;          // "MS Sans Serif" size
    const char* contesto;  // where the text's translation is; nullptr: shown as written
};

// A row of an information window: no tooltip, no container, no tab place.
constexpr voce_info riga_info(const char* nome, tipo_controllo tipo, const char* testo, int left,
                              int top, int width, int height, double punti, const char* contesto) {
    return {{nome, tipo, testo, nullptr, nullptr, left, top, width, height, -1,
             peso_carattere::normale},
            punti,
            contesto};
}

// Fixed border, title and close box only, modal to the whole program; the
// client area placed and sized in twips from the top-left of the screen.
void imposta_finestra_fissa(QDialog* finestra, int left, int top, int width, int height);

// The control of one row, a child of `finestra`, in its own font size, its text
// in the user's language.
QWidget* crea_controllo_info(const voce_info& voce, QWidget* finestra);

// A straight horizontal line of `spessore` pixels, from x1 to x2 at y (twips).
QWidget* crea_linea(QWidget* finestra, const char* nome, int x1, int x2, int y, int spessore,
                    const QColor& colore);

}  // namespace pianopre
