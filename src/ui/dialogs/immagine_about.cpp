// Drawing the About box's picture.
#include "dialogs/immagine_about.h"

#include <QLinearGradient>
#include <QPainter>

namespace pianopre {

namespace {

constexpr int larghezza = 60;
constexpr int altezza = 51;
constexpr int suolo = 36;  // first row of the ground

void cielo_e_suolo(QPainter& p) {
    QLinearGradient cielo(0, 0, 0, suolo);
    cielo.setColorAt(0, QColor(120, 170, 230));
    cielo.setColorAt(1, QColor(215, 232, 250));
    p.fillRect(0, 0, larghezza, suolo, cielo);
    p.fillRect(0, suolo, larghezza, altezza - suolo, QColor(150, 160, 130));
}

void facciata(QPainter& p) {
    p.setPen(QColor(90, 60, 40));
    p.setBrush(QColor(230, 200, 150));
    p.drawRect(11, 9, 38, suolo - 10);
    p.setBrush(QColor(170, 70, 50));
    p.drawPolygon(QPolygon({QPoint(9, 9), QPoint(30, 2), QPoint(51, 9)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 90, 130));
    for (int x = 14; x <= 42; x += 7) {
        p.drawRect(x, 13, 4, 5);
        if (x != 28) p.drawRect(x, 23, 4, 5);
    }
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(27, 23, 6, suolo - 23);  // the door
}

// Rays from a station at (cx, 44) to both edges of the façade.
void raggi(QPainter& p, int cx, const QColor& colore) {
    p.setPen(QPen(colore, 1));
    p.drawLine(QPointF(cx, 43), QPointF(11, suolo - 1));
    p.drawLine(QPointF(cx, 43), QPointF(49, suolo - 1));
}

void camera(QPainter& p, int cx) {
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(cx - 4, 43, 8, 5);
    p.setBrush(QColor(180, 200, 230));
    p.drawEllipse(QPoint(cx, 45), 1, 1);
}

}  // namespace

QImage immagine_about() {
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    QPainter p(&img);
    cielo_e_suolo(p);
    facciata(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    raggi(p, 20, QColor(220, 40, 40));
    raggi(p, 40, QColor(230, 120, 20));
    p.setRenderHint(QPainter::Antialiasing, false);
    camera(p, 20);
    camera(p, 40);
    p.setPen(QPen(QColor(255, 255, 255), 1, Qt::DashLine));
    p.drawLine(24, 49, 36, 49);  // the base between the stations
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

}  // namespace pianopre
