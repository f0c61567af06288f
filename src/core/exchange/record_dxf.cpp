// Gathering and reading the groups of one entity.
#include "exchange/record_dxf.h"

#include "base/errori.h"
#include "exchange/campi_dxf.h"

namespace pianopre {

namespace {

// The text codes any kind reads: text, block name, more text, layer, the
// markers and the text of a MULTILEADER.
bool testo_utile(int c) {
    return c == 1 || c == 2 || c == 3 || c == 8 || (c >= 300 && c <= 305);
}

struct nome_genere {
    std::string_view nome;
    genere g;
};

// The most frequent first.
constexpr nome_genere generi[] = {
    {"VERTEX", genere::vertex},
    {"LINE", genere::line},
    {"POINT", genere::point},
    {"TEXT", genere::text},
    {"POLYLINE", genere::polyline},
    {"SEQEND", genere::seqend},
    {"LWPOLYLINE", genere::lwpolyline},
    {"INSERT", genere::insert},
    {"ARC", genere::arc},
    {"CIRCLE", genere::circle},
    {"ATTRIB", genere::attrib},
    {"MTEXT", genere::mtext},
    {"DIMENSION", genere::dimension},
    {"ARC_DIMENSION", genere::dimension},
    {"LARGE_RADIAL_DIMENSION", genere::dimension},
    {"ACAD_TABLE", genere::acad_table},
    {"ELLIPSE", genere::ellipse},
    {"SPLINE", genere::spline},
    {"3DFACE", genere::faccia_3d},
    {"SOLID", genere::solid},
    {"TRACE", genere::trace},
    {"MESH", genere::mesh},
    {"LEADER", genere::leader},
    {"HATCH", genere::hatch},
    {"MULTILEADER", genere::multileader},
    {"MLEADER", genere::multileader},
    {"BLOCK", genere::block},
    {"ENDBLK", genere::endblk},
    {"SHAPE", genere::shape},
    {"MLINE", genere::mline},
};

genere genere_di(std::string_view nome_entita) {
    // Names come in capitals almost always: those are found without case folding.
    for (const nome_genere& n : generi)
        if (nome_entita == n.nome) return n.g;
    for (const nome_genere& n : generi)
        if (uguale_maiuscolo(nome_entita, n.nome)) return n.g;
    return genere::altro;
}

}  // namespace

void record_dxf::azzera(std::string_view nome_entita) {
    tipo = genere_di(nome_entita);
    voci.clear();
    oltre.clear();
    testi_.clear();
    incorporato_ = false;
}

void record_dxf::aggiungi_testo(const gruppo& g) {
    if (g.codice == 101) {
        incorporato_ = true;
        return;
    }
    if (testo_utile(g.codice)) {
        const std::string_view v = g.testo.substr(0, 4096);
        voci.push_back({g.codice, 0, 0, static_cast<std::uint32_t>(testi_.size()),
                        static_cast<std::uint32_t>(v.size())});
        testi_.append(v);
    }
}

void record_dxf::aggiungi_oltre(const gruppo& g) {
    if (numerico(tipo_valore(g.codice))) {
        oltre.push_back({g.codice, g.numero, g.errore, 0, 0});
        return;
    }
    const std::string_view v = g.testo.substr(0, 4096);
    oltre.push_back({g.codice, 0, 0, static_cast<std::uint32_t>(testi_.size()),
                     static_cast<std::uint32_t>(v.size())});
    testi_.append(v);
}

const voce_record* record_dxf::trova(int codice) const {
    for (const voce_record& v : voci)
        if (v.codice == codice) return &v;
    return nullptr;
}

double record_dxf::numero(const voce_record& v) const {
    if (v.errore != 0) throw errore(v.errore);
    return v.numero;
}

std::string_view record_dxf::testo(const voce_record& v) const {
    return std::string_view(testi_).substr(v.inizio, v.lungh);
}

double record_dxf::numero(int codice, double difetto) const {
    const voce_record* v = trova(codice);
    return v ? numero(*v) : difetto;
}

std::int16_t record_dxf::intero(int codice, std::int16_t difetto) const {
    const voce_record* v = trova(codice);
    return v ? intero16(numero(*v)) : difetto;
}

std::string_view record_dxf::testo(int codice) const {
    const voce_record* v = trova(codice);
    return v ? testo(*v) : std::string_view{};
}

p3 record_dxf::punto(int codice, p3 difetto) const {
    return {numero(codice, difetto.x), numero(codice + 10, difetto.y),
            numero(codice + 20, difetto.z)};
}

}  // namespace pianopre
