// Drawing the program's icon in the 16-colour palette.
#include "app/icona.h"

#include <QPainter>
#include <QPixmap>

namespace pianopre {

namespace {

const QColor nero(0, 0, 0);
const QColor blu_scuro(0, 0, 128);
const QColor rosso(255, 0, 0);
const QColor grigio(128, 128, 128);
const QColor argento(192, 192, 192);
const QColor azzurro(0, 255, 255);
const QColor giallo(255, 255, 0);
const QColor oliva(128, 128, 0);

void facciata(QPainter& p) {
    p.setPen(nero);
    p.setBrush(giallo);
    p.drawRect(5, 1, 21, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(oliva);
    for (int x : {8, 14, 20}) {
        p.drawRect(x, 3, 3, 2);
        p.drawRect(x, 7, 3, 2);
    }
}

// One camera whose lens is centred at (cx, 24).
void camera(QPainter& p, int cx) {
    p.setPen(nero);
    p.setBrush(grigio);
    p.drawRect(cx - 3, 18, 6, 2);  // viewfinder
    p.setBrush(argento);
    p.drawRect(cx - 6, 20, 12, 9);
    p.setBrush(blu_scuro);
    p.drawEllipse(cx - 3, 21, 6, 6);
    p.setPen(azzurro);
    p.drawPoint(cx - 1, 23);
}

void raggi(QPainter& p, int cx) {
    p.setPen(rosso);
    p.drawLine(cx, 20, 5, 11);
    p.drawLine(cx, 20, 26, 11);
}

}  // namespace

QImage immagine_icona() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    raggi(p, 8);
    raggi(p, 23);
    facciata(p);
    camera(p, 8);
    camera(p, 23);
    p.setPen(nero);
    p.drawLine(8, 30, 23, 30);  // the base between the two stations
    p.end();
    return img;
}

QIcon icona_pianopre() {
    return QIcon(QPixmap::fromImage(immagine_icona()));
}

}  // namespace pianopre
