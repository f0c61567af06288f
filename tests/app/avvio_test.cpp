// Start-up and ending of the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "common/didascalia.h"
#include "support/banco_finestra.h"

namespace pianopre {
namespace {

TEST(Avvio, NienteCalcolatoNeDisegnato) {
    banco_finestra b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.finestra));
    EXPECT_EQ(didascalia(b.c.istruzioni),
              "Impostare le caratteristiche del soggetto da rilevare e della camera utlizzata\r"
              "Cliccare su <calcola> per ottenere la precisione teorica, la base di presa,\r"
              "ed il numero dei fotogrammi da scattare. La camera viene supposta a 1.5 metri "
              "dal suolo.");
    EXPECT_EQ(QApplication::focusWidget(), b.c.apri_dxf);
    const QImage& img = b.c.area->immagine();
    bool bianca = true;
    for (int y = 0; y < img.height() && bianca; ++y)
        for (int x = 0; x < img.width() && bianca; ++x)
            bianca = img.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_TRUE(bianca);
    EXPECT_EQ(b.m.lista_entita.n_entita(), 0);
    EXPECT_TRUE(b.c.uscita_num_foto->text().isEmpty());
    EXPECT_EQ(b.lavoro.presa.num_foto, 0);
}

// "Esci" and the close box both end the event loop at once, nothing asked.
TEST(Avvio, EsciEChiusuraTerminano) {
    {
        banco_finestra b;
        b.esempio();
        b.calcola();
        b.finestra.show();
        QTimer::singleShot(0, b.c.esci, [&b] { b.clic(b.c.esci); });
        QTimer::singleShot(5000, [] { QApplication::exit(99); });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(b.servizi.eventi.isEmpty());
    }
    {
        banco_finestra b;
        b.finestra.show();
        QTimer::singleShot(0, &b.finestra, [&b] { b.finestra.close(); });
        QTimer::singleShot(5000, [] { QApplication::exit(99); });
        EXPECT_EQ(QApplication::exec(), 0);
    }
}

}  // namespace
}  // namespace pianopre
