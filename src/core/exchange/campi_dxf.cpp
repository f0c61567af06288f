// Reading the value fields of the exchange files. Numbers are read with
// std::from_chars: fast, and blind to the locale the window runs in.
#include "exchange/campi_dxf.h"

#include <charconv>
#include <system_error>

#include "base/errori.h"

namespace pianopre {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

std::string_view salta_blank(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && blank(t[i])) ++i;
    return t.substr(i);
}

// Decimal order of the first significant digit of a number text that
// from_chars found out of range: negative means too small, so it reads as 0.
long ordine(std::string_view numero) {
    long esponente = 0;
    const auto e = numero.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view esp = numero.substr(e + 1);
        const bool meno = !esp.empty() && esp[0] == '-';
        if (!esp.empty() && (esp[0] == '-' || esp[0] == '+')) esp.remove_prefix(1);
        for (char c : esp) esponente = std::min(esponente * 10 + (c - '0'), 100'000'000L);
        if (meno) esponente = -esponente;
        numero = numero.substr(0, e);
    }
    const auto primo = numero.find_first_of("123456789");
    if (primo == std::string_view::npos) return -1;
    const auto punto = std::min(numero.find('.'), numero.size());
    return esponente + (primo < punto ? static_cast<long>(punto - primo - 1)
                                      : -static_cast<long>(primo - punto));
}

// The whole of t as a number with a point; an optional sign, then digits or
// a point first (no "inf", "nan" or hexadecimal forms).
double numero_intero_testo(std::string_view t) {
    std::string_view corpo = t;
    if (!corpo.empty() && (corpo[0] == '+' || corpo[0] == '-')) corpo.remove_prefix(1);
    if (corpo.empty() || !(cifra(corpo[0]) || corpo[0] == '.')) throw errore(err_tipo);
    // from_chars takes no "+": start after it, the sign is put back below.
    const std::string_view da_leggere = t[0] == '+' ? corpo : t;
    double valore = 0;
    const char* fine = da_leggere.data() + da_leggere.size();
    const auto [p, ec] = std::from_chars(da_leggere.data(), fine, valore);
    if (ec == std::errc::result_out_of_range && p == fine) {
        if (ordine(corpo) < 0) return 0;
        throw errore(err_overflow);
    }
    if (ec != std::errc{} || p != fine) throw errore(err_tipo);
    return valore;
}

}  // namespace

std::string_view campo_testo(std::string_view riga) {
    riga = salta_blank(riga);
    if (!riga.empty() && riga[0] == '"') {
        riga.remove_prefix(1);
        return riga.substr(0, riga.find('"'));
    }
    return riga.substr(0, riga.find(','));
}

double campo_numero(std::string_view riga) {
    riga = salta_blank(riga);
    std::size_t n = 0;
    while (n < riga.size() && riga[n] != ',' && !blank(riga[n])) ++n;
    return numero_intero_testo(riga.substr(0, n));
}

std::int16_t intero_campo(std::string_view testo) {
    testo = salta_blank(testo);
    while (!testo.empty() && blank(testo.back())) testo.remove_suffix(1);
    return intero16(numero_intero_testo(testo));
}

}  // namespace pianopre
