// What the two DXF fuzz targets share: a read of bytes in blocks of a given
// size, the errors a read may end with, and the comparison of two lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "exchange/righe.h"
#include "scheme/modello.h"

namespace pianopre::prova_fuzz {

// References may add at most 1,024 entities, so that each input stays quick
// (at 65,536 an input of a few kilobytes took more than a second, and a long
// run slowed to 140 inputs a second); the limit's error path is the same at
// any size.
constexpr std::int64_t entita_da_riferimenti = std::int64_t{1} << 10;

// The error number of reading testo in blocks of `blocco` bytes, 0 when it reads.
inline int leggi(modello& m, std::string_view testo, std::size_t blocco) {
    azzera_liste(m);
    std::istringstream in{std::string(testo)};
    lettore_righe righe(in, blocco);
    try {
        leggi_dxf(m, righe, entita_da_riferimenti);
    } catch (const errore& e) {
        return e.numero();
    }
    return 0;
}

inline bool errore_atteso(int n) {
    return n == 0 || n == err_overflow || n == err_indice || n == err_tipo || n == err_fine_file;
}

inline bool stessa_entita(const entita& a, const entita& b) {
    return a.nome == b.nome && a.x == b.x && a.y == b.y && a.z == b.z && a.tipo == b.tipo &&
           a.colore == b.colore && a.altezza == b.altezza && a.rotazione == b.rotazione &&
           a.attributi == b.attributi;
}

inline bool stesse_liste(const modello& a, const modello& b) {
    const auto ea = a.lista_entita.voci();
    const auto eb = b.lista_entita.voci();
    if (ea.size() != eb.size()) return false;
    for (std::size_t i = 0; i < ea.size(); ++i)
        if (!stessa_entita(ea[i], eb[i])) return false;
    const auto la = a.lista_layer.voci();
    const auto lb = b.lista_layer.voci();
    if (la.size() != lb.size()) return false;
    for (std::size_t i = 0; i < la.size(); ++i)
        if (!(la[i].nome == lb[i].nome) || la[i].colore != lb[i].colore) return false;
    return true;
}

}  // namespace pianopre::prova_fuzz
