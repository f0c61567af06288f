// The entity list: the one drawing model shared by the scheme builder, the
// view and the DXF reader and writer.
//
// Entries are numbered from 1 in insertion order. The reported capacity
// `dim_entita` follows the steps users and DXF tools have always seen (2000
// after clearing, 2000 more whenever an append would exceed it); the storage
// underneath grows geometrically so that appending stays linear.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "scheme/entita.h"

namespace pianopre {

class elenco_entita {
public:
    static constexpr std::int32_t passo = 2000;

    std::int32_t n_entita() const noexcept { return static_cast<std::int32_t>(voci_.size()); }
    std::int32_t dim_entita() const noexcept { return dim_; }

    // Entry 1..n_entita; error 9 outside. Only the DXF reader changes a stored
    // entry (a SEQEND turns the last vertex into the end of its run).
    const entita& voce(std::int32_t numero) const;
    entita& modifica(std::int32_t numero);

    // All entries in order, for consumers that walk the whole drawing.
    std::span<const entita> voci() const noexcept { return voci_; }

    // Empty, with capacity 2000 (the memory underneath is kept for reuse).
    void azzera();

    // Room for n entries in all, so that a list whose size is known beforehand
    // never moves while it fills; the reported capacity does not change.
    void riserva(std::int64_t n);

    // Appends a copy; error 6 when the count would leave the 32-bit range.
    void aggiungi(const entita& e);

private:
    std::vector<entita> voci_;
    std::int32_t dim_ = 0;  // no storage before the first clearing
};

}  // namespace pianopre
