// The coverage and precision map window: opened from the menu with Ctrl+M for
// a computed job through the map source given to the main window, each
// quantity drawn cell by cell with the gaps apart, the stations above the map
// and the summary line, on a map made by hand.
#include <gtest/gtest.h>

#include <algorithm>

#include <QMenuBar>
#include <QTest>

#include "app/finestra_principale.h"
#include "base/testo_misure.h"
#include "calc/verifiche.h"
#include "dialogs/copertura_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/esempio.h"
#include "support/leggi_file.h"
#include "support/mappa_sintetica.h"
#include "support/servizi_finti.h"

namespace pianopre {
namespace {

struct banco_copertura {
    commessa lavoro;
    servizi_finti servizi;
    mappa_copertura mappa = prova::mappa_sintetica();
    std::vector<immagine_rete> stazioni = prova::stazioni_sintetiche();
    int chiamate = 0;
    finestra_principale finestra{lavoro, servizi, formato_regionale::italiano(), nullptr,
                                 fonti_copertura{[this](const commessa&) {
                                                     ++chiamate;
                                                     return mappa;
                                                 },
                                                 [this](const commessa&) { return stazioni; }}};

    void calcola() {
        const controlli_principali& c = finestra.controlli();
        const caselle_lavoro k = prova::caselle_esempio();
        c.casella_alt_sogg->setText(QString::fromStdString(k.alt_sogg));
        c.casella_larg_sogg->setText(QString::fromStdString(k.larg_sogg));
        c.casella_distanza->setText(QString::fromStdString(k.distanza));
        c.casella_scala->setText(QString::fromStdString(k.scala));
        QTest::mouseClick(c.calcola, Qt::LeftButton);
    }
    finestra_copertura* finestra_mappa() { return finestra.findChild<finestra_copertura*>(); }
};

std::string testo(const QString& s) {
    return s.toStdString();
}

TEST(Copertura, CtrlMApreLaMappaDelLavoroCalcolato) {
    banco_copertura b;
    b.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    auto* voce = b.finestra.findChild<QAction*>("azione_copertura");
    ASSERT_NE(voce, nullptr);
    EXPECT_TRUE(voce->isEnabled());
    EXPECT_EQ(voce->shortcut(), QKeySequence("Ctrl+M"));

    // Before a calculation the window says why it has no map, and asks for none.
    QTest::keySequence(&b.finestra, QKeySequence("Ctrl+M"));
    finestra_copertura* w = b.finestra_mappa();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(b.chiamate, 0);
    EXPECT_TRUE(w->riepilogo->text().startsWith("Nessun piano calcolato"));
    EXPECT_FALSE(w->scelta->isEnabled());

    b.calcola();
    ASSERT_EQ(b.lavoro.fase, fase_calcolo::schema);
    EXPECT_EQ(b.chiamate, 1);  // the open window follows the calculation
    b.finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    QTest::keySequence(&b.finestra, QKeySequence("Ctrl+M"));
    EXPECT_EQ(b.finestra_mappa(), w);  // one window, shown again
    EXPECT_TRUE(w->scelta->isEnabled());

    // The shares of the hand-made map: 2 of 40 columns are gaps, the upper
    // half is seen by three images; the worst σ at the top right cell.
    const formato_regionale it = formato_regionale::italiano();
    const double t = calcola_verifiche(b.lavoro.camera, b.lavoro.lavoro, b.lavoro.presa,
                                       b.lavoro.sensore, b.lavoro.verifiche)
                         .gsd_richiesto_mm;
    const QString atteso = QString::fromUtf8(
                               "Vista da ≥ 2 immagini: 95,0 %; da ≥ 3: 47,5 %; σ massimo ≤ %1: %2; "
                               "σ peggiore 2,15 mm a u = 9,88 m, w = 4,88 m")
                               .arg(QString::fromStdString(testo_misura(t, misura::millimetri, it)),
                                    QString::fromStdString(testo_misura(
                                        100 * b.mappa.quota_tolleranza, misura::percento, it)));
    EXPECT_EQ(testo(w->riepilogo->text()), testo(atteso));

    // "Salva CSV...": the grid shown, one line per cell under the header.
    prova::cartella_temporanea cartella;
    b.servizi.file.push_back(QString::fromStdString((cartella / "griglia").string()));
    QTest::mouseClick(w->salva, Qt::LeftButton);
    const std::string csv = prova::leggi_tutto(cartella / "griglia.csv");
    EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')),
              b.mappa.celle.size() + 1);
    EXPECT_TRUE(b.servizi.messaggi().last().endsWith("griglia.csv salvato."));
}

// Each quantity gives its own picture: cell (k, r) is pixel (k, righe-1-r),
// the colour of its value on its scale; gaps white, cells without σ grey in
// the σ pictures only.
TEST(Copertura, OgniGrandezzaLaSuaFigura) {
    banco_copertura b;
    b.calcola();
    b.finestra.findChild<QAction*>("azione_copertura")->trigger();
    finestra_copertura* w = b.finestra_mappa();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    const mappa_copertura& m = b.mappa;
    const struct {
        int voce;
        grandezza_mappa g;
        double in_alto, in_basso;  // values at cells (20, 15) and (38, 5)
        bool senza_sigma_grigia;
    } casi[] = {
        {0, grandezza_mappa::immagini, 3, 2, false},
        {1, grandezza_mappa::angolo, 14, 23, false},
        {2, grandezza_mappa::sigma_profondita, 1.4, 0.5 + 1.5 * 0.95 + 0.05, true},
        {3, grandezza_mappa::sigma_massimo, 1.4, 0.5 + 1.5 * 0.95 + 0.05, true},
    };
    std::vector<QImage> figure;
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.voce);
        w->scelta->setCurrentIndex(caso.voce);
        EXPECT_EQ(w->grandezza(), caso.g);
        const QImage& f = w->quadro->celle();
        ASSERT_EQ(f.size(), QSize(m.colonne, m.righe));
        const scala_mappa s = scala_di(m, caso.g);
        const auto pixel = [&](int k, int r) { return QColor(f.pixel(k, m.righe - 1 - r)); };
        EXPECT_EQ(pixel(20, 15), colore_valore(caso.in_alto, s));
        EXPECT_EQ(pixel(38, 5), colore_valore(caso.in_basso, s));
        for (int r : {0, 7, 19}) EXPECT_EQ(pixel(0, r), colore_lacuna());
        EXPECT_EQ(pixel(2, 0) == colore_senza_valore(), caso.senza_sigma_grigia);
        figure.push_back(f);
        // With PIANOPRE_SCRIVI_OUT set the window stays in the working folder to be looked at.
        if (qEnvironmentVariableIsSet("PIANOPRE_SCRIVI_OUT"))
            w->grab().save(QStringLiteral("mappa-%1.png").arg(caso.voce));

        // On screen a gap is white or its grey hatch, and a station's triangle
        // sits above the top edge at its u (1 m), none between two (2 m).
        const QImage schermo = w->quadro->grab().toImage();
        const QRect r = w->quadro->rettangolo_mappa();
        const double k = r.width() / (m.colonne * m.cella_m);
        const QColor lacuna(schermo.pixel(r.left() + static_cast<int>(0.3 * k), r.center().y()));
        EXPECT_TRUE(lacuna == colore_lacuna() || lacuna == colore_tratteggio())
            << testo(lacuna.name());
        EXPECT_LT(QColor(schermo.pixel(r.left() + static_cast<int>(1.0 * k), r.top() - 6)).value(),
                  80);
        EXPECT_GT(QColor(schermo.pixel(r.left() + static_cast<int>(2.0 * k), r.top() - 6)).value(),
                  200);
    }
    for (std::size_t i = 0; i < figure.size(); ++i)
        for (std::size_t j = i + 1; j < figure.size(); ++j)
            EXPECT_NE(figure[i], figure[j]) << i << " " << j;
}

}  // namespace
}  // namespace pianopre
