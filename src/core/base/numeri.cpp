// Reading the numbers users type into the input boxes.
//
// Users type decimals with a comma or a point, and the results written back
// into the boxes use the regional separator, so a box may hold either form.
// The first separator in the text chooses how it is read.
#include "base/numeri.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/errori.h"

namespace pianopre {

namespace {

bool spazio(char c) {
    return c == ' ' || c == '\t';
}
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

std::string_view senza_spazi(std::string_view t) {
    while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
    while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
    return t;
}

// Decimal exponent of the leading digit of a cleaned number text, saturated:
// positive for huge values, negative for tiny ones.
long ordine_grandezza(std::string_view pulito) {
    long esponente = 0;
    if (const auto e = pulito.find('e'); e != std::string_view::npos) {
        std::string_view esp = pulito.substr(e + 1);
        const bool meno = !esp.empty() && esp[0] == '-';
        if (!esp.empty() && (esp[0] == '-' || esp[0] == '+')) esp.remove_prefix(1);
        for (char c : esp) esponente = std::min(esponente * 10 + (c - '0'), 1'000'000L);
        if (meno) esponente = -esponente;
        pulito = pulito.substr(0, e);
    }
    const auto primo = pulito.find_first_of("123456789");
    if (primo == std::string_view::npos) return -1'000'000L;
    const auto punto = std::min(pulito.find('.'), pulito.size());
    const long posizione =
        primo < punto ? static_cast<long>(punto - primo - 1) : -static_cast<long>(primo - punto);
    return esponente + posizione;
}

// Parses the cleaned text "[-]digits[.digits][e[-]digits]"; error 6 when the
// value does not fit a 64-bit real, 0 for values too small for one.
double converti(const std::string& pulito) {
    double valore = 0;
    const char* inizio = pulito.data();
    const char* fine = inizio + pulito.size();
    const auto [p, ec] = std::from_chars(inizio, fine, valore);
    if (ec == std::errc::result_out_of_range) {
        if (ordine_grandezza(pulito) < 0) return 0;
        throw errore(err_overflow);
    }
    if (ec != std::errc{} || p != fine) return 0;
    return valore;
}

// Strict reading with the comma as decimal separator: blanks around the
// number, optional sign, digits (grouped by `migliaia` in the whole part when
// given), an optional fraction and exponent. Anything else is error 13.
double leggi_virgola(std::string_view t, char migliaia) {
    t = senza_spazi(t);
    std::string pulito;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') pulito += '-';
        ++i;
    }
    std::size_t cifre = 0;
    for (; i < t.size(); ++i) {
        if (cifra(t[i])) {
            pulito += t[i];
            ++cifre;
        } else if (migliaia != 0 && t[i] == migliaia && cifre > 0 && i + 1 < t.size() &&
                   cifra(t[i + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (i < t.size() && t[i] == ',') {
        pulito += '.';
        for (++i; i < t.size() && cifra(t[i]); ++i, ++cifre) pulito += t[i];
    }
    if (cifre == 0) throw errore(err_tipo);
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        pulito += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) pulito += t[i++];
        std::size_t cifre_esp = 0;
        for (; i < t.size() && cifra(t[i]); ++i, ++cifre_esp) pulito += t[i];
        if (cifre_esp == 0) throw errore(err_tipo);
    }
    if (i != t.size()) throw errore(err_tipo);
    if (pulito.back() == '.') pulito.pop_back();
    return converti(pulito);
}

// "&H" and "&O" whole numbers: up to 16 bits they are signed 16-bit values,
// up to 32 bits signed 32-bit ones ("&HFFFF" is -1); beyond 32 bits, error 6.
double leggi_base(std::string_view cifre, int base) {
    double valore = 0;
    for (char c : cifre) {
        int d = -1;
        if (cifra(c))
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || d >= base) break;
        valore = valore * base + d;
    }
    if (valore <= 65535.0) return valore > 32767.0 ? valore - 65536.0 : valore;
    if (valore <= 4294967295.0) return valore > 2147483647.0 ? valore - 4294967296.0 : valore;
    throw errore(err_overflow);
}

// Lenient reading with the point: blanks, tabs and line feeds anywhere are
// skipped, reading stops at the first character that cannot continue the
// number, and a text without a leading number gives 0. Never fails except for
// a number too large for a real.
double leggi_punto(std::string_view t) {
    std::string s;
    s.reserve(t.size());
    for (char c : t)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    if (s.size() >= 2 && s[0] == '&') {
        const char tipo = s[1];
        if (tipo == 'H' || tipo == 'h') return leggi_base(std::string_view(s).substr(2), 16);
        if (tipo == 'O' || tipo == 'o') return leggi_base(std::string_view(s).substr(2), 8);
        return 0;
    }

    std::string pulito;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') pulito += '-';
        ++i;
    }
    std::size_t cifre = 0;
    for (; i < s.size() && cifra(s[i]); ++i, ++cifre) pulito += s[i];
    if (i < s.size() && s[i] == '.') {
        pulito += '.';
        for (++i; i < s.size() && cifra(s[i]); ++i, ++cifre) pulito += s[i];
    }
    if (cifre == 0) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string esponente = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) esponente += s[j++];
        const std::size_t prima = esponente.size();
        for (; j < s.size() && cifra(s[j]); ++j) esponente += s[j];
        if (esponente.size() > prima) pulito += esponente;
    }
    if (pulito.back() == '.') pulito.pop_back();
    return converti(pulito);
}

}  // namespace

double leggi_numero(std::string_view testo, const formato_regionale& formato) {
    // The length of a box's text is counted in 16 bits.
    if (testo.size() > 32767) throw errore(err_overflow);
    if (senza_spazi(testo).empty()) return 0;

    const auto sep = testo.find_first_of(".,");
    if (sep != std::string_view::npos && testo[sep] == ',') {
        // A comma locale groups with another character; a point locale's own
        // grouping would be the comma, so a comma text is read without grouping.
        const char migliaia = formato.decimale == ',' ? formato.migliaia : 0;
        return leggi_virgola(testo, migliaia == ',' ? 0 : migliaia);
    }
    return leggi_punto(testo);
}

}  // namespace pianopre

namespace pianopre {

std::optional<double> leggi_numero_esatto(std::string_view testo,
                                          const formato_regionale& formato) {
    while (!testo.empty() && (testo.front() == ' ' || testo.front() == '\t'))
        testo.remove_prefix(1);
    while (!testo.empty() && (testo.back() == ' ' || testo.back() == '\t')) testo.remove_suffix(1);
    if (testo.empty() || testo.size() > 64) return std::nullopt;
    std::string t(testo);
    std::replace(t.begin(), t.end(), formato.decimale, '.');
    const char* inizio = t.data();
    if (t.front() == '+') {
        if (t.size() == 1 || t[1] == '-') return std::nullopt;
        ++inizio;
    }
    double valore = 0;
    const auto [fine, ec] = std::from_chars(inizio, t.data() + t.size(), valore);
    if (ec != std::errc() || fine != t.data() + t.size() || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

}  // namespace pianopre
