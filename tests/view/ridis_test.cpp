// The redraw into the picture image: colours, point markers, vertex runs, texts.
#include "picture/ridis.h"

#include <gtest/gtest.h>

#include "picture/testo_ruotato.h"
#include "scheme/modello.h"

namespace pianopre {
namespace {

// A picture area of the window's design size: 625 x 425 pixels outside, one
// pixel of border, 623 x 423 inside; ten pixels per drawing unit.
struct banco {
    area_disegno area;
    elenco_entita lista;
    stato_vista vista;

    banco() {
        area.resize(625, 425);
        area.imposta_scala({0, 42.3f, 62.3f, -42.3f});
        area.pulisci();
        lista.azzera();
    }
    void aggiungi(std::int16_t tipo, double x, double y, std::int16_t colore = 1,
                  std::string_view nome = "0") {
        entita e;
        e.tipo = tipo;
        e.x = x;
        e.y = y;
        e.colore = colore;
        e.nome = nome;
        lista.aggiungi(e);
    }
    entita& ultima() { return lista.modifica(lista.n_entita()); }
    QColor pixel(int x, int y) { return area.immagine().pixelColor(x, y); }
    int pixel_colorati() {
        const QImage& img = area.immagine();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    }
};

const QColor rosso(255, 0, 0);
const QColor bianco(255, 255, 255);

TEST(AreaDisegno, MisureDiProgetto) {
    banco b;
    EXPECT_EQ(b.area.dimensione_interna(), QSize(623, 423));
    EXPECT_EQ(b.area.larghezza_twips(), 9375);
    EXPECT_EQ(b.area.altezza_twips(), 6375);
    const QPointF p = b.area.in_pixel(10, 32.3);
    EXPECT_NEAR(p.x(), 100, 1e-3);
    EXPECT_NEAR(p.y(), 100, 1e-3);
}

TEST(ColoreSchermo, TavolaDeiColori) {
    const QColor nero(0, 0, 0);
    EXPECT_EQ(colore_schermo(1, bianco), rosso);
    EXPECT_EQ(colore_schermo(2, bianco), QColor(255, 255, 0));
    EXPECT_EQ(colore_schermo(3, bianco), QColor(0, 255, 0));
    EXPECT_EQ(colore_schermo(4, bianco), QColor(0, 255, 255));
    EXPECT_EQ(colore_schermo(5, bianco), QColor(0, 0, 255));
    EXPECT_EQ(colore_schermo(6, bianco), QColor(255, 0, 255));
    for (std::int16_t c : {7, 0, 9, 256, -1}) {
        EXPECT_EQ(colore_schermo(c, bianco), nero) << c;
        EXPECT_EQ(colore_schermo(c, QColor(254, 255, 255)), bianco) << c;
    }
    const QColor grigio = colore_schermo(8, bianco);
    EXPECT_NE(grigio, nero);
    EXPECT_NE(grigio, bianco);
}

TEST(Ridis, PuntiComePixelOCerchi) {
    banco b;
    b.aggiungi(tipo_punto, 10, 32.3, 1, "pf   ");  // circle of radius 6 px around (100, 100)
    b.aggiungi(tipo_punto, 30, 32.3, 1, "PF1");    // one pixel at (300, 100)
    b.aggiungi(tipo_punto, 50, 32.3, 1, "PF1");    // marked: a circle
    b.ultima().attributi = attr_marcato;
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_EQ(b.pixel(100, 100), bianco);
    EXPECT_EQ(b.pixel(106, 100), rosso);
    EXPECT_EQ(b.pixel(100, 94), rosso);
    EXPECT_EQ(b.pixel(300, 100), rosso);
    EXPECT_EQ(b.pixel(306, 100), bianco);
    EXPECT_EQ(b.pixel(500, 100), bianco);
    EXPECT_EQ(b.pixel(506, 100), rosso);
}

// 200,000 points, one per pixel row by row: a progress that lets the drawing
// run changes nothing in the picture; one that stops at its first report
// leaves the points from there on undrawn.
TEST(Ridis, AvanzamentoEInterruzione) {
    banco b;
    for (int i = 0; i < 200000; ++i)
        b.aggiungi(tipo_punto, (i % 600) / 10.0, 42.0 - (i / 600) / 10.0);
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    const QImage intera = b.area.immagine();
    std::vector<std::int64_t> passi;
    const avanzamento segui = [&](std::int64_t n) {
        passi.push_back(n);
        return true;
    };
    b.area.pulisci();
    EXPECT_TRUE(ridis(b.area, b.lista, b.vista, adattamento::mantieni, segui));
    EXPECT_EQ(b.area.immagine(), intera);
    EXPECT_EQ(passi, (std::vector<std::int64_t>{65536, 131072, 196608}));

    b.area.pulisci();
    EXPECT_FALSE(
        ridis(b.area, b.lista, b.vista, adattamento::mantieni, [](std::int64_t) { return false; }));
    EXPECT_EQ(b.pixel_colorati(), 65536);
}

TEST(Ridis, SequenzeDiVerticiDallaPenna) {
    banco b;
    b.aggiungi(tipo_inizio, 10, 32.3);
    b.aggiungi(tipo_vertice, 30, 32.3);
    b.aggiungi(31, 30, 2.3);  // unknown to the view: skipped, the pen stays
    b.aggiungi(tipo_fine, 30, 12.3, 3);
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_EQ(b.pixel(200, 100), rosso);
    EXPECT_EQ(b.pixel(300, 200), QColor(0, 255, 0));
    EXPECT_EQ(b.pixel(300, 350), bianco);
    EXPECT_EQ(b.pixel(50, 100), bianco);
}

// A vertex that follows no run start draws from wherever the pen is: here the last point.
TEST(Ridis, VerticeSenzaInizioPartiDallaPenna) {
    banco b;
    b.aggiungi(tipo_punto, 10, 32.3, 5);
    b.aggiungi(tipo_fine, 10, 2.3, 5);
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_EQ(b.pixel(100, 250), QColor(0, 0, 255));
}

// After clearing, the pen stands at the drawing origin (0, 0): the bottom-left corner here.
TEST(Ridis, PennaAllOrigineDopoLaPulizia) {
    banco b;
    b.aggiungi(tipo_vertice, 20, 42.3 - 21.15);  // pixel (200, 211.5)
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_EQ(b.pixel(100, 317), rosso);  // half way from (0, 423)
    EXPECT_EQ(b.pixel(100, 100), bianco);
}

TEST(Ridis, RiadattamentoSoloConUno) {
    banco b;
    b.aggiungi(tipo_punto, 0, 0);
    b.aggiungi(tipo_punto, 100, 50);
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_FLOAT_EQ(b.area.scala().width, 62.3f);
    ridis(b.area, b.lista, b.vista, adattamento::adatta);
    EXPECT_FLOAT_EQ(b.area.scala().left, -100.0f / 22);
    EXPECT_EQ(b.area.spessore(), 1);
    elenco_entita vuota;
    vuota.azzera();
    ridis(b.area, vuota, b.vista, adattamento::adatta);
    EXPECT_FLOAT_EQ(b.area.scala().top, 10.454545f);
}

TEST(Ridis, TestiEDimensioneDelCarattere) {
    banco b;
    b.aggiungi(tipo_testo, 10, 32.3, 1, "Grande");
    b.ultima().altezza = 2;
    b.aggiungi(tipo_testo, 10, 22.3, 1, "piccolo");
    b.ultima().altezza = 0.5f;
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    const float k = 62.3f / 9375;
    EXPECT_EQ(b.area.dimensione_font(), dim_carattere(2, k));
    EXPECT_GT(b.pixel_colorati(), 20);
    // The foreground colour is restored after each text.
    EXPECT_EQ(b.area.primo_piano(), QColor(0, 0, 0));
}

// In front view a text at height 0 stands at 0.001; a rotated text leaves the pen there.
TEST(Ridis, TestoAQuotaZeroInFronte) {
    banco b;
    b.vista.fronte = true;
    b.aggiungi(tipo_testo, 10, 5, 1, "A");
    b.ultima().rotazione = 30;
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_FLOAT_EQ(static_cast<float>(b.area.penna().y()), 0.001f);
    b.aggiungi(tipo_punto, 10, 5);
    b.ultima().z = 0;
    ridis(b.area, b.lista, b.vista, adattamento::mantieni);
    EXPECT_EQ(b.area.penna().y(), 0);
}

// The box of the pixels that are not background.
QRect inchiostro(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
    return r;
}

// A site drawing's text is drawn at its own DXF height (ten pixels a unit
// here), its baseline on its insertion point, whatever texts came before;
// and it leaves the picture's font size, that of the scheme's labels, alone.
TEST(Ridis, TestiDelSitoAllaLoroAltezza) {
    const struct {
        float altezza, rotazione;
        int alta, larga;  // the capitals' ink in pixels: 0 none
    } casi[] = {
        {2.5f, 0, 25, 0}, {5, 0, 50, 0},  {1, 0, 10, 0},
        {0.05f, 0, 0, 0}, {4, 90, 0, 40}, {12, 0, 120, 0},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(testing::Message() << caso.altezza << " " << caso.rotazione);
        banco b;
        elenco_entita sito;
        entita grande;  // a text of the old rule's size, drawn first
        grande.tipo = tipo_testo;
        grande.nome = "X";
        grande.x = 55;
        grande.y = 5;
        grande.altezza = 3;
        sito.aggiungi(grande);
        entita e = grande;
        e.nome = "HHH";
        e.x = 10;
        e.y = 22.3;  // pixel (100, 200)
        e.altezza = caso.altezza;
        e.rotazione = caso.rotazione;
        sito.aggiungi(e);
        b.vista.sottofondo = &sito;
        const double font_prima = b.area.dimensione_font();
        ridis(b.area, b.lista, b.vista, adattamento::mantieni);
        EXPECT_EQ(b.area.dimensione_font(), font_prima);

        QImage img = b.area.immagine().copy(0, 0, 500, 423);  // without the first text
        const QRect r = inchiostro(img);
        if (caso.alta == 0 && caso.larga == 0) {
            EXPECT_TRUE(r.isEmpty());
            continue;
        }
        ASSERT_FALSE(r.isEmpty());
        if (caso.rotazione == 0) {
            EXPECT_NEAR(r.height(), caso.alta, 1 + caso.alta / 20);
            EXPECT_NEAR(r.bottom(), 199, 1);  // on the baseline
            EXPECT_NEAR(r.left(), 100, 1 + caso.alta / 5);
        } else {
            EXPECT_NEAR(r.width(), caso.larga, 1 + caso.larga / 20);  // read upward
            EXPECT_NEAR(r.right(), 99, 1);
            EXPECT_LT(r.bottom(), 201);
        }
    }
}

TEST(TestoRuotato, DisegnaTuttoERipristinaIlPittore) {
    banco b;
    QPainter& p = b.area.pittore();
    const QFont prima = p.font();
    const QTransform trasformazione = p.transform();
    testo_ruotato(b.area, "ABC             ", 300, 200, 40, 90);
    EXPECT_EQ(b.area.pittore().font(), prima);
    EXPECT_EQ(b.area.pittore().transform(), trasformazione);
    // Read upward from (300, 200): ink lies above the point and to its right, within the cell.
    const QImage& img = b.area.immagine();
    int sopra = 0, sotto = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) (y < 200 ? sopra : sotto)++;
    EXPECT_GT(sopra, 50);
    EXPECT_EQ(sotto, 0);
}

}  // namespace
}  // namespace pianopre
