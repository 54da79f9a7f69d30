// The sound: one second of it for 50 ranks as the audio thread produces it,
// the table of one period that a change of the ranks costs, and an edit
// reaching the sound: the amplitude typed with its redraw and paint, then the
// window's poll (the ranks read, the new table computed) and the first 10 ms
// of samples, which carry it through the crossfade.

#include "app/commun.h"
#include "app/form1.h"
#include "bench/plancher.h"
#include "son/ecoute.h"
#include "son/generateur.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr double fe = 44100;

son::Harmoniques cinquante_rangs()
{
    son::Harmoniques h;
    h.n = son::rang_maximal;
    for (int k = 1; k <= h.n; ++k) {
        h.amplitude[k] = 1.0 / k;
        h.phase[k] = 0.1 * k;
    }
    return h;
}

void SonUneSeconde(benchmark::State& state)
{
    son::Générateur g(fe);
    g.régler(cinquante_rangs(), son::fréquence_par_défaut, 0.5);
    std::vector<float> x(static_cast<std::size_t>(fe));
    for (auto _ : state) {
        g.produire(x.data(), x.size());
        benchmark::DoNotOptimize(x.data());
    }
    plancher::rapporter(state);
}

void TableDuSon(benchmark::State& state)
{
    son::Harmoniques h = cinquante_rangs();
    for (auto _ : state) {
        h.amplitude[3] = h.amplitude[3] == 0.25 ? 1.0 / 3 : 0.25;
        benchmark::DoNotOptimize(son::table(h, son::fréquence_par_défaut, fe, 0.5));
    }
    plancher::rapporter(state);
}

void EditionVersSon(benchmark::State& state)
{
    commun::composantes.fill({});
    Form1 f;
    f.show();
    for (int k = 1; k <= 50; ++k)
        f.Amplit[k]->setText(QString::number(100.0 / k));
    f.écoute->préparer(fe);
    std::vector<float> x(static_cast<std::size_t>(fe * son::durée_fondu));
    QCoreApplication::processEvents();
    bool bascule = false;
    for (auto _ : state) {
        f.Amplit[3]->setText((bascule = !bascule) ? QStringLiteral("12.5") : QStringLiteral("33.3"));
        QCoreApplication::processEvents();
        f.écoute->suivre();
        f.écoute->générateur()->produire(x.data(), x.size());
        benchmark::DoNotOptimize(x.data());
    }
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(SonUneSeconde)->Unit(benchmark::kMillisecond);
BENCHMARK(TableDuSon)->Unit(benchmark::kMicrosecond);
BENCHMARK(EditionVersSon)->Unit(benchmark::kMillisecond);
