// The station rows of a job and the strip geometry they come from.
#include "site/stazioni.h"

#include <cmath>
#include <cstdio>

#include "base/errori.h"
#include "calc/presa.h"

namespace pianopre {

namespace {

// The footprint's edges as the scheme draws them: a tilted camera raises them.
void bordi_impronta(const dati_presa& p, geometria_strisce& g) {
    if (p.incl == 0) {
        g.sopra = p.semi_alt;
        g.altezza = p.alt_cop;
        return;
    }
    const bordi_fotogramma b =
        fotogramma_inclinato(p.dist_presa, p.semi_alt, p.alt_cop - p.semi_alt, p.incl);
    g.sopra = b.sopra;
    g.altezza = b.sopra + b.sotto;
}

}  // namespace

geometria_strisce geometria_piano(const dati_presa& p, double larg_sogg, const origine_schema& o) {
    geometria_strisce g;
    if (p.num_strisc <= 0) return g;
    const double x0 = angolo_schema.x + o.x;
    g.strisce = p.num_strisc;
    g.per_striscia = intero16(dividi(p.num_foto, p.num_strisc));
    if (g.per_striscia < 1) return {};
    // A single stereo pair stands centred on the façade.
    g.x_primo = p.num_foto == 2 ? x0 + larg_sogg / 2 - p.base_presa / 2
                                : x0 + p.larg_cop / 2 - p.base_presa;
    g.passo = p.base_presa;
    g.y_facciata = angolo_schema.y + o.y;
    g.y_stazioni = g.y_facciata - p.dist_presa;
    g.z_primo = angolo_schema.z + o.z + p.h_camera;
    g.z_striscia = 0.9 * p.alt_cop;
    g.mezza_copertura = p.larg_cop / 2;
    g.x_angolo = x0;
    g.z_piede = angolo_schema.z + o.z;
    bordi_impronta(p, g);
    return g;
}

std::string nome_stazione(std::int32_t striscia, std::int32_t foto) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "S%d-%02d", static_cast<int>(striscia),
                  static_cast<int>(foto));
    return testo;
}

double azimut_asse(const collocazione& sito) {
    const double giro = sito.unita == unita_angolo::gon ? 400 : 360;
    double a = std::fmod(sito.azimut - giro / 4, giro);
    if (a < 0) a += giro;
    return a >= giro ? 0 : a;
}

std::vector<riga_stazione> stazioni_piano(const geometria_strisce& g, const dati_presa& p,
                                          const collocazione& c) {
    std::vector<riga_stazione> righe;
    righe.reserve(static_cast<std::size_t>(g.strisce) * static_cast<std::size_t>(g.per_striscia));
    const trasformazione_sito sito(c);
    riga_stazione r;
    r.azimut = azimut_asse(c);
    r.inclinazione = p.incl;
    for (std::int32_t s = 1; s <= g.strisce; ++s) {
        r.striscia = s;
        r.altezza = altezza_camera(p, s);
        for (std::int32_t f = 1; f <= g.per_striscia; ++f) {
            const punto3 q = sito.applica({g.x(f), g.y_stazioni, g.z(s)});
            r.nome = nome_stazione(s, f);
            r.fotogramma = f;
            r.est = q.x;
            r.nord = q.y;
            r.quota = q.z;
            righe.push_back(r);
        }
    }
    return righe;
}

}  // namespace pianopre
