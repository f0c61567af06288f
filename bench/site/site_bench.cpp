// Benchmarks of the placed scheme on the largest plan a calculation gives
// (32767 frames in one strip): the station table and its CSV, the export to
// a file, the stereo models with a full control-point list, and the placed
// copy of the drawing that "Salva DXF" writes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "job/stazioni_commessa.h"
#include "scheme/commessa_grande.h"
#include "site/collocato.h"

namespace pianopre {
namespace {

void commessa_grande(commessa& c) {
    prova::commessa_grande(c, {1000, 2000, 50, 30});
}

// 4500 control points, the most an .xyz load keeps, spread along the façade.
void punti_lungo_facciata(commessa& c) {
    for (std::int32_t i = 0; i < elenco_punti::posti; ++i) {
        punto_app p;
        p.nome = "P" + std::to_string(i);
        const punto3 s = al_sito(c.sito, {100 + i * 17.5, 200, 21.0 + i % 4});
        p.x = s.x;
        p.y = s.y;
        p.z = s.z;
        agg_punto(c.disegno, p);
    }
}

void tabella_stazioni_e_csv(benchmark::State& stato) {
    commessa c;
    commessa_grande(c);
    std::size_t byte = 0;
    for (auto _ : stato) {
        const std::vector<riga_stazione> righe = stazioni_commessa(c);
        const std::string testo = testo_csv(righe, c.disegno.lista_punti.voci(), {});
        byte = testo.size();
        benchmark::DoNotOptimize(testo.data());
    }
    stato.counters["byte"] = static_cast<double>(byte);
}
BENCHMARK(tabella_stazioni_e_csv)->Unit(benchmark::kMillisecond);

void esporta_csv_file(benchmark::State& stato) {
    commessa c;
    commessa_grande(c);
    const auto file = std::filesystem::temp_directory_path() / "pianopre_bench_stazioni.csv";
    for (auto _ : stato) esporta_stazioni_csv(file, c, {});
    std::filesystem::remove(file);
}
BENCHMARK(esporta_csv_file)->Unit(benchmark::kMillisecond);

void modelli_con_4500_punti(benchmark::State& stato) {
    commessa c;
    commessa_grande(c);
    punti_lungo_facciata(c);
    for (auto _ : stato) {
        const tabella_modelli t = modelli_commessa(c);
        benchmark::DoNotOptimize(t.scarsi);
    }
}
BENCHMARK(modelli_con_4500_punti)->Unit(benchmark::kMillisecond);

void colloca_schema_grande(benchmark::State& stato) {
    commessa c;
    commessa_grande(c);
    elenco_entita copia;
    for (auto _ : stato) {
        colloca_lista(c.disegno.lista_entita, c.origine, c.sito, copia);
        benchmark::DoNotOptimize(copia.n_entita());
    }
    stato.counters["entita"] = copia.n_entita();
}
BENCHMARK(colloca_schema_grande)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre
