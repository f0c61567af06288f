// A printed page measured in millimetres: the painter of a PDF writer or a
// printer with the conversion to its device units, and the few strokes the
// report is made of (texts fitted to a width, lines, boxes, filled cells).
// Texts are drawn in device units so that point sizes stay true at any
// resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>

namespace pianopre {

enum class allinea { sinistra, centro, destra };

class foglio {
public:
    // `mm_device` device units per millimetre; (0, 0) is the page's upper left corner.
    foglio(QPainter& p, double mm_device);

    QPainter& painter() { return p_; }
    double scala() const { return k_; }
    QPointF punto(double x, double y) const { return {x * k_, y * k_}; }
    QRectF rettangolo(double x, double y, double l, double a) const {
        return {x * k_, y * k_, l * k_, a * k_};
    }

    // One line of text whose baseline sits at y; shrunk down to 5 points, then
    // cut with an ellipsis, to stay within `larghezza` mm (none when 0).
    void testo(double x, double y, const QString& t, double punti, bool grassetto = false,
               allinea a = allinea::sinistra, double larghezza = 0,
               const QColor& colore = Qt::black);
    void linea(double x1, double y1, double x2, double y2, double spessore_mm = 0.2,
               const QColor& colore = Qt::black);
    void riquadro(double x, double y, double l, double a, double spessore_mm = 0.2);
    void riempi(double x, double y, double l, double a, const QColor& colore);
    // After the painter's font was changed elsewhere.
    void rinnova() { metrica_.reset(); }

private:
    // The font of the last text and its metrics, kept while size and weight stay.
    const QFontMetricsF& carattere(double punti, bool grassetto);

    QPainter& p_;
    double k_;
    QFont font_;
    std::optional<QFontMetricsF> metrica_;
    double punti_ = 0;
    bool grassetto_ = false;
};

}  // namespace pianopre
