// Throughput of the calculation road: reading the boxes, the plan, the precision and the text
// forms.
#include <benchmark/benchmark.h>

#include "base/numeri.h"
#include "base/testo_numeri.h"
#include "calc/precisione.h"
#include "calc/presa.h"

namespace pianopre {
namespace {

void leggi_otto_caselle(benchmark::State& stato) {
    const formato_regionale f = formato_regionale::italiano();
    const char* caselle[] = {"100", "60,00", "60,00", "5", "20", "10", "50", "2,4"};
    for (auto _ : stato) {
        for (const char* c : caselle) benchmark::DoNotOptimize(leggi_numero(c, f));
    }
}
BENCHMARK(leggi_otto_caselle);

void piano_e_precisione(benchmark::State& stato) {
    const dati_camera camera{100, 60, 60};
    dati_lavoro lavoro;
    lavoro.distanza = 10;
    lavoro.larg_sogg = 20;
    lavoro.alt_sogg = 5;
    lavoro.scala = 50;
    for (auto _ : stato) {
        dati_presa presa;
        calcola_presa(camera, lavoro, presa, 0);
        benchmark::DoNotOptimize(stima_precisione_max(presa, camera, false));
        benchmark::DoNotOptimize(stima_precisione_std(presa, camera, false));
    }
}
BENCHMARK(piano_e_precisione);

void testi_dei_risultati(benchmark::State& stato) {
    const formato_regionale f = formato_regionale::italiano();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(testo_generale(9.865790271635426, f));
        benchmark::DoNotOptimize(testo_coppia_precisione(0.6093029f, 1.767767f));
        benchmark::DoNotOptimize(testo_punto(102.59078));
    }
}
BENCHMARK(testi_dei_risultati);

}  // namespace
}  // namespace pianopre
