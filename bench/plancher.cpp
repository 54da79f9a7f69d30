#include "bench/plancher.h"

#include "app/form1.h"
#include "signal/calcul/registres.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace plancher {

namespace {

double temps_du_fil()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

}  // namespace

double sinus_d_une_synthèse()
{
    calcul::registres_propres();
    double somme = 0;
    for (int position = 1; position <= 4096; position += 4) {
        const double angle = position * (Form1::deux_pi / 4096);
        for (int16_t rang = 1; rang <= 50; ++rang)
            somme += std::sin(rang * angle + 0.05 * rang);  // the phases of signal_de_test.h
    }
    return somme;
}

double secondes()
{
    static const double plancher = [] {
        double meilleur = 1e9;
        for (int lot = 0; lot < 30; ++lot) {
            const double t0 = temps_du_fil();
            for (int k = 0; k < 10; ++k)
                benchmark::DoNotOptimize(sinus_d_une_synthèse());
            meilleur = std::min(meilleur, (temps_du_fil() - t0) / 10);
        }
        return meilleur;
    }();
    return plancher;
}

void rapporter(benchmark::State& state)
{
    state.counters["plancher_ms"] = secondes() * 1e3;
    // floor × iterations / time, inverted: the time of one iteration over the floor.
    state.counters["rapport"] = benchmark::Counter(
        secondes(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

namespace {

// The floor as a benchmark of its own, beside the others.
void Plancher(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sinus_d_une_synthèse());
    rapporter(state);
}
BENCHMARK(Plancher)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace plancher
