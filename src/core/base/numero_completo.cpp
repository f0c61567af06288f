// Whether a box's text is wholly a number of the regional form: the check that
// tells the texts the lenient reading of the boxes read exactly from those
// where it dropped or guessed something.
#include <charconv>
#include <optional>
#include <string>

#include "base/errori.h"
#include "base/numeri.h"

namespace pianopre {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

std::string_view senza_spazi(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// Reads the digits at `i` into `pulito`; their count.
std::size_t cifre(std::string_view t, std::size_t& i, std::string& pulito) {
    const std::size_t prima = i;
    for (; i < t.size() && cifra(t[i]); ++i) pulito += t[i];
    return i - prima;
}

// The optional "E" exponent at `i`; false when it is there but incomplete.
bool esponente(std::string_view t, std::size_t& i, std::string& pulito) {
    if (i >= t.size() || (t[i] != 'E' && t[i] != 'e')) return true;
    pulito += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) pulito += t[i++];
    return cifre(t, i, pulito) > 0;
}

// A trimmed text as a number of the regional form: sign, whole part ungrouped
// or grouped in threes, decimal part, exponent; none for anything else.
std::optional<double> forma_regionale(std::string_view t, const formato_regionale& f) {
    std::string pulito;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') pulito += '-';
        ++i;
    }
    const std::size_t intere = cifre(t, i, pulito);
    if (f.migliaia != 0 && intere > 0 && intere <= 3) {
        while (i < t.size() && t[i] == f.migliaia) {
            ++i;
            if (cifre(t, i, pulito) != 3) return std::nullopt;
        }
    }
    std::size_t decimali = 0;
    if (i < t.size() && t[i] == f.decimale) {
        pulito += '.';
        ++i;
        decimali = cifre(t, i, pulito);
    }
    if (intere + decimali == 0 || !esponente(t, i, pulito) || i != t.size()) return std::nullopt;
    if (pulito.back() == '.') pulito.pop_back();
    double valore = 0;
    const auto [fine, ec] = std::from_chars(pulito.data(), pulito.data() + pulito.size(), valore);
    if (ec != std::errc{} || fine != pulito.data() + pulito.size()) return std::nullopt;
    return valore;
}

// A trimmed text of the point reading used whole: sign, digits with one point,
// an "E" exponent.
bool punto_completo(std::string_view t) {
    std::string pulito;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t n = cifre(t, i, pulito);
    if (i < t.size() && t[i] == '.') {
        ++i;
        n += cifre(t, i, pulito);
    }
    return n > 0 && esponente(t, i, pulito) && i == t.size();
}

}  // namespace

bool numero_completo(std::string_view testo, const formato_regionale& formato) {
    const std::string_view t = senza_spazi(testo);
    if (t.empty()) return true;
    double letto = 0;
    try {
        letto = leggi_numero(testo, formato);
    } catch (const errore&) {
        return false;
    }
    if (const auto regionale = forma_regionale(t, formato)) return *regionale == letto;
    // Read with a comma first, the text passed the strict reading.
    const auto separatore = t.find_first_of(".,");
    if (separatore != std::string_view::npos && t[separatore] == ',') return true;
    return punto_completo(t);
}

}  // namespace pianopre
