// The entity phase of the DXF reader.
#include "exchange/dxf_entita.h"

#include <string_view>
#include <utility>
#include <vector>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/dxf_conversione.h"
#include "exchange/record_dxf.h"
#include "exchange/righe.h"

namespace pianopre {

namespace {

// A flag group (60 invisible, 67 paper space) set to 1; an unreadable one is not.
bool acceso(const record_dxf& r, int codice) {
    const voce_record* v = r.trova(codice);
    return v && v->errore == 0 && v->numero == 1;
}

// Another destination, everything moved by a displacement.
class spostata : public destinazione {
public:
    spostata(destinazione& out, p3 scarto) : out_(out), m_(traslazione(scarto)) {}
    void serie(const attributi& a, std::span<const p3> punti,
               std::span<const attributi> per_punto) override {
        std::vector<p3> mossi(punti.begin(), punti.end());
        for (p3& p : mossi) p = m_.applica(p);
        out_.serie(a, mossi, per_punto);
    }
    void testo(const attributi& a, const testo_piazzato& t) override {
        testo_piazzato mosso = t;
        mosso.pos = m_.applica(t.pos);
        out_.testo(a, mosso);
    }
    void riferimento(const attributi& a, std::string_view blocco, const matrice& m) override {
        out_.riferimento(a, blocco, m_ * m);
    }

private:
    destinazione& out_;
    matrice m_;
};

class fase_entita {
public:
    fase_entita(disegno_dxf& d, bool blocchi)
        : d_(d), blocchi_(blocchi), out_(blocchi ? nullptr : &d.modello_spazio()) {}

    void leggi(sorgente_gruppi& s) {
        gruppo g;
        bool altro = s.leggi(g);
        while (altro) {
            if (g.codice == 0) {
                // The entity before a "0" is stored even when the file ends there.
                chiudi();
                if (g.troncato) throw errore(err_fine_file);
                const std::string_view nome = senza_blank(g.testo);
                if (uguale_maiuscolo(nome, "EOF") ||
                    (blocchi_ && uguale_maiuscolo(nome, "ENDSEC"))) {
                    fine_polilinea();
                    return;
                }
                corrente_.azzera(nome);
                aperto_ = true;
                altro = s.raccogli(corrente_, g);
            } else {
                // Groups before the first entity.
                if (g.troncato) throw errore(err_fine_file);
                altro = s.leggi(g);
            }
        }
        fine_polilinea();
    }

private:
    void chiudi() {
        if (!aperto_) return;
        aperto_ = false;
        const genere n = corrente_.tipo;
        if (in_polilinea_) {
            if (n == genere::vertex) {
                if (vertici_.size() <= n_vertici_) vertici_.emplace_back();
                std::swap(vertici_[n_vertici_++], corrente_);
                return;
            }
            fine_polilinea();
            if (n == genere::seqend) return;
        }
        if (blocchi_ && n == genere::block) {
            out_ = &d_.nuovo_blocco(corrente_.testo(2), corrente_.punto(10));
            return;
        }
        if (blocchi_ && n == genere::endblk) {
            out_ = nullptr;
            return;
        }
        if (!out_ || n == genere::vertex || n == genere::seqend) return;
        const bool nascosto = acceso(corrente_, 60) || (!blocchi_ && acceso(corrente_, 67));
        if (n == genere::polyline) {
            std::swap(testa_, corrente_);
            in_polilinea_ = true;
            salta_polilinea_ = nascosto;
            n_vertici_ = 0;
            return;
        }
        if (n == genere::insert) {
            // An array's copies count against the bound of what references may
            // add before any is made: a reference to a missing or empty block
            // would otherwise turn a billion times.
            d_.conta_da_blocchi(numero_copie(corrente_) - 1);
            copie_ = copie_insert(corrente_);
        } else if (n != genere::attrib) {
            copie_.assign(1, p3{});
        }
        if (nascosto) return;
        if (n == genere::attrib && copie_.size() > 1) {
            // The ATTRIBs of an array go with each of its copies.
            for (const p3& scarto : copie_) {
                spostata s(*out_, scarto);
                converti(corrente_, d_, s);
            }
            return;
        }
        converti(corrente_, d_, *out_);
    }

    void fine_polilinea() {
        if (!in_polilinea_) return;
        in_polilinea_ = false;
        if (!salta_polilinea_ && out_)
            converti_polilinea(testa_, std::span<const record_dxf>(vertici_.data(), n_vertici_), d_,
                               *out_);
    }

    disegno_dxf& d_;
    bool blocchi_;
    destinazione* out_;
    record_dxf corrente_;
    bool aperto_ = false;
    record_dxf testa_;
    std::vector<record_dxf> vertici_;
    std::size_t n_vertici_ = 0;
    bool in_polilinea_ = false;
    bool salta_polilinea_ = false;
    std::vector<p3> copie_{p3{}};
};

}  // namespace

void leggi_entita(disegno_dxf& d, sorgente_gruppi& s, bool blocchi) {
    fase_entita(d, blocchi).leggi(s);
}

}  // namespace pianopre
