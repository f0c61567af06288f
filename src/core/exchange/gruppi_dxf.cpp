// The two forms of DXF groups: ASCII lines and binary values.
#include "exchange/gruppi_dxf.h"

#include <cmath>
#include <cstring>

#include "base/errori.h"
#include "exchange/campi_dxf.h"
#include "exchange/record_dxf.h"

namespace pianopre {

namespace {

constexpr std::string_view sentinella = "AutoCAD Binary DXF";

// A code line: digits without a leading zero ("0" itself aside); -1 otherwise.
int codice_di(std::string_view t) {
    if (t.empty() || t.size() > 6 || (t[0] == '0' && t.size() > 1)) return -1;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

bool sorgente_gruppi::raccogli(record_dxf& r, gruppo& g) {
    while (leggi(g)) {
        if (g.codice == 0 || g.troncato) return true;
        r.aggiungi(g);
    }
    return false;
}

namespace {

// A code line of blanks and one to four digits (not "0" before others): the
// code; -1 for anything else.
inline int codice_semplice(std::string_view r) {
    std::size_t i = 0;
    while (i < r.size() && r[i] == ' ') ++i;
    const std::size_t inizio = i;
    int n = 0;
    while (i < r.size() && r[i] >= '0' && r[i] <= '9' && i - inizio < 4)
        n = n * 10 + (r[i++] - '0');
    const std::size_t cifre = i - inizio;
    while (i < r.size() && r[i] == ' ') ++i;
    if (cifre == 0 || i != r.size() || (cifre > 1 && r[inizio] == '0')) return -1;
    return n;
}

// A plain whole number (blanks before it, a sign, at most 9 digits, nothing
// after): the flags and counts of most groups, read without from_chars.
bool intero_semplice(std::string_view t, double& n) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    const bool meno = i < t.size() && t[i] == '-';
    if (meno) ++i;
    if (i == t.size() || t.size() - i > 9) return false;
    long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
    }
    n = static_cast<double>(meno ? -v : v);
    return true;
}

class sorgente_ascii : public sorgente_gruppi {
public:
    sorgente_ascii(lettore_righe& righe, std::string prima, bool ha_prima)
        : righe_(righe), prima_(std::move(prima)), ha_prima_(ha_prima) {}

    bool riga(std::string_view& r) override {
        if (ha_prima_) {
            ha_prima_ = false;
            r = prima_;
            return true;
        }
        return righe_.leggi(r);
    }

    bool raccogli(record_dxf& rec, gruppo& g) override {
        while (leggi_qui(g)) {
            if (g.codice == 0 || g.troncato) return true;
            rec.aggiungi(g);
        }
        return false;
    }

    bool leggi(gruppo& g) override { return leggi_qui(g); }

private:
    bool leggi_qui(gruppo& g) {
        std::string_view r;
        for (;;) {
            if (!riga(r)) return false;
            // Most code lines: digits with blanks before them (and maybe after).
            const int veloce = codice_semplice(r);
            if (veloce >= 0) {
                g.codice = veloce;
                break;
            }
            const std::string_view t = senza_blank(r);
            // "EOF" as a code reads no value.
            if (uguale_maiuscolo(t, "EOF")) continue;
            // Known before the value is read: reading it may reuse the line's memory.
            g.codice = codice_di(t);
            break;
        }
        g.errore = 0;
        g.troncato = !righe_.leggi(g.testo);
        if (g.troncato) {
            g.testo = {};
            return true;
        }
        const valore_gruppo t = g.codice > 0 ? tipo_valore(g.codice) : valore_gruppo::testo;
        if (t != valore_gruppo::reale && numerico(t) && intero_semplice(g.testo, g.numero))
            return true;
        if (numerico(t)) {
            try {
                g.numero = campo_numero(g.testo);
            } catch (const errore& e) {
                g.numero = 0;
                g.errore = e.numero();
            }
        }
        return true;
    }

public:
    bool binario() const override { return false; }

private:
    lettore_righe& righe_;
    std::string prima_;
    bool ha_prima_;
};

class sorgente_binaria : public sorgente_gruppi {
public:
    explicit sorgente_binaria(lettore_righe& righe) : righe_(righe) {}

