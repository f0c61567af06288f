// A printed page measured in millimetres.
#include "report/foglio.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

namespace pianopre {

foglio::foglio(QPainter& p, double mm_device) : p_(p), k_(mm_device), font_("Liberation Sans") {
    font_.setStyleHint(QFont::SansSerif);
}

const QFontMetricsF& foglio::carattere(double punti, bool grassetto) {
    if (!metrica_ || punti != punti_ || grassetto != grassetto_) {
        font_.setPointSizeF(punti);
        font_.setBold(grassetto);
        metrica_.emplace(font_, p_.device());
        punti_ = punti;
        grassetto_ = grassetto;
        p_.setFont(font_);
    }
    return *metrica_;
}

void foglio::testo(double x, double y, const QString& t, double punti, bool grassetto, allinea a,
                   double larghezza, const QColor& colore) {
    if (t.isEmpty()) return;
    const double massimo = larghezza * k_;
    double l = carattere(punti, grassetto).horizontalAdvance(t);
    if (massimo > 0 && l > massimo && punti > 5) {
        const double ridotto = std::max(5.0, punti * massimo / l);
        l = carattere(ridotto, grassetto).horizontalAdvance(t);
    }
    QString scritto = t;
    if (massimo > 0 && l > massimo) {
        scritto = metrica_->elidedText(t, Qt::ElideRight, massimo);
        l = metrica_->horizontalAdvance(scritto);
    }
    double sx = x * k_;
    if (a == allinea::centro) sx -= l / 2;
    if (a == allinea::destra) sx -= l;
    if (p_.pen().color() != colore || p_.pen().widthF() != 0) p_.setPen(QPen(colore, 0));
    p_.drawText(QPointF(sx, y * k_), scritto);
}

void foglio::linea(double x1, double y1, double x2, double y2, double spessore_mm,
                   const QColor& colore) {
    p_.setPen(QPen(colore, spessore_mm * k_));
    p_.drawLine(punto(x1, y1), punto(x2, y2));
}

void foglio::riquadro(double x, double y, double l, double a, double spessore_mm) {
    p_.setPen(QPen(Qt::black, spessore_mm * k_));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(rettangolo(x, y, l, a));
}

void foglio::riempi(double x, double y, double l, double a, const QColor& colore) {
    p_.fillRect(rettangolo(x, y, l, a), colore);
}

}  // namespace pianopre
