// The coverage map window redrawn after a change of quantity: the cell picture
// of 200,000 cells made again, scaled to the window and painted.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "dialogs/copertura_finestra.h"
#include "support/mappa_sintetica.h"

namespace pianopre {
namespace {

void cambio_grandezza(benchmark::State& stato) {
    const auto colonne = static_cast<std::int32_t>(stato.range(0));
    const mappa_copertura m = prova::mappa_sintetica(1.0, colonne, 200'000 / colonne);
    finestra_copertura w(formato_regionale::italiano());
    w.resize(1200, 800);
    w.show();
    w.mostra(m, prova::stazioni_sintetiche(), 1.0);
    int i = 0;
    for (auto _ : stato) {
        w.scelta->setCurrentIndex(++i % 4);
        w.quadro->repaint();
    }
    stato.counters["celle"] = static_cast<double>(m.celle.size());
}

BENCHMARK(cambio_grandezza)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

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
