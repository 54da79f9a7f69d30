// Import of a large Psim export: 1,000,000 lines of five 14-character
// columns, one column read and resampled onto the period.

#include "bench/peinture.h"
#include "bench/plancher.h"
#include "signal/calcul/psim.h"

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Written once, removed at exit.
struct GrosExport {
    fs::path chemin = fs::temp_directory_path() / ("sinuvia_bench_" + std::to_string(::getpid()) + ".txt");
    GrosExport()
    {
        std::ofstream f(chemin, std::ios::binary);
        f << "  Time Vo Iin Vc Il\n";
        char l[128];
        for (int k = 1; k <= 1'000'000; ++k) {
            const double t = k * 2e-8;
            std::snprintf(l, sizeof l, "%14.6E%14.6E%14.6E%14.6E%14.6E\n", t, std::sin(k * 6.2832e-6),
                          std::cos(k * 6.2832e-6), 0.5 * std::sin(k * 1.88496e-5), -1e-3 * (k % 97));
            f << l;
        }
    }
    ~GrosExport() { fs::remove(chemin); }
};

const GrosExport& gros_export()
{
    static const GrosExport e;
    return e;
}

// A line of /proc/self/status in kB: "VmHWM" (the peak resident memory) or "VmRSS".
long mémoire_ko(const std::string& clé)
{
    std::ifstream état("/proc/self/status");
    std::string ligne;
    while (std::getline(état, ligne))
        if (ligne.rfind(clé + ':', 0) == 0)
            return std::stol(ligne.substr(clé.size() + 1));
    return -1;
}

// Growth of the peak resident memory during one import, in MB, measured in a
// child process whose peak is first reset to its current size, so that
// nothing run before weighs on it.
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
        // The same steps as the import, looking at the memory while the
        // column is held, and at the peak afterwards.
        psim::Colonne colonne;
        const bool ok = psim::lire_colonne(chemin, 2, colonne) == psim::Erreur::aucune;
        const long pendant = mémoire_ko("VmRSS");
        std::array<double, 4097> periode{};
        psim::rééchantillonner(colonne, periode);
        const long pic = std::max(pendant, mémoire_ko("VmHWM"));
        const double mo = ok ? (pic - avant) / 1024.0 : -1;
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

void ImportPsim(benchmark::State& state)
{
    const std::string chemin = gros_export().chemin.string();
    // Measured before any import in this process: memory freed by an earlier
    // import and kept by the allocator would hide the growth.
    static const double croissance = croissance_pic_mo(chemin);
    std::array<double, 4097> periode{};
    SurfacePeinte surface;
    for (auto _ : state) {
        state.PauseTiming();
        surface.peindre();
        state.ResumeTiming();
        if (psim::importer(chemin, 2, periode) != psim::Erreur::aucune)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(periode.data());
    }
    state.counters["croissance_pic_Mo"] = croissance;
    state.counters["octets"] = static_cast<double>(fs::file_size(chemin));
    plancher::rapporter(state);
}

}  // namespace

BENCHMARK(ImportPsim)->Unit(benchmark::kMillisecond);
