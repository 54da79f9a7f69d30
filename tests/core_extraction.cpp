// From a sampled period to the texts of the rank boxes, as the analysis
// does it: the samples in the imaginary parts of an inverse transform.

#include "signal/calcul/extraction.h"
#include "signal/fft/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

struct Rang {
    double amplitude, phase_degrés;
};

// Texts of ranks 0 to 50 for a period synthesized from `rangs` (rank 0 is
// the DC level), as sin(m·θ + phase).
std::vector<extraction::Textes> analyser(const std::map<int, Rang>& rangs, char séparateur = '.')
{
    const int n = 4096;
    std::vector<double> re(n, 0.0), im(n), sre(n), sim(n);
    for (int i = 0; i < n; ++i) {
        const double θ = 2 * M_PI * i / n;
        for (const auto& [m, r] : rangs)
            im[i] += m == 0 ? r.amplitude : r.amplitude * std::sin(m * θ + r.phase_degrés * M_PI / 180);
    }
    EXPECT_TRUE(fft::Fourier(n, re, im, sre, sim, true));
    std::vector<extraction::Textes> t;
    for (int k = 0; k <= 50; ++k)
        t.push_back(extraction::textes_rang(k, sre[k], sim[k], séparateur));
    return t;
}

TEST(Extraction, KnownRanksComeBackRounded)
{
    const struct {
        std::map<int, Rang> rangs;
        std::map<int, std::pair<const char*, const char*>> attendus;  // others "0", "0"
        char séparateur;
    } cas[] = {
        {{{1, {1, 0}}}, {{1, {"100", "0"}}}, '.'},
        {{{0, {0.3, 0}}, {1, {0.8, 0}}, {3, {0.2, 40.08}}}, {{0, {"30", "0"}}, {1, {"80", "0"}}, {3, {"20", "40.08"}}}, '.'},
        {{{0, {-0.125, 0}}, {2, {0.5, -120}}, {7, {0.0333, 179}}},
         {{0, {"-12,5", "0"}}, {2, {"50", "-120"}}, {7, {"3,33", "179"}}}, ','},
        // a cosine and its opposite
        {{{4, {0.25, 90}}, {5, {0.25, -90}}, {6, {0.25, 150}}}, {{4, {"25", "90"}}, {5, {"25", "-90"}}, {6, {"25", "150"}}}, '.'},
        // at most 0.2 % is an absent rank; just above it is shown
        {{{1, {0.002, 30}}, {2, {0.00201, 30}}}, {{2, {"0.2", "30"}}}, '.'},
    };
    for (const auto& c : cas) {
        const auto t = analyser(c.rangs, c.séparateur);
        for (int k = 0; k <= 50; ++k) {
            const auto it = c.attendus.find(k);
            const auto [a, p] = it == c.attendus.end() ? std::pair{"0", "0"} : it->second;
            EXPECT_EQ(t[k].amplitude, a) << "rank " << k;
            EXPECT_EQ(t[k].déphasage, p) << "rank " << k;
        }
    }
}

TEST(Extraction, PhasesOfBinsOnTheAxes)
{
    // Bin m holds (A/2)·(cos φ + i·sin φ): the phase is that φ, in degrees.
    const struct { double re, im, phase; } cas[] = {
        {1, 0, 0}, {0, 1, 90}, {0, -1, -90}, {-1, 0, 180}, {-1, 1, 135}, {-1, -1, -135}, {0, 0, 0},
    };
    for (const auto& c : cas) {
        EXPECT_NEAR(extraction::phase(3, c.re, c.im), c.phase, 1e-6) << c.re << ", " << c.im;
        EXPECT_NE(extraction::textes_rang(3, c.re * 1e-6, c.im * 1e-6, '.').déphasage, "-0");
    }
    EXPECT_EQ(extraction::amplitude(0, 5, -0.4), -0.4);
    EXPECT_EQ(extraction::textes_rang(1, -1e-3, -1e-9, '.').déphasage, "-180");
}

}  // namespace
