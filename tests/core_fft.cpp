#include "signal/fft/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

namespace {

using Tableau = std::vector<double>;

TEST(Fft, Helpers)
{
    for (auto [v, deux] : {std::pair{2, true}, {4096, true}, {65536, true}, {0, false}, {1, false},
                           {3, false}, {4095, false}, {-4096, false}, {6, false}})
        EXPECT_EQ(fft::IsTwoPower(v), deux) << v;
    for (auto [v, e] : {std::pair{1, 0}, {2, 1}, {4096, 12}, {65536, 16}, {131072, 0}, {0, 0}, {12, 2}})
        EXPECT_EQ(fft::TwoExponent(v), e) << v;
    for (auto [i, b, r] : {std::tuple{1, 3, 4}, {6, 3, 3}, {1, 12, 2048}, {0b1011, 4, 0b1101}, {5, 1, 1}})
        EXPECT_EQ(fft::ReverseIndex(i, static_cast<uint8_t>(b)), r) << i;
}

TEST(Fft, SizeTwoSumsAndDifferences)
{
    const Tableau re{3, 5}, im{0, 0};
    Tableau sre(2), sim(2);
    ASSERT_TRUE(fft::Fourier(2, re, im, sre, sim, false));
    EXPECT_EQ(sre, (Tableau{8, -2}));
    EXPECT_EQ(sim, (Tableau{0, 0}));
}

TEST(Fft, SizesThatAreNotPowersOfTwoWriteNothing)
{
    for (int n : {0, 1, 3, 4095}) {
        const Tableau entrée(4096, 1.0);
        Tableau sre(4096, 7.0), sim(4096, -7.0);
        EXPECT_FALSE(fft::Fourier(n, entrée, entrée, sre, sim, n % 2 == 0)) << n;
        EXPECT_EQ(sre, Tableau(4096, 7.0));
        EXPECT_EQ(sim, Tableau(4096, -7.0));
    }
    EXPECT_STREQ(fft::titre_erreur, "Error!");
    EXPECT_EQ(fft::texte_erreur(4095),
              "Error in procedure Fourier:\r\n NumSamples is 4095, which is not a positive integer power of two.");
}

// The transform agrees with a plain DFT with the positive exponent, and the
// inverse brings the input back.
TEST(Fft, AgreesWithADirectTransformAndInverts)
{
    std::mt19937 aléa(42);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int n : {4, 8, 64, 512, 4096}) {
        Tableau re(n), im(n), sre(n), sim(n), bre(n), bim(n);
        for (int i = 0; i < n; ++i) {
            re[i] = u(aléa);
            im[i] = u(aléa);
        }
        ASSERT_TRUE(fft::Fourier(n, re, im, sre, sim, false));
        for (int k : {0, 1, n / 2 - 1, n / 2, n - 1}) {
            std::complex<double> x;
            for (int j = 0; j < n; ++j)
                x += std::complex<double>(re[j], im[j]) * std::polar(1.0, 2 * M_PI * j * k / n);
            EXPECT_NEAR(sre[k], x.real(), 1e-9 * n) << n << " bin " << k;
            EXPECT_NEAR(sim[k], x.imag(), 1e-9 * n) << n << " bin " << k;
        }
        ASSERT_TRUE(fft::Fourier(n, sre, sim, bre, bim, true));
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(bre[i], re[i], 1e-12) << n;
            EXPECT_NEAR(bim[i], im[i], 1e-12) << n;
        }
    }
}

TEST(Fft, SineGivesPositiveImaginaryFirstBin)
{
    const int n = 4096;
    Tableau re(n), im(n, 0.0), sre(n), sim(n);
    for (int i = 0; i < n; ++i)
        re[i] = std::sin(2 * M_PI * i / n);
    ASSERT_TRUE(fft::Fourier(n, re, im, sre, sim, false));
    EXPECT_NEAR(sim[1], n / 2.0, 1e-8);
    EXPECT_NEAR(sim[n - 1], -n / 2.0, 1e-8);
    EXPECT_NEAR(sre[1], 0, 1e-8);
}

}  // namespace
