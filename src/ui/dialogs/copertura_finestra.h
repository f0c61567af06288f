// "Copertura e precisione": a window beside the main one with the coverage
// and precision map of the whole image network over the façade, a choice of
// the quantity shown, its colour scale, the stations along the top edge and
// the summary line under the map.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "base/formato_regionale.h"
#include "picture/immagine_copertura.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

// The map fitted into the widget with its shape kept (u to the right from
// corner A, w upwards), a triangle above the top edge at each image's u, and
// the legend at the right.
class quadro_copertura : public QWidget {
    Q_OBJECT
public:
    explicit quadro_copertura(formato_regionale formato, QWidget* genitore = nullptr);

    void imposta(const mappa_copertura* mappa, const std::vector<immagine_rete>* stazioni,
                 grandezza_mappa g);
    // The cells of the quantity shown, one pixel each, row 0 at the top.
    const QImage& celle() const { return celle_; }
    // Where the map is drawn in the widget, for its present size.
    QRect rettangolo_mappa() const;

    QSize sizeHint() const override { return {760, 420}; }

private:
    void paintEvent(QPaintEvent* evento) override;
    void disegna_legenda(QPainter& p, const QRect& r) const;

    formato_regionale formato_;
    const mappa_copertura* mappa_ = nullptr;
    const std::vector<immagine_rete>* stazioni_ = nullptr;
    grandezza_mappa grandezza_ = grandezza_mappa::sigma_massimo;
    scala_mappa scala_;
    QImage celle_;
    QImage mostrata_;  // celle_ at the size last drawn
};

class finestra_copertura : public QWidget {
    Q_OBJECT
public:
    explicit finestra_copertura(formato_regionale formato, QWidget* genitore = nullptr);

    // Shows `mappa` with the images of the network and the tolerance on the
    // object (T / divisor; 0 when there is none).
    void mostra(const mappa_copertura& mappa, const std::vector<immagine_rete>& stazioni,
                double tolleranza_mm);
    // No map to show, and why.
    void assente(const QString& perche);

    grandezza_mappa grandezza() const;
    const mappa_copertura& mappa() const { return mappa_; }

    QComboBox* scelta = nullptr;
    QPushButton* salva = nullptr;  // "Salva CSV...": the grid shown
    quadro_copertura* quadro = nullptr;
    QLabel* riepilogo = nullptr;

signals:
    void salva_csv();

private:
    void ridisegna();

    formato_regionale formato_;
    mappa_copertura mappa_;
    std::vector<immagine_rete> stazioni_;
};

}  // namespace pianopre
