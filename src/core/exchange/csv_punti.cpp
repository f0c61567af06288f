// Splitting the lines of a point file into fields (quotes as CSV has them),
// guessing the separator and reading the points.
#include "exchange/csv_punti.h"

#include <array>
#include <optional>

#include "base/formato_regionale.h"
#include "base/numeri.h"
#include "base/segnaposti.h"
#include "base/testo_utf8.h"
#include "base/traduzione.h"

namespace pianopre {

namespace {

// Name, two plan coordinates, height, description: what a line may hold.
constexpr std::size_t campi_letti = 5;

bool blank(char c) {
    return c == ' ' || c == '\t';
}

char carattere(separatore_campi s) {
    switch (s) {
        case separatore_campi::virgola:
            return ',';
        case separatore_campi::punto_e_virgola:
            return ';';
        case separatore_campi::tabulazione:
            return '\t';
        case separatore_campi::spazi:
            break;
    }
    return '\0';
}

// The first `campi_letti` fields of a line; `sep` 0 means runs of blanks.
// Blanks around a field go; a field in quotes keeps them and its separators,
// and "" inside stands for one quote.
std::vector<std::string> campi(std::string_view riga, char sep) {
    std::vector<std::string> out;
    const auto fine_campo = [&](std::size_t i) {
        return i >= riga.size() || riga[i] == sep || (sep == '\0' && blank(riga[i]));
    };
    const auto salta_blank = [&](std::size_t& i) {
        while (i < riga.size() && riga[i] != sep && blank(riga[i])) ++i;
    };
    std::size_t i = 0;
    salta_blank(i);
    if (sep == '\0' && i >= riga.size()) return out;
    while (out.size() < campi_letti) {
        salta_blank(i);
        std::string campo;
        if (i < riga.size() && riga[i] == '"') {
            for (++i; i < riga.size(); ++i) {
                if (riga[i] != '"') {
                    campo += riga[i];
                } else if (i + 1 < riga.size() && riga[i + 1] == '"') {
                    campo += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            while (!fine_campo(i)) ++i;  // anything after the closing quote
        } else {
            while (!fine_campo(i)) campo += riga[i++];
            while (!campo.empty() && blank(campo.back())) campo.pop_back();
        }
        out.push_back(std::move(campo));
        salta_blank(i);
        if (i >= riga.size()) break;
        if (riga[i] == sep) {
            ++i;
            if (i >= riga.size()) out.emplace_back();  // a separator ends the line
        }
    }
    return out;
}

// Lines without their ends (LF or CR LF), the byte-order mark left out.
class righe_testo {
public:
    explicit righe_testo(std::string_view testo) : resto_(testo) {
        if (resto_.substr(0, 3) == "\xEF\xBB\xBF") resto_.remove_prefix(3);
    }
    bool leggi(std::string_view& riga) {
        if (finito_) return false;
        const auto a_capo = resto_.find('\n');
        if (a_capo == std::string_view::npos) {
            riga = resto_;
            finito_ = true;
            if (riga.empty()) return false;  // the file ended with its line end
        } else {
            riga = resto_.substr(0, a_capo);
            resto_.remove_prefix(a_capo + 1);
        }
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        ++numero_;
        return true;
    }
    std::int64_t numero() const { return numero_; }

private:
    std::string_view resto_;
    bool finito_ = false;
    std::int64_t numero_ = 0;
};

bool vuota(std::string_view riga) {
    for (char c : riga)
        if (!blank(c)) return false;
    return true;
}

// Four fields or more, two of the three coordinates numbers (with either
// decimal mark): a point as that separator would split it.
bool sembra_punto(const std::vector<std::string>& c) {
    if (c.size() < 4) return false;
    int numeri = 0;
    for (std::size_t k = 1; k < 4; ++k)
        numeri += leggi_numero_esatto(c[k], formato_regionale::italiano()) ? 1 : 0;
    return numeri >= 2;
}

std::string in_utf8(std::string_view t) {
    return utf8_valido(t) ? std::string(t) : cp1252_in_utf8(t);
}

}  // namespace

separatore_campi indovina_separatore(std::string_view testo) {
    constexpr std::array candidati = {separatore_campi::tabulazione,
                                      separatore_campi::punto_e_virgola, separatore_campi::virgola,
                                      separatore_campi::spazi};
    std::array<int, candidati.size()> buone{};
    righe_testo righe(testo);
    std::string_view riga;
    for (int esaminate = 0; esaminate < 20 && righe.leggi(riga);) {
        if (vuota(riga)) continue;
        ++esaminate;
        for (std::size_t k = 0; k < candidati.size(); ++k)
            buone[k] += sembra_punto(campi(riga, carattere(candidati[k]))) ? 1 : 0;
    }
    std::size_t migliore = 0;
    for (std::size_t k = 1; k < candidati.size(); ++k)
        if (buone[k] > buone[migliore]) migliore = k;
    // The comma of a CSV when no line tells.
    return buone[migliore] > 0 ? candidati[migliore] : separatore_campi::virgola;
}

esito_punti leggi_punti_csv(std::string_view testo, const formato_punti& formato,
                            std::size_t massimo, std::int64_t massimo_righe) {
    const char sep = carattere(formato.separatore);
    // A comma between fields leaves the point as the only decimal mark.
    const formato_regionale numeri =
        sep == ',' ? formato_regionale::inglese() : formato_regionale::italiano();
    const bool pnezd = formato.ordine == ordine_colonne::pnezd;
    esito_punti esito;
    righe_testo righe(testo);
    std::string_view riga;
    bool prima = true;
    while (righe.numero() < massimo_righe && righe.leggi(riga)) {
        esito.righe = righe.numero();
        if (vuota(riga)) continue;
        const std::vector<std::string> c = campi(riga, sep);
        std::array<std::optional<double>, 3> valori;
        bool qualche_numero = false;
        for (std::size_t k = 0; k < valori.size() && k + 1 < c.size(); ++k) {
            valori[k] = leggi_numero_esatto(c[k + 1], numeri);
            qualche_numero = qualche_numero || valori[k].has_value();
        }
        const bool era_prima = prima;
        prima = false;
        if (era_prima && !qualche_numero) {
            esito.testata = true;
            continue;
        }
        riga_errata errata{righe.numero(), difetto_riga::poche_colonne, 0, {}};
        if (c.size() >= 4 && c[0].empty()) errata.difetto = difetto_riga::nome_vuoto;
        for (std::size_t k = 0; c.size() >= 4 && k < valori.size() && errata.colonna == 0; ++k) {
            if (valori[k]) continue;
            errata.difetto = difetto_riga::numero_errato;
            errata.colonna = static_cast<int>(k + 2);
            errata.testo = in_utf8(c[k + 1].substr(0, 40));
        }
        if (c.size() < 4 || c[0].empty() || errata.colonna != 0) {
            ++esito.n_errate;
            if (esito.errate.size() < esito_punti::errate_tenute)
                esito.errate.push_back(std::move(errata));
            continue;
        }
        if (esito.punti.size() >= massimo) {
            esito.troppi_punti = true;
            break;
        }
        riga_punto p;
        p.riga = righe.numero();
        p.punto.nome = utf8_valido(c[0]) ? utf8_in_cp1252(c[0]) : c[0];
        p.punto.x = pnezd ? *valori[1] : *valori[0];
        p.punto.y = pnezd ? *valori[0] : *valori[1];
        p.punto.z = *valori[2];
        if (c.size() > 4) p.descrizione = in_utf8(c[4].substr(0, 200));
        esito.punti.push_back(std::move(p));
    }
    return esito;
}

std::string descrivi(const riga_errata& r) {
    const std::string riga = std::to_string(r.riga);
    switch (r.difetto) {
        case difetto_riga::poche_colonne:
            return inserisci(traduci("csv_punti", "riga %1: servono nome, due coordinate e quota"),
                             {riga});
        case difetto_riga::nome_vuoto:
            return inserisci(traduci("csv_punti", "riga %1: manca il nome del punto"), {riga});
        case difetto_riga::numero_errato:
            break;
    }
    if (r.testo.empty())
        return inserisci(traduci("csv_punti", "riga %1, colonna %2: manca il numero"),
                         {riga, std::to_string(r.colonna)});
    return inserisci(traduci("csv_punti", "riga %1, colonna %2: \"%3\" non è un numero"),
                     {riga, std::to_string(r.colonna), r.testo});
}

}  // namespace pianopre
