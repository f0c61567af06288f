// Where entities land in the picture: the scheme origin, the three views
// (plan, front, axonometric), the fitting of the view window to the drawing,
// and the font size of a text height. Plain functions, no window needed.
#pragma once

#include <cstdint>
#include <optional>

#include "base/punti.h"
#include "scheme/elenco_entita.h"
#include "scheme/entita.h"
#include "site/collocazione.h"

namespace pianopre {

// The user coordinate system of the picture area: drawing x at the left edge,
// drawing y at the top edge, width (positive) and height (negative once fitted,
// so that y grows upward).
struct finestra_vista {
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;
};

struct punto_uv {
    float u;
    float v;
};

enum class tipo_vista { pianta, fronte, assonometrica };

// "Fronte" wins over "Assonom.".
inline tipo_vista modo_vista(bool fronte, bool assonometrica) {
    return fronte          ? tipo_vista::fronte
           : assonometrica ? tipo_vista::assonometrica
                           : tipo_vista::pianta;
}

// The fixed oblique projection: -45 degrees about the vertical axis, then about
// the new horizontal axis; x and y are the picture coordinates, z the depth.
void asso_cord(float& x, float& y, float& z);

punto_uv proietta(tipo_vista modo, const punto3& p);

// The extent of what a view shows, gathered list by list, and the view window
// that shows it all with a margin and equal scales (see rappo_prop).
class misura_vista {
public:
    explicit misura_vista(bool assonometrica) : assonometrica_(assonometrica) {}
    // Every entity where it is drawn: origin added to relative ones, then placed.
    void includi(const elenco_entita& lista, const origine_schema& origine,
                 const trasformazione_sito& sito = trasformazione_sito());
    void includi(const punto3& p);
    // Every entity as it is, `quota` higher: the site drawing.
    void includi_alzata(const elenco_entita& lista, double quota);
    std::optional<finestra_vista> finestra(bool fronte, double q) const;
    // Width over height of what finestra() shows with its margin, before it
    // widens one side to q: the shape of a picture the drawing fills.
    double rapporto(bool fronte) const;

private:
    void scatola(bool fronte, double& min_x, double& max_x, double& min_y, double& max_y) const;
    bool assonometrica_;
    bool vuota_ = true;
    double min_[3] = {99999999999.0, 99999999999.0, 99999999999.0};
    double max_[3] = {-99999999999.0, -99999999999.0, -99999999999.0};
};

// The view window that shows the whole drawing with a margin and equal scales,
// for a picture area whose outer width / outer height is q. Empty when the
// fitted values do not fit 32-bit reals (the caller keeps its window).
std::optional<finestra_vista> rappo_prop(const elenco_entita& lista, const origine_schema& origine,
                                         bool fronte, bool assonometrica, double q);

// Font size in points for a text height h in drawing units, k drawing units
// per twip; at most 2160.
std::int16_t dim_carattere(float h, float k);

}  // namespace pianopre

namespace pianopre {

// The font request of a rotated text: cell height in pixels (0 for the
// default height) and escapement in tenths of a degree, counter-clockwise;
// both taken to the nearest integer with halves to the even neighbour.
struct richiesta_font {
    std::int32_t altezza;
    std::int32_t escapement;
};

richiesta_font font_ruotato(float altezza, float angolo);

}  // namespace pianopre
