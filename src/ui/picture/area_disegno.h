// The picture area: the drawing surface of the main window.
//
// It keeps what is drawn in a persistent image of its inner size, so the
// drawing survives being covered and can be saved as it is. Drawing happens in
// user coordinates given by four scale values (left, top, width, height); a
// negative height makes y grow upward. paintEvent only shows the image.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <memory>
#include <optional>

#include "picture/cache_testi.h"
#include "picture/linea_veloce.h"
#include "view/proiezione.h"

namespace pianopre {

class area_disegno : public QFrame {
    Q_OBJECT
public:
    explicit area_disegno(QWidget* parent = nullptr);
    ~area_disegno() override;

    // Scale values; at start the scale is twips of the inner area.
    finestra_vista scala() const { return scala_; }
    void imposta_scala(const finestra_vista& s) {
        scala_ = s;
        misurata_ = true;
    }

    // Outer size (border included) in twips, and the inner image size in pixels.
    double larghezza_twips() const;
    double altezza_twips() const;
    QSize dimensione_interna() const;

    // User coordinates to image pixels and back.
    QPointF in_pixel(double u, double v) const;
    QPointF in_utente(QPointF pixel) const;

    void pulisci();
    void imposta_spessore(int pixel) { spessore_ = pixel; }
    int spessore() const { return spessore_; }
    QColor primo_piano() const { return primo_piano_; }
    void imposta_primo_piano(const QColor& c) { primo_piano_ = c; }
    QColor sfondo() const { return sfondo_; }
    double dimensione_font() const { return dimensione_font_; }
    void imposta_dimensione_font(double punti) { dimensione_font_ = punti; }
    // The print font size the area starts with. A text of a unit or more sets
    // the size for every smaller text drawn after it, in later redraws too; a
    // new or opened job starts again from this one.
    static constexpr double dimensione_font_iniziale = 8.25;

    QPointF penna() const { return penna_; }
    void sposta_penna(double u, double v) { penna_ = {u, v}; }
    void punto(double u, double v, const QColor& c);
    // A line from the pen to (u, v); the pen ends at (u, v).
    void linea_a(double u, double v, const QColor& c);
    // A circle whose radius is in units of the horizontal scale.
    void cerchio(double u, double v, double raggio, const QColor& c);
    // Prints at the pen (top-left corner) in the foreground colour and font
    // size, then moves the pen to the start of the next line.
    void stampa(const QString& testo);

    // A painter on the image for drawing in pixels (rotated text); valid until
    // the next refresh, clear or save.
    QPainter& pittore();

    // Shows the image on screen.
    void aggiorna();
    const QImage& immagine();
    bool salva_bmp(const QString& percorso);

signals:
    // Mouse press and release in user coordinates; button as Qt::MouseButton.
    void premuto(double u, double v, int pulsante);
    void rilasciato(double u, double v, int pulsante);
    void rotella(double u, double v, int scatti);
    // An arrow key pressed while the picture has the focus; key as Qt::Key.
    void freccia(int tasto);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void chiudi_pittore();
    // The image follows the inner size; geometry changes of a hidden widget
    // bring no resize event, so drawing entries check it themselves.
    void allinea_immagine();
    QPointF punto_evento(const QPointF& posizione) const;
    // in_pixel for drawing calls, which have the image aligned already.
    QPointF pixel_immagine(double u, double v) const;
    // Whether the painter's state lets points and lines bypass it.
    bool disegno_diretto(QPainter& p) const;

    QImage immagine_;
    std::unique_ptr<QPainter> pittore_;
    superficie superficie_;  // the image's pixels while the painter is open
    cache_testi testi_;
    finestra_vista scala_;
    QColor sfondo_{255, 255, 255};
    QColor primo_piano_{0, 0, 0};
    int spessore_ = 1;
    double dimensione_font_ = dimensione_font_iniziale;
    QPointF penna_{0, 0};
    std::optional<QFont> carattere_;  // the print font of the current size
    std::optional<QFontMetricsF> metriche_;
    bool misurata_ = false;  // a scale was set: the twips scale no longer follows the size
};

}  // namespace pianopre
