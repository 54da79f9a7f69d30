// The usual redraw after an edit: the synthesized waveform with its phasor
// diagram and the stored period, then the repaint of both plots through the
// event loop, at the designed window size and at 1400 x 800 pixels. Each
// redraw starts after the paint of the one before, as in the program.

#include "app/form1.h"
#include "bench/plancher.h"
#include "bench/signal_de_test.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void TraceEtPeriode(benchmark::State& state, bool grande)
{
    remplir_signal_de_test();

    Form1 fenêtre;
    fenêtre.show();
    if (grande)
        fenêtre.resize(1400, 800);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // The release of a trace button is exactly the redraw: a refresh,
        // tracerut, then the stored period.
        fenêtre.Command3_MouseUp(1, 1, 0, 0, 0);
        QCoreApplication::processEvents();
    }
    state.counters["picture2_px"] = fenêtre.Picture2->width() * fenêtre.Picture2->height();
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK_CAPTURE(TraceEtPeriode, taille_dessinee, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TraceEtPeriode, fenetre_1400x800, true)->Unit(benchmark::kMillisecond);
