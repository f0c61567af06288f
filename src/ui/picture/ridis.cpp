// The redraw: the whole entity list drawn into the picture area in the chosen view.
#include "picture/ridis.h"

#include <QGuiApplication>
#include <QPalette>

#include "picture/testo_ansi.h"
#include "picture/testo_ruotato.h"

namespace pianopre {

namespace {

constexpr double raggio_punto_appoggio = 0.6;  // drawing units, horizontal scale

bool e_punto_appoggio(const entita& e) {
    if (e.attributi & attr_marcato) return true;
    const std::string_view nome = e.nome.pulito();
    return nome.size() == 2 && (nome[0] == 'P' || nome[0] == 'p') && (nome[1] == 'F' || nome[1] == 'f');
}

void disegna_testo(area_disegno& area, const entita& e, punto_uv p, tipo_vista modo, const QColor& colore) {
    if (modo == tipo_vista::fronte && p.v == 0) p.v = 0.001f;
    area.sposta_penna(p.u, p.v);
    const float k = static_cast<float>(area.scala().width / area.larghezza_twips());
    const std::int16_t dimensione = dim_carattere(e.altezza, k);
    if (e.altezza >= 1.0f) area.imposta_dimensione_font(dimensione);

    const QColor precedente = area.primo_piano();
    area.imposta_primo_piano(colore);
    if (e.rotazione == 0) {
        area.stampa(da_ansi(e.nome.pulito()));
    } else {
        const QPointF pixel = area.in_pixel(p.u, p.v);
        testo_ruotato(area, e.nome.grezzo(), static_cast<float>(pixel.x()),
                      static_cast<float>(pixel.y()), e.altezza, e.rotazione);
    }
    area.imposta_primo_piano(precedente);
}

void disegna_entita(area_disegno& area, const entita& e, punto_uv p, tipo_vista modo, const QColor& colore) {
    switch (e.tipo) {
        case tipo_punto:
            area.imposta_spessore(1);
            if (e_punto_appoggio(e)) {
                area.cerchio(p.u, p.v, raggio_punto_appoggio, colore);
            } else {
                area.punto(p.u, p.v, colore);
            }
            break;
        case tipo_inizio:
            area.sposta_penna(p.u, p.v);
            break;
        case tipo_vertice:
        case tipo_fine:
            area.linea_a(p.u, p.v, colore);
            break;
        case tipo_testo:
            disegna_testo(area, e, p, modo, colore);
            break;
        default:
            break;  // codes the view does not know are skipped
    }
}

}  // namespace

QColor colore_schermo(std::int16_t colore, const QColor& sfondo) {
    switch (colore) {
        case 1: return {255, 0, 0};
        case 2: return {255, 255, 0};
        case 3: return {0, 255, 0};
        case 4: return {0, 255, 255};
        case 5: return {0, 0, 255};
        case 6: return {255, 0, 255};
        case 8: return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        default: return sfondo.rgb() == QColor(255, 255, 255).rgb() ? QColor(0, 0, 0) : QColor(255, 255, 255);
    }
}

void adatta_vista(area_disegno& area, const elenco_entita& lista, const stato_vista& vista) {
    const double q = area.larghezza_twips() / area.altezza_twips();
    if (const auto f = rappo_prop(lista, vista.origine, vista.fronte, vista.assonometrica, q)) {
        area.imposta_scala(*f);
    }
    area.imposta_spessore(1);
}

void ridis(area_disegno& area, const elenco_entita& lista, const stato_vista& vista,
           adattamento rifai) {
    if (rifai == adattamento::adatta) adatta_vista(area, lista, vista);
    const tipo_vista modo = modo_vista(vista.fronte, vista.assonometrica);
    const QColor sfondo = area.sfondo();
    // Colours 0..8 looked up once per pass; others fall back to the contrast colour.
    QColor tavolozza[9];
    for (std::int16_t i = 0; i < 9; ++i) tavolozza[i] = colore_schermo(i, sfondo);
    const QColor contrasto = colore_schermo(7, sfondo);

    for (const entita& e : lista.voci()) {
        const QColor& colore = (e.colore >= 0 && e.colore < 9) ? tavolozza[e.colore] : contrasto;
        const punto_uv p = proietta(modo, posizione_piazzata(e, vista.origine));
        disegna_entita(area, e, p, modo, colore);
    }
    area.aggiorna();
}

}  // namespace pianopre
