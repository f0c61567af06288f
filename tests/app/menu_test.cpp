// The menu bar of the main window: every item does what its control does, and
// the client area below the bar is the one the controls were laid out in.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenuBar>
#include <QTimer>

#include "support/banco_finestra.h"
#include "support/modale.h"

namespace pianopre {
namespace {

QAction* azione(banco_finestra& b, const char* nome) {
    auto* a = b.finestra.findChild<QAction*>(nome);
    EXPECT_NE(a, nullptr) << nome;
    return a;
}

TEST(Menu, AreaClientSottoLaBarra) {
    banco_finestra b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.finestra));
    const int barra = b.finestra.menuBar()->height();
    EXPECT_GT(barra, 0);
    EXPECT_EQ(b.finestra.centralWidget()->geometry(), QRect(0, barra, 767, 671));
    EXPECT_EQ(b.c.area->parentWidget(), b.finestra.centralWidget());
    QStringList menu;
    for (QAction* a : b.finestra.menuBar()->actions()) menu << a->text().remove('&');
    EXPECT_EQ(menu, QStringList({"Lavoro", "Vista", "?"}));
}

TEST(Menu, VociDeiFileComeIPulsanti) {
    banco_finestra b;
    azione(b, "azione_apri_dxf")->trigger();
    azione(b, "azione_salva_dxf")->trigger();
    azione(b, "azione_apri_xyz")->trigger();
    azione(b, "azione_salva_bmp")->trigger();  // nothing drawn yet: nothing asked
    // The drawing is empty: "Salva DXF" asks first, and the recorded No ends it.
    ASSERT_EQ(b.servizi.eventi.size(), 3);
    EXPECT_EQ(b.servizi.eventi[0], "apri:*.dxf|*.dxf");
    EXPECT_TRUE(b.servizi.eventi[1].startsWith("domanda:Il disegno è vuoto."));
    EXPECT_EQ(b.servizi.eventi[2], "apri:*.xyz|*.xyz");
    b.servizi.eventi.clear();
    EXPECT_EQ(azione(b, "azione_esci")->shortcut(), QKeySequence("Ctrl+Q"));

    azione(b, "azione_calcola")->trigger();  // F5, empty boxes
    EXPECT_EQ(b.servizi.messaggi().size(), 1);
    b.esempio();
    azione(b, "azione_calcola")->trigger();
    EXPECT_EQ(b.c.uscita_num_foto->text(), "9");
    azione(b, "azione_salva_bmp")->trigger();
    EXPECT_EQ(b.servizi.eventi.filter("domanda:").size(), 1);
}

// The job is the document: the usual keys open and save it, and the drawing
// has its own. Each key is pressed on the window as a user would.
TEST(Menu, TastiDelLavoroEDelDisegno) {
    const struct {
        QKeySequence tasti;
        const char* evento;  // the file dialog it opens
    } casi[] = {
        {QKeySequence("Ctrl+O"), "apri:*.pianopre"},
        {QKeySequence("Ctrl+S"), "salva:*.pianopre"},
        {QKeySequence("Ctrl+Shift+S"), "salva:*.pianopre"},
        {QKeySequence("Ctrl+D"), "apri:*.dxf"},
        {QKeySequence("Ctrl+Shift+D"), "domanda:Il disegno è vuoto."},
    };
    for (const auto& caso : casi) {
        banco_finestra b;
        b.finestra.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
        QTest::keySequence(&b.finestra, caso.tasti);
        ASSERT_FALSE(b.servizi.eventi.isEmpty()) << caso.tasti.toString().toStdString();
        EXPECT_TRUE(b.servizi.eventi[0].startsWith(caso.evento))
            << b.servizi.eventi[0].toStdString();
    }
    banco_finestra b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    b.esempio();
    QTest::keySequence(&b.finestra, QKeySequence("Ctrl+N"));
    EXPECT_TRUE(b.c.casella_distanza->text().isEmpty());
}

TEST(Menu, VisteEZoom) {
    banco_finestra b;
    b.esempio();
    b.calcola();
    azione(b, "azione_fronte")->trigger();
    EXPECT_EQ(b.finestra.modo_vista(), tipo_vista::fronte);
    azione(b, "azione_assonometria")->trigger();
    EXPECT_TRUE(b.c.assonometrica->isChecked());
    EXPECT_FALSE(b.c.fronte->isChecked());
    b.c.fronte->click();  // the box moves the menu's check too
    EXPECT_TRUE(azione(b, "azione_fronte")->isChecked());
    azione(b, "azione_pianta")->trigger();
    EXPECT_EQ(b.finestra.modo_vista(), tipo_vista::pianta);

    const float larga = b.c.area->scala().width;
    azione(b, "azione_zoom_avanti")->trigger();
    EXPECT_FLOAT_EQ(b.c.area->scala().width, larga / 2);
    azione(b, "azione_zoom_indietro")->trigger();
    azione(b, "azione_zoom_indietro")->trigger();
    EXPECT_FLOAT_EQ(b.c.area->scala().width, larga * 2);
    azione(b, "azione_ridisegna")->trigger();
    EXPECT_FLOAT_EQ(b.c.area->scala().width, larga);
    azione(b, "azione_centra")->trigger();
    EXPECT_NE(b.lavoro.origine.x, 0);
}

TEST(Menu, InfoNoteEdEsci) {
    banco_finestra b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.finestra));
    QStringList aperte;
    for (const char* nome : {"azione_info", "azione_note"}) {
        prova::quando_aperta([&](QWidget* w) {
            aperte << w->metaObject()->className();
            w->close();
        });
        azione(b, nome)->trigger();
    }
    EXPECT_EQ(aperte,
              QStringList({"pianopre::dialogo_informazioni", "pianopre::dialogo_note_precisione"}));
    QTimer::singleShot(0, &b.finestra, [&b] { azione(b, "azione_esci")->trigger(); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace pianopre
