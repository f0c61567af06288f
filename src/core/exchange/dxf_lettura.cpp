// The DXF reader: the search for the sections, the HEADER variables of the
// code page, and the LAYER table.
#include "exchange/dxf_lettura.h"

#include <array>
#include <string>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/disegno_dxf.h"
#include "exchange/dxf_entita.h"
#include "exchange/gruppi_dxf.h"

namespace pianopre {

namespace {

void leggi_intestazione(sorgente_gruppi& s, std::string& versione, std::string& codepage) {
    gruppo g;
    std::string* attesa = nullptr;
    while (s.leggi(g)) {
        if (g.troncato) throw errore(err_fine_file);
        const std::string_view v = senza_blank(g.testo);
        if (g.codice == 0 && uguale_maiuscolo(v, "ENDSEC")) return;
        if (g.codice == 9) {
            attesa = uguale_maiuscolo(v, "$ACADVER")       ? &versione
                     : uguale_maiuscolo(v, "$DWGCODEPAGE") ? &codepage
                                                           : nullptr;
        } else if (attesa && (g.codice == 1 || g.codice == 3)) {
            attesa->assign(v);
            attesa = nullptr;
        }
    }
}

class tabella_layer {
public:
    tabella_layer(modello& m, disegno_dxf& d) : m_(m), d_(d) {}

    // From the group after "LAYER" to ENDTAB.
    void leggi(sorgente_gruppi& s) {
        gruppo g;
        while (s.leggi(g)) {
            if (g.troncato) throw errore(err_fine_file);
            const std::string_view v = senza_blank(g.testo);
            switch (g.codice) {
                case 0:
                    if (!primo_) memorizza();
                    primo_ = false;
                    nome_.clear();
                    colore_ = 0;
                    flag_ = 0;
                    if (uguale_maiuscolo(v, "ENDTAB")) return;
                    break;
                case 2:
                    nome_.assign(v);
                    break;
                case 62:
                    if (g.errore != 0) throw errore(g.errore);
                    colore_ = intero16(g.numero);
                    break;
                case 70:
                    if (g.errore == 0 && g.numero >= 0 && g.numero < 65536)
                        flag_ = static_cast<int>(g.numero);
                    break;
                default:
                    if (v == "ENDTAB") return;
                    break;
            }
        }
    }

private:
    void memorizza() {
        voce_layer voce;
        std::array<char, 16> nome{};
        const std::string_view t = std::string_view(nome_).substr(0, nome.size());
        for (std::size_t i = 0; i < t.size(); ++i) nome[i] = maiuscola(t[i]);
        voce.nome = std::string_view(nome.data(), t.size());
        voce.colore = colore_;
        agg_layer(m_, voce);
        d_.definisci_layer(nome_, colore_, (flag_ & 1) != 0);
    }

    modello& m_;
    disegno_dxf& d_;
    bool primo_ = true;
    std::string nome_;
    std::int16_t colore_ = 0;
    int flag_ = 0;
};

// The LAYER table, from the line after "TABLES". False when the file ended
// before a LAYER table began; true otherwise, also when the TABLES section
// ended without one.
bool leggi_layer(modello& m, disegno_dxf& d, sorgente_gruppi& s) {
    m.lista_layer.azzera();
    std::string_view riga;
    for (;;) {
        if (!s.riga(riga)) return false;
        const std::string_view t = senza_blank(riga);
        if (uguale_maiuscolo(t, "ENDSEC")) return true;
        if (uguale_maiuscolo(t, "LAYER")) break;
    }
    tabella_layer(m, d).leggi(s);
    return true;
}

}  // namespace

std::int16_t colore_layer(const modello& m, std::string_view nome) {
    for (const voce_layer& v : m.lista_layer.voci())
        if (v.nome.pulito() == nome) return v.colore;
    return 0;
}

esito_dxf leggi_dxf(modello& m, lettore_righe& file, std::int64_t massimo) {
    esito_dxf esito;
    const auto s = apri_gruppi(file);
    disegno_dxf d(m, massimo);
    std::string versione, codepage;
    std::string_view riga;
    bool zero = false;
    while (s->riga(riga)) {
        const std::string_view t = senza_blank(riga);
        if (uguale_maiuscolo(t, "ENTITIES")) {
            d.cod = codifica_di(codepage, versione);
            leggi_entita(d, *s, false);
            return esito;
        }
        if (uguale_maiuscolo(t, "TABLES")) {
            if (!leggi_layer(m, d, *s)) esito.manca_layer = true;
        } else if (uguale_maiuscolo(t, "HEADER")) {
            leggi_intestazione(*s, versione, codepage);
        } else if (uguale_maiuscolo(t, "BLOCKS")) {
            d.cod = codifica_di(codepage, versione);
            leggi_entita(d, *s, true);
        } else if (uguale_maiuscolo(t, "EOF") && (zero || s->binario())) {
            break;
        }
        zero = t == "0";
    }
    esito.manca_entita = true;
    return esito;
}

esito_dxf leggi_dxf(modello& m, std::istream& file) {
    lettore_righe righe(file);
    return leggi_dxf(m, righe);
}

}  // namespace pianopre
