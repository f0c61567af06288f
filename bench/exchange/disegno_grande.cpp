// Generating the large drawings and DXF files of the exchange benchmarks.
#include "disegno_grande.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <filesystem>

#include "exchange/file_scambio.h"

namespace pianopre::bench {

namespace {

// Bytes one frame takes in the file: a station point and its number, four
// rays of two vertices, a footprint of five.
constexpr std::size_t byte_fotogramma = 1620;

// Coordinates computed in 32 bits, as the scheme builder's are: 15 digits in the file.
double coordinata(double v) {
    return static_cast<float>(v);
}

entita voce(std::int16_t tipo, const std::string& nome, double x, double y, double z) {
    entita e;
    e.tipo = tipo;
    e.nome = nome;
    e.x = coordinata(x);
    e.y = coordinata(y);
    e.z = coordinata(z);
    e.attributi = attr_relativo;
    return e;
}

void fotogramma(modello& m, std::size_t f) {
    const std::string layer = std::to_string(f % 50 + 1);
    const double x = 100.6 + 2.4 * static_cast<double>(f % 1000);
    const double z = 21.5 + 3.1 * static_cast<double>(f / 1000);
    agg_entita(m, voce(tipo_punto, layer, x, 189.5, z));
    entita numero = voce(tipo_testo, layer, x, 188.5, z);
    numero.altezza = 0.6f;
    agg_entita(m, numero);
    const double angoli[4][2] = {{3, 3.49}, {3, -2.51}, {-3, -2.51}, {-3, 3.49}};
    for (const auto& a : angoli) {
        agg_entita(m, voce(tipo_inizio, layer, x, 189.5, z));
        agg_entita(m, voce(tipo_fine, layer, x + a[0], 199.5, z + a[1]));
    }
    for (int k = 0; k < 5; ++k) {
        const auto& a = angoli[(k + 3) % 4];
        const std::int16_t tipo = k == 0 ? tipo_inizio : k == 4 ? tipo_fine : tipo_vertice;
        agg_entita(m, voce(tipo, layer, x + a[0], 199.5, z + a[1]));
    }
}

}  // namespace

void riempi_disegno(modello& m, std::size_t byte) {
    azzera_liste(m);
    for (std::size_t f = 0; f < byte / byte_fotogramma; ++f) fotogramma(m, f);
}

std::string file_dxf(std::size_t megabyte) {
    const auto percorso = std::filesystem::temp_directory_path() /
                          ("pianopre-bench-" + std::to_string(megabyte) + "MB.dxf");
    if (!std::filesystem::exists(percorso)) {
        modello m;
        riempi_disegno(m, megabyte << 20);
        salva_file_dxf(percorso, m.lista_entita, 0, 0, 0);
    }
    return percorso.string();
}

namespace {

std::string python() {
    return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

}  // namespace

file_r2018 file_ezdxf(std::size_t megabyte) {
    const auto cartella = std::filesystem::temp_directory_path();
    const std::string nome = "pianopre-bench-r2018-" + std::to_string(megabyte) + "MB";
    file_r2018 f{(cartella / (nome + ".dxf")).string(), (cartella / (nome + "-bin.dxf")).string()};
    if (!std::filesystem::exists(f.ascii) || !std::filesystem::exists(f.binario)) {
        const std::string comando = python() +
                                    " " PIANOPRE_BENCH_SCAMBIO "/disegno_r2018.py scrivi " +
                                    std::to_string(megabyte) + " " + f.ascii + " " + f.binario;
        if (std::system(comando.c_str()) != 0) return {};
    }
    return f;
}

double secondi_ezdxf(const std::string& percorso) {
    const std::string comando =
        python() + " " PIANOPRE_BENCH_SCAMBIO "/disegno_r2018.py leggi " + percorso;
    FILE* uscita = popen(comando.c_str(), "r");
    if (!uscita) return -1;
    double secondi = -1;
    if (std::fscanf(uscita, "%lf", &secondi) != 1) secondi = -1;
    return pclose(uscita) == 0 ? secondi : -1;
}

}  // namespace pianopre::bench
