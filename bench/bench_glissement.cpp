// One step of a drag on an amplitude strip: the pointer's move written into
// the rank's box, the full redraw with the rank's trace, and the painting of
// what changed through the event loop, at the designed window size. Each
// move comes after the paint of the one before, as in the program.

#include "app/form1.h"
#include "bench/plancher.h"
#include "bench/signal_de_test.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void GlissementBande(benchmark::State& state)
{
    remplir_signal_de_test();

    Form1 fenêtre;
    fenêtre.show();
    Surface* bande = fenêtre.bar[3];
    auto envoyer = [&](QEvent::Type type, double y, Qt::MouseButton b, Qt::MouseButtons boutons) {
        const QPointF p(bande->width() / 2.0, bande->toPixels(0, y).y());
        QMouseEvent e(type, p, bande->mapToGlobal(p), b, boutons, Qt::NoModifier);
        QCoreApplication::sendEvent(bande, &e);
    };
    envoyer(QEvent::MouseButtonPress, 50, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    // Alternates between two levels, so that every move writes a new value.
    double y = 30;
    for (auto _ : state) {
        envoyer(QEvent::MouseMove, y, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        y = 100 - y;
    }
    envoyer(QEvent::MouseButtonRelease, y, Qt::LeftButton, Qt::NoButton);
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(GlissementBande)->Unit(benchmark::kMillisecond);
