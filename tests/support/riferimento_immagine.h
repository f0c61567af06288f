// Comparing a picture with its reviewed reference PNG under tests/data: on a
// mismatch the picture is written beside it as NAME.out.png, with NAME.diff.png
// showing the differing pixels in red over the faded reference.
#pragma once

#include <QImage>
#include <QString>

#include "support/riferimento.h"

namespace pianopre::prova {

inline QImage differenza(const QImage& attesa, const QImage& ottenuta) {
    QImage d(attesa.size(), QImage::Format_RGB32);
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x) {
            const QRgb a = attesa.pixel(x, y);
            const int chiaro = 255 - (255 - qGray(a)) / 4;
            d.setPixel(x, y,
                       a == ottenuta.pixel(x, y) ? qRgb(chiaro, chiaro, chiaro) : qRgb(255, 0, 0));
        }
    return d;
}

inline int pixel_diversi(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

inline ::testing::AssertionResult immagine_uguale_al_riferimento(const QImage& immagine,
                                                                 const std::string& relativo) {
    const std::filesystem::path riferimento = dato_di_prova(relativo);
    const std::filesystem::path uscita = percorso_uscita(riferimento);
    const std::filesystem::path diff =
        riferimento.parent_path() / (riferimento.stem().string() + ".diff.png");
    const QImage ottenuta = immagine.convertToFormat(QImage::Format_RGB32);
    const QImage attesa =
        QImage(QString::fromStdString(riferimento.string())).convertToFormat(QImage::Format_RGB32);
    const int diversi = attesa.isNull() ? -1 : pixel_diversi(attesa, ottenuta);
    std::filesystem::remove(diff);
    if (diversi == 0 && std::getenv("PIANOPRE_SCRIVI_OUT") == nullptr) {
        std::filesystem::remove(uscita);
        return ::testing::AssertionSuccess();
    }
    ottenuta.save(QString::fromStdString(uscita.string()));
    if (diversi == 0) return ::testing::AssertionSuccess();
    if (!attesa.isNull() && attesa.size() == ottenuta.size())
        differenza(attesa, ottenuta).save(QString::fromStdString(diff.string()));
    return ::testing::AssertionFailure() << relativo << ": " << diversi << " pixels differ; see "
                                         << uscita.string() << " and its .diff.png";
}

}  // namespace pianopre::prova
