// Golden images: the first worked example drawn in plan, front and axonometric
// view into the picture image, compared pixel by pixel with reference PNGs.
// On a mismatch the test writes <name>.out.png and <name>.diff.png beside the
// reference; scripts/promuovi_immagini.sh makes the outputs the new references
// once someone has looked at them.
#include <gtest/gtest.h>

#include <QFile>

#include "scheme/modello.h"
#include "scheme/schema.h"
#include "calc/presa.h"
#include "support/esempio.h"
#include "picture/ridis.h"

namespace pianopre {
namespace {

const QString cartella = QStringLiteral(PIANOPRE_TEST_DATA "/view/");

void crea_esempio(modello& m) {
    dati_lavoro lavoro = prova::lavoro_esempio();
    dati_presa presa;
    calcola_presa(prova::camera_esempio(), lavoro, presa, 0);
    lavoro.progetto = "Progetto:";
    lavoro.localita = "Localita':";
    azzera_liste(m);
    crea_schema(m, presa, lavoro, 0, 0, 0, formato_regionale::italiano());
}

// Red where the images differ, the reference faded elsewhere.
QImage differenza(const QImage& attesa, const QImage& ottenuta) {
    QImage d(attesa.size(), QImage::Format_RGB32);
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x) {
            const QRgb a = attesa.pixel(x, y);
            d.setPixel(x, y, a == ottenuta.pixel(x, y)
                                 ? qRgb(255 - (255 - qGray(a)) / 4, 255 - (255 - qGray(a)) / 4,
                                        255 - (255 - qGray(a)) / 4)
                                 : qRgb(255, 0, 0));
        }
    return d;
}

int pixel_diversi(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

void confronta(const QImage& ottenuta, const QString& nome) {
    const QString riferimento = cartella + nome + ".png";
    const QImage attesa = QImage(riferimento).convertToFormat(QImage::Format_RGB32);
    const int diversi = attesa.isNull() ? -1 : pixel_diversi(attesa, ottenuta);
    if (diversi != 0) {
        ottenuta.save(cartella + nome + ".out.png");
        if (!attesa.isNull() && attesa.size() == ottenuta.size())
            differenza(attesa, ottenuta).save(cartella + nome + ".diff.png");
    } else {
        QFile::remove(cartella + nome + ".out.png");
        QFile::remove(cartella + nome + ".diff.png");
    }
    EXPECT_EQ(diversi, 0) << nome.toStdString() << ": see " << nome.toStdString()
                          << ".out.png and .diff.png beside the reference";
}

TEST(ImmaginiDiRiferimento, TreVisteDellEsempio) {
    modello m;
    crea_esempio(m);
    area_disegno area;
    area.resize(625, 425);
    const struct {
        const char* nome;
        bool fronte;
        bool assonometrica;
    } viste[] = {{"esempio_pianta", false, false},
                 {"esempio_fronte", true, false},
                 {"esempio_assonometria", false, true}};
    for (const auto& v : viste) {
        area.pulisci();
        ridis(area, m.lista_entita, {v.fronte, v.assonometrica, {}}, adattamento::adatta);
        confronta(area.immagine().convertToFormat(QImage::Format_RGB32), v.nome);
    }
}

}  // namespace
}  // namespace pianopre
