// The redraw: the whole entity list drawn into the picture area in the chosen view.
#include "picture/ridis.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

#include "picture/testo_ansi.h"
#include "picture/testo_ruotato.h"

namespace pianopre {

namespace {

constexpr double raggio_punto_appoggio = 0.6;  // drawing units, horizontal scale
constexpr std::int64_t entita_per_rapporto = 65536;

// Counts the entities drawn and tells the progress every so many; false once
// the progress has asked to stop.
class conteggio_disegno {
public:
    explicit conteggio_disegno(const avanzamento& rapporto) : rapporto_(rapporto) {}
    bool avanti() {
        if (++fatti_ % entita_per_rapporto != 0 || !rapporto_) return true;
        fermo_ = fermo_ || !rapporto_(fatti_);
        return !fermo_;
    }
    bool fermo() const { return fermo_; }

private:
    const avanzamento& rapporto_;
    std::int64_t fatti_ = 0;
    bool fermo_ = false;
};

bool e_punto_appoggio(const entita& e) {
    if (e.attributi & attr_marcato) return true;
    const std::string_view nome = e.nome.pulito();
    return nome.size() == 2 && (nome[0] == 'P' || nome[0] == 'p') &&
           (nome[1] == 'F' || nome[1] == 'f');
}

void disegna_testo(area_disegno& area, const entita& e, punto_uv p, tipo_vista modo,
                   const QColor& colore) {
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

void disegna_entita(area_disegno& area, const entita& e, punto_uv p, tipo_vista modo,
                    const QColor& colore) {
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

// Halfway and more towards the background, so the scheme over it stays readable.
QColor schiarito(const QColor& c, const QColor& sfondo) {
    const auto misto = [](int a, int b) { return a + (b - a) * 3 / 5; };
    return QColor(misto(c.red(), sfondo.red()), misto(c.green(), sfondo.green()),
                  misto(c.blue(), sfondo.blue()));
}

void disegna_sottofondo(area_disegno& area, const stato_vista& vista, tipo_vista modo,
                        const QColor (&tavolozza)[9], const QColor& contrasto,
                        conteggio_disegno& conteggio) {
    const elenco_entita& lista = *vista.sottofondo;
    // Both scales are equal once fitted.
    const double pixel_per_unita =
        area.dimensione_interna().width() / std::fabs(static_cast<double>(area.scala().width));
    const QColor sfondo = area.sfondo();
    QColor chiari[9];
    for (int i = 0; i < 9; ++i) chiari[i] = schiarito(tavolozza[i], sfondo);
    const QColor contrasto_chiaro = schiarito(contrasto, sfondo);
    for (const entita& e : lista.voci()) {
        const QColor& colore =
            (e.colore >= 0 && e.colore < 9) ? chiari[e.colore] : contrasto_chiaro;
        const punto_uv p = proietta(modo, posizione_sottofondo(e, vista));
        if (e.tipo == tipo_testo) {
            // At the drawing's own height: the picture's font size is the scheme's.
            testo_in_scala(area, e.nome.grezzo(), area.in_pixel(p.u, p.v),
                           e.altezza * pixel_per_unita, e.rotazione, colore);
        } else {
            disegna_entita(area, e, p, modo, colore);
        }
        if (!conteggio.avanti()) return;
    }
}

// Control points: a small circle and the name, in site coordinates.
void disegna_punti(area_disegno& area, const elenco_punti& punti, tipo_vista modo) {
    const QColor colore(0, 128, 0);
    for (const punto_app& p : punti.voci()) {
        const punto_uv q = proietta(modo, {p.x, p.y, p.z});
        area.imposta_spessore(1);
        area.cerchio(q.u, q.v, raggio_punto_appoggio, colore);
        entita nome;
        nome.tipo = tipo_testo;
        nome.nome = p.nome.pulito();
        disegna_testo(area, nome, {q.u + static_cast<float>(raggio_punto_appoggio), q.v}, modo,
                      colore);
    }
}

void disegna_contorni(area_disegno& area, const std::vector<std::array<punto3, 4>>& contorni,
                      const trasformazione_sito& sito) {
    const QColor rosso(255, 0, 0);
    for (const auto& c : contorni) {
        const punto_uv inizio = proietta(tipo_vista::fronte, sito.applica(c[3]));
        area.sposta_penna(inizio.u, inizio.v);
        for (const punto3& v : c) {
            const punto_uv p = proietta(tipo_vista::fronte, sito.applica(v));
            area.linea_a(p.u, p.v, rosso);
        }
    }
}

}  // namespace

QColor colore_schermo(std::int16_t colore, const QColor& sfondo) {
    switch (colore) {
        case 1:
            return {255, 0, 0};
        case 2:
            return {255, 255, 0};
        case 3:
            return {0, 255, 0};
        case 4:
            return {0, 255, 255};
        case 5:
            return {0, 0, 255};
        case 6:
            return {255, 0, 255};
        case 8:
            return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        default:
            return sfondo.rgb() == QColor(255, 255, 255).rgb() ? QColor(0, 0, 0)
                                                               : QColor(255, 255, 255);
    }
}

void adatta_vista(area_disegno& area, const elenco_entita& lista, const stato_vista& vista) {
    const double q = area.larghezza_twips() / area.altezza_twips();
    misura_vista misura(vista.assonometrica);
    misura.includi(lista, vista.origine, trasformazione_sito(vista.sito));
    if (vista.sottofondo != nullptr)
        misura.includi_alzata(*vista.sottofondo, vista.quota_sottofondo);
    if (vista.punti != nullptr)
        for (const punto_app& p : vista.punti->voci()) misura.includi({p.x, p.y, p.z});
    if (const auto f = misura.finestra(vista.fronte, q)) area.imposta_scala(*f);
    area.imposta_spessore(1);
}

std::int64_t entita_da_disegnare(const elenco_entita& lista, const stato_vista& vista) {
    const std::int64_t sotto = vista.sottofondo != nullptr ? vista.sottofondo->n_entita() : 0;
    return lista.n_entita() + sotto;
}

bool ridis(area_disegno& area, const elenco_entita& lista, const stato_vista& vista,
           adattamento rifai, const avanzamento& rapporto) {
    if (rifai == adattamento::adatta) adatta_vista(area, lista, vista);
    const tipo_vista modo = modo_vista(vista.fronte, vista.assonometrica);
    const QColor sfondo = area.sfondo();
    // Colours 0..8 looked up once per pass; others fall back to the contrast colour.
    QColor tavolozza[9];
    for (std::int16_t i = 0; i < 9; ++i) tavolozza[i] = colore_schermo(i, sfondo);
    const QColor contrasto = colore_schermo(7, sfondo);

    conteggio_disegno conteggio(rapporto);
    if (vista.sottofondo != nullptr)
        disegna_sottofondo(area, vista, modo, tavolozza, contrasto, conteggio);
    const trasformazione_sito sito(vista.sito);
    for (const entita& e : lista.voci()) {
        if (conteggio.fermo()) break;
        const QColor& colore = (e.colore >= 0 && e.colore < 9) ? tavolozza[e.colore] : contrasto;
        const punto_uv p = proietta(modo, sito.applica(posizione_piazzata(e, vista.origine)));
        if (sito.identita() || e.tipo != tipo_testo) {
            disegna_entita(area, e, p, modo, colore);
        } else {
            entita girata = e;  // a placed text turns with the scheme
            girata.rotazione = static_cast<float>(e.rotazione + sito.rotazione_gradi());
            disegna_entita(area, girata, p, modo, colore);
        }
        conteggio.avanti();
    }
    if (!conteggio.fermo()) {
        if (vista.punti != nullptr) disegna_punti(area, *vista.punti, modo);
        if (modo == tipo_vista::fronte) disegna_contorni(area, vista.contorni_rossi, sito);
    }
    area.aggiorna();
    return !conteggio.fermo();
}

}  // namespace pianopre
