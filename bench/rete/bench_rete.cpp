// The coverage and precision map: a 30 m × 14 m façade at 0.05 m cells
// (168,000 cells) seen by 100 images, and the map of the largest scheme a
// calculation gives (one strip of 31,439 frames along 78,600 m, 199,984 cells).
#include <benchmark/benchmark.h>

#include "job/commessa.h"
#include "job/rete_commessa.h"

namespace pianopre {
namespace {

// 4 strips of 25 frames, 24 mm on 35.7 × 23.8 mm, 6 m from the façade: each
// frame covers 8.9 m × 6 m: a cell is seen by 7.3 images on average.
void mappa_168000_celle(benchmark::State& stato) {
    std::vector<immagine_rete> immagini;
    for (std::int32_t s = 1; s <= 4; ++s)
        for (std::int32_t f = 1; f <= 25; ++f)
            immagini.push_back({"S", s, f, (f - 1) * 1.25, 6, 1.5 + (s - 1) * 5.36, 0, 0});
    const camera_rete camera{24, 35.7, 23.8, 35.7 / 9504};
    impostazioni_mappa imp;
    imp.tolleranza_mm = 4;
    for (auto _ : stato) {
        const mappa_copertura m = calcola_mappa(immagini, camera, 30, 14, imp);
        benchmark::DoNotOptimize(m.quota_2);
        stato.counters["celle"] = static_cast<double>(m.celle.size());
    }
}
BENCHMARK(mappa_168000_celle)->Unit(benchmark::kMillisecond);

void mappa_schema_grande(benchmark::State& stato) {
    commessa c;
    c.sensore = {"", 9504, 6336, 0};
    calcola_commessa(c, {"35", "35,7", "23,8", "5", "78600", "10", "50", ""},
                     formato_regionale::italiano());
    for (auto _ : stato) {
        const mappa_copertura m = copertura_commessa(c);
        benchmark::DoNotOptimize(m.quota_2);
        stato.counters["celle"] = static_cast<double>(m.celle.size());
    }
    stato.counters["immagini"] = static_cast<double>(immagini_commessa(c).size());
}
BENCHMARK(mappa_schema_grande)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre
