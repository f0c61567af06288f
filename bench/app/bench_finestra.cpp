// The main window measured as a user meets it: start-up to the shown window,
// and "Calcola -->" from the click to the refreshed picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "app/finestra_principale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {
namespace {

// Calculations that succeed show nothing; a message would be a broken benchmark.
class servizi_muti : public servizi_utente {
public:
    void messaggio(const QString& t) override { qFatal("messaggio inatteso: %s", qPrintable(t)); }
    bool domanda(const QString&) override { return false; }
    std::optional<bool> domanda_annulla(const QString&) override { return false; }
    void beep() override {}
    avanzamento avvia_avanzamento(const QString&, std::int64_t) override { return {}; }
    std::optional<QString> apri_file(const QString&, const QString&) override { return {}; }
    std::optional<QString> salva_file(const QString&, const QString&) override { return {}; }
};

void avvio(benchmark::State& stato) {
    for (auto _ : stato) {
        commessa lavoro;
        servizi_muti s;
        finestra_principale finestra(lavoro, s, formato_regionale::italiano());
        finestra.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&finestra));
        QApplication::processEvents();
    }
}
BENCHMARK(avvio)->Unit(benchmark::kMillisecond);

// larghezza 20 is the first worked example (154 entities); 78600 m gives 32751
// frames in one strip, the largest scheme the 16-bit counts allow (about 491,000 entities).
void calcola(benchmark::State& stato) {
    commessa lavoro;
    servizi_muti s;
    finestra_principale finestra(lavoro, s, formato_regionale::italiano());
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra)) stato.SkipWithError("finestra non mostrata");
    const controlli_principali& c = finestra.controlli();
    c.casella_scala->setText("50");
    c.casella_larg_sogg->setText(QString::number(stato.range(0)));
    c.casella_alt_sogg->setText("5");
    c.casella_distanza->setText("10");
    for (auto _ : stato) {
        QTest::mouseClick(c.calcola, Qt::LeftButton);
        c.area->repaint();  // the refreshed picture on screen
    }
    stato.counters["entita"] = lavoro.disegno.lista_entita.n_entita();
}
BENCHMARK(calcola)->Arg(20)->Arg(78600)->Unit(benchmark::kMillisecond);

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
