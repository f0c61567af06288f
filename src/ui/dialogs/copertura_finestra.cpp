// The map window: the quantity chosen, the map picture with stations and
// legend, and the summary line.
#include "dialogs/copertura_finestra.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/testo_misure.h"

namespace pianopre {

namespace {

constexpr int margine = 10;
constexpr int alto_stazioni = 16;  // the triangles above the map
constexpr int sotto = 20;          // the corner and width labels under it
constexpr int largo_legenda = 150;

// Values written along the legend: every whole number when few, else five.
std::vector<double> tacche(const scala_mappa& s) {
    std::vector<double> t;
    if (s.intera && s.massimo - s.minimo <= 8) {
        for (double x = s.minimo; x <= s.massimo + 1e-9; x += 1) t.push_back(x);
    } else {
        for (int i = 0; i <= 4; ++i) t.push_back(s.minimo + (s.massimo - s.minimo) * i / 4);
    }
    return t;
}

}  // namespace

quadro_copertura::quadro_copertura(formato_regionale formato, QWidget* genitore)
    : QWidget(genitore), formato_(formato) {
    setObjectName("quadro_copertura");
    setMinimumSize(420, 220);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void quadro_copertura::imposta(const mappa_copertura* mappa,
                               const std::vector<immagine_rete>* stazioni, grandezza_mappa g) {
    mappa_ = mappa;
    stazioni_ = stazioni;
    grandezza_ = g;
    celle_ = mappa != nullptr ? immagine_celle(*mappa, g) : QImage();
    if (mappa != nullptr) scala_ = scala_di(*mappa, g);
    mostrata_ = {};
    update();
}

QRect quadro_copertura::rettangolo_mappa() const {
    if (mappa_ == nullptr || celle_.isNull()) return {};
    const int l = width() - 2 * margine - largo_legenda;
    const int a = height() - 2 * margine - alto_stazioni - sotto;
    if (l <= 0 || a <= 0) return {};
    // The cells' own extent: the last column and row may stick out of the façade.
    const double lm = mappa_->colonne * mappa_->cella_m, am = mappa_->righe * mappa_->cella_m;
    const double k = std::min(l / lm, a / am);
    const int lr = std::max(1, static_cast<int>(lm * k)),
              ar = std::max(1, static_cast<int>(am * k));
    return {margine, margine + alto_stazioni, lr, ar};
}

void quadro_copertura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rettangolo_mappa();
    if (r.isEmpty()) return;
    if (mostrata_.size() != r.size()) mostrata_ = immagine_mostrata(celle_, r.width(), r.height());
    p.drawImage(r.topLeft(), mostrata_);

    // The façade's outline inside the cells' extent.
    const double k = r.width() / (mappa_->colonne * mappa_->cella_m);
    const QRectF facciata(r.left(), r.bottom() + 1 - mappa_->altezza_m * k, mappa_->larghezza_m * k,
                          mappa_->altezza_m * k);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(facciata);

    // A triangle pointing down at each image's u; images at one station share it.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    if (stazioni_ != nullptr)
        for (const immagine_rete& s : *stazioni_) {
            const double x = r.left() + s.u * k;
            if (x < 0 || x > width()) continue;
            QPainterPath t;
            t.moveTo(x - 5, r.top() - alto_stazioni + 3);
            t.lineTo(x + 5, r.top() - alto_stazioni + 3);
            t.lineTo(x, r.top() - 2);
            t.closeSubpath();
            p.drawPath(t);
        }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(palette().color(QPalette::Text));
    const QFontMetrics fm = p.fontMetrics();
    const int base = r.bottom() + 2 + fm.ascent();
    p.drawText(r.left(), base, QStringLiteral("A"));
    const QString largo =
        QString::fromStdString(testo_misura(mappa_->larghezza_m, misura::metri, formato_));
    p.drawText(static_cast<int>(facciata.right()) - fm.horizontalAdvance(largo), base, largo);
    disegna_legenda(p, QRect(r.right() + 16, r.top(), largo_legenda - 16, r.height()));
}

void quadro_copertura::disegna_legenda(QPainter& p, const QRect& r) const {
    const QFontMetrics fm = p.fontMetrics();
    const QString titolo = unita_grandezza(grandezza_).isEmpty()
                               ? nome_grandezza(grandezza_)
                               : QStringLiteral("%1 (%2)").arg(nome_grandezza(grandezza_),
                                                               unita_grandezza(grandezza_));
    p.drawText(r.left(), r.top() + fm.ascent(), titolo);
    // The bar, the best value at the top, and two swatches under it.
    const int campione = fm.height();
    const int y0 = r.top() + fm.height() + 4;
    const int h = std::max(40, r.height() - (fm.height() + 4) - 2 * (campione + 2) - fm.height());
    const int lb = 16;
    for (int i = 0; i < h; ++i) {
        const double t = 1 - (i + 0.5) / h;  // 1 at the top
        const double x = scala_.crescente_buono
                             ? scala_.minimo + t * (scala_.massimo - scala_.minimo)
                             : scala_.massimo - t * (scala_.massimo - scala_.minimo);
        p.setPen(colore_valore(x, scala_));
        p.drawLine(r.left(), y0 + i, r.left() + lb - 1, y0 + i);
    }
    p.setPen(palette().color(QPalette::Text));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.left(), y0, lb - 1, h - 1);
    for (double v : tacche(scala_)) {
        double t = (v - scala_.minimo) / (scala_.massimo - scala_.minimo);
        if (!scala_.crescente_buono) t = 1 - t;
        const int y = y0 + static_cast<int>(std::lround((1 - t) * (h - 1)));
        p.drawLine(r.left() + lb, y, r.left() + lb + 3, y);
        p.drawText(r.left() + lb + 6, y + fm.ascent() / 2 - 1,
                   testo_valore(v, grandezza_, formato_));
    }
    int y = y0 + h + fm.height() / 2 + 4;  // below the last value written
    const auto riquadro = [&](const QColor& c, bool tratteggio, const QString& testo) {
        const QRect q(r.left(), y, lb - 1, campione - 2);
        p.fillRect(q, c);
        if (tratteggio) p.fillRect(q, QBrush(colore_tratteggio(), Qt::BDiagPattern));
        p.drawRect(q);
        p.drawText(r.left() + lb + 6, y + fm.ascent() - 1, testo);
        y += campione + 2;
    };
    riquadro(colore_lacuna(), true, tr("< 2 immagini"));
    if (grandezza_ == grandezza_mappa::sigma_profondita ||
        grandezza_ == grandezza_mappa::sigma_massimo)
        riquadro(colore_senza_valore(), false, tr("senza σ"));
}

