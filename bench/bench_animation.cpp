// The animation: the cost of one frame without its passes through the event
// loop, and the wall-clock time of a whole period at both ends of the speed bar.

#include "app/commun.h"
#include "app/form1.h"
#include "bench/plancher.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void cinquante_rangs()
{
    for (int i = 1; i <= 50; ++i)
        commun::composantes[i] = {0.5 / i, 0.1 * i};
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::sin(i * 6.283185308 / 4096);
}

// One frame: its drawing alone, and its drawing followed by the one pass
// through the event loop that paints it (only what changed is repainted).
// Either way the frame starts after the paint of the one before, as in the
// program (a paint not timed when the frame's drawing is timed alone).
void ImageAnimation(benchmark::State& state)
{
    const bool avec_peinture = state.range(0) != 0;
    cinquante_rangs();
    Form1 fenêtre;
    fenêtre.show();
    QCoreApplication::processEvents();
    Form1::Chaîne chaîne;
    fenêtre.position = 0;
    fenêtre.angle1 = 0;
    for (auto _ : state) {
        fenêtre.angle1 += 4 * (Form1::deux_pi / 4096);
        fenêtre.image_animation(chaîne);
        if (++fenêtre.position == 1024) {  // keep the waveform at one period
            fenêtre.position = 0;
            fenêtre.angle1 = 0;
            fenêtre.Picture2->cls();
        }
        if (avec_peinture) {
            QCoreApplication::processEvents();
        } else {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    plancher::rapporter(state);
}
BENCHMARK(ImageAnimation)->ArgName("avec_peinture")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole period, held down, at speed "Max" (1) and "Mini" (80).
void PeriodeAnimation(benchmark::State& state)
{
    cinquante_rangs();
    Form1 fenêtre;
    fenêtre.show();
    fenêtre.HScroll2->setValue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QMouseEvent appui(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(fenêtre.Command1, &appui);
        QMouseEvent relâche(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(fenêtre.Command1, &relâche);
    }
    plancher::rapporter(state);
}
BENCHMARK(PeriodeAnimation)->Arg(1)->Arg(80)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
