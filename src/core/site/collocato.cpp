// The placed copy of an entity list and the DXF save of a placed scheme.
#include "site/collocato.h"

#include <cmath>

#include "base/errori.h"
#include "exchange/file_scambio.h"

namespace pianopre {

double rotazione_collocazione(const collocazione& sito) {
    if (e_identita(sito)) return 0;
    const double azimut = da_radianti(in_radianti(sito.azimut, sito.unita), unita_angolo::gradi);
    double r = std::fmod(90 - azimut, 360.0);
    if (r < 0) r += 360;
    return r >= 360 ? 0 : r;
}

namespace {

entita colloca(const entita& e, const origine_schema& origine, const trasformazione_sito& sito,
               float giro) {
    entita c = e;
    const punto3 p = sito.applica(posizione_piazzata(e, origine));
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
        throw errore(err_overflow);
    }
    c.x = p.x;
    c.y = p.y;
    c.z = p.z;
    c.attributi = static_cast<std::int16_t>(e.attributi & ~attr_relativo);
    if (e.tipo == tipo_testo && giro != 0) {
        float r = std::fmod(e.rotazione + giro, 360.0f);
        if (r < 0) r += 360;
        c.rotazione = r;
    }
    return c;
}

}  // namespace

entita entita_collocata(const entita& e, const origine_schema& origine, const collocazione& sito) {
    return colloca(e, origine, trasformazione_sito(sito),
                   static_cast<float>(rotazione_collocazione(sito)));
}

void colloca_lista(const elenco_entita& lista, const origine_schema& origine,
                   const collocazione& sito, elenco_entita& copia) {
    const float giro = static_cast<float>(rotazione_collocazione(sito));
    const trasformazione_sito t(sito);
    copia.azzera();
    for (const entita& e : lista.voci()) copia.aggiungi(colloca(e, origine, t, giro));
}

void salva_file_dxf_collocato(const std::filesystem::path& percorso, const elenco_entita& lista,
                              const origine_schema& origine, const collocazione& sito) {
    if (e_identita(sito)) {
        salva_file_dxf(percorso, lista, origine.x, origine.y, origine.z);
        return;
    }
    elenco_entita copia;
    colloca_lista(lista, origine, sito, copia);
    salva_file_dxf(percorso, copia, 0, 0, 0);
}

}  // namespace pianopre
