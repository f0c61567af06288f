// Benchmarks of the site's coordinate system: the largest plan's 32,767
// stations taken to WGS 84 (the transformation built and all the points in
// one PROJ call, and the call alone), the five map and drone files of that
// plan, and a job opened and computed to its JSON output with and without a
// system, as "--calcola --json" does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "base/formato_regionale.h"
#include "job/esportazioni_geo.h"
#include "job/file_lavoro.h"
#include "job/posizioni_wgs84.h"
#include "job/risultati_uscita.h"
#include "job/stazioni_commessa.h"
#include "scheme/commessa_grande.h"

namespace pianopre {
namespace {

// The largest job, placed in WGS 84 / UTM zone 33N.
void commessa_grande(commessa& c) {
    prova::commessa_grande(c, {402000, 4640000, 50, 30, unita_angolo::gradi, "EPSG:32633"});
}

void posizioni_32767_stazioni(benchmark::State& stato) {
    auto c = std::make_unique<commessa>();
    commessa_grande(*c);
    for (auto _ : stato) {
        const posizioni_commessa p = posizioni_wgs84(*c);
        benchmark::DoNotOptimize(p.stazioni_wgs84.data());
    }
    stato.counters["stazioni"] = static_cast<double>(stazioni_commessa(*c).size());
}
BENCHMARK(posizioni_32767_stazioni)->Unit(benchmark::kMillisecond);

void converti_32767_stazioni(benchmark::State& stato) {
    auto c = std::make_unique<commessa>();
    commessa_grande(*c);
    std::vector<punto3> punti;
    for (const riga_stazione& s : stazioni_commessa(*c)) punti.push_back({s.est, s.nord, s.quota});
    trasformazione_wgs84 t(c->sito.sistema);
    for (auto _ : stato) {
        const auto p = t.converti(punti);
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(converti_32767_stazioni)->Unit(benchmark::kMillisecond);

// The five files for maps and drones of the largest plan, the transforms
// included: KML, GeoJSON, DJI, Litchi and QGroundControl, one after another.
void cinque_file_32767_stazioni(benchmark::State& stato) {
    auto c = std::make_unique<commessa>();
    commessa_grande(*c);
    const auto cartella = std::filesystem::temp_directory_path() / "pianopre_bench_geo";
    std::filesystem::create_directories(cartella);
    std::uintmax_t byte = 0;
    for (auto _ : stato) {
        byte = 0;
        for (const formato_geo f : {formato_geo::kml, formato_geo::geojson, formato_geo::dji,
                                    formato_geo::litchi, formato_geo::qgc}) {
            const auto file = cartella / ("piano." + std::string(estensione_formato(f)));
            esporta_geo(*c, f, file, formato_regionale::italiano());
            byte += std::filesystem::file_size(file);
        }
    }
    stato.counters["byte"] = static_cast<double>(byte);
    std::filesystem::remove_all(cartella);
}
BENCHMARK(cinque_file_32767_stazioni)->Unit(benchmark::kMillisecond);

// Each of the five alone, by formato_geo.
void un_file_32767_stazioni(benchmark::State& stato) {
    auto c = std::make_unique<commessa>();
    commessa_grande(*c);
    const auto f = static_cast<formato_geo>(stato.range(0));
    const auto file = std::filesystem::temp_directory_path() /
                      ("pianopre_bench_piano." + std::string(estensione_formato(f)));
    for (auto _ : stato) esporta_geo(*c, f, file, formato_regionale::italiano());
    stato.SetLabel(std::string(nome_formato(f)));
    std::filesystem::remove(file);
}
BENCHMARK(un_file_32767_stazioni)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The digital example as a job file, with (1) or without (0) a system:
// opened, computed and printed as JSON.
void apri_e_calcola(benchmark::State& stato) {
    const bool con_sistema = stato.range(0) != 0;
    const auto file = std::filesystem::temp_directory_path() /
                      (con_sistema ? "pianopre_bench_sistema.pianopre" : "pianopre_bench.pianopre");
    dati_file_lavoro d;
    d.caselle = {"35", "35,7", "23,8", "50", "20", "12", "8", ""};
    d.sensore = {"Pieno formato", 9504, 6336, 0};
    d.sito = {402000, 4640000, 50, 30, unita_angolo::gradi, con_sistema ? "EPSG:32633" : ""};
    scrivi_file_lavoro(file, d);
    std::size_t byte = 0;
    for (auto _ : stato) {
        auto c = std::make_unique<commessa>();
        const esito_lettura_lavoro letto = leggi_file_lavoro(file);
        applica_a_commessa(letto.dati, *c);
        calcola_commessa(*c, caselle_da_file(letto.dati), formato_regionale::italiano());
        const std::string testo = json_risultati(*c, verifiche_per_uscita(*c));
        byte = testo.size();
        benchmark::DoNotOptimize(testo.data());
    }
    stato.counters["byte"] = static_cast<double>(byte);
    std::filesystem::remove(file);
}
BENCHMARK(apri_e_calcola)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre
