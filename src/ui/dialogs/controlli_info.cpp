// Fixed dialogs and their controls from table rows.
#include "dialogs/controlli_info.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPalette>

#include "common/aspetto.h"
#include "common/layout_principale_widget.h"

namespace pianopre {

void imposta_finestra_fissa(QDialog* finestra, int left, int top, int width, int height) {
    finestra->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                             Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
    finestra->setWindowModality(Qt::ApplicationModal);
    finestra->setSizeGripEnabled(false);
    finestra->setFixedSize(pixel(width), pixel(height));
    // The geometry of a window is its client area; placing it here also
    // stops the dialog from centring itself over the main window.
    finestra->setGeometry(pixel(left), pixel(top), pixel(width), pixel(height));
}

QWidget* crea_controllo_info(const voce_info& v, QWidget* finestra) {
    const QByteArray testo = v.contesto != nullptr
                                 ? QCoreApplication::translate(v.contesto, v.voce.testo).toUtf8()
                                 : QByteArray(v.voce.testo);
    voce_controllo voce = v.voce;
    voce.testo = testo.constData();
    QWidget* w = crea_controllo(voce, finestra);
    w->setFont(carattere_sistema(v.punti));
    return w;
}

QWidget* crea_linea(QWidget* finestra, const char* nome, int x1, int x2, int y, int spessore,
                    const QColor& colore) {
    auto* linea = new QFrame(finestra);
    linea->setObjectName(QString::fromUtf8(nome));
    linea->setFrameStyle(QFrame::NoFrame);
    linea->setAutoFillBackground(true);
    QPalette p = linea->palette();
    p.setColor(QPalette::Window, colore);
    linea->setPalette(p);
    linea->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int sinistra = pixel(x1);
    linea->setGeometry(sinistra, pixel(y), pixel(x2) - sinistra + 1, spessore);
    return linea;
}

}  // namespace pianopre
