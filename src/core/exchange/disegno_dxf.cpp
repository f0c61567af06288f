// Layers, blocks and the two destinations of the DXF reader.
#include "exchange/disegno_dxf.h"

#include <array>
#include <cmath>
#include <numbers>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/righe.h"

namespace pianopre {

namespace {

// The nearest of colours 1..15 (by their screen colour) for each index.
constexpr std::array<std::uint8_t, 256> vicini = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 14, 15, 14, 14, 1,  11, 12, 13,
    14, 15, 14, 15, 14, 14, 1,  11, 15, 13, 14, 15, 14, 15, 14, 14, 2,  9,  13, 8,  15, 15, 14, 15,
    14, 14, 2,  9,  13, 8,  15, 13, 15, 15, 14, 14, 2,  9,  15, 8,  15, 15, 15, 15, 14, 14, 3,  9,
    3,  8,  15, 15, 15, 15, 14, 14, 3,  9,  3,  8,  15, 15, 15, 15, 14, 14, 3,  9,  3,  8,  3,  15,
    15, 15, 14, 14, 3,  9,  3,  8,  3,  8,  15, 15, 14, 15, 3,  9,  3,  8,  15, 8,  15, 15, 14, 15,
    4,  9,  8,  8,  8,  8,  15, 15, 15, 15, 4,  9,  4,  8,  8,  8,  15, 15, 15, 15, 4,  9,  8,  8,
    8,  8,  15, 15, 15, 15, 5,  9,  5,  8,  15, 8,  15, 15, 14, 15, 5,  9,  5,  8,  5,  8,  15, 15,
    14, 15, 5,  9,  5,  8,  5,  15, 15, 15, 14, 15, 5,  9,  5,  8,  15, 15, 15, 15, 14, 15, 5,  9,
    5,  8,  15, 15, 15, 15, 14, 15, 6,  9,  15, 8,  15, 15, 15, 15, 14, 15, 6,  9,  13, 8,  15, 13,
    15, 15, 14, 15, 6,  9,  13, 8,  15, 15, 14, 15, 14, 15, 1,  11, 15, 13, 14, 15, 14, 15, 14, 14,
    1,  11, 12, 13, 14, 15, 14, 15, 14, 14, 14, 8,  8,  8,  9,  7};

constexpr int profondita_massima = 16;

// Layer names are compared without surrounding blanks and in upper case; an
// entity without a layer is on layer "0".
std::string chiave_layer(std::string_view nome) {
    std::string s(senza_blank(nome));
    for (char& c : s) c = maiuscola(c);
    return s.empty() ? std::string("0") : s;
}

std::string maiuscolo(std::string_view t) {
    std::string s(t);
    for (char& c : s) c = maiuscola(c);
    return s;
}

// A placed entity: resolved layer, colour and visibility.
struct risolto {
    std::uint32_t layer;
    std::int16_t colore;  // concrete index, 0 when unset
    bool visibile;
};

class spazio_modello : public destinazione {
public:
    explicit spazio_modello(disegno_dxf& d) : d_(d) {}

    void serie(const attributi& a, std::span<const p3> punti,
               std::span<const attributi> per_punto) override {
        if (per_punto.empty()) {
            const risolto r = risolvi(a, nullptr);
            if (r.visibile) emetti_serie(r, punti.data(), punti.size(), nullptr);
            return;
        }
        // Each vertex with its own layer and colour, as the file gives them.
        const risolto r = risolvi(a, nullptr);
        if (!r.visibile) return;
        tutti_finiti(punti.data(), punti.size(), nullptr);
        entita e;
        for (std::size_t i = 0; i < punti.size(); ++i) {
            const risolto ri = risolvi(per_punto[i], nullptr);
            e.nome = d_.nome(ri.layer);
            e.colore = ri.colore;
            e.x = punti[i].x;
            e.y = punti[i].y;
            e.z = punti[i].z;
            e.tipo = punti.size() == 1       ? tipo_punto
                     : i == 0                ? tipo_inizio
                     : i + 1 == punti.size() ? tipo_fine
                                             : tipo_vertice;
            agg_entita(d_.m, e);
        }
    }

    void testo(const attributi& a, const testo_piazzato& t) override {
        const risolto r = risolvi(a, nullptr);
        if (r.visibile) emetti_testo(r, t, testo_fisso<16>(t.testo));
    }

