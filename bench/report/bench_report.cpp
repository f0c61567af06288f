// The printed plan as PDF: composing and saving it for the first worked
// example and for the largest scheme (32,751 frames in one strip, 32,750
// models, tables over hundreds of pages), placed on the site.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "report/report.h"

namespace pianopre {
namespace {

void esporta(benchmark::State& stato) {
    commessa c;
    c.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
    const caselle_lavoro caselle{"100", "60,00", "60,00", "5", std::to_string(stato.range(0)),
                                 "10",  "50",    ""};
    const formato_regionale it = formato_regionale::italiano();
    calcola_commessa(c, caselle, it);
    const contenuto_report r{c, caselle, risultati_di(c, it), "banco.pianopre", "08/12/2026", it};
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "pianopre_bench_report.pdf";
    for (auto _ : stato) esporta_report_pdf(file, r);
    stato.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
    stato.counters["fotogrammi"] = c.presa.num_foto;
    // PIANOPRE_SCRIVI_OUT keeps the last file to be looked at.
    if (qEnvironmentVariableIsSet("PIANOPRE_SCRIVI_OUT"))
        std::filesystem::rename(file, "bench_report_" + std::to_string(stato.range(0)) + ".pdf");
    else
        std::filesystem::remove(file);
}
BENCHMARK(esporta)->Arg(20)->Arg(78600)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pianopre

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
