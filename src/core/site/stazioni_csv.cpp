// The stake-out CSV text and its atomic save.
#include "site/stazioni_csv.h"

#include <charconv>
#include <cstdint>

#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/testo_utf8.h"
#include "base/traduzione.h"

namespace fs = std::filesystem;

namespace pianopre {

namespace {

bool e_utf8(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        const std::size_t n = b < 0x80         ? 1
                              : (b >> 5) == 6  ? 2
                              : (b >> 4) == 14 ? 3
                              : (b >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > t.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

// Point names are kept as the bytes of the file: UTF-8 stays, anything else is
// read as Windows-1252, as the picture shows it; NUL characters are left out.
void agg_nome(std::string& out, std::string_view nome) {
    std::string senza_nul;  // the filling of a name never set
    for (char c : nome)
        if (c != '\0') senza_nul += c;
    out += e_utf8(senza_nul) ? senza_nul : cp1252_in_utf8(senza_nul);
}

// Field instruments take ASCII point names: the minus sign (U+2212) that ends
// the name of a convergent image turned by −γ becomes a hyphen.
std::string nome_ascii(std::string nome) {
    constexpr std::string_view meno = "\u2212";
    if (nome.ends_with(meno)) nome.replace(nome.size() - meno.size(), meno.size(), "-");
    return nome;
}

struct scrittore {
    const opzioni_csv& opzioni;
    char separatore;
    char decimale;
    std::string out;

    void numero(double x, int cifre) {
        char testo[400];
        auto [fine, ec] =
            std::to_chars(testo, testo + sizeof testo, x, std::chars_format::fixed, cifre);
        if (ec != std::errc()) return;  // not reached: 400 characters hold any double
        char* inizio = testo;
        // No "-0.000" for a value that rounds to zero.
        if (*inizio == '-' &&
            std::string_view(testo + 1, fine).find_first_not_of("0.") == std::string_view::npos) {
            ++inizio;
        }
        for (char* p = inizio; p != fine; ++p) out += *p == '.' ? decimale : *p;
    }

    // A name that holds a separator, a quote or a line end goes in quotes.
    void campo_testo(std::string_view t) {
        std::string testo;
        agg_nome(testo, t);
        if (testo.find_first_of(std::string{separatore, '"', '\r', '\n'}) == std::string::npos) {
            out += testo;
            return;
        }
        out += '"';
        for (char c : testo) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }

    void riga(std::string_view nome, double est, double nord, double quota) {
        campo_testo(nome);
        out += separatore;
        const bool pnezd = opzioni.ordine == ordine_colonne::pnezd;
        numero(pnezd ? nord : est, 3);
        out += separatore;
        numero(pnezd ? est : nord, 3);
        out += separatore;
        numero(quota, 3);
        out += separatore;
    }
};

}  // namespace

std::string testo_csv(std::span<const riga_stazione> stazioni, std::span<const punto_app> punti,
                      const opzioni_csv& opzioni) {
    const bool italiano = opzioni.separatori == separatori_csv::puntovirgola_virgola;
    scrittore s{opzioni, italiano ? ';' : ',', italiano ? ',' : '.', {}};
    s.out.reserve(96 * (stazioni.size() + punti.size() + 1));
    const std::string_view testata = opzioni.ordine == ordine_colonne::pnezd
                                         ? "Punto|Nord|Est|Quota|Descrizione\r\n"
                                         : "Punto|Est|Nord|Quota|Descrizione\r\n";
    for (char c : testata) s.out += c == '|' ? s.separatore : c;
    for (const riga_stazione& r : stazioni) {
        s.riga(nome_ascii(r.nome), r.est, r.nord, r.quota);
        s.out += "stazione h=";
        s.numero(r.altezza, 2);
        s.out += " az=";
        s.numero(r.azimut, 4);
        s.out += " inc=";
        s.numero(r.inclinazione, 2);
        s.out += "\r\n";
    }
    for (const punto_app& p : punti) {
        s.riga(p.nome.pulito(), p.x, p.y, p.z);
        s.out += "PF\r\n";
    }
    return std::move(s.out);
}

errore_salvataggio::errore_salvataggio(const std::string& nome, const std::string& problema)
    : std::runtime_error(
          inserisci(traduci("salvataggio", "Errore: impossibile salvare il file: %1"), {nome})),
      nome_(nome),
      problema_(problema) {}

void salva_testo_atomico(const fs::path& percorso, std::string_view testo) {
    try {
        scrivi_file_atomico(percorso, testo);
    } catch (const errore_file& e) {
        throw errore_salvataggio(percorso.string(), e.problema());
    }
}

}  // namespace pianopre