finestra_copertura::finestra_copertura(formato_regionale formato, QWidget* genitore)
    : QWidget(genitore, Qt::Window), formato_(formato) {
    setObjectName("finestra_copertura");
    setWindowTitle(tr("Copertura e precisione"));
    auto* colonna = new QVBoxLayout(this);
    auto* riga = new QHBoxLayout;
    auto* etichetta = new QLabel(tr("Grandezza:"), this);
    scelta = new QComboBox(this);
    scelta->setObjectName("grandezza");
    for (grandezza_mappa g : {grandezza_mappa::immagini, grandezza_mappa::angolo,
                              grandezza_mappa::sigma_profondita, grandezza_mappa::sigma_massimo})
        scelta->addItem(nome_grandezza(g), static_cast<int>(g));
    scelta->setCurrentIndex(3);
    etichetta->setBuddy(scelta);
    riga->addWidget(etichetta);
    riga->addWidget(scelta);
    riga->addStretch();
    salva = new QPushButton(tr("Salva CSV..."), this);
    salva->setObjectName("salva_csv");
    salva->setEnabled(false);
    riga->addWidget(salva);
    colonna->addLayout(riga);
    quadro = new quadro_copertura(formato_, this);
    colonna->addWidget(quadro, 1);
    riepilogo = new QLabel(this);
    riepilogo->setObjectName("riepilogo");
    riepilogo->setWordWrap(true);
    riepilogo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    colonna->addWidget(riepilogo);
    connect(scelta, &QComboBox::currentIndexChanged, this, [this] { ridisegna(); });
    connect(salva, &QPushButton::clicked, this, &finestra_copertura::salva_csv);
}

grandezza_mappa finestra_copertura::grandezza() const {
    return static_cast<grandezza_mappa>(scelta->currentData().toInt());
}

void finestra_copertura::mostra(const mappa_copertura& mappa,
                                const std::vector<immagine_rete>& stazioni, double tolleranza_mm) {
    mappa_ = mappa;
    stazioni_ = stazioni;
    riepilogo->setText(testo_riepilogo(mappa_, tolleranza_mm, formato_));
    scelta->setEnabled(true);
    salva->setEnabled(!mappa_.celle.empty());
    ridisegna();
}

void finestra_copertura::assente(const QString& perche) {
    mappa_ = {};
    stazioni_.clear();
    riepilogo->setText(perche);
    scelta->setEnabled(false);
    salva->setEnabled(false);
    quadro->imposta(nullptr, nullptr, grandezza());
}

void finestra_copertura::ridisegna() {
    quadro->imposta(&mappa_, &stazioni_, grandezza());
}

}  // namespace pianopre
