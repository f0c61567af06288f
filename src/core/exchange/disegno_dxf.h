// Where the DXF reader puts what it converts: the drawing's layers (colour,
// off, frozen), the blocks of the BLOCKS section, and the two destinations of
// the converted pieces: a block being defined, which stores them, and model
// space, which resolves colours and visibility and appends entities to the
// entity list, expanding block references as it meets them.
//
// Expansion is bounded: references nest at most 16 deep, and a file may add
// at most `massimo_da_blocchi` entities (and array copies) through block
// references; beyond either the read stops with error 6.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/testo_fisso.h"
#include "exchange/geometria_dxf.h"
#include "exchange/testi_dxf.h"
#include "scheme/modello.h"

namespace pianopre {

// Layer (an index into the reader's names) and colour as the file gives
// them: 0 BYBLOCK, 256 BYLAYER, 1..255 the colour itself.
struct attributi {
    std::uint32_t layer = 0;
    std::int16_t colore = 256;
};

// A text placed: its x axis and y axis (the y axis as long as the height).
struct testo_piazzato {
    p3 pos;
    p3 asse_x{1, 0, 0};
    p3 asse_y{0, 1, 0};
    double altezza = 0;
    double rotazione = 0;  // degrees, used as it is while no placement changed it
    bool diretto = true;
    std::string_view testo;  // Windows-1252
};

class destinazione {
public:
    virtual ~destinazione() = default;
    // A run of vertices (one alone is a point); per_punto, when not empty, the
    // attributes of each vertex.
    virtual void serie(const attributi& a, std::span<const p3> punti,
                       std::span<const attributi> per_punto = {}) = 0;
    virtual void testo(const attributi& a, const testo_piazzato& t) = 0;
    // A reference to a block, m placing the block's coordinates less its base point.
    virtual void riferimento(const attributi& a, std::string_view blocco, const matrice& m) = 0;
};

struct elemento_blocco {
    enum genere_t : std::uint8_t { serie, testo, riferimento } genere;
    attributi a;
    std::uint32_t primo = 0;  // serie: first point; testo: its position and axes
    std::uint32_t quanti = 0;
    std::uint32_t indice = 0;  // testo: its text; riferimento: the reference
    double altezza = 0;
};

struct blocco_dxf {
    p3 base;
    std::vector<elemento_blocco> elementi;
    std::vector<p3> punti;
    std::vector<testo_fisso<16>> testi;
    std::vector<std::pair<std::string, matrice>> riferimenti;
};

class disegno_dxf {
public:
    disegno_dxf(modello& m, std::int64_t massimo_da_blocchi);

    modello& m;
    codifica cod = codifica::cp1252;

    // A layer of the LAYER table (colour negative when off).
    void definisci_layer(std::string_view nome, std::int16_t colore, bool gelato);
    // The index of a layer name as an entity spells it.
    std::uint32_t layer(std::string_view nome);
    bool zero(std::uint32_t layer) const { return nomi_[layer].info == nomi_[zero_].info; }

    // A new block (replacing one of the same name); its destination.
    destinazione& nuovo_blocco(std::string_view nome, p3 base);
    destinazione& modello_spazio() { return *modello_; }

    // Used by the destinations.
    struct info_layer {
        std::int16_t colore = 0;
        bool spento = false;
        bool gelato = false;
    };
    struct nome_layer {
        testo_fisso<16> nome;
        std::uint32_t info;
    };
    const info_layer& info(std::uint32_t layer) const { return info_[nomi_[layer].info]; }
    const testo_fisso<16>& nome(std::uint32_t layer) const { return nomi_[layer].nome; }
    const blocco_dxf* blocco(std::string_view nome) const;
    void conta_da_blocchi(std::int64_t n);

private:
    std::uint32_t indice_info(std::string_view nome);

    std::vector<info_layer> info_;
    std::unordered_map<std::string, std::uint32_t> per_maiuscolo_;
    std::vector<nome_layer> nomi_;
    std::unordered_map<std::string, std::uint32_t> per_nome_;
    std::string ultimo_nome_;
    std::uint32_t ultimo_ = 0;
    bool ha_ultimo_ = false;
    std::uint32_t zero_ = 0;
    std::unordered_map<std::string, blocco_dxf> blocchi_;
    mutable const blocco_dxf* ultimo_blocco_ = nullptr;
    mutable std::string nome_ultimo_blocco_;
    std::unique_ptr<destinazione> modello_;
    std::unique_ptr<destinazione> blocco_;
    std::int64_t massimo_;
    std::int64_t da_blocchi_ = 0;
};

// A colour of the AutoCAD index as one of the program's 16 (0..15): beyond
// 15 the nearest of 1..15; 0 for anything else.
std::int16_t colore_programma(int aci);

}  // namespace pianopre
