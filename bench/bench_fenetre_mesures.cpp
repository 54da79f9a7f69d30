// The "Mesures" window's update, as after each redraw: the figures of 50
// positive ranks (their synthesis for the crest and form factors) and of the
// stored period, and the labels that changed. Each iteration changes rank 3,
// so that the labels are written; the window's paint is not included.

#include "app/commun.h"
#include "app/form1.h"
#include "bench/plancher.h"
#include "bench/signal_de_test.h"
#include "resultats/fenetre_mesures.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void MiseAJourMesures(benchmark::State& state)
{
    remplir_signal_de_test();
    Form1 f;
    f.show();
    f.Mesures_Click();
    QCoreApplication::processEvents();
    bool bascule = false;
    for (auto _ : state) {
        state.PauseTiming();
        commun::composantes[3].amplitude = (bascule = !bascule) ? 0.125 : 1.0 / 3;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.mesures->mettre_à_jour();
    }
    commun::periode.fill(0.0);
    plancher::rapporter(state);
}

// The figures alone, without the window: the synthesis and the sums.
void GrandeursDesRangs(benchmark::State& state)
{
    std::array<double, 51> a{}, phi{};
    for (int k = 1; k <= 50; ++k)
        a[k] = 1.0 / k, phi[k] = 0.05 * k;
    for (auto _ : state)
        benchmark::DoNotOptimize(grandeurs::des_rangs({a, phi, 50}));
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(GrandeursDesRangs)->Unit(benchmark::kMicrosecond);
BENCHMARK(MiseAJourMesures)->Unit(benchmark::kMicrosecond);
