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

class record_dxf {
public:
    std::string nome;  // the entity name in upper case
    std::vector<voce_record> voci;

    void azzera(std::string_view nome_entita);
    void aggiungi(const gruppo& g);

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
    std::string testi_;
    bool incorporato_ = false;  // after 101: an embedded object, left out
};

}  // namespace pianopre
