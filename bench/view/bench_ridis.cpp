// Redraw of large drawings into the picture area of the window's design size.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "picture/ridis.h"
#include "scheme/modello.h"

namespace pianopre {
namespace {

// n vertices in polylines of 100, as a surveyed drawing holds them: each a
// walk of short steps (about a metre) somewhere in a 1000 x 1000 m site.
void riempi(elenco_entita& lista, std::int64_t n) {
    lista.azzera();
    entita e;
    e.colore = 3;
    e.attributi = attr_relativo;
    std::uint32_t seme = 12345;
    auto caso = [&seme] {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<double>(seme >> 8) / 16777216.0;
    };
    for (std::int64_t i = 0; i < n; ++i) {
        const std::int64_t nella_serie = i % 100;
        if (nella_serie == 0) {
            e.x = caso() * 1000;
            e.y = caso() * 1000;
        } else {
            e.x += caso() * 2 - 1;
            e.y += caso() * 2 - 1;
        }
        e.z = caso() * 50;
        e.tipo = nella_serie == 0 ? tipo_inizio : nella_serie == 99 ? tipo_fine : tipo_vertice;
        lista.aggiungi(e);
    }
}

// The worst case: every segment crosses a good part of the picture.
void riempi_lunghi(elenco_entita& lista, std::int64_t n) {
    lista.azzera();
    entita e;
    e.colore = 3;
    e.attributi = attr_relativo;
    for (std::int64_t i = 0; i < n; ++i) {
        const std::int64_t nella_serie = i % 100;
        e.tipo = nella_serie == 0 ? tipo_inizio : nella_serie == 99 ? tipo_fine : tipo_vertice;
        e.x = static_cast<double>((i * 37) % 1000);
        e.y = static_cast<double>((i * 91) % 1000);
        e.z = static_cast<double>(i % 50);
        lista.aggiungi(e);
    }
}

void ridisegna(benchmark::State& stato, bool assonometrica, bool lunghi = false) {
    area_disegno area;
    area.resize(625, 425);
    elenco_entita lista;
    if (lunghi) {
        riempi_lunghi(lista, stato.range(0));
    } else {
        riempi(lista, stato.range(0));
    }
    stato_vista vista;
    vista.assonometrica = assonometrica;
    for (auto _ : stato) {
        area.pulisci();
        ridis(area, lista, vista, adattamento::adatta);
        benchmark::DoNotOptimize(area.immagine().constBits());
    }
    stato.SetItemsProcessed(stato.iterations() * stato.range(0));
}

void ridis_pianta(benchmark::State& s) {
    ridisegna(s, false);
}
void ridis_assonometrica(benchmark::State& s) {
    ridisegna(s, true);
}
BENCHMARK(ridis_pianta)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ridis_assonometrica)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
void ridis_segmenti_lunghi(benchmark::State& s) {
    ridisegna(s, false, true);
}
BENCHMARK(ridis_segmenti_lunghi)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
