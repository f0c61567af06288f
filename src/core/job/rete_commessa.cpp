// The network of a job's stations and its map.
#include "job/rete_commessa.h"

#include "job/stazioni_commessa.h"

namespace pianopre {

std::vector<immagine_rete> immagini_commessa(const commessa& c) {
    const geometria_strisce g = geometria_commessa(c);
    std::vector<immagine_rete> immagini;
    immagini.reserve(static_cast<std::size_t>(g.strisce) *
                     static_cast<std::size_t>(g.per_striscia));
    for (std::int32_t s = 1; s <= g.strisce; ++s) {
        for (std::int32_t f = 1; f <= g.per_striscia; ++f) {
            immagine_rete i;
            i.nome = nome_stazione(s, f);
            i.striscia = s;
            i.fotogramma = f;
            i.u = g.x(f) - g.x_angolo;
            i.v = g.y_facciata - g.y_stazioni;
            i.w = g.z(s) - g.z_piede;
            i.inclinazione = c.presa.incl;
            immagini.push_back(i);
            // The convergent images stand where their station stands, turned
            // by ±γ: +γ towards the façade's end B.
            if (c.convergenti.attive)
                for (const int verso : {1, -1}) {
                    immagine_rete turnata = i;
                    turnata.nome += verso > 0 ? "+" : "\u2212";
                    turnata.rotazione = verso * c.convergenti.angolo_gradi;
                    immagini.push_back(std::move(turnata));
                }
        }
    }
    return immagini;
}

camera_rete camera_commessa(const commessa& c) {
    return {c.camera.focale, c.camera.larg_neg, c.camera.alt_neg,
            dimensione_pixel(c.camera, c.sensore).value_or(0)};
}

impostazioni_mappa impostazioni_mappa_commessa(const commessa& c) {
    const impostazioni_verifiche& v = c.verifiche;
    return {v.cella_mappa_m, v.precisione_px,
            v.tolleranza_grafica_mm * c.lavoro.scala / v.divisore_gsd};
}

mappa_copertura copertura_commessa(const commessa& c) {
    if (c.fase != fase_calcolo::schema) return {};
    return calcola_mappa(immagini_commessa(c), camera_commessa(c), c.lavoro.larg_sogg,
                         c.lavoro.alt_sogg, impostazioni_mappa_commessa(c));
}

}  // namespace pianopre
