// Registry values as the About box reads them: a small key-value interface
// (Linux has no registry, so its implementation finds nothing), the decoding
// of a value's bytes into text, GetKeyValue over both, and the search for the
// system-information program. Standard library only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pianopre {

// Root keys are handle values; only this one is used.
inline constexpr std::uint32_t hkey_local_machine = 0x80000002u;

// Value types that have a text form.
inline constexpr std::uint32_t reg_sz = 1;
inline constexpr std::uint32_t reg_dword = 4;

// GetKeyValue queries into a buffer of this size; a longer value fails.
inline constexpr std::size_t buffer_registro = 1024;

struct valore_registro {
    std::uint32_t tipo = 0;
    std::vector<unsigned char> byte;
};

class registro {
public:
    virtual ~registro() = default;
    // The value `nome` of `chiave` under `radice`, or nothing when the key
    // cannot be opened or the value is missing.
    virtual std::optional<valore_registro> leggi(std::uint32_t radice, const std::string& chiave,
                                                 const std::string& nome) const = 0;
};

// The registry of a system that has none: every lookup fails.
class registro_vuoto : public registro {
public:
    std::optional<valore_registro> leggi(std::uint32_t, const std::string&,
                                         const std::string&) const override {
        return std::nullopt;
    }
};

// The text of a value: a single trailing zero byte is dropped; REG_SZ is the
// text itself, REG_DWORD "&h" and two hex digits per byte from the last byte
// to the first; any other type leaves `uscita` as it is.
void decodifica_valore(const valore_registro& valore, std::string& uscita);

// Reads and decodes a value into `uscita`; false, with `uscita` emptied, when
// the value is missing or does not fit the query buffer.
bool GetKeyValue(const registro& chiavi, std::uint32_t radice, const std::string& chiave,
                 const std::string& nome, std::string& uscita);

// Where the system-information program is: the path named under MSINFO, or
// MSINFO32.EXE in the folder named under Shared Tools Location when that file
// exists. Nothing when neither gives a program to start.
std::optional<std::string> percorso_sysinfo(const registro& chiavi);

}  // namespace pianopre
