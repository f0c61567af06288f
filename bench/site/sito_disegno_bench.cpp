// Placing the plan over a 10 MB site drawing and redrawing the picture, as
// "Colloca sul sito..." does: the placement changes, the view is refitted to
// the scheme, the site drawing and the control points, and everything drawn.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "../exchange/disegno_grande.h"
#include "exchange/file_scambio.h"
#include "picture/ridis.h"
#include "support/esempio.h"

namespace pianopre {
namespace {

void colloca_e_ridisegna(benchmark::State& stato) {
    commessa lavoro;
    prova::calcola_esempio(lavoro);
    leggi_file_dxf(bench::file_dxf(10), lavoro.disegno_sito);
    area_disegno area;
    area.resize(625, 425);
    int volta = 0;
    for (auto _ : stato) {
        lavoro.sito = {1000.0 + volta % 7, 2000, 50, 30.0 + volta % 11, unita_angolo::gradi};
        ++volta;
        stato_vista vista;
        vista.sito = lavoro.sito;
        vista.sottofondo = &lavoro.disegno_sito.lista_entita;
        area.pulisci();
        ridis(area, lavoro.disegno.lista_entita, vista, adattamento::adatta);
        benchmark::DoNotOptimize(area.immagine().constBits());
    }
    stato.counters["entita_sito"] =
        static_cast<double>(lavoro.disegno_sito.lista_entita.n_entita());
}
BENCHMARK(colloca_e_ridisegna)->Unit(benchmark::kMillisecond);

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
