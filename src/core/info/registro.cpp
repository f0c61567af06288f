// Decoding registry values and locating the system-information program.
#include "info/registro.h"

#include <filesystem>
#include <system_error>

namespace pianopre {

namespace {

const std::string chiave_msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string chiave_strumenti = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Two digits per byte, so that a byte below 16 keeps its place in the number.
std::string esadecimale(unsigned char b) {
    constexpr char cifre[] = "0123456789ABCDEF";
    return {cifre[b >> 4], cifre[b & 0x0F]};
}

// Normal files only: a folder of that name is not a program.
bool file_normale(const std::string& percorso) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(percorso), ec);
}

}  // namespace

void decodifica_valore(const valore_registro& valore, std::string& uscita) {
    std::string testo(valore.byte.begin(), valore.byte.end());
    if (!testo.empty() && testo.back() == '\0') testo.pop_back();
    if (valore.tipo == reg_sz) {
        uscita = testo;
    } else if (valore.tipo == reg_dword) {
        uscita = "&h";
        for (auto i = testo.rbegin(); i != testo.rend(); ++i) {
            uscita += esadecimale(static_cast<unsigned char>(*i));
        }
    }
}

bool GetKeyValue(const registro& chiavi, std::uint32_t radice, const std::string& chiave,
                 const std::string& nome, std::string& uscita) {
    const std::optional<valore_registro> valore = chiavi.leggi(radice, chiave, nome);
    if (!valore || valore->byte.size() > buffer_registro) {
        uscita.clear();
        return false;
    }
    decodifica_valore(*valore, uscita);
    return true;
}

std::optional<std::string> percorso_sysinfo(const registro& chiavi) {
    std::string percorso;
    if (GetKeyValue(chiavi, hkey_local_machine, chiave_msinfo, "PATH", percorso)) {
        return percorso;
    }
    if (!GetKeyValue(chiavi, hkey_local_machine, chiave_strumenti, "MSINFO", percorso)) {
        return std::nullopt;
    }
    percorso += "\\MSINFO32.EXE";
    if (!file_normale(percorso)) return std::nullopt;
    return percorso;
}

}  // namespace pianopre
