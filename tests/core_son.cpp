// The sound of the harmonics: its samples against the harmonic sum, no rank above the Nyquist frequency, the
// crossfade after a change and the level.
#include "son/generateur.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>
namespace {
constexpr double pi = std::numbers::pi;
son::Harmoniques rangs(int n, auto amplitude, auto phase)
{
    son::Harmoniques h;
    h.n = n;
    for (int k = 1; k <= son::rang_maximal; ++k)
        h.amplitude[k] = amplitude(k), h.phase[k] = phase(k);
    return h;
}
const son::Harmoniques carré = rangs(50, [](int k) { return k % 2 ? 4 / (pi * k) : 0.0; }, [](int) { return 0.0; });
const son::Harmoniques mélange = rangs(7, [](int k) { return 0.1 * k; }, [](int k) { return 0.7 * k - 2; });
const son::Harmoniques pur = rangs(1, [](int k) { return k == 1 ? 0.5 : 0.0; }, [](int) { return pi / 2; });
std::vector<float> jouer(son::Générateur& g, std::size_t n)
{
    std::vector<float> x(n);
    g.produire(x.data(), n);
    return x;
}
// Σ a_k sin(kθ + φ_k) over the ranks in use below the Nyquist frequency, by the direct formula.
double somme(const son::Harmoniques& h, double f, double fe, double t)
{
    double s = 0;
    for (int k = 1; k <= h.n; ++k)
        if (k * f < fe / 2)
            s += h.amplitude[k] * std::sin(2 * pi * k * f * t + h.phase[k]);
    return s;
}
// Several signals and frequencies, at two sample rates, for a second: each sample is the level times the sum within
// 1e-4 of full scale, so that no rank beyond n or the Nyquist frequency is heard, nor folded back below it (at 1760 Hz
// only ranks 1 to 12 are below 22,050 Hz); the level sets the peak at the limit (the volume's share).
TEST(Son, SamplesAreTheHarmonicSumAtTheLevelOfThePeak)
{
    const struct { son::Harmoniques h; double f, fe, volume, crête; } cas[] = {
        {carré, 220, 44100, 1, 0.9}, {carré, 1760, 44100, 0.5, 0.45}, {mélange, 55, 48000, 1, 0.9},
        {mélange, 1000, 8000, 1, 0}, {pur, 440, 44100, 1, 0.9}, {rangs(3, [](int) { return 0.01; }, [](int) { return 0.0; }), 220, 44100, 1, -1}};
    for (const auto& [h, f, fe, volume, crête] : cas) {
        SCOPED_TRACE(f * 1000 + fe);
        son::Générateur g(fe);
        g.régler(h, f, volume);
        const auto x = jouer(g, static_cast<std::size_t>(fe));
        const double niveau = son::table(h, f, fe, volume)->niveau;
        double pic = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            ASSERT_NEAR(x[i], niveau * somme(h, f, fe, i / fe), 1e-4) << i;
            pic = std::max(pic, std::abs(double(x[i])));
        }
        if (crête > 0) {  // (at 8 samples a period, the samples miss the peak)
            EXPECT_NEAR(pic, crête, 2e-3);
        } else if (crête < 0) {  // a quiet waveform (peak 0.03) is not raised past the floor of 0.1
            EXPECT_NEAR(niveau, 0.9 / 0.1, 1e-12);
        }
    }
    EXPECT_FALSE(son::écrire_wav(-1, pur, 441, 1));  // the WAV file itself: read back by the window's export test
}
// A change (rank 3 removed, the frequency and the volume changed) moves to the new sound within 10 ms with no
// sample-to-sample jump larger than either waveform makes; the phase goes on.
TEST(Son, AChangeCrossfadesWithoutAJump)
{
    son::Générateur g(44100);
    g.régler(carré, 220, 1);
    const auto avant = jouer(g, 4410);
    son::Harmoniques sans3 = carré;
    sans3.amplitude[3] = 0;
    g.régler(sans3, 230, 0.8);
    const auto pendant = jouer(g, 4410);
    const auto saut_max = [](const std::vector<float>& x, std::size_t début) {
        double m = 0;
        for (std::size_t i = début + 1; i < x.size(); ++i)
            m = std::max(m, std::abs(double(x[i]) - x[i - 1]));
        return m;
    };
    std::vector<float> tout(avant);
    tout.insert(tout.end(), pendant.begin(), pendant.end());
    EXPECT_LE(saut_max(tout, 0), std::max(saut_max(avant, 0), saut_max(pendant, 441)) * 1.05);
    const double niveau = son::table(sans3, 230, 44100, 0.8)->niveau, phase0 = 4410 * 220.0 / 44100;
    for (std::size_t i = 441; i < pendant.size(); i += 97)
        ASSERT_NEAR(pendant[i], niveau * somme(sans3, 230, 44100, (phase0 + i * 230.0 / 44100) / 230), 1e-4) << i;  // after the fade
}
}  // namespace
