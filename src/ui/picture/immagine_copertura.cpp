// The coverage and precision map's cell picture, its colours and its summary.
#include "picture/immagine_copertura.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

#include "base/testo_misure.h"

namespace pianopre {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Stops of the scale from good to poor.
constexpr std::array<QRgb, 5> tappe{0xff2c59b8, 0xff2ca6b0, 0xff5cbf4a, 0xffe8d23a, 0xffd7301f};

QRgb mescola(QRgb a, QRgb b, double t) {
    const auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

double sigma_massimo(const cella_mappa& c) {
    return std::max({c.sigma_lungo_mm, c.sigma_altezza_mm, c.sigma_profondita_mm});
}

}  // namespace

QColor colore_lacuna() {
    return QColor(255, 255, 255);
}
QColor colore_tratteggio() {
    return QColor(150, 150, 150);
}
QColor colore_senza_valore() {
    return QColor(205, 205, 205);
}

std::optional<double> valore_cella(const cella_mappa& c, grandezza_mappa g) {
    if (c.immagini < 2) return std::nullopt;
    switch (g) {
        case grandezza_mappa::immagini:
            return c.immagini;
        case grandezza_mappa::angolo:
            return c.angolo_gradi;
        case grandezza_mappa::sigma_profondita:
            if (c.sigma_profondita_mm < 0) return std::nullopt;
            return c.sigma_profondita_mm;
        case grandezza_mappa::sigma_massimo:
            if (c.sigma_profondita_mm < 0) return std::nullopt;
            return sigma_massimo(c);
    }
    return std::nullopt;
}

scala_mappa scala_di(const mappa_copertura& m, grandezza_mappa g) {
    scala_mappa s;
    s.crescente_buono = g == grandezza_mappa::immagini || g == grandezza_mappa::angolo;
    s.intera = g == grandezza_mappa::immagini;
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const cella_mappa& c : m.celle)
        if (const auto v = valore_cella(c, g)) {
            lo = std::min(lo, *v);
            hi = std::max(hi, *v);
        }
    if (g == grandezza_mappa::immagini) lo = 2;
    if (g == grandezza_mappa::angolo) lo = 0;
    if (!(hi >= lo)) hi = lo = s.intera ? 2 : 0;
    if (hi - lo < 1e-9) hi = lo + (s.intera ? 1 : std::max(1e-3, std::abs(lo) * 0.1));
    s.minimo = lo;
    s.massimo = hi;
    return s;
}

QColor colore_valore(double x, const scala_mappa& s) {
    double t = std::clamp((x - s.minimo) / (s.massimo - s.minimo), 0.0, 1.0);
    if (s.crescente_buono) t = 1 - t;
    const double k = t * (tappe.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(k), tappe.size() - 2);
    return QColor(mescola(tappe[i], tappe[i + 1], k - static_cast<double>(i)));
}

QImage immagine_celle(const mappa_copertura& m, grandezza_mappa g) {
    if (m.colonne <= 0 || m.righe <= 0 ||
        m.celle.size() != static_cast<std::size_t>(m.colonne) * static_cast<std::size_t>(m.righe))
        return {};
    QImage img(m.colonne, m.righe, QImage::Format_RGB32);
    const scala_mappa s = scala_di(m, g);
    const QRgb lacuna = colore_lacuna().rgb();
    const QRgb vuota = colore_senza_valore().rgb();
    for (std::int32_t r = 0; r < m.righe; ++r) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(m.righe - 1 - r));
        for (std::int32_t k = 0; k < m.colonne; ++k) {
            const cella_mappa& c = m.cella(k, r);
            if (c.immagini < 2) {
                riga[k] = lacuna;
            } else if (const auto v = valore_cella(c, g)) {
                riga[k] = colore_valore(*v, s).rgb();
            } else {
                riga[k] = vuota;
            }
        }
    }
    return img;
}

QImage immagine_mostrata(const QImage& celle, int l, int a) {
    if (celle.isNull() || l <= 0 || a <= 0) return {};
    QImage img = celle.scaled(l, a, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRgb lacuna = colore_lacuna().rgb();
    const QRgb tratto = colore_tratteggio().rgb();
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (riga[x] == lacuna && (x + y) % 6 == 0) riga[x] = tratto;
    }
    return img;
}

QString nome_grandezza(grandezza_mappa g) {
    switch (g) {
        case grandezza_mappa::immagini:
            return QCoreApplication::translate("mappa", "Immagini");
        case grandezza_mappa::angolo:
            return QCoreApplication::translate("mappa", "Angolo");
        case grandezza_mappa::sigma_profondita:
            return QCoreApplication::translate("mappa", "σ profondità");
        case grandezza_mappa::sigma_massimo:
            return QCoreApplication::translate("mappa", "σ massimo");
    }
    return {};
}

QString unita_grandezza(grandezza_mappa g) {
    switch (g) {
        case grandezza_mappa::immagini:
            return {};
        case grandezza_mappa::angolo:
            return QStringLiteral("°");
        default:
            return QStringLiteral("mm");
    }
}

QString testo_valore(double x, grandezza_mappa g, const formato_regionale& formato) {
    switch (g) {
        case grandezza_mappa::immagini:
            return QString::number(std::lround(x));
        case grandezza_mappa::angolo:
            return qs(testo_misura(x, misura::gradi, formato));
        default:
            return qs(testo_misura(x, misura::millimetri, formato));
    }
}

QString testo_riepilogo(const mappa_copertura& m, double tolleranza_mm,
                        const formato_regionale& formato) {
    const auto pc = [&](double q) { return qs(testo_misura(100 * q, misura::percento, formato)); };
    QString t = QCoreApplication::translate("mappa", "Vista da ≥ 2 immagini: %1; da ≥ 3: %2")
                    .arg(pc(m.quota_2), pc(m.quota_3));
    if (tolleranza_mm > 0)
        t += QCoreApplication::translate("mappa", "; σ massimo ≤ %1: %2")
                 .arg(qs(testo_misura(tolleranza_mm, misura::millimetri, formato)),
                      pc(m.quota_tolleranza));
    const bool con_sigma = std::any_of(m.celle.begin(), m.celle.end(), [](const cella_mappa& c) {
        return c.immagini >= 2 && c.sigma_profondita_mm >= 0;
    });
    if (con_sigma)
        t += QCoreApplication::translate("mappa", "; σ peggiore %1 a u = %2, w = %3")
                 .arg(qs(testo_misura(m.sigma_peggiore_mm, misura::millimetri, formato)),
                      qs(testo_misura(m.u_peggiore, misura::metri, formato)),
                      qs(testo_misura(m.w_peggiore, misura::metri, formato)));
    else
        t += QCoreApplication::translate("mappa", "; nessun σ calcolato");
    return t;
}

}  // namespace pianopre
