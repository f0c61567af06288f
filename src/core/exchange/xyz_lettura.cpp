// Reading the items of an .xyz file: a name ends at a comma or at the end of
// its line (or at its closing quote); a coordinate may stand on a later line
// and ends at a comma, a blank or the end of the line.
#include "exchange/xyz_lettura.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/formato_regionale.h"
#include "base/numeri.h"

namespace pianopre {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

class cursore_xyz {
public:
    explicit cursore_xyz(lettore_righe& righe) : righe_(righe) {}

    // Skips blanks and whole lines of blanks; false when nothing is left.
    bool salta_vuoto() {
        for (;;) {
            std::size_t i = 0;
            while (i < resto_.size() && blank(resto_[i])) ++i;
            resto_.remove_prefix(i);
            if (!resto_.empty()) return true;
            if (!righe_.leggi(resto_)) return false;
        }
    }

    std::int64_t riga() const { return righe_.numero_riga(); }

    // The name item; call after salta_vuoto.
    std::string_view nome() {
        std::string_view nome;
        if (resto_.front() == '"') {
            resto_.remove_prefix(1);
            const auto chiusa = std::min(resto_.find('"'), resto_.size());
            nome = resto_.substr(0, chiusa);
            resto_.remove_prefix(chiusa);
            const auto virgola = resto_.find(',');
            resto_ =
                virgola == std::string_view::npos ? std::string_view{} : resto_.substr(virgola + 1);
            return nome;
        }
        const auto virgola = resto_.find(',');
        if (virgola == std::string_view::npos) {
            nome = resto_;
            resto_ = {};
        } else {
            nome = resto_.substr(0, virgola);
            resto_.remove_prefix(virgola + 1);
        }
        return nome;
    }

    // A coordinate item; empty when the file has ended before it.
    std::optional<double> numero() {
        if (!salta_vuoto()) return std::nullopt;
        std::size_t n = 0;
        while (n < resto_.size() && resto_[n] != ',' && !blank(resto_[n])) ++n;
        const double valore = leggi_numero(resto_.substr(0, n), formato_regionale::inglese());
        resto_.remove_prefix(n);
        std::size_t i = 0;
        while (i < resto_.size() && blank(resto_[i])) ++i;
        if (i < resto_.size() && resto_[i] == ',') ++i;
        resto_.remove_prefix(i);
        return valore;
    }

private:
    lettore_righe& righe_;
    std::string_view resto_;  // the unread part of the current line
};

}  // namespace

esito_xyz leggi_xyz(modello& m, std::istream& file) {
    lettore_righe righe(file);
    return leggi_xyz(m, righe);
}

esito_xyz leggi_xyz(modello& m, lettore_righe& righe) {
    azzera_punti(m);
    esito_xyz esito;
    cursore_xyz cursore(righe);
    while (cursore.salta_vuoto()) {
        const std::int64_t riga = cursore.riga();
        punto_app p;
        p.nome = cursore.nome();
        const auto x = cursore.numero();
        const auto y = x ? cursore.numero() : std::nullopt;
        const auto z = y ? cursore.numero() : std::nullopt;
        if (!z) {
            esito.riga_incompleta = riga;
            break;
        }
        p.x = *x;
        p.y = *y;
        p.z = *z;
        agg_punto(m, p);
        if (m.lista_punti.n_punti() == elenco_punti::posti) {
            esito.troppi_punti = true;
            return esito;
        }
    }
    ordina_punti(m);
    return esito;
}

}  // namespace pianopre
