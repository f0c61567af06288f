// Lines written straight into the image against QPainter's own, and shaped
// labels from the cache against drawText: the same pixels, segment by segment.
#include "picture/linea_veloce.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "picture/cache_testi.h"
#include "picture/cifre_composte.h"
#include "picture/glifi_diretti.h"

namespace pianopre {
namespace {

struct segmento {
    QPointF a, b;
};

QImage bianca(int l, int a) {
    QImage img(l, a, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QRgb colore_di(std::size_t i) {
    return qRgb(int(i * 37 % 256), int(i * 91 % 256), int(i * 53 % 200));
}

// Draws the segments both ways (each its own colour, so overlaps count) and
// returns the index of the first one after which the images differ, or -1.
long primo_diverso(const std::vector<segmento>& s, int l, int a) {
    QImage qt = bianca(l, a), nostra = bianca(l, a);
    QPainter p(&qt);
    const superficie sup{reinterpret_cast<std::uint32_t*>(nostra.bits()),
                         static_cast<int>(nostra.bytesPerLine() / 4), l, a};
    QPainter riserva(&nostra);  // for the lines left to QPainter
    for (std::size_t i = 0; i < s.size(); ++i) {
        const QColor c = QColor::fromRgb(colore_di(i));
        p.setPen(QPen(c, 1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(s[i].a, s[i].b);
        if (!linea_veloce(sup, s[i].a, s[i].b, c.rgb())) {
            riserva.setPen(QPen(c, 1, Qt::SolidLine, Qt::FlatCap));
            riserva.drawLine(s[i].a, s[i].b);
        }
        riserva.end();  // QPainter writes at once; checked after every segment
        if (qt != nostra) return static_cast<long>(i);
        riserva.begin(&nostra);
    }
    return -1;
}

// Random segments of every kind the redraw can meet.
std::vector<segmento> casuali(int l, int a, int n, unsigned seme) {
    std::mt19937_64 g(seme);
    std::uniform_real_distribution<double> dentro_x(-3, l + 3), dentro_y(-3, a + 3), unita(0, 1);
    std::uniform_int_distribution<int> tipo(0, 10), griglia(-130, 4 * (l + 4));
    const double enormi[] = {1e3, 1e6, 1e9, 1e13, 1e15, 1e17, 1e300};
    std::vector<segmento> v;
    for (int i = 0; i < n; ++i) {
        QPointF p(dentro_x(g), dentro_y(g)), q(dentro_x(g), dentro_y(g));
        switch (tipo(g)) {
            case 0:
                q.setX(p.x() + (unita(g) - 0.5) * 2);
                break;  // steep
            case 1:
                q.setY(p.y() + (unita(g) - 0.5) * 2);
                break;  // shallow
            case 2:
                q = p + QPointF(unita(g) * 1e-9, unita(g) * 1e-9);
                break;  // degenerate
            case 3:     // on the half-pixel and 1/128 grids
                p = QPointF(griglia(g) / 4.0, griglia(g) / 4.0);
                q = QPointF(griglia(g) / 128.0, griglia(g) / 4.0);
                break;
            case 4: {  // from far away, through or past the picture
                const double e = enormi[g() % 7];
                p = QPointF((unita(g) - 0.5) * e, (unita(g) - 0.5) * e);
                break;
            }
            case 5: {  // both ends far away
                const double e = enormi[g() % 7];
                p = QPointF((unita(g) - 0.5) * e, (unita(g) - 0.5) * e);
                q = QPointF(-p.y() + unita(g), p.x());
                break;
            }
            case 6:
                q.setY(p.y());
                break;  // horizontal
            case 7:
                q.setX(p.x());
                break;  // vertical
            case 8:
                q = p + QPointF(unita(g) - 0.5, unita(g) - 0.5);
                break;  // shorter than a pixel
            case 9:
                if (g() % 2 == 0) p = QPointF(griglia(g) / 4.0, griglia(g) / 4.0);
                q = p;
                break;  // one point, halves included
            default:
                break;
        }
        v.push_back({p, q});
    }
    return v;
}

TEST(LineaVeloce, GliStessiPixelDiQPainter) {
    const int misure[][2] = {{623, 423}, {37, 23}, {1, 1}, {5, 300}};
    unsigned seme = 1;
    for (const auto& m : misure) {
        const std::vector<segmento> s = casuali(m[0], m[1], 6000, seme++);
        const long i = primo_diverso(s, m[0], m[1]);
        EXPECT_EQ(i, -1) << m[0] << "x" << m[1] << ": segment " << i << " from "
                         << (i >= 0 ? s[i].a.x() : 0) << "," << (i >= 0 ? s[i].a.y() : 0) << " to "
                         << (i >= 0 ? s[i].b.x() : 0) << "," << (i >= 0 ? s[i].b.y() : 0);
    }
}

TEST(LineaVeloce, LasciaAQPainterPuntiEValoriNonFiniti) {
    const QImage prima = bianca(20, 20);
    QImage img = prima;
    const superficie s{reinterpret_cast<std::uint32_t*>(img.bits()), 20, 20, 20};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(linea_veloce(s, {5, 5}, {nan, 5}, qRgb(0, 0, 0)));
    EXPECT_FALSE(punto_veloce(s, {nan, 5}, qRgb(0, 0, 0)));
    EXPECT_FALSE(punto_veloce(s, {5, 2e9}, qRgb(0, 0, 0)));
    EXPECT_FALSE(linea_veloce(s, {-inf, 5}, {5, 5}, qRgb(0, 0, 0)));
    EXPECT_FALSE(linea_veloce(s, {5, 5}, {5, 1e16}, qRgb(0, 0, 0)));
    EXPECT_EQ(img, prima);
    EXPECT_TRUE(linea_veloce(s, {-50, 5}, {-40, 7}, qRgb(0, 0, 0)));  // wholly outside
    EXPECT_EQ(img, prima);
}

// Points against drawPoint with the one-pixel pen of the redraw: near the
// edges, on the half-pixel grid and far away.
TEST(LineaVeloce, PuntiComeDrawPoint) {
    std::mt19937_64 g(11);
    std::uniform_real_distribution<double> x(-2, 42), y(-2, 32);
    std::uniform_int_distribution<int> griglia(-8, 168);
    QImage qt = bianca(40, 30), nostra = bianca(40, 30);
    const superficie s{reinterpret_cast<std::uint32_t*>(nostra.bits()),
                       static_cast<int>(nostra.bytesPerLine() / 4), 40, 30};
    QPainter p(&qt);
    for (int i = 0; i < 20000; ++i) {
        QPointF q(x(g), y(g));
        if (i % 3 == 0) q = QPointF(griglia(g) / 4.0, griglia(g) / 4.0);
        if (i % 97 == 0) q = QPointF(-q.x() * 2e7, q.y() * 2e7);
        const QColor c = QColor::fromRgb(colore_di(i));
        p.setPen(QPen(c, 1));
        p.drawPoint(q);
        ASSERT_TRUE(punto_veloce(s, q, c.rgb())) << q.x() << "," << q.y();
    }
    p.end();
    EXPECT_EQ(qt, nostra);
}

// Labels of the drawing's kind, in three sizes, at positions off the pixel
// grid (halves and 1/64ths included), drawn twice so the second comes from the
// cache: through QPainter's glyph runs, and written into the pixels directly.
TEST(CacheTesti, GliStessiPixelDiDrawText) {
    for (bool diretto : {false, true}) {
        std::mt19937 g(7);
        std::uniform_real_distribution<double> x(-30, 330), y(-20, 130);
        cache_testi cache;
        for (double punti : {6.0, 8.25, 14.0}) {
            QImage attesa = bianca(300, 110), ottenuta = bianca(300, 110);
            const superficie s{reinterpret_cast<std::uint32_t*>(ottenuta.bits()),
                               static_cast<int>(ottenuta.bytesPerLine() / 4), 300, 110};
            QFont f;
            f.setPointSizeF(punti);
            if (diretto) {  // the direct path is the one under test here
                QTextLayout l("0", f);
                l.beginLayout();
                l.createLine();
                l.endLayout();
                ASSERT_TRUE(glifi_diretti(l.glyphRuns().front().rawFont()).utilizzabile()) << punti;
                QPainter prova(&ottenuta);
                prova.setFont(f);
                ASSERT_TRUE(cifre_composte::del_pittore(prova).has_value()) << punti;
            }
            for (int giro = 0; giro < 2; ++giro) {
                QPainter pa(&attesa), po(&ottenuta);
                pa.setFont(f);
                po.setFont(f);
                for (int i = 0; i < 400; ++i) {
                    const QString t = i % 7 == 0 ? QString("Lungh.tot: %1 m").arg(i)
                                                 : QString::number(i * 13 % 500);
                    QPointF o(x(g), y(g));
                    if (i % 5 == 0)
                        o = QPointF(std::round(o.x() * 2) / 2, std::round(o.y() * 64) / 64);
                    const QColor c = QColor::fromRgb(colore_di(i));
                    pa.setPen(c);
                    po.setPen(c);
                    pa.drawText(o, t);
                    cache.disegna(po, o, t, QRectF(ottenuta.rect()), diretto ? &s : nullptr);
                }
            }
            EXPECT_EQ(attesa, ottenuta) << punti << (diretto ? " direct" : "");
        }
    }
}

}  // namespace
}  // namespace pianopre
