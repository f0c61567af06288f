// The picture area: a persistent image drawn in user coordinates.
#include "picture/area_disegno.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <cmath>

namespace pianopre {

namespace {
constexpr double twip_per_pixel = 15.0;
constexpr int bordo = 1;  // single-line border, pixels
}  // namespace

area_disegno::area_disegno(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(bordo);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    immagine_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    immagine_.fill(sfondo_);
}

area_disegno::~area_disegno() {
    chiudi_pittore();
}

double area_disegno::larghezza_twips() const {
    return width() * twip_per_pixel;
}
double area_disegno::altezza_twips() const {
    return height() * twip_per_pixel;
}

QPointF area_disegno::in_pixel(double u, double v) const {
    const QSize d = dimensione_interna();
    return {(u - scala_.left) / scala_.width * d.width(),
            (v - scala_.top) / scala_.height * d.height()};
}

QPointF area_disegno::in_utente(QPointF p) const {
    const QSize d = dimensione_interna();
    return {scala_.left + p.x() / d.width() * scala_.width,
            scala_.top + p.y() / d.height() * scala_.height};
}

QSize area_disegno::dimensione_interna() const {
    return contentsRect().size().expandedTo(QSize(1, 1));
}

void area_disegno::allinea_immagine() {
    const QSize interna = dimensione_interna();
    if (interna == immagine_.size()) return;
    // The image keeps what was drawn; a larger area shows background around it.
    chiudi_pittore();
    QImage nuova(interna, QImage::Format_RGB32);
    nuova.fill(sfondo_);
    QPainter p(&nuova);
    p.drawImage(0, 0, immagine_);
    p.end();
    if (!misurata_) {
        // Until a drawing sets its own scale, the area measures in twips.
        scala_ = {0, 0, static_cast<float>(interna.width() * twip_per_pixel),
                  static_cast<float>(interna.height() * twip_per_pixel)};
    }
    immagine_ = std::move(nuova);
}

QPointF area_disegno::pixel_immagine(double u, double v) const {
    return {(u - scala_.left) / scala_.width * immagine_.width(),
            (v - scala_.top) / scala_.height * immagine_.height()};
}

QPainter& area_disegno::pittore() {
    if (pittore_) return *pittore_;  // the image was aligned when the painter opened
    allinea_immagine();
    pittore_ = std::make_unique<QPainter>(&immagine_);
    pittore_->setRenderHint(QPainter::Antialiasing, false);
    // The painter has the image to itself until it closes: its pixels stay put.
    superficie_ = {reinterpret_cast<std::uint32_t*>(immagine_.bits()),
                   static_cast<int>(immagine_.bytesPerLine() / 4), immagine_.width(),
                   immagine_.height()};
    testi_.nuovo_passaggio();
    return *pittore_;
}

void area_disegno::chiudi_pittore() {
    if (pittore_) {
        pittore_->end();
        pittore_.reset();
        superficie_ = {};
    }
}

void area_disegno::pulisci() {
    allinea_immagine();
    chiudi_pittore();
    immagine_.fill(sfondo_);
    penna_ = {0, 0};  // clearing puts the pen back at the coordinate origin
    update();
}

void area_disegno::punto(double u, double v, const QColor& c) {
    QPainter& p = pittore();
    const QPointF q = pixel_immagine(u, v);
    penna_ = {u, v};
    // An opaque point goes straight into the image, the pixel QPainter would set.
    if (c.alpha() == 255 && disegno_diretto(p) && punto_veloce(superficie_, q, c.rgb())) return;
    p.setPen(QPen(c, 1));
    p.drawPoint(q);
}

bool area_disegno::disegno_diretto(QPainter& p) const {
    return pittore_diretto(p) && !p.testRenderHint(QPainter::Antialiasing);
}

void area_disegno::linea_a(double u, double v, const QColor& c) {
    QPainter& p = pittore();
    const QPointF da = pixel_immagine(penna_.x(), penna_.y());
    const QPointF a = pixel_immagine(u, v);
    penna_ = {u, v};
    // Opaque one-pixel lines go straight into the image, the same pixels QPainter would set.
    if (c.alpha() == 255 && spessore_ == 1 && disegno_diretto(p) &&
        linea_veloce(superficie_, da, a, c.rgb()))
        return;
    const QPen& attuale = p.pen();
    if (attuale.color() != c || attuale.width() != spessore_)
        p.setPen(QPen(c, spessore_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(da, a);
}

void area_disegno::cerchio(double u, double v, double raggio, const QColor& c) {
    QPainter& p = pittore();
    p.setPen(QPen(c, spessore_));
    p.setBrush(Qt::NoBrush);
    const double r = raggio / scala_.width * dimensione_interna().width();
    p.drawEllipse(pixel_immagine(u, v), std::fabs(r), std::fabs(r));
    penna_ = {u, v};
}

void area_disegno::stampa(const QString& testo) {
    QPainter& p = pittore();
    if (!carattere_ || carattere_->pointSizeF() != dimensione_font_) {
        QFont f = font();
        f.setPointSizeF(dimensione_font_);
        carattere_ = f;
        metriche_.emplace(f, &immagine_);
    }
    if (p.font() != *carattere_) p.setFont(*carattere_);
    const QPen& penna = p.pen();
    if (penna.color() != primo_piano_ || penna.style() != Qt::SolidLine || penna.widthF() != 1.0)
        p.setPen(primo_piano_);
    const QPointF angolo = pixel_immagine(penna_.x(), penna_.y());
    testi_.disegna(p, QPointF(angolo.x(), angolo.y() + metriche_->ascent()), testo,
                   QRectF(immagine_.rect()), &superficie_);
    // The next line starts at the left edge, one text height lower.
    const double riga = metriche_->height() / immagine_.height() * scala_.height;
    penna_ = {scala_.left, penna_.y() + riga};
}

void area_disegno::aggiorna() {
    chiudi_pittore();
    update();
}

const QImage& area_disegno::immagine() {
    allinea_immagine();
    chiudi_pittore();
    return immagine_;
}

bool area_disegno::salva_bmp(const QString& percorso) {
    allinea_immagine();
    chiudi_pittore();
    return immagine_.save(percorso, "BMP");
}

void area_disegno::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    allinea_immagine();
    chiudi_pittore();  // drawing passes run to completion between paint events
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), immagine_);
}

QPointF area_disegno::punto_evento(const QPointF& posizione) const {
    return in_utente(posizione - QPointF(contentsRect().topLeft()));
}

void area_disegno::mousePressEvent(QMouseEvent* evento) {
    const QPointF u = punto_evento(evento->position());
    emit premuto(u.x(), u.y(), static_cast<int>(evento->button()));
}

void area_disegno::mouseReleaseEvent(QMouseEvent* evento) {
    const QPointF u = punto_evento(evento->position());
    emit rilasciato(u.x(), u.y(), static_cast<int>(evento->button()));
}

void area_disegno::wheelEvent(QWheelEvent* evento) {
    const int scatti = evento->angleDelta().y() / 120;
    if (scatti == 0) return;
    const QPointF u = punto_evento(evento->position());
    emit rotella(u.x(), u.y(), scatti);
}

void area_disegno::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            emit freccia(evento->key());
            return;
        default:
            QWidget::keyPressEvent(evento);
    }
}

}  // namespace pianopre