    bool riga(std::string_view& r) override {
        gruppo g;
        if (!leggi(g)) return false;
        r = numerico(tipo_valore(g.codice)) ? std::string_view{} : g.testo;
        return true;
    }

    bool leggi(gruppo& g) override {
        unsigned char b[8];
        if (!righe_.leggi_byte(reinterpret_cast<char*>(b), 1)) return false;
        if (primo_) {
            primo_ = false;
            return primo_gruppo(g, b[0]);
        }
        int codice = b[0];
        if (due_byte_) {
            prendi(b, 1);
            codice |= b[0] << 8;
        } else if (codice == 255) {
            prendi(b, 2);
            codice = b[0] | (b[1] << 8);
        }
        valore(g, static_cast<std::int16_t>(codice));
        return true;
    }

    bool binario() const override { return true; }

private:
    void prendi(unsigned char* b, std::size_t n) {
        if (!righe_.leggi_byte(reinterpret_cast<char*>(b), n)) throw errore(err_fine_file);
    }

    // The first group is 0 SECTION: a NUL after the first code byte means codes
    // of two bytes; otherwise that byte begins the text.
    bool primo_gruppo(gruppo& g, unsigned char c0) {
        unsigned char b[1];
        prendi(b, 1);
        if (b[0] == 0) {
            due_byte_ = true;
            valore(g, c0);
            return true;
        }
        std::string_view resto;
        if (!righe_.leggi_fino(resto, '\0', false)) throw errore(err_fine_file);
        testo_.assign(1, static_cast<char>(b[0]));
        testo_.append(resto);
        g = gruppo{c0, testo_, 0, 0, false};
        return true;
    }

    void valore(gruppo& g, int codice) {
        g.codice = codice;
        g.troncato = false;
        g.errore = 0;
        g.numero = 0;
        g.testo = {};
        unsigned char b[8];
        switch (tipo_valore(codice)) {
            case valore_gruppo::reale: {
                prendi(b, 8);
                std::uint64_t u = 0;
                for (int i = 7; i >= 0; --i) u = (u << 8) | b[i];
                double d;
                std::memcpy(&d, &u, sizeof d);
                if (std::isfinite(d)) {
                    g.numero = d;
                } else {
                    g.errore = err_tipo;
                }
                return;
            }
            case valore_gruppo::intero16:
                prendi(b, 2);
                g.numero = static_cast<std::int16_t>(b[0] | (b[1] << 8));
                return;
            case valore_gruppo::intero32: {
                prendi(b, 4);
                const std::uint32_t u =
                    b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
                g.numero = static_cast<std::int32_t>(u);
                return;
            }
            case valore_gruppo::intero64: {
                prendi(b, 8);
                std::uint64_t u = 0;
                for (int i = 7; i >= 0; --i) u = (u << 8) | b[i];
                g.numero = static_cast<double>(static_cast<std::int64_t>(u));
                return;
            }
            case valore_gruppo::booleano:
                prendi(b, 1);
                g.numero = b[0];
                return;
            case valore_gruppo::byte: {
                prendi(b, 1);
                dati_.resize(b[0]);
                if (b[0] > 0) prendi(reinterpret_cast<unsigned char*>(dati_.data()), b[0]);
                g.testo = dati_;
                return;
            }
            case valore_gruppo::testo:
                if (!righe_.leggi_fino(g.testo, '\0', false)) throw errore(err_fine_file);
                return;
        }
    }

    lettore_righe& righe_;
    bool primo_ = true;
    bool due_byte_ = false;
    std::string testo_;
    std::string dati_;
};

}  // namespace

std::unique_ptr<sorgente_gruppi> apri_gruppi(lettore_righe& righe) {
    std::string_view prima;
    if (!righe.leggi(prima)) return std::make_unique<sorgente_ascii>(righe, std::string(), false);
    if (prima == sentinella) {
        char resto[2];
        // The line end was CR LF; then SUB and NUL.
        if (righe.leggi_byte(resto, 2) && resto[0] == '\x1a' && resto[1] == '\0')
            return std::make_unique<sorgente_binaria>(righe);
        return std::make_unique<sorgente_ascii>(righe, std::string(), false);
    }
    return std::make_unique<sorgente_ascii>(righe, std::string(prima), true);
}

}  // namespace pianopre
