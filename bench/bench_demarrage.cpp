// Start-up: building the main window, its first layout and its first paint.

#include "app/form1.h"
#include "bench/plancher.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

static void Demarrage(benchmark::State& state)
{
    for (auto _ : state) {
        Form1 fenêtre;
        fenêtre.show();
        QImage image(fenêtre.size(), QImage::Format_RGB32);
        fenêtre.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    plancher::rapporter(state);
}
BENCHMARK(Demarrage)->Unit(benchmark::kMillisecond);
