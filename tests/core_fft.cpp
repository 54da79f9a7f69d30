// The transform against a plain DFT, its inverse, its sign and its sizes; from its bins to the rank boxes' texts.
#include "signal/calcul/extraction.h"
#include "signal/fft/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

using Tableau = std::vector<double>;

// A plain DFT with the positive exponent, on random input of 2 to 4096 points; the inverse brings the input back.
// (Sizes that are not powers of two: with the error box.)
TEST(Fft, AgreesWithADirectTransformAndInverts) {
    std::mt19937 aléa(42);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int n : {2, 4, 8, 64, 512, 4096}) {
        Tableau re(n), im(n), sre(n), sim(n), bre(n), bim(n);
        for (int i = 0; i < n; ++i)
            re[i] = u(aléa), im[i] = u(aléa);
        ASSERT_TRUE(fft::Fourier(n, re, im, sre, sim, false));
        for (int k : {0, 1, n / 2 - 1, n / 2, n - 1}) {
            std::complex<double> x;
            for (int j = 0; j < n; ++j)
                x += std::complex<double>(re[j], im[j]) * std::polar(1.0, 2 * M_PI * j * k / n);
            EXPECT_NEAR(std::abs(std::complex(sre[k], sim[k]) - x), 0, 1e-9 * n) << n << " bin " << k;
        }
        ASSERT_TRUE(fft::Fourier(n, sre, sim, bre, bim, true));
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(std::abs(std::complex(bre[i] - re[i], bim[i] - im[i])), 0, 1e-12) << n << " at " << i;
    }
}

// Rank k from its bin (A/2)·(cos φ + i·sin φ), the DC from the imaginary part of bin 0: percent and signed degrees,
// rounded halves to even; at most 0.2 % is an absent rank; on the axes ±90, 0 or 180, never "-0".
TEST(Extraction, TextsOfABin) {
    const struct { int k; double re, im; char séparateur; const char *amplitude, *phase; } cas[] = {
        {0, 5, 0.3, '.', "30", "0"}, {0, 0, -0.125, ',', "-12,5", "0"}, {0, 0, 0.12345, '.', "12.34", "0"}, {0, 0, -0.002, '.', "0", "0"},
        {0, 0, -0.00201, '.', "-0.2", "0"}, {1, 0.4, 0, '.', "80", "0"}, {2, 0.001, 0, '.', "0", "0"}, {2, 0.001005, 0, '.', "0.2", "0"},
        {3, 0.061725, 0, '.', "12.34", "0"}, {3, 0.061775, -0.0, ',', "12,36", "0"}, {3, 0, 0.01, '.', "2", "90"},
        {3, 0, -0.01, '.', "2", "-90"}, {3, -0.0, 0.01, '.', "2", "90"}, {3, -0.01, 0, '.', "2", "180"}, {3, -0.01, -0.0, '.', "2", "180"},
        {3, -0.01, 0.01, '.', "2.83", "135"}, {3, -0.01, -0.01, ',', "2,83", "-135"}, {3, 0.01, -0.01, '.', "2.83", "-45"},
        {1, -0.01, -1e-9, '.', "2", "-180"}, {3, 0, 0, '.', "0", "0"}, {50, 0.08, 0.06, ',', "20", "36,87"}};
    for (const auto& c : cas) {
        const extraction::Textes t = extraction::textes_rang(c.k, c.re, c.im, c.séparateur);
        EXPECT_EQ(std::pair(t.amplitude, t.déphasage), std::pair(std::string(c.amplitude), std::string(c.phase))) << c.k << ": " << c.re << ", " << c.im;
    }
}