    void riferimento(const attributi& a, std::string_view nome, const matrice& m) override {
        const risolto r = risolvi(a, nullptr);
        if (!d_.info(r.layer).gelato) espandi(nome, m, r, 1);
    }

private:
    risolto risolvi(const attributi& a, const risolto* padre) const {
        std::uint32_t layer = a.layer;
        if (padre && d_.zero(layer)) layer = padre->layer;
        const auto& info = d_.info(layer);
        int c = a.colore;
        if (c == 0) {
            c = padre ? padre->colore : 0;
        } else if (c == 256 || c < -255 || c > 256) {
            c = info.colore;
        }
        return {layer, colore_programma(std::abs(c)), !info.spento && !info.gelato};
    }

    static double finito_o_6(double x) { return finito(x); }

    void agg(entita& e) {
        e.x = finito_o_6(e.x);
        e.y = finito_o_6(e.y);
        e.z = finito_o_6(e.z);
        agg_entita(d_.m, e);
    }

    // A run goes in whole or not at all: error 6 before any of its vertices
    // when one of them is not finite.
    static void tutti_finiti(const p3* p, std::size_t n, const matrice* m) {
        bool finiti = true;
        for (std::size_t i = 0; i < n; ++i) {
            const p3 q = m ? m->applica(p[i]) : p[i];
            finiti = finiti && std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z);
        }
        if (!finiti) throw errore(err_overflow);
    }

    void emetti_serie(const risolto& r, const p3* p, std::size_t n, const matrice* m) {
        if (m) {
            // Placed once, then checked and stored.
            piazzati_.resize(n);
            for (std::size_t i = 0; i < n; ++i) piazzati_[i] = m->applica(p[i]);
            p = piazzati_.data();
        }
        tutti_finiti(p, n, nullptr);
        entita e;
        e.nome = d_.nome(r.layer);
        e.colore = r.colore;
        for (std::size_t i = 0; i < n; ++i) {
            const p3 q = p[i];
            e.x = q.x;
            e.y = q.y;
            e.z = q.z;
            e.tipo = n == 1       ? tipo_punto
                     : i == 0     ? tipo_inizio
                     : i + 1 == n ? tipo_fine
                                  : tipo_vertice;
            agg_entita(d_.m, e);
        }
    }

    void emetti_testo(const risolto& r, const testo_piazzato& t, const testo_fisso<16>& s) {
        entita e;
        e.nome = s;
        e.colore = r.colore;
        e.tipo = tipo_testo;
        e.x = t.pos.x;
        e.y = t.pos.y;
        e.z = t.pos.z;
        e.altezza = singolo(t.diretto ? t.altezza : lunghezza(t.asse_y));
        const double rot =
            t.diretto ? t.rotazione : std::atan2(t.asse_x.y, t.asse_x.x) * 180 / std::numbers::pi;
        e.rotazione = singolo(rot);
        agg(e);
    }

    void espandi(std::string_view nome, const matrice& m, const risolto& padre, int profondita) {
        const blocco_dxf* b = d_.blocco(nome);
        if (!b) return;
        if (profondita > profondita_massima) throw errore(err_overflow);
        d_.conta_da_blocchi(1);
        const matrice tutta = m * traslazione(-1 * b->base);
        for (const elemento_blocco& el : b->elementi) {
            const risolto r = risolvi(el.a, &padre);
            switch (el.genere) {
                case elemento_blocco::serie:
                    if (!r.visibile) break;
                    d_.conta_da_blocchi(el.quanti);
                    emetti_serie(r, b->punti.data() + el.primo, el.quanti, &tutta);
                    break;
                case elemento_blocco::testo: {
                    if (!r.visibile) break;
                    d_.conta_da_blocchi(1);
                    testo_piazzato t;
                    t.pos = tutta.applica(b->punti[el.primo]);
                    t.asse_x = tutta.direzione(b->punti[el.primo + 1]);
                    t.asse_y = tutta.direzione(b->punti[el.primo + 2]);
                    t.diretto = false;
                    emetti_testo(r, t, b->testi[el.indice]);
                    break;
                }
                case elemento_blocco::riferimento: {
                    if (d_.info(r.layer).gelato) break;
                    const auto& [figlio, mf] = b->riferimenti[el.indice];
                    espandi(figlio, m * mf, r, profondita + 1);
                    break;
                }
            }
        }
    }

    disegno_dxf& d_;
    std::vector<p3> piazzati_;
};

class definizione_blocco : public destinazione {
public:
    explicit definizione_blocco(disegno_dxf& d) : d_(d) {}
    blocco_dxf* b = nullptr;

    void serie(const attributi& a, std::span<const p3> punti, std::span<const attributi>) override {
        if (punti.empty()) return;
        elemento_blocco el{elemento_blocco::serie, a};
        el.primo = static_cast<std::uint32_t>(b->punti.size());
        el.quanti = static_cast<std::uint32_t>(punti.size());
        b->punti.insert(b->punti.end(), punti.begin(), punti.end());
        b->elementi.push_back(el);
    }

    void testo(const attributi& a, const testo_piazzato& t) override {
        elemento_blocco el{elemento_blocco::testo, a};
        el.primo = static_cast<std::uint32_t>(b->punti.size());
        el.indice = static_cast<std::uint32_t>(b->testi.size());
        b->punti.push_back(t.pos);
        b->punti.push_back(t.asse_x);
        b->punti.push_back(t.asse_y);
        b->testi.emplace_back(t.testo);
        b->elementi.push_back(el);
    }

    void riferimento(const attributi& a, std::string_view nome, const matrice& m) override {
        // Arrays can make many copies from one reference: each counts.
        d_.conta_da_blocchi(1);
        elemento_blocco el{elemento_blocco::riferimento, a};
        el.indice = static_cast<std::uint32_t>(b->riferimenti.size());
        b->riferimenti.emplace_back(maiuscolo(nome), m);
        b->elementi.push_back(el);
    }

private:
    disegno_dxf& d_;
};

}  // namespace

std::int16_t colore_programma(int aci) {
    return aci >= 0 && aci <= 255 ? vicini[static_cast<std::size_t>(aci)] : 0;
}

disegno_dxf::disegno_dxf(modello& mod, std::int64_t massimo_da_blocchi)
    : m(mod),
      modello_(std::make_unique<spazio_modello>(*this)),
      blocco_(std::make_unique<definizione_blocco>(*this)),
      massimo_(massimo_da_blocchi) {
    nomi_.push_back({testo_fisso<16>("0"), indice_info("0")});
    per_nome_.emplace("0", 0);
    zero_ = 0;
}

std::uint32_t disegno_dxf::indice_info(std::string_view nome) {
    const auto [it, nuovo] =
        per_maiuscolo_.try_emplace(chiave_layer(nome), static_cast<std::uint32_t>(info_.size()));
    if (nuovo) info_.emplace_back();
    return it->second;
}

void disegno_dxf::definisci_layer(std::string_view nome, std::int16_t colore, bool gelato) {
    info_layer& i = info_[indice_info(nome)];
    i.colore = static_cast<std::int16_t>(std::abs(colore));
    i.spento = colore < 0;
    i.gelato = gelato;
}

std::uint32_t disegno_dxf::layer(std::string_view nome) {
    // Consecutive entities mostly share a layer: look it up once.
    if (ha_ultimo_ && nome == ultimo_nome_) return ultimo_;
    ha_ultimo_ = true;
    ultimo_nome_.assign(nome);
    const auto [it, nuovo] =
        per_nome_.try_emplace(ultimo_nome_, static_cast<std::uint32_t>(nomi_.size()));
    if (nuovo) nomi_.push_back({testo_fisso<16>(nome), indice_info(nome)});
    ultimo_ = it->second;
    return ultimo_;
}

destinazione& disegno_dxf::nuovo_blocco(std::string_view nome, p3 base) {
    ultimo_blocco_ = nullptr;
    blocco_dxf& b = blocchi_[maiuscolo(nome)];
    b = blocco_dxf{};
    b.base = base;
    static_cast<definizione_blocco&>(*blocco_).b = &b;
    return *blocco_;
}

const blocco_dxf* disegno_dxf::blocco(std::string_view nome) const {
    // References to one block mostly come in a row.
    if (ultimo_blocco_ && nome == nome_ultimo_blocco_) return ultimo_blocco_;
    const auto it = blocchi_.find(maiuscolo(nome));
    ultimo_blocco_ = it == blocchi_.end() ? nullptr : &it->second;
    nome_ultimo_blocco_.assign(nome);
    return ultimo_blocco_;
}

void disegno_dxf::conta_da_blocchi(std::int64_t n) {
    da_blocchi_ += n;
    if (da_blocchi_ > massimo_) throw errore(err_overflow);
}

}  // namespace pianopre
