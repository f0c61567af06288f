// The DXF reader: the search for the LAYER table and the ENTITIES section,
// the layer table, and the storing of the entities read.
#include "exchange/dxf_lettura.h"

#include <array>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/dxf_entita.h"

namespace pianopre {

namespace {

enum class gruppo_layer { entrata, nome, colore, altro };

}  // namespace

std::int16_t colore_layer(const modello& m, std::string_view nome) {
    for (const voce_layer& v : m.lista_layer.voci())
        if (v.nome.pulito() == nome) return v.colore;
    return 0;
}

void memorizza_entita(modello& m, std::string_view nome_entita, std::int16_t codice_vertice,
                      entita& corrente, entita& secondo) {
    if (nome_entita == "LINE") {
        if (secondo.nome.pulito().empty()) secondo.nome = corrente.nome.grezzo();
        corrente.tipo = tipo_inizio;
        // The end of a two-point segment, so that a line is drawn and written back.
        secondo.tipo = tipo_fine;
        agg_coppia(m, corrente, secondo);
    } else if (nome_entita == "POINT") {
        corrente.tipo = tipo_punto;
        agg_entita(m, corrente);
    } else if (nome_entita == "VERTEX") {
        corrente.tipo = codice_vertice;
        agg_entita(m, corrente);
    } else if (nome_entita == "TEXT") {
        corrente.tipo = tipo_testo;
        agg_entita(m, corrente);
    }
}

bool leggi_layer(modello& m, lettore_righe& file) {
    m.lista_layer.azzera();
    bool primo_layer = true;
    voce_layer buffer;
    std::string_view riga;
    for (;;) {
        if (!file.leggi(riga)) return false;
        const std::string_view t = senza_blank(riga);
        if (uguale_maiuscolo(t, "ENDSEC")) return true;
        if (uguale_maiuscolo(t, "LAYER")) break;
    }
    std::string_view valore;
    while (file.leggi(riga)) {
        // Known before the value is read: reading it may reuse the line's memory.
        const std::string_view codice = senza_blank(riga);
        if (uguale_maiuscolo(codice, "ENDTAB")) return true;
        const gruppo_layer g = codice == "0"    ? gruppo_layer::entrata
                               : codice == "2"  ? gruppo_layer::nome
                               : codice == "62" ? gruppo_layer::colore
                                                : gruppo_layer::altro;
        if (!file.leggi(valore)) throw errore(err_fine_file);
        switch (g) {
            case gruppo_layer::entrata:
                if (primo_layer) {
                    primo_layer = false;
                } else {
                    agg_layer(m, buffer);
                }
                if (uguale_maiuscolo(senza_blank(valore), "ENDTAB")) return true;
                break;
            case gruppo_layer::nome: {
                std::array<char, 16> nome{};
                const std::string_view t = senza_blank(valore).substr(0, nome.size());
                for (std::size_t i = 0; i < t.size(); ++i) nome[i] = maiuscola(t[i]);
                buffer.nome = std::string_view(nome.data(), t.size());
                break;
            }
            case gruppo_layer::colore:
                buffer.colore = intero_campo(valore);
                break;
            case gruppo_layer::altro:
                if (valore == "ENDTAB") return true;
                break;
        }
    }
    return true;
}

esito_dxf leggi_dxf(modello& m, lettore_righe& file) {
    esito_dxf esito;
    std::string_view riga;
    while (file.leggi(riga)) {
        const std::string_view t = senza_blank(riga);
        if (uguale_maiuscolo(t, "ENTITIES")) {
            leggi_entita(m, file);
            return esito;
        }
        if (uguale_maiuscolo(t, "TABLES") && !leggi_layer(m, file)) esito.manca_layer = true;
    }
    esito.manca_entita = true;
    return esito;
}

esito_dxf leggi_dxf(modello& m, std::istream& file) {
    lettore_righe righe(file);
    return leggi_dxf(m, righe);
}

}  // namespace pianopre
