// Labels of digits laid out without shaping.
#include "picture/cifre_composte.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace pianopre {

namespace {

// Every ordered pair of the ten digits once (a de Bruijn sequence), so that
// any kerning between two digits shows in its positions.
const QString coppie_di_cifre = QStringLiteral(
    "0010203040506070809112131415161718192232425262728293343536373839445464748495565758596676869778"
    "7988990");

}  // namespace

std::optional<cifre_composte> cifre_composte::del_pittore(QPainter& p) {
    const QString& prova = coppie_di_cifre;
    QTextLayout impaginato(prova, p.font(), p.device());
    impaginato.beginLayout();
    const QTextLine riga = impaginato.createLine();
    impaginato.endLayout();
    if (!riga.isValid()) return std::nullopt;
    const QList<QGlyphRun> corse = impaginato.glyphRuns();
    if (corse.size() != 1) return std::nullopt;
    const QList<quint32> glifi = corse.front().glyphIndexes();
    const QList<QPointF> posizioni = corse.front().positions();
    if (glifi.size() != prova.size() || posizioni.size() != prova.size()) return std::nullopt;

    cifre_composte k;
    k.carattere_ = corse.front().rawFont();
    k.sopra_ = riga.ascent();
    k.altezza_ = riga.height();
    std::array<bool, 10> visto{};
    for (qsizetype i = 0; i + 1 < prova.size(); ++i) {
        const int d = prova[i].unicode() - '0';
        const double passo = posizioni[i + 1].x() - posizioni[i].x();
        if (visto[d] && (k.glifo_[d] != glifi[i] || k.avanzamento_[d] != passo))
            return std::nullopt;
        k.glifo_[d] = glifi[i];
        k.avanzamento_[d] = passo;
        visto[d] = true;
    }
    // The composition must give back every position of the shaped text.
    double x = posizioni[0].x();
    for (qsizetype i = 0; i < prova.size(); ++i) {
        const int d = prova[i].unicode() - '0';
        if (!visto[d] || glifi[i] != k.glifo_[d] || posizioni[i].x() != x ||
            posizioni[i].y() != posizioni[0].y())
            return std::nullopt;
        x += k.avanzamento_[d];
    }
    if (posizioni[0].x() != 0 || posizioni[0].y() != k.sopra_) return std::nullopt;
    return k;
}

bool cifre_composte::componi(const QString& testo, corsa& c) const {
    if (testo.isEmpty() || testo.size() > cifre_massime) return false;
    double x = 0;
    c.n = 0;
    for (const QChar q : testo) {
        const int d = q.unicode() - '0';
        if (d < 0 || d > 9) return false;
        c.glifi[static_cast<std::size_t>(c.n)] = glifo_[static_cast<std::size_t>(d)];
        c.posizioni[static_cast<std::size_t>(c.n)] = QPointF(x, 0);
        x += avanzamento_[static_cast<std::size_t>(d)];
        ++c.n;
    }
    c.scatola = QRectF(0, -sopra_, x, altezza_);
    return true;
}

}  // namespace pianopre
