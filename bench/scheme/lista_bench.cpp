// Benchmarks of the entity list: filling and walking a drawing of a million
// vertices, the size a large DXF file brings.
#include <benchmark/benchmark.h>

#include "scheme/modello.h"

namespace pianopre {
namespace {

constexpr std::int32_t milione = 1'000'000;

void riempi(modello& m, std::int32_t quante) {
    entita e;
    e.nome = "FONDO";
    e.tipo = tipo_vertice;
    for (std::int32_t i = 0; i < quante; ++i) {
        e.x = i;
        agg_entita(m, e);
    }
}

// A drawing replaced by another of the same size: the list reuses its memory.
void agg_entita_milione(benchmark::State& stato) {
    modello m;
    for (auto _ : stato) {
        azzera_liste(m);
        riempi(m, milione);
        benchmark::DoNotOptimize(m.lista_entita.n_entita());
    }
    stato.SetItemsProcessed(stato.iterations() * milione);
}
BENCHMARK(agg_entita_milione)->Unit(benchmark::kMillisecond);

// The first drawing of a run: the memory comes fresh from the system.
void agg_entita_milione_primo(benchmark::State& stato) {
    for (auto _ : stato) {
        modello m;
        azzera_liste(m);
        riempi(m, milione);
        benchmark::DoNotOptimize(m.lista_entita.n_entita());
    }
    stato.SetItemsProcessed(stato.iterations() * milione);
}
BENCHMARK(agg_entita_milione_primo)->Unit(benchmark::kMillisecond);

void scorri_milione(benchmark::State& stato) {
    modello m;
    azzera_liste(m);
    riempi(m, milione);
    for (auto _ : stato) {
        double somma = 0;
        for (const entita& e : m.lista_entita.voci()) somma += e.x;
        benchmark::DoNotOptimize(somma);
    }
    stato.SetItemsProcessed(stato.iterations() * milione);
}
BENCHMARK(scorri_milione)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre
