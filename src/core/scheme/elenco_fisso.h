// A list with a fixed number of places, numbered from 1: the layers of a DXF
// file (300 places) and the control points of an .xyz file (4500 places).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/errori.h"
#include "scheme/entita.h"

namespace pianopre {

template <typename T, std::int32_t N>
class elenco_fisso {
public:
    static constexpr std::int32_t posti = N;

    std::int32_t conta() const noexcept { return static_cast<std::int32_t>(voci_.size()); }

    // Entry 1..conta(); error 9 outside.
    const T& voce(std::int32_t numero) const { return voci_[indice(numero)]; }
    T& modifica(std::int32_t numero) { return voci_[indice(numero)]; }

    std::span<const T> voci() const noexcept { return voci_; }

    void azzera() { voci_.clear(); }

    // Appends a copy; error 9 when every place is taken.
    void aggiungi(const T& voce) {
        if (conta() >= N) throw errore(err_indice);
        voci_.push_back(voce);
    }

private:
    std::size_t indice(std::int32_t numero) const {
        if (numero < 1 || numero > conta()) throw errore(err_indice);
        return static_cast<std::size_t>(numero - 1);
    }

    std::vector<T> voci_;
};

class elenco_layer : public elenco_fisso<voce_layer, 300> {
public:
    std::int32_t n_layer() const noexcept { return conta(); }
};

class elenco_punti : public elenco_fisso<punto_app, 4500> {
public:
    std::int32_t n_punti() const noexcept { return conta(); }
};

}  // namespace pianopre
