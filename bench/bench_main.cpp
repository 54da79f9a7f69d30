// Benchmarks of what must feel instant: start-up, redraw, animation frames.
// Run on Qt's offscreen platform unless a platform is chosen. Each reports
// its ratio to the floor of this machine, measured first (bench/plancher.h).

#include "bench/plancher.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::string processeur()
{
    std::ifstream f("/proc/cpuinfo");
    for (std::string ligne; std::getline(f, ligne);)
        if (ligne.rfind("model name", 0) == 0)
            if (const auto deux_points = ligne.find(": "); deux_points != std::string::npos)
                return ligne.substr(deux_points + 2);
    return "?";
}

// The library's own display, with the ratio to the floor shown as a plain
// number (the library computes it as an inverted rate, which it would show
// with a unit).
class Affichage : public benchmark::BenchmarkReporter {
public:
    explicit Affichage(benchmark::BenchmarkReporter* affichage) : m_affichage(affichage) {}
    bool ReportContext(const Context& contexte) override { return m_affichage->ReportContext(contexte); }
    void ReportRuns(const std::vector<Run>& mesures) override
    {
        std::vector<Run> copie = mesures;
        for (Run& m : copie)
            if (const auto r = m.counters.find("rapport"); r != m.counters.end())
                r->second.flags = benchmark::Counter::kDefaults;
        m_affichage->ReportRuns(copie);
    }
    void Finalize() override { m_affichage->Finalize(); }

private:
    benchmark::BenchmarkReporter* m_affichage;  // the library's, which keeps it
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Before anything is painted, on a quiet start.
    const double plancher = plancher::secondes();
    benchmark::AddCustomContext("processeur", processeur());
    benchmark::AddCustomContext("plancher", std::to_string(plancher * 1e3) + " ms (51200 sinus)");
    Affichage affichage(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&affichage);
    benchmark::Shutdown();
    return 0;
}
