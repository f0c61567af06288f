// The scheme builder: façade, legend, camera stations, rays and footprints,
// appended in the order the view and the DXF layers expect.
#include "scheme/schema.h"

#include <cmath>
#include <string>
#include <string_view>

#include "base/errori.h"
#include "base/testo_numeri.h"
#include "calc/presa.h"

namespace pianopre {

namespace {

constexpr std::int16_t colore_facciata = 4;
constexpr std::int16_t colore_raggi = 8;
constexpr std::int16_t colore_legenda = 7;
constexpr float altezza_numero = 0.6f;
constexpr float altezza_legenda = 0.8f;

// The scheme's origin and the camera stations are 32-bit reals: every
// assignment rounds, so stations far along a strip carry the rounding of each
// step, as in the schemes surveyors already hold.
struct punto_singolo {
    float x;
    float y;
    float z;
};

struct estensione_impronta {
    double sopra;    // upper edge above the camera axis
    double altezza;  // total height of the footprint
};

// Every entity of the scheme goes in with the axes exchanged for the shooting
// mode. A coordinate that overflowed on the way is refused rather than stored.
void agg_vista(modello& m, std::int16_t codice_vista, entita e) {
    if (!std::isfinite(e.x) || !std::isfinite(e.y) || !std::isfinite(e.z)) {
        throw errore(err_overflow);
    }
    ruota_vista(codice_vista, e);
    agg_entita(m, e);
}

entita collocata(entita e, double x, double y, double z, std::int16_t tipo) {
    e.x = x;
    e.y = y;
    e.z = z;
    e.tipo = tipo;
    return e;
}

std::int16_t alterna(std::int16_t colore) {
    return colore == 1 ? 3 : 1;
}

std::string primi_10(std::string_view testo) {
    return std::string(testo.substr(0, 10));
}

std::int16_t vista_da_tipo(const dati_lavoro& lavoro) {
    const std::string_view tipo = lavoro.tipo_presa.pulito();
    if (tipo == "ZENITALE") return 1;
    if (tipo == "NADIRALE") return 2;
    return 0;
}

punto_singolo angolo_iniziale(double px, double py, double pz) {
    if (px != 0 && py != 0) return {singolo(px), singolo(py), singolo(pz)};
    return {100, 200, 20};
}

void crea_facciata(modello& m, std::int16_t codice_vista, const punto_singolo& o, double larghezza,
                   double altezza) {
    entita e;
    e.nome = "FONDO";
    e.colore = colore_facciata;
    e.attributi = attr_relativo;
    const double sinistra = o.x, destra = o.x + larghezza;
    const double basso = o.z, alto = o.z + altezza;
    const auto agg = [&](double x, double z, std::int16_t tipo) {
        agg_vista(m, codice_vista, collocata(e, x, o.y, z, tipo));
    };
    agg(sinistra, basso, tipo_inizio);
    agg(destra, basso, tipo_vertice);
    agg(destra, alto, tipo_vertice);
    agg(sinistra, alto, tipo_vertice);
    agg(sinistra, basso, tipo_fine);
    agg(sinistra, basso, tipo_inizio);
    agg(destra, alto, tipo_fine);
    agg(destra, basso, tipo_inizio);
    agg(sinistra, alto, tipo_fine);
}

// Station of the first frame of the first strip; with a single stereo pair the
// two stations are centred on the façade.
punto_singolo prima_stazione(const dati_presa& presa, const dati_lavoro& lavoro,
                             const punto_singolo& o) {
    punto_singolo s;
    s.x = singolo(o.x + presa.larg_cop / 2 - presa.base_presa);
    s.y = singolo(o.y - (presa.dist_presa + 0.5));
    s.z = singolo(o.z + presa.h_camera);
    if (presa.num_foto == 2) s.x = singolo(o.x + lavoro.larg_sogg / 2 - presa.base_presa / 2);
    return s;
}

estensione_impronta impronta_del_piano(const dati_presa& presa) {
    if (presa.incl == 0) return {presa.semi_alt, presa.alt_cop};
    const bordi_fotogramma bordi = fotogramma_inclinato(
        presa.dist_presa, presa.semi_alt, finito(presa.alt_cop - presa.semi_alt), presa.incl);
    return {bordi.sopra, finito(bordi.sopra + bordi.sotto)};
}

entita entita_stazione(std::int32_t foto, std::int16_t colore) {
    entita e;
    e.nome = std::to_string(foto);
    e.colore = colore;
    e.attributi = attr_relativo;
    return e;
}

// Colours alternate 1, 3 through all strips: the first station of a strip takes
// the colour after the last one of the strip below.
void crea_stazioni(modello& m, std::int16_t codice_vista, const dati_presa& presa,
                   punto_singolo stazione, std::int16_t per_striscia) {
    std::int16_t colore = 1;
    for (std::int32_t striscia = 1; striscia <= presa.num_strisc; ++striscia) {
        float xa = stazione.x;
        for (std::int32_t foto = 1; foto <= per_striscia; ++foto) {
            const entita e = entita_stazione(foto, colore);
            agg_vista(m, codice_vista, collocata(e, xa, stazione.y, stazione.z, tipo_punto));
            entita numero = collocata(e, xa, stazione.y - 1.0, stazione.z, tipo_testo);
            numero.altezza = altezza_numero;
            agg_vista(m, codice_vista, numero);
            colore = alterna(colore);
            xa = singolo(xa + presa.base_presa);
        }
        stazione.z = singolo(stazione.z + presa.alt_cop);
        stazione.z = singolo(stazione.z - presa.alt_cop * 0.1);
    }
}

void crea_impronte(modello& m, std::int16_t codice_vista, const dati_presa& presa,
                   const punto_singolo& stazione, std::int16_t per_striscia,
                   const estensione_impronta& impronta) {
    std::int16_t colore = 1;
    float xa = stazione.x;
    for (std::int32_t foto = 1; foto <= per_striscia; ++foto) {
        const entita e =
            collocata(entita_stazione(foto, colore), xa, stazione.y, stazione.z, tipo_inizio);
        crea_impronta(m, codice_vista, e, presa.dist_presa, presa.larg_cop, impronta.altezza,
                      impronta.sopra);
        colore = alterna(colore);
        xa = singolo(xa + presa.base_presa);
    }
}

}  // namespace

void crea_schema(modello& m, const dati_presa& presa, const dati_lavoro& lavoro, double px,
                 double py, double pz, const formato_regionale& formato) {
    const punto_singolo o = angolo_iniziale(px, py, pz);
    const std::int16_t codice_vista = vista_da_tipo(lavoro);
    crea_facciata(m, codice_vista, o, lavoro.larg_sogg, lavoro.alt_sogg);
    crea_legenda(m, codice_vista, presa, lavoro, o.x, o.y, o.z, formato);

    const std::int16_t per_striscia = intero16(dividi(presa.num_foto, presa.num_strisc));
    const punto_singolo stazione = prima_stazione(presa, lavoro, o);
    const estensione_impronta impronta = impronta_del_piano(presa);
    crea_stazioni(m, codice_vista, presa, stazione, per_striscia);
    crea_impronte(m, codice_vista, presa, stazione, per_striscia, impronta);
}

void crea_legenda(modello& m, std::int16_t codice_vista, const dati_presa& presa,
                  const dati_lavoro& lavoro, float x0, float y0, float z0,
                  const formato_regionale& formato) {
    entita e;
    e.colore = colore_legenda;
    e.altezza = altezza_legenda;
    // Lines stack downward in plan (y) and front (z) view alike.
    const auto riga = [&](double destra, double passo, std::string_view testo) {
        entita t = collocata(e, x0 + destra, y0 + passo, z0 + presa.alt_cop + passo, tipo_testo);
        t.nome = testo;
        agg_vista(m, codice_vista, t);
    };
    const auto valore = [&](double v) { return testo_generale(v, formato); };

    riga(0, 20, primi_10(lavoro.progetto.grezzo()));
    riga(0, 17, primi_10(lavoro.localita.grezzo()));
    riga(0, 13, "Lungh.tot:");
    riga(15, 13, primi_10(valore(lavoro.larg_sogg)));
    riga(0, 10, "Altezza:");
    riga(15, 10, primi_10(valore(lavoro.alt_sogg)));
    riga(0, 7, "Dist.presa:");
    riga(15, 7, valore(presa.dist_presa));
    riga(0, 4, "Base presa:");
    riga(15, 4, valore(presa.base_presa));
}

void crea_impronta(modello& m, std::int16_t codice_vista, const entita& e, double dist_presa,
                   double larg_cop, double altezza_impronta, double sopra) {
    const double y = e.y + dist_presa;
    const double destra = e.x + larg_cop / 2, sinistra = e.x - larg_cop / 2;
    const double alto = e.z + sopra, basso = e.z + sopra - altezza_impronta;

    entita raggio = e;
    raggio.colore = colore_raggi;
    raggio.tipo = tipo_inizio;
    const auto agg_raggio = [&](double x, double z) {
        agg_vista(m, codice_vista, raggio);
        agg_vista(m, codice_vista, collocata(raggio, x, y, z, tipo_fine));
    };
    agg_raggio(destra, alto);
    agg_raggio(destra, basso);
    agg_raggio(sinistra, basso);
    agg_raggio(sinistra, alto);

    // The outline is walked from its upper left corner and closes on it exactly.
    const entita inizio = collocata(e, sinistra, y, alto, tipo_inizio);
    entita bordo = inizio;
    agg_vista(m, codice_vista, bordo);
    bordo.tipo = tipo_vertice;
    bordo.x += larg_cop;
    agg_vista(m, codice_vista, bordo);
    bordo.z -= altezza_impronta;
    agg_vista(m, codice_vista, bordo);
    bordo.x -= larg_cop;
    agg_vista(m, codice_vista, bordo);
    agg_vista(m, codice_vista, collocata(inizio, sinistra, y, alto, tipo_fine));
}

}  // namespace pianopre
