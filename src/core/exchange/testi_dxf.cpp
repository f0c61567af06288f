// Decoding the texts of a drawing into Windows-1252.
#include "exchange/testi_dxf.h"

#include <array>
#include <cstdint>

#include "exchange/campi_dxf.h"

namespace pianopre {

namespace {

// Unicode of the Windows-1252 bytes 0x80..0x9F (0 where the byte is unused).
constexpr std::array<std::uint16_t, 32> alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char da_unicode(std::uint32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < alti.size(); ++i)
        if (alti[i] != 0 && alti[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

int esa(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One character of the source at i in Windows-1252, i moved past it.
char carattere(std::string_view s, std::size_t& i, codifica c) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80 || c == codifica::cp1252) return static_cast<char>(b);
    if (c == codifica::altra) return '?';
    // UTF-8: a lead byte and its continuation bytes.
    int n = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (n < 0) return '?';
    std::uint32_t u = b & (0x3F >> n);
    for (; n > 0; --n) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return '?';
        u = (u << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return da_unicode(u);
}

// "\U+XXXX" at i: the character, i moved past it; false when it is not one.
bool escape_unicode(std::string_view s, std::size_t& i, char& out) {
    if (i + 7 > s.size() || s[i] != '\\' || maiuscola(s[i + 1]) != 'U' || s[i + 2] != '+')
        return false;
    std::uint32_t u = 0;
    for (std::size_t k = 3; k < 7; ++k) {
        const int d = esa(s[i + k]);
        if (d < 0) return false;
        u = u * 16 + static_cast<std::uint32_t>(d);
    }
    i += 7;
    out = da_unicode(u);
    return true;
}

// "%%" codes at i: appended, i moved past; false when there is none.
bool codice_percento(std::string_view s, std::size_t& i, std::string& out) {
    if (i + 2 >= s.size() || s[i] != '%' || s[i + 1] != '%') return false;
    const char c = maiuscola(s[i + 2]);
    switch (c) {
        case 'D':
            out += '\xB0';
            break;
        case 'P':
            out += '\xB1';
            break;
        case 'C':
            out += '\xD8';
            break;
        case '%':
            out += '%';
            break;
        case 'U':
        case 'O':
        case 'K':
            break;  // underline, overline, strike: on or off
        default: {
            if (i + 4 < s.size() && c >= '0' && c <= '9' && s[i + 3] >= '0' && s[i + 3] <= '9' &&
                s[i + 4] >= '0' && s[i + 4] <= '9') {
                const int n = (s[i + 2] - '0') * 100 + (s[i + 3] - '0') * 10 + (s[i + 4] - '0');
                out += static_cast<char>(n & 0xFF);
                i += 5;
                return true;
            }
            return false;
        }
    }
    i += 3;
    return true;
}

}  // namespace

codifica codifica_di(std::string_view codepage, std::string_view versione) {
    if (versione.size() == 6 && versione >= "AC1021") return codifica::utf8;
    if (codepage.empty() || uguale_maiuscolo(codepage, "ANSI_1252") ||
        uguale_maiuscolo(codepage, "ISO8859-1"))
        return codifica::cp1252;
    return codifica::altra;
}

std::string testo_dxf(std::string_view s, codifica c) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char u;
        if (escape_unicode(s, i, u)) {
            out += u;
        } else if (!codice_percento(s, i, out)) {
            out += carattere(s, i, c);
        }
    }
    return out;
}

std::vector<std::string> righe_mtext(std::string_view s, codifica c) {
    std::vector<std::string> righe(1);
    for (std::size_t i = 0; i < s.size();) {
        std::string& r = righe.back();
        char u;
        if (escape_unicode(s, i, u)) {
            r += u;
            continue;
        }
        if (codice_percento(s, i, r)) continue;
        const char ch = s[i];
        if (ch == '{' || ch == '}') {
            ++i;
            continue;
        }
        if (ch != '\\' || i + 1 >= s.size()) {
            r += carattere(s, i, c);
            continue;
        }
        const char k = s[i + 1];
        i += 2;
        switch (k) {
            case 'P':
                righe.emplace_back();
                break;
            case 'N':
            case 'X':
                righe.emplace_back();
                break;
            case '~':
                r += ' ';
                break;
            case '\\':
            case '{':
            case '}':
                r += k;
                break;
            case 'L':
            case 'l':
            case 'O':
            case 'o':
            case 'K':
            case 'k':
                break;
            case 'S': {
                // Stacked: "\Sa^b;" or "a/b" or "a#b" shown as "a/b".
                while (i < s.size() && s[i] != ';') {
                    const char x = s[i];
                    if (x == '^' || x == '#') {
                        r += '/';
                        ++i;
                    } else {
                        r += carattere(s, i, c);
                    }
                }
                ++i;
                break;
            }
            default:
                // Codes with a value up to ";": \A \C \c \F \f \H \Q \T \W \p ...
                while (i < s.size() && s[i] != ';') ++i;
                ++i;
                break;
        }
    }
    for (std::string& r : righe)
        if (!r.empty() && r.back() == '\n') r.pop_back();
    return righe;
}

}  // namespace pianopre
