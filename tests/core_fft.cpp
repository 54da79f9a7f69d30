// The transform against a plain DFT, its inverse, its sign and its sizes.
#include "signal/fft/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

namespace {

using Tableau = std::vector<double>;

TEST(Fft, SizeTwoAndSizesThatAreNotPowersOfTwo)
{
    Tableau sre(2), sim(2);
    ASSERT_TRUE(fft::Fourier(2, Tableau{3, 5}, Tableau{0, 0}, sre, sim, false));
    EXPECT_EQ(std::pair(sre, sim), std::pair(Tableau{8, -2}, Tableau{0, 0}));
    for (int n : {0, 1, 3, 4095, -4096}) {
        const Tableau un(4096, 1.0);
        Tableau re(4096, 7.0), im(4096, -7.0);
        EXPECT_FALSE(fft::Fourier(n, un, un, re, im, n % 2 == 0)) << n;
        EXPECT_EQ(std::pair(re, im), std::pair(Tableau(4096, 7.0), Tableau(4096, -7.0))) << n;
    }
}

// A plain DFT with the positive exponent, on random input; the inverse brings
// the input back; a sine puts +n/2 in the imaginary part of bin 1.
TEST(Fft, AgreesWithADirectTransformInvertsAndKeepsTheSign)
{
    std::mt19937 aléa(42);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int n : {4, 8, 64, 512, 4096}) {
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
    Tableau re(4096), im(4096, 0.0), sre(4096), sim(4096);
    for (int i = 0; i < 4096; ++i)
        re[i] = std::sin(2 * M_PI * i / 4096);
    ASSERT_TRUE(fft::Fourier(4096, re, im, sre, sim, false));
    EXPECT_EQ(std::tuple(std::round(sre[1]), std::round(sim[1]), std::round(sim[4095])), std::tuple(0.0, 2048.0, -2048.0));
}

}  // namespace
