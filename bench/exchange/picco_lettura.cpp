// Peak memory of reading a DXF file: the process's peak resident size before
// and after the read, beside the storage of the entities read. Each reader
// runs in a process of its own, so that no other read's peak hides its own.
//
//   picco_lettura_dxf MB [leggi|scansione|dxflib|r2018|r2018bin]
//
// reads the benchmark file of about MB megabytes with leggi_dxf (the default),
// the bare line scanner or dxflib; or, with leggi_dxf, ezdxf's release 2018
// drawing of that size, ASCII or binary.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "disegno_grande.h"
#include "exchange/file_scambio.h"
#include "letture_confronto.h"

namespace {

double picco_mb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

int leggi(const std::string& percorso) {
    using namespace pianopre;
    const double prima = picco_mb();
    modello m;
    azzera_liste(m);
    leggi_file_dxf(percorso, m);
    const double dopo = picco_mb();
    const double voci =
        static_cast<double>(m.lista_entita.n_entita()) * sizeof(entita) / (1024.0 * 1024.0);
    std::printf(
        "%s: %d entities, storage %.1f MB; peak %.1f MB before, %.1f MB after, "
        "growth %.1f MB = storage + %.1f MB\n",
        percorso.c_str(), m.lista_entita.n_entita(), voci, prima, dopo, dopo - prima,
        dopo - prima - voci);
    return 0;
}

// The scanner and dxflib keep nothing: their growth is their working memory.
template <typename F>
int confronto(const std::string& percorso, std::string_view modo, F lettura) {
    const double prima = picco_mb();
    const auto risultato = lettura(percorso);
    const double dopo = picco_mb();
    std::printf("%s: %.*s read (%g), peak %.1f MB before, %.1f MB after, growth %.1f MB\n",
                percorso.c_str(), static_cast<int>(modo.size()), modo.data(),
                static_cast<double>(risultato), prima, dopo, dopo - prima);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view modo = argc == 3 ? argv[2] : "leggi";
    if (argc < 2 || argc > 3 ||
        (modo != "leggi" && modo != "scansione" && modo != "dxflib" && modo != "r2018" &&
         modo != "r2018bin")) {
        std::fprintf(stderr, "uso: %s MB [leggi|scansione|dxflib|r2018|r2018bin]\n", argv[0]);
        return 2;
    }
    using namespace pianopre::bench;
    if (modo == "r2018" || modo == "r2018bin") {
        const file_r2018 f = file_ezdxf(std::strtoul(argv[1], nullptr, 10));
        if (f.ascii.empty()) return 3;
        return leggi(modo == "r2018" ? f.ascii : f.binario);
    }
    const std::string percorso = file_dxf(std::strtoul(argv[1], nullptr, 10));
    if (modo == "scansione") return confronto(percorso, modo, scansiona);
    if (modo == "dxflib") {
        if (!con_dxflib()) {
            std::fprintf(stderr, "built without dxflib\n");
            return 3;
        }
        return confronto(percorso, modo, conta_dxflib);
    }
    return leggi(percorso);
}
