// Peak memory of reading a DXF file: the process's peak resident size before
// and after leggi_dxf, beside the storage of the entities read.
//
//   picco_lettura_dxf MB     reads the benchmark file of about MB megabytes
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "disegno_grande.h"
#include "exchange/file_scambio.h"

namespace {

double picco_mb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s MB\n", argv[0]);
        return 2;
    }
    using namespace pianopre;
    const std::string percorso = bench::file_dxf(std::strtoul(argv[1], nullptr, 10));
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
