// Benchmarks of the DXF writer and reader on drawings of 10 and 100 MB in our
// own style (other sizes through PIANOPRE_BENCH_MB). The reader is measured
// beside a bare line scanner (read lines, trim, from_chars: the least any DXF
// reader must do) and, when it is installed, dxflib reading the same file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <streambuf>

#include "disegno_grande.h"
#include "exchange/dxf_lettura.h"
#include "exchange/dxf_scrittura.h"
#include "exchange/file_scambio.h"
#include "letture_confronto.h"

namespace pianopre {
namespace {

std::int64_t dimensione(const std::string& percorso) {
    return static_cast<std::int64_t>(std::filesystem::file_size(percorso));
}

// The sizes in MB: PIANOPRE_BENCH_MB ("10 100" when unset). Large files take
// their size twice over in the temporary folder, so they run only on request.
void dimensioni(benchmark::internal::Benchmark* b) {
    const char* scelte = std::getenv("PIANOPRE_BENCH_MB");
    std::istringstream in(scelte && *scelte ? scelte : "10 100");
    for (std::int64_t mb = 0; in >> mb;) b->Arg(mb);
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
BENCHMARK(salva_dxf_memoria)->Apply(dimensioni)->Unit(benchmark::kMillisecond);

// The whole save as the command does it: a temporary file, then the rename.
void salva_file_dxf_disco(benchmark::State& stato) {
    modello m;
    bench::riempi_disegno(m, static_cast<std::size_t>(stato.range(0)) << 20);
    const auto percorso = std::filesystem::temp_directory_path() / "pianopre-bench-salva.dxf";
    for (auto _ : stato) salva_file_dxf(percorso, m.lista_entita, 1, 2, 3);
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso.string()));
    std::filesystem::remove(percorso);
}
BENCHMARK(salva_file_dxf_disco)->Apply(dimensioni)->Unit(benchmark::kMillisecond);

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
BENCHMARK(leggi_dxf_file)->Apply(dimensioni)->Unit(benchmark::kMillisecond);

// A façade drawing in release 2018 written by ezdxf (LWPOLYLINE, ARC and block
// references, whose blocks hold arcs too), ASCII and binary, and ezdxf itself
// reading the ASCII file: PIANOPRE_BENCH_R2018_MB (100 when unset) megabytes.
void dimensione_r2018(benchmark::internal::Benchmark* b) {
    const char* scelta = std::getenv("PIANOPRE_BENCH_R2018_MB");
    b->Arg(scelta && *scelta ? std::atoi(scelta) : 100);
}

void leggi_r2018(benchmark::State& stato, bool binario) {
    const bench::file_r2018 f = bench::file_ezdxf(static_cast<std::size_t>(stato.range(0)));
    if (f.ascii.empty()) {
        stato.SkipWithError("ezdxf could not write the drawing");
        return;
    }
    const std::string& percorso = binario ? f.binario : f.ascii;
    modello m;
    // One read before the timing, as a drawing opened after another: the
    // entity list keeps its memory, and the timed reads do not measure the
    // system handing out fresh pages for it.
    azzera_liste(m);
    leggi_file_dxf(percorso, m);
    for (auto _ : stato) {
        azzera_liste(m);
        leggi_file_dxf(percorso, m);
        benchmark::DoNotOptimize(m.lista_entita.n_entita());
    }
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
    stato.counters["entita"] = static_cast<double>(m.lista_entita.n_entita());
}
void leggi_r2018_ascii(benchmark::State& stato) {
    leggi_r2018(stato, false);
}
void leggi_r2018_binario(benchmark::State& stato) {
    leggi_r2018(stato, true);
}
BENCHMARK(leggi_r2018_ascii)->Apply(dimensione_r2018)->Unit(benchmark::kMillisecond);
BENCHMARK(leggi_r2018_binario)->Apply(dimensione_r2018)->Unit(benchmark::kMillisecond);

void ezdxf_readfile(benchmark::State& stato) {
    const bench::file_r2018 f = bench::file_ezdxf(static_cast<std::size_t>(stato.range(0)));
    for (auto _ : stato) {
        const double s = f.ascii.empty() ? -1 : bench::secondi_ezdxf(f.ascii);
        if (s < 0) {
            stato.SkipWithError("ezdxf could not read the drawing");
            return;
        }
        stato.SetIterationTime(s);
    }
    stato.SetBytesProcessed(stato.iterations() * dimensione(f.ascii));
}
BENCHMARK(ezdxf_readfile)
    ->Apply(dimensione_r2018)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void scansione_righe(benchmark::State& stato) {
    const std::string percorso = bench::file_dxf(static_cast<std::size_t>(stato.range(0)));
    for (auto _ : stato) benchmark::DoNotOptimize(bench::scansiona(percorso));
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
}
BENCHMARK(scansione_righe)->Apply(dimensioni)->Unit(benchmark::kMillisecond);

#ifdef PIANOPRE_DXFLIB
void dxflib_in(benchmark::State& stato) {
    const std::string percorso = bench::file_dxf(static_cast<std::size_t>(stato.range(0)));
    std::int64_t voci = 0;
    for (auto _ : stato) voci = bench::conta_dxflib(percorso);
    stato.SetBytesProcessed(stato.iterations() * dimensione(percorso));
    stato.counters["entita"] = static_cast<double>(voci);
}
BENCHMARK(dxflib_in)->Apply(dimensioni)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace pianopre
