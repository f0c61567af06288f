// Benchmarks of the DXF writer and reader on drawings of 10 and 100 MB in our
// own style. The reader is measured beside a bare line scanner (read lines,
// trim, from_chars: the least any DXF reader must do) and, when it is
// installed, dxflib reading the same file.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <streambuf>

#include "disegno_grande.h"
#include "exchange/dxf_lettura.h"
#include "exchange/dxf_scrittura.h"
#include "exchange/file_scambio.h"

#ifdef PIANOPRE_DXFLIB
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#endif

namespace pianopre {
namespace {

std::int64_t dimensione(const std::string& percorso) {
    return static_cast<std::int64_t>(std::filesystem::file_size(percorso));
}

// A stream that counts and forgets what it is given.
class scarico : public std::streambuf {
public:
    std::int64_t byte = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        byte += n;
        return n;
    }
    int_type overflow(int_type c) override {
        ++byte;
        return c;
    }
};

void salva_dxf_memoria(benchmark::State& stato) {
    modello m;
    bench::riempi_disegno(m, static_cast<std::size_t>(stato.range(0)) << 20);
    std::int64_t byte = 0;
    for (auto _ : stato) {
        scarico s;
        std::ostream out(&s);
        salva_dxf(out, m.lista_entita, 1, 2, 3);
        byte = s.byte;
    }
    stato.SetBytesProcessed(stato.iterations() * byte);
    stato.counters["entita"] = static_cast<double>(m.lista_entita.n_entita());
}
BENCHMARK(salva_dxf_memoria)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The whole save as the command does it: a temporary file, then the rename.
void salva_file_dxf_disco(benchmark::State& stato) {
    modello m;
    bench::riempi_disegno(m, static_cast<std::size_t>(stato.range(0)) << 20);
    const auto percorso = std::filesystem::temp_directory_path() / "pianopre-bench-salva.dxf";
    for (auto _ : stato) salva_file_dxf(percorso, m.lista_entita, 1, 2, 3);
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso.string()));
    std::filesystem::remove(percorso);
}
BENCHMARK(salva_file_dxf_disco)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void leggi_dxf_file(benchmark::State& stato) {
    const std::string percorso = bench::file_dxf(static_cast<std::size_t>(stato.range(0)));
    modello m;
    for (auto _ : stato) {
        azzera_liste(m);
        leggi_file_dxf(percorso, m);
        benchmark::DoNotOptimize(m.lista_entita.n_entita());
    }
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
    stato.counters["entita"] = static_cast<double>(m.lista_entita.n_entita());
}
BENCHMARK(leggi_dxf_file)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The bare scanner: lines from 1 MiB blocks, blanks trimmed, every line tried as a number.
double scansiona(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    const std::size_t dim = std::size_t{1} << 20;
    std::unique_ptr<char[]> blocco(new char[dim]);
    std::string resto;
    double somma = 0;
    auto riga = [&](const char* p, std::size_t n) {
        while (n > 0 && p[n - 1] == '\r') --n;
        while (n > 0 && *p == ' ') ++p, --n;
        while (n > 0 && p[n - 1] == ' ') --n;
        double v = 0;
        if (std::from_chars(p, p + n, v).ec == std::errc{}) somma += v;
    };
    while (in.read(blocco.get(), static_cast<std::streamsize>(dim)) || in.gcount() > 0) {
        const char* p = blocco.get();
        const char* fine = p + in.gcount();
        while (p < fine) {
            const char* a_capo = static_cast<const char*>(std::memchr(p, '\n', fine - p));
            if (!a_capo) {
                resto.append(p, fine);
                break;
            }
            if (resto.empty()) {
                riga(p, static_cast<std::size_t>(a_capo - p));
            } else {
                resto.append(p, a_capo);
                riga(resto.data(), resto.size());
                resto.clear();
            }
            p = a_capo + 1;
        }
    }
    if (!resto.empty()) riga(resto.data(), resto.size());
    return somma;
}

void scansione_righe(benchmark::State& stato) {
    const std::string percorso = bench::file_dxf(static_cast<std::size_t>(stato.range(0)));
    for (auto _ : stato) benchmark::DoNotOptimize(scansiona(percorso));
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
}
BENCHMARK(scansione_righe)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

#ifdef PIANOPRE_DXFLIB
class conta_dxflib : public DL_CreationAdapter {
public:
    std::int64_t voci = 0;
    void addPoint(const DL_PointData&) override { ++voci; }
    void addVertex(const DL_VertexData&) override { ++voci; }
    void addText(const DL_TextData&) override { ++voci; }
    void addLine(const DL_LineData&) override { voci += 2; }
};

void dxflib_in(benchmark::State& stato) {
    const std::string percorso = bench::file_dxf(static_cast<std::size_t>(stato.range(0)));
    std::int64_t voci = 0;
    for (auto _ : stato) {
        conta_dxflib conta;
        DL_Dxf dxf;
        dxf.in(percorso, &conta);
        voci = conta.voci;
    }
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
    stato.counters["entita"] = static_cast<double>(voci);
}
BENCHMARK(dxflib_in)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace pianopre
