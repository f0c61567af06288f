// Benchmarks of the scheme builder on the largest plans the 16-bit frame
// counts allow: the calculation caps the total frames at 32767.
#include <benchmark/benchmark.h>

#include "job/commessa.h"
#include "scheme/piani_prova.h"

namespace pianopre {
namespace {

void crea_schema_grande(benchmark::State& stato) {
    const dati_presa presa = prova::piano(static_cast<double>(stato.range(0)),
                                          static_cast<std::int16_t>(stato.range(1)), 2.59078);
    dati_lavoro lavoro;
    lavoro.larg_sogg = 78640;
    lavoro.alt_sogg = 5;
    modello m;
    for (auto _ : stato) {
        crea_schema_lavoro(m, presa, lavoro, formato_regionale::italiano());
        benchmark::DoNotOptimize(m.lista_entita.n_entita());
    }
    stato.counters["entita"] = m.lista_entita.n_entita();
    stato.SetItemsProcessed(stato.iterations() * m.lista_entita.n_entita());
}
// 32767 frames in one strip; the same frames in 7 strips; one frame in each of 32767 strips.
BENCHMARK(crea_schema_grande)
    ->Args({32767, 1})
    ->Args({32767, 7})
    ->Args({32767, 32767})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre
