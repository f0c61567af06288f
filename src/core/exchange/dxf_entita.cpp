// The entity phase of the DXF reader: each group fills the working entities,
// each "0" group stores the entity before it and names the next one.
//
// The working entities are made blank only after an entity has been stored,
// so fields an entity does not carry keep what the groups before it left:
// the first vertex of a polyline inherits the colour of its POLYLINE header.
#include "exchange/dxf_entita.h"

#include <array>
#include <string_view>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/dxf_lettura.h"

namespace pianopre {

namespace {

enum class codice {
    zero,
    testo,
    layer,
    x,
    y,
    z,
    x2,
    y2,
    z2,
    altezza,
    rotazione,
    colore,
    eof,
    altro
};

codice classifica(std::string_view c) {
    if (c.size() == 1) {
        if (c[0] == '0') return codice::zero;
        if (c[0] == '1') return codice::testo;
        if (c[0] == '8') return codice::layer;
    } else if (c.size() == 2) {
        const bool zero = c[1] == '0';
        const bool uno = c[1] == '1';
        switch (c[0]) {
            case '1':
                return zero ? codice::x : uno ? codice::x2 : codice::altro;
            case '2':
                return zero ? codice::y : uno ? codice::y2 : codice::altro;
            case '3':
                return zero ? codice::z : uno ? codice::z2 : codice::altro;
            case '4':
                return zero ? codice::altezza : codice::altro;
            case '5':
                return zero ? codice::rotazione : codice::altro;
            case '6':
                return c[1] == '2' ? codice::colore : codice::altro;
            default:
                break;
        }
    } else if (uguale_maiuscolo(c, "EOF")) {
        return codice::eof;
    }
    return codice::altro;
}

// The entity names the reader acts on; the longest is POLYLINE.
constexpr std::array<std::string_view, 6> nomi_noti = {"LINE",   "TEXT",     "POINT",
                                                       "VERTEX", "POLYLINE", "SEQEND"};

std::string_view nome_noto(std::string_view valore) {
    const std::string_view t = senza_blank(valore);
    if (t.size() < 4 || t.size() > 8) return {};  // most names end here
    for (std::string_view nome : nomi_noti)
        if (uguale_maiuscolo(t, nome)) return nome;
    return {};
}

class fase_entita {
public:
    explicit fase_entita(modello& m) : m_(m) {}

    void leggi(lettore_righe& file) {
        std::string_view riga;
        std::string_view valore;
        while (file.leggi(riga)) {
            const codice c = classifica(senza_blank(riga));
            if (c == codice::eof) continue;
            // The entity before a "0" is stored even when the file ends there.
            if (c == codice::zero) fine_entita();
            if (!file.leggi(valore)) throw errore(err_fine_file);
            gruppo(c, valore);
        }
    }

private:
    void gruppo(codice c, std::string_view valore) {
        switch (c) {
            case codice::zero:
                nuova_entita(valore);
                break;
            case codice::testo:
                corrente_.nome = valore;
                break;
            case codice::layer:
                imposta_layer(valore);
                break;
            case codice::x:
                corrente_.x = campo_numero(valore);
                break;
            case codice::y:
                corrente_.y = campo_numero(valore);
                break;
            case codice::z:
                corrente_.z = campo_numero(valore);
                break;
            case codice::x2:
                secondo_.x = campo_numero(valore);
                break;
            case codice::y2:
                secondo_.y = campo_numero(valore);
                break;
            case codice::z2:
                secondo_.z = campo_numero(valore);
                break;
            case codice::altezza:
                corrente_.altezza = singolo(campo_numero(valore));
                break;
            case codice::rotazione:
                corrente_.rotazione = singolo(campo_numero(valore));
                break;
            case codice::colore:
                corrente_.colore = intero16(campo_numero(valore));
                break;
            case codice::eof:
            case codice::altro:
                break;
        }
    }

    void fine_entita() {
        if (!da_memorizzare_) return;
        da_memorizzare_ = false;
        memorizza_entita(m_, nome_, inizio_polilinea_ ? tipo_inizio : tipo_vertice, corrente_,
                         secondo_);
        corrente_ = entita{};
        secondo_ = entita{};
        inizio_polilinea_ = false;
    }

    void nuova_entita(std::string_view valore) {
        nome_ = nome_noto(valore);
        da_memorizzare_ =
            nome_ == "LINE" || nome_ == "TEXT" || nome_ == "POINT" || nome_ == "VERTEX";
        if (nome_ == "POLYLINE") {
            inizio_polilinea_ = true;
        } else if (nome_ == "SEQEND") {
            const std::int32_t n = m_.lista_entita.n_entita();
            if (n > 0) m_.lista_entita.modifica(n).tipo = tipo_fine;
        }
    }

    // The layer name, and its colour from the LAYER table when that gave one.
    void imposta_layer(std::string_view valore) {
        corrente_.nome = campo_testo(valore);
        const std::string_view nome = corrente_.nome.pulito();
        std::array<char, 16> maiuscolo{};
        for (std::size_t i = 0; i < nome.size(); ++i) maiuscolo[i] = maiuscola(nome[i]);
        // Consecutive entities mostly share a layer: look it up once.
        if (nome.size() != lungh_ultimo_ || maiuscolo != ultimo_layer_) {
            ultimo_layer_ = maiuscolo;
            lungh_ultimo_ = nome.size();
            ultimo_colore_ = colore_layer(m_, {maiuscolo.data(), nome.size()});
        }
        if (ultimo_colore_ != 0) corrente_.colore = ultimo_colore_;
    }

    modello& m_;
    entita corrente_;
    entita secondo_;
    std::string_view nome_;
    bool da_memorizzare_ = false;
    bool inizio_polilinea_ = false;
    std::array<char, 16> ultimo_layer_{};
    std::size_t lungh_ultimo_ = 17;  // nothing looked up yet
    std::int16_t ultimo_colore_ = 0;
};

}  // namespace

void leggi_entita(modello& m, lettore_righe& file) {
    fase_entita(m).leggi(file);
}

}  // namespace pianopre
