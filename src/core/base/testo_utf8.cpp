// Decoding and encoding UTF-8 one character at a time.
#include "base/testo_utf8.h"

#include <array>
#include <cstdint>

namespace pianopre {

namespace {

constexpr std::uint32_t malformato = 0xFFFFFFFF;

// Unicode of the Windows-1252 bytes 0x80..0x9F; unused bytes keep their own code.
constexpr std::array<std::uint16_t, 32> alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character at i, i moved past it; `malformato` for a bad sequence.
std::uint32_t decodifica(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    const int n = b >= 0xF8 ? -1 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (n < 0) return malformato;
    std::uint32_t u = b & (0x3Fu >> n);
    for (int k = 0; k < n; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return malformato;
        u = (u << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    constexpr std::uint32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    if (u < minimo[n] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return malformato;
    return u;
}

void codifica(std::uint32_t u, std::string& out) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

char in_cp1252(std::uint32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < alti.size(); ++i)
        if (alti[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string utf8_in_latin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t u = decodifica(utf8, i);
        out += u <= 0xFF ? static_cast<char>(u) : '?';
    }
    return out;
}

std::string cp1252_in_utf8(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (const char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        codifica(b >= 0x80 && b < 0xA0 ? alti[b - 0x80] : b, out);
    }
    return out;
}

std::string utf8_in_cp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out += in_cp1252(decodifica(utf8, i));
    return out;
}

bool utf8_valido(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();)
        if (decodifica(testo, i) == malformato) return false;
    return true;
}

}  // namespace pianopre
