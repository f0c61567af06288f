// Helpers of the exchange tests.
#include "supporto_scambio.h"

#include <charconv>
#include <fstream>

namespace pianopre::prova {

std::string dati(std::string_view nome) {
    return std::string(PIANOPRE_TEST_DATA) + "/exchange/" + std::string(nome);
}

void scrivi_tutto(const std::filesystem::path& percorso, std::string_view byte) {
    std::ofstream(percorso, std::ios::binary)
        .write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

std::string righe(std::initializer_list<std::string_view> righe, std::string_view fine) {
    std::string testo;
    for (std::string_view r : righe) {
        testo.append(r);
        testo.append(fine);
    }
    return testo;
}

std::string dxf_entita(std::initializer_list<std::string_view> gruppi) {
    std::string testo = righe({"0", "SECTION", "2", "ENTITIES"});
    testo += righe(gruppi);
    return testo + righe({"0", "ENDSEC", "0", "EOF"});
}

std::vector<std::string> dividi(std::string_view testo) {
    std::vector<std::string> linee;
    while (!testo.empty()) {
        const auto a_capo = testo.find('\n');
        std::string_view r = testo.substr(0, a_capo);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        linee.emplace_back(r);
        if (a_capo == std::string_view::npos) break;
        testo.remove_prefix(a_capo + 1);
    }
    return linee;
}

namespace {
template <typename T>
std::string numero(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}
}  // namespace

std::string elenca(const modello& m) {
    std::ostringstream out;
    for (const entita& e : m.lista_entita.voci()) {
        out << e.tipo << ' ' << e.colore << " [" << e.nome.grezzo() << "] " << numero(e.x) << ' '
            << numero(e.y) << ' ' << numero(e.z) << ' ' << numero(e.altezza) << ' '
            << numero(e.rotazione) << ' ' << e.attributi << '\n';
    }
    return out.str();
}

}  // namespace pianopre::prova
