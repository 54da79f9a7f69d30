// One step of a drag on an amplitude strip: the pointer's move written into
// the rank's box, the full redraw with the rank's trace, and the painting of
// both plots, at the designed window size.

#include "app/form1.h"
#include "bench/signal_de_test.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void GlissementBande(benchmark::State& state)
{
    remplir_signal_de_test();

    Form1 fenêtre;
    fenêtre.show();
    Surface* bande = fenêtre.bar[3];
    QImage i1(fenêtre.Picture1->size(), QImage::Format_RGB32);
    QImage i2(fenêtre.Picture2->size(), QImage::Format_RGB32);
    auto envoyer = [&](QEvent::Type type, double y, Qt::MouseButton b, Qt::MouseButtons boutons) {
        const QPointF p(bande->width() / 2.0, bande->toPixels(0, y).y());
        QMouseEvent e(type, p, bande->mapToGlobal(p), b, boutons, Qt::NoModifier);
        QCoreApplication::sendEvent(bande, &e);
    };
    envoyer(QEvent::MouseButtonPress, 50, Qt::LeftButton, Qt::LeftButton);
    // Alternates between two levels, so that every move writes a new value.
    double y = 30;
    for (auto _ : state) {
        envoyer(QEvent::MouseMove, y, Qt::NoButton, Qt::LeftButton);
        fenêtre.Picture1->render(&i1);
        fenêtre.Picture2->render(&i2);
        benchmark::DoNotOptimize(i1.constBits());
        benchmark::DoNotOptimize(i2.constBits());
        y = 100 - y;
    }
    envoyer(QEvent::MouseButtonRelease, y, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

BENCHMARK(GlissementBande)->Unit(benchmark::kMillisecond);
