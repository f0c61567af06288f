// A long "Apri DXF" shows its progress and can be cancelled: on a 200 MB
// drawing cancelled at the first step, the drawing on screen stays as it was.
// A redraw of a million entities shows its progress too.
#include <gtest/gtest.h>

#include <fstream>

#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"

namespace pianopre {
namespace {

std::filesystem::path disegno_da_200_mb(const std::filesystem::path& cartella) {
    const auto p = cartella / "grande.dxf";
    std::ofstream f(p, std::ios::binary);
    f << "0\nSECTION\n2\nENTITIES\n";
    std::string blocco;
    for (int i = 0; i < 10'000; ++i)
        blocco += "0\nLINE\n8\n0\n10\n1.5\n20\n2.5\n30\n0.0\n11\n3.5\n21\n4.5\n31\n0.0\n";
    while (f.tellp() < 200'000'000) f << blocco;
    f << "0\nENDSEC\n0\nEOF\n";
    return p;
}

TEST(Avanzamento, ApriDxfAnnullatoLasciaIlDisegno) {
    const prova::cartella_temporanea cartella;
    const auto file = disegno_da_200_mb(cartella);
    banco_finestra b;
    b.esempio();
    b.calcola();
    b.servizi.ferma_al_passo = 1;
    b.finestra.apri_file(QString::fromStdString(file.string()));
    EXPECT_EQ(b.m.lista_entita.n_entita(), 154);
    EXPECT_EQ(b.servizi.passi, std::vector<std::int64_t>{0});
    ASSERT_EQ(b.servizi.avanzamenti.size(), 1);
    EXPECT_TRUE(b.servizi.avanzamenti.front().endsWith(
        "|" + QString::number(std::filesystem::file_size(file))));
    EXPECT_TRUE(b.servizi.messaggi().isEmpty());
}

// Without a Cancel the same read goes through, reporting as it goes.
TEST(Avanzamento, ApriDxfCompletoRiferisce) {
    const prova::cartella_temporanea cartella;
    std::ofstream(cartella / "piccolo.dxf")
        << "0\nSECTION\n2\nENTITIES\n0\nPOINT\n10\n1\n20\n2\n30\n3\n0\nENDSEC\n0\nEOF\n";
    banco_finestra b;
    b.finestra.apri_file(QString::fromStdString((cartella / "piccolo.dxf").string()));
    EXPECT_EQ(b.m.lista_entita.n_entita(), 1);
    EXPECT_FALSE(b.servizi.passi.empty());
}

// "Ridisegna" of a drawing of a million points: the progress names the
// drawing, and a Cancel at the first report leaves the rest undrawn.
TEST(Avanzamento, RidisegnoGrandeAnnullato) {
    banco_finestra b;
    entita e;
    e.tipo = tipo_punto;
    for (int i = 0; i < 1'000'000; ++i) {
        e.x = i % 1000;
        e.y = i / 1000;
        b.m.lista_entita.aggiungi(e);
    }
    b.m.nome_disegno = "grande.dxf";
    b.servizi.ferma_al_passo = 1;
    b.clic(b.c.ridisegna);
    EXPECT_EQ(b.servizi.avanzamenti, QStringList({"Disegno di grande.dxf|1000000"}));
    EXPECT_EQ(b.servizi.passi, std::vector<std::int64_t>{65536});
    // The points drawn lie in the bottom rows of the fitted picture only.
    const QImage img = b.c.area->immagine();
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 4), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace pianopre
