// Labels of digits alone (the station numbers of a scheme) laid out without
// shaping: each digit's glyph and advance, taken once from a shaped text that
// holds every pair of digits, and checked to give its positions exactly.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace pianopre {

class cifre_composte {
public:
    // Labels longer than this are shaped as any text.
    static constexpr int cifre_massime = 16;

    // The digits of the painter's font; nothing when a shaped text of digits
    // is not one run of this composition (kerning, other glyphs, fallback fonts).
    static std::optional<cifre_composte> del_pittore(QPainter& p);

    const QRawFont& carattere() const { return carattere_; }

    // Glyphs and positions from the text origin of `testo`, as QTextLayout
    // shapes it; false, with nothing written, when it is not digits alone.
    struct corsa {
        std::array<std::uint32_t, cifre_massime> glifi;
        std::array<QPointF, cifre_massime> posizioni;
        int n = 0;
        QRectF scatola;  // the text's box from its origin, as a shaped text has
    };
    bool componi(const QString& testo, corsa& c) const;

private:
    QRawFont carattere_;
    std::array<std::uint32_t, 10> glifo_{};
    std::array<double, 10> avanzamento_{};
    double sopra_ = 0;  // ascent
    double altezza_ = 0;
};

}  // namespace pianopre
