// One entity of a DXF file as its groups, kept until the next "0" group so
// that each kind can read them in its own way (repeated codes, codes whose
// meaning depends on the ones before). Numbers were read with the group;
// one that could not be read raises its error only when it is used.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/geometria_dxf.h"
#include "exchange/gruppi_dxf.h"

namespace pianopre {

struct voce_record {
    int codice;
    double numero;
    int errore;
    std::uint32_t inizio;  // text values: place in the record's texts
    std::uint32_t lungh;
};

// The entity kinds the reader tells apart.
enum class genere : std::uint8_t {
    altro,
    line,
    point,
    text,
    attrib,
    vertex,
    polyline,
    seqend,
    lwpolyline,
    circle,
    arc,
    insert,
    dimension,
    acad_table,
    mtext,
    ellipse,
    spline,
    faccia_3d,
    solid,
    trace,
    mesh,
    leader,
    hatch,
    multileader,
    block,
    endblk,
    shape,
    mline
};

class record_dxf {
public:
    genere tipo = genere::altro;
    std::vector<voce_record> voci;
    // An MTEXT's groups past its own, where its columns are described: those
    // of its embedded object (after 101) and its extended data (1000 on).
    std::vector<voce_record> oltre;

    // A new entity of that name (compared in upper case).
    void azzera(std::string_view nome_entita);
    void aggiungi(const gruppo& g) {
        if (incorporato_ || g.codice < 0 || g.codice >= 1000) {
            if (tipo == genere::mtext && g.codice >= 0) aggiungi_oltre(g);
            return;
        }
        if (numerico(tipo_valore(g.codice))) {
            voci.push_back({g.codice, g.numero, g.errore, 0, 0});
        } else {
            aggiungi_testo(g);
        }
    }

    const voce_record* trova(int codice) const;
    double numero(const voce_record& v) const;
    std::string_view testo(const voce_record& v) const;

    double numero(int codice, double difetto) const;
    std::int16_t intero(int codice, std::int16_t difetto) const;
    std::string_view testo(int codice) const;
    // The point of codes c, c + 10, c + 20.
    p3 punto(int codice, p3 difetto = {}) const;
    bool ha(int codice) const { return trova(codice) != nullptr; }

private:
    void aggiungi_testo(const gruppo& g);
    void aggiungi_oltre(const gruppo& g);

    std::string testi_;
    bool incorporato_ = false;  // after 101: an embedded object, left out of voci
};

}  // namespace pianopre
