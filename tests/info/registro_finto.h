// A registry for tests: it holds the values a test puts in it and counts lookups.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "info/registro.h"

namespace pianopre {

class registro_finto : public registro {
public:
    std::map<std::tuple<std::uint32_t, std::string, std::string>, valore_registro> valori;
    mutable int letture = 0;

    std::optional<valore_registro> leggi(std::uint32_t radice, const std::string& chiave,
                                         const std::string& nome) const override {
        ++letture;
        const auto i = valori.find({radice, chiave, nome});
        if (i == valori.end()) return std::nullopt;
        return i->second;
    }

    // A text value under HKEY_LOCAL_MACHINE, stored with its zero byte.
    void testo(const std::string& chiave, const std::string& nome, const std::string& t) {
        const std::string byte = t + '\0';
        valori[{hkey_local_machine, chiave, nome}] = {
            reg_sz, std::vector<unsigned char>(byte.begin(), byte.end())};
    }
};

inline const std::string chiave_msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string chiave_strumenti = "SOFTWARE\\Microsoft\\Shared Tools Location";

}  // namespace pianopre
