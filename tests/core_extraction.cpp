// From a sampled period, put in the imaginary parts of an inverse transform, to the rank boxes' texts.
#include "signal/calcul/extraction.h"
#include "signal/fft/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

using Textes = std::pair<std::string, std::string>;

// Rank → (amplitude, phase°) as sin(m·θ + phase), rank 0 the DC level: texts of ranks 0 to 50, others "0".
TEST(Extraction, KnownRanksComeBackRounded)
{
    const struct {
        std::map<int, std::pair<double, double>> rangs;
        std::map<int, Textes> attendus;
        char séparateur;
    } cas[] = {
        {{{0, {0.3, 0}}, {1, {0.8, 0}}, {3, {0.2, 40.08}}}, {{0, {"30", "0"}}, {1, {"80", "0"}}, {3, {"20", "40.08"}}}, '.'},
        {{{0, {-0.125, 0}}, {2, {0.5, -120}}, {7, {0.0333, 179}}},
         {{0, {"-12,5", "0"}}, {2, {"50", "-120"}}, {7, {"3,33", "179"}}}, ','},
        {{{4, {0.25, 90}}, {5, {0.25, -90}}, {6, {0.25, 150}}}, {{4, {"25", "90"}}, {5, {"25", "-90"}}, {6, {"25", "150"}}}, '.'},
        // at most 0.2 % is an absent rank; just above it is shown
        {{{1, {0.002, 30}}, {2, {0.00201, 30}}}, {{2, {"0.2", "30"}}}, '.'},
    };
    const int n = 4096;
    for (const auto& c : cas) {
        std::vector<double> re(n, 0.0), im(n), sre(n), sim(n);
        for (int i = 0; i < n; ++i)
            for (const auto& [m, r] : c.rangs)
                im[i] += m == 0 ? r.first : r.first * std::sin(m * 2 * M_PI * i / n + r.second * M_PI / 180);
        ASSERT_TRUE(fft::Fourier(n, re, im, sre, sim, true));
        for (int k = 0; k <= 50; ++k) {
            const auto t = extraction::textes_rang(k, sre[k], sim[k], c.séparateur);
            EXPECT_EQ(Textes(t.amplitude, t.déphasage), c.attendus.contains(k) ? c.attendus.at(k) : Textes("0", "0")) << k;
        }
    }
}

// Bin m holds (A/2)·(cos φ + i·sin φ): the phase φ, on the axes never "-0".
TEST(Extraction, PhasesOfBinsOnTheAxes)
{
    for (auto [re, im, phase] : {std::tuple{1.0, 0.0, "0"}, {1, -0.0, "0"}, {0, 1, "90"}, {0, -1, "-90"}, {-0.0, 1, "90"},
                                 {-1, 0, "180"}, {-1, -0.0, "180"}, {-1, 1, "135"}, {-1, -1, "-135"}, {0, 0, "0"}})
        EXPECT_EQ(extraction::textes_rang(3, re / 100, im / 100, '.').déphasage, phase) << re << ", " << im;
    EXPECT_EQ(extraction::textes_rang(1, -1e-3, -1e-9, '.').déphasage, "-180");
}

}  // namespace
