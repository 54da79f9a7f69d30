// The sampled periods of the signal list.

#include "signal/calcul/signaux.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>
#include <utility>

namespace {

using Periode = std::array<double, 4097>;

Periode signal(int16_t indice)
{
    Periode p;
    p.fill(7.0);  // what the formulas do not name keeps what it held
    signaux::écrire_signal(indice, p);
    return p;
}

TEST(Signaux, NamedSamples)
{
    // sin(π') with π' = 3.141592654 is about -4.1e-10, not 0.
    const double sin_pi = std::sin(3.141592654);
    ASSERT_LT(sin_pi, -1e-10);
    const std::pair<int16_t, std::vector<std::pair<int, double>>> cas[] = {
        {2, {{0, 0.0}, {1, 0.25}, {2047, 0.25}, {2048, -0.25}, {4095, -0.25}, {4096, 0.0}}},
        {3, {{0, 0.0}, {512, 0.5}, {1024, 1.0}, {1536, 0.5}, {2048, 0.0}, {3072, -1.0}, {3584, -0.5}, {4096, 0.0}}},
        {4, {{0, 0.5}, {2048, 0.5}, {2049, 7.0}, {4096, 7.0}}},
        {5, {{0, 0.0}, {1024, 0.25}, {2048, 0.5}, {2049, 7.0}}},
        {6, {{0, 0.0}, {2048, sin_pi}, {2049, 7.0}, {4096, 7.0}}},
        // the second half writes sample 2048 last: sin(0), not sin(π')
        {7, {{0, 0.0}, {2048, 0.0}, {4096, sin_pi}}},
        {8, {{0, 0.0}, {2048, sin_pi}, {4096, std::sin(2 * 3.141592654)}}},
        // the third harmonic is advanced by 152 samples of the fundamental
        {0, {{0, 0.2 * std::sin(3.141592654 * 6 * 152 / 4096)}}},
    };
    for (const auto& [indice, échantillons] : cas)
        for (auto [i, attendu] : échantillons)
            EXPECT_NEAR(signal(indice)[i], attendu, 1e-15) << "signal " << indice << ", sample " << i;
}

TEST(Signaux, ShapesOverThePeriod)
{
    const Periode carré = signal(2), triangle = signal(3), sinus = signal(8), double_alt = signal(7),
                  simple = signal(6), exemple = signal(0);
    for (int i = 1; i < 4096; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(carré[i], i < 2048 ? 0.25 : -0.25);
        const double t = i <= 1024 ? i / 1024.0 : i <= 3072 ? (2048 - i) / 1024.0 : (i - 4096) / 1024.0;
        EXPECT_NEAR(triangle[i], t, 1e-15);
        const double angle = 2 * M_PI * i / 4096;
        EXPECT_NEAR(sinus[i], std::sin(angle), 1e-8);
        EXPECT_NEAR(double_alt[i], std::abs(std::sin(angle)), 1e-8);
        EXPECT_NEAR(simple[i], i <= 2048 ? std::abs(std::sin(angle)) : 7.0, 1e-8);
        EXPECT_NEAR(exemple[i], 0.8 * std::sin(angle) + 0.2 * std::sin(3 * (angle + 2 * M_PI * 152 / 4096)), 1e-8);
    }
}

TEST(Signaux, ImportEntryAndNoEntryWriteNothing)
{
    for (int16_t indice : {1, -1, 9, 100})
        for (double v : signal(indice))
            ASSERT_EQ(v, 7.0) << indice;
}

}  // namespace
