// What must feel instant while editing: an analysis with its redraw (of a
// freehand drawing, of "Signal carré" picked in the list), a freehand move,
// a typed amplitude. Each includes the painting of what it changed, through
// the event loop as on screen, and starts after the paint of the one before,
// as in the program.

#include "app/commun.h"
#include "app/form1.h"
#include "bench/peinture.h"
#include "bench/plancher.h"
#include "signal/fft/fft.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr double pas = Form1::deux_pi / 4096;

void remplir(double amplitude)
{
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = amplitude * (std::sin(i * pas) + 0.3 * std::sin(5 * i * pas + 0.2)) + 0.1;
}

// The transform alone, each after a paint (not timed).
void Fft4096(benchmark::State& state)
{
    SurfacePeinte surface;
    std::vector<double> re(4096, 0.0), im(4096), sre(4096), sim(4096);
    for (int i = 0; i < 4096; ++i)
        im[i] = std::sin(i * pas);
    for (auto _ : state) {
        state.PauseTiming();
        surface.peindre();
        state.ResumeTiming();
        fft::Fourier(4096, re, im, sre, sim, true);
        benchmark::DoNotOptimize(sre.data());
    }
    plancher::rapporter(state);
}

// The release of a freehand drawing: the period analysed into the 102
// boxes, the waveform and the period drawn, both plots painted.
void Analyse(benchmark::State& state)
{
    commun::composantes.fill({});
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    bool bascule = false;
    for (auto _ : state) {
        state.PauseTiming();
        remplir((bascule = !bascule) ? 1.0 : 0.9);  // new values in every box
        state.ResumeTiming();
        f.Picture2_MouseUp(0, 0, 0, 0);
        QCoreApplication::processEvents();
    }
    commun::periode.fill(0.0);
    plancher::rapporter(state);
}

// "Signal carré" picked in the list: the period written, analysed into the
// 102 boxes, the waveform and the period drawn, both plots painted. Between
// two picks another signal is picked and painted (not timed), so that every
// box gets new values.
void SignalCarre(benchmark::State& state)
{
    constexpr int carré = 2, triangle = 3;
    commun::composantes.fill({});
    commun::periode.fill(0.0);
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        f.Combo2->setCurrentIndex(triangle);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.Combo2->setCurrentIndex(carré);
        QCoreApplication::processEvents();
    }
    // A square wave: rank 3 at a third of rank 1.
    const double a1 = commun::composantes[1].amplitude, a3 = commun::composantes[3].amplitude;
    if (f.Combo2->currentText() != QStringLiteral("Signal carré") || !(a1 > 0.3 && std::abs(3 * a3 - a1) < 1e-3))
        state.SkipWithError("not the square wave");
    commun::periode.fill(0.0);
    plancher::rapporter(state);
}

void bouger(Surface* toile, double x, double y)
{
    const QPointF p = toile->toPixels(x, y);
    QMouseEvent e(QEvent::MouseMove, p, toile->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(toile, &e);
    QCoreApplication::processEvents();
}

long pic_mémoire_ko()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Move events of a drag going to and fro over the plot, each with its
// repaint. The counters compare the first and the last thousand events of
// 10,000, the overlay's size and the peak memory.
void MouvementLibre(benchmark::State& state)
{
    commun::composantes.fill({});
    remplir(1.0);
    Form1 f;
    f.show();
    Surface* toile = f.Picture2;
    const QPointF départ = toile->toPixels(0.5, 0.5);
    QMouseEvent press(QEvent::MouseButtonPress, départ, toile->mapToGlobal(départ), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(toile, &press);
    QCoreApplication::processEvents();
    const long mémoire_avant = pic_mémoire_ko();
    using horloge = std::chrono::steady_clock;
    double premiers = 0, derniers = 0;
    int k = 0;
    for (auto _ : state) {
        // 7 samples a step, to and fro over the whole period every 1170 events.
        const int aller = k % 1170;
        const double indice = aller < 585 ? aller * 7 : (1170 - aller) * 7;
        const auto t0 = horloge::now();
        bouger(toile, (indice + 0.5) * pas, 0.8 * std::sin(k * 0.01));
        const double durée = std::chrono::duration<double, std::micro>(horloge::now() - t0).count();
        if (k < 1000)
            premiers += durée;
        else if (k >= state.max_iterations - 1000)
            derniers += durée;
        ++k;
    }
    state.counters["us_1ers_1000"] = premiers / 1000;
    state.counters["us_derniers_1000"] = derniers / 1000;
    state.counters["primitives"] = static_cast<double>(toile->overlay().size());
    state.counters["memoire_Mo"] = (pic_mémoire_ko() - mémoire_avant) / 1024.0;
    commun::periode.fill(0.0);
    plancher::rapporter(state);
}

// One typed amplitude: stored, bar moved, labels, waveform and period
// redrawn and painted.
void AmplitudeTapee(benchmark::State& state)
{
    commun::composantes.fill({});
    remplir(1.0);
    Form1 f;
    f.show();
    for (int k = 1; k <= 50; ++k)
        f.Amplit[k]->setText(QString::number(100.0 / k));
    QCoreApplication::processEvents();
    bool bascule = false;
    for (auto _ : state) {
        f.Amplit[3]->setText((bascule = !bascule) ? QStringLiteral("12.5") : QStringLiteral("33.3"));
        QCoreApplication::processEvents();
    }
    commun::periode.fill(0.0);
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(Fft4096)->Unit(benchmark::kMicrosecond);
BENCHMARK(Analyse)->Unit(benchmark::kMillisecond);
BENCHMARK(SignalCarre)->Unit(benchmark::kMillisecond);
BENCHMARK(MouvementLibre)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(AmplitudeTapee)->Unit(benchmark::kMillisecond);
