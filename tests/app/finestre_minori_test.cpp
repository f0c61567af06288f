// The test-mode window, the program's icon and label captions with carriage returns.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include "app/controlli_principali.h"
#include "app/finestra_prova.h"
#include "app/icona.h"
#include "common/didascalia.h"

namespace pianopre {
namespace {

TEST(finestra_prova, UnaCasellaTestModeInUnaFinestraMaiMostrata) {
    auto f = crea_finestra_prova();
    EXPECT_EQ(f->objectName(), "Form1");
    EXPECT_EQ(f->windowTitle(), "Form1");
    EXPECT_EQ(f->size(), QSize(4680 / 15, 3195 / 15));
    EXPECT_FALSE(f->isVisible());

    const auto caselle = f->findChildren<QLineEdit*>();
    ASSERT_EQ(caselle.size(), 1);
    QLineEdit* t = caselle.front();
    EXPECT_EQ(t, f->Text4);
    EXPECT_EQ(t->objectName(), "Text4");
    EXPECT_EQ(t->text(), "TEST_MODE");
    EXPECT_EQ(t->geometry(), QRect(960 / 15, 360 / 15, 1815 / 15, 495 / 15));
    EXPECT_FALSE(t->isReadOnly());
    EXPECT_DOUBLE_EQ(t->font().pointSizeF(), 8.25);
}

// The 16 colours of the standard palette.
QSet<QRgb> tavolozza() {
    QSet<QRgb> s;
    for (int r : {0, 128, 255}) {
        for (int g : {0, 128, 255}) {
            for (int b : {0, 128, 255}) {
                const bool mezze = r == 128 || g == 128 || b == 128;
                const bool piene = r == 255 || g == 255 || b == 255;
                if (!(mezze && piene)) s.insert(qRgb(r, g, b));
            }
        }
    }
    s.insert(qRgb(192, 192, 192));
    return s;
}

TEST(Icona, TrentaduePixelNeiSediciColoriSuFondoTrasparente) {
    ASSERT_EQ(tavolozza().size(), 16);
    const QImage img = immagine_icona();
    ASSERT_EQ(img.size(), QSize(32, 32));
    QSet<QRgb> usati;
    int trasparenti = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++trasparenti;
                continue;
            }
            EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
            EXPECT_TRUE(tavolozza().contains(p | 0xff000000u)) << x << "," << y;
            usati.insert(p);
        }
    }
    EXPECT_GE(usati.size(), 4);  // a picture, not a blot
    EXPECT_GT(trasparenti, 0);
    EXPECT_LT(trasparenti, 32 * 32 / 2);
}

TEST(Icona, LaFinestraPrincipaleLaPorta) {
    QWidget finestra;
    finestra.resize(767, 671);
    crea_controlli_principali(&finestra);
    const QIcon i = finestra.windowIcon();
    ASSERT_FALSE(i.isNull());
    EXPECT_TRUE(i.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(i.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), immagine_icona());
}

struct caso_didascalia {
    const char* testo;
    const char* mostrato;
};

TEST(Didascalia, OgniFineRigaVaACapoEIlTestoRestaComeScritto) {
    const caso_didascalia casi[] = {
        {"", ""},         {"una riga", "una riga"}, {"a\rb", "a\nb"},     {"a\r\nb", "a\nb"},
        {"a\nb", "a\nb"}, {"a\r\rb", "a\n\nb"},     {"a\n\rb", "a\n\nb"}, {"fine\r", "fine\n"},
    };
    QLabel l;
    for (const auto& k : casi) {
        SCOPED_TRACE(k.testo);
        imposta_didascalia(&l, k.testo);
        EXPECT_EQ(didascalia(&l), QString(k.testo));
        EXPECT_EQ(l.text(), QString(k.mostrato));
    }
}

}  // namespace
}  // namespace pianopre
