// Opening a large oscilloscope capture: a CSV of 1,000,000 rows and three
// columns (time, two channels), with a settings line and a header, in the
// French way (";" and decimal commas). Its format read, one channel read, its
// period detected and the period resampled.

#include "bench/plancher.h"
#include "mesures/periode.h"
#include "mesures/texte.h"

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Written once, removed at exit: 20 periods of 50,000 points.
struct GrosseCapture {
    fs::path chemin = fs::temp_directory_path() / ("sinuvia_bench_mesures_" + std::to_string(::getpid()) + ".csv");
    GrosseCapture()
    {
        std::ofstream f(chemin, std::ios::binary);
        f << "Sample Interval;2,000000E-07\nTemps (s);CH1 (V);CH2 (A)\n";
        char l[128];
        for (int k = 0; k < 1'000'000; ++k) {
            const double θ = k * 6.283185307179586 / 50'000;
            int n = std::snprintf(l, sizeof l, "%.6E;%.4E;%.4E\n", k * 2e-7, 0.3 + std::sin(θ) + 0.05 * std::sin(3 * θ),
                                  std::copysign(std::max(0.0, std::abs(std::sin(θ)) - 0.8), std::sin(θ)));
            std::replace(l, l + n, '.', ',');
            f.write(l, n);
        }
    }
    ~GrosseCapture() { fs::remove(chemin); }
};

const GrosseCapture& grosse_capture()
{
    static const GrosseCapture c;
    return c;
}

long mémoire_ko(const std::string& clé)
{
    std::ifstream état("/proc/self/status");
    std::string ligne;
    while (std::getline(état, ligne))
        if (ligne.rfind(clé + ':', 0) == 0)
            return std::stol(ligne.substr(clé.size() + 1));
    return -1;
}

// The whole opening: false on a failure.
bool ouvrir(const std::string& chemin, std::array<double, 4097>& periode)
{
    mesures::texte::Format format;
    mesures::Trace trace;
    if (mesures::texte::analyser(chemin, format) || mesures::texte::lire(chemin, format, 1, trace))
        return false;
    const double période = mesures::détecter_période(trace);
    if (!(période > 0.0))
        return false;
    const double début = mesures::départ_montant(trace, période);
    mesures::rééchantillonner(trace, début, période, 1, periode);
    return true;
}

// Growth of the peak resident memory during one opening, in MB, in a child
// process whose peak is first reset to its current size.
double croissance_pic_mo(const std::string& chemin)
{
    int tube[2];
    if (pipe(tube) != 0)
        return -1;
    const pid_t enfant = fork();
    if (enfant == 0) {
        close(tube[0]);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long avant = mémoire_ko("VmRSS");
        std::array<double, 4097> periode{};
        const bool ok = ouvrir(chemin, periode);
        const double mo = ok ? (mémoire_ko("VmHWM") - avant) / 1024.0 : -1;
        (void)!write(tube[1], &mo, sizeof mo);
        _exit(0);
    }
    close(tube[1]);
    double mo = -1;
    if (enfant < 0 || read(tube[0], &mo, sizeof mo) != sizeof mo)
        mo = -1;
    close(tube[0]);
    if (enfant > 0)
        waitpid(enfant, nullptr, 0);
    return mo;
}

void OuvrirMesures(benchmark::State& state)
{
    const std::string chemin = grosse_capture().chemin.string();
    static const double croissance = croissance_pic_mo(chemin);
    std::array<double, 4097> periode{};
    for (auto _ : state) {
        if (!ouvrir(chemin, periode))
            state.SkipWithError("opening failed");
        benchmark::DoNotOptimize(periode.data());
    }
    state.counters["croissance_pic_Mo"] = croissance;
    state.counters["octets"] = static_cast<double>(fs::file_size(chemin));
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(OuvrirMesures)->Unit(benchmark::kMillisecond)->UseRealTime();
