// The sampled periods of the signal list: the samples the formulas name.

#include "signal/calcul/signaux.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(Signaux, NamedSamples)
{
    // sin(π') with π' = 3.141592654 is about -4.1e-10, not 0. 7 marks what is not written.
    const double sin_pi = std::sin(3.141592654), rien = 7.0;
    ASSERT_LT(sin_pi, -1e-10);
    const std::pair<int16_t, std::vector<std::pair<int, double>>> cas[] = {
        {2, {{0, 0.0}, {1, 0.25}, {2047, 0.25}, {2048, -0.25}, {4095, -0.25}, {4096, 0.0}}},
        {3, {{0, 0.0}, {512, 0.5}, {1024, 1.0}, {1536, 0.5}, {2048, 0.0}, {3072, -1.0}, {3584, -0.5}, {4096, 0.0}}},
        {4, {{0, 0.5}, {2048, 0.5}, {2049, rien}, {4096, rien}}},
        {5, {{0, 0.0}, {1024, 0.25}, {2048, 0.5}, {2049, rien}}},
        {6, {{0, 0.0}, {1024, 1.0}, {2048, sin_pi}, {2049, rien}, {4096, rien}}},
        {7, {{0, 0.0}, {1024, 1.0}, {2048, 0.0}, {3072, 1.0}, {4096, sin_pi}}},  // the second half writes 2048
        {8, {{0, 0.0}, {1024, 1.0}, {2048, sin_pi}, {3072, -1.0}, {4096, std::sin(2 * 3.141592654)}}},
        // a third harmonic advanced by 152 samples of the fundamental
        {0, {{0, 0.2 * std::sin(3.141592654 * 6 * 152 / 4096)},
             {1024, 0.8 + 0.2 * std::sin(3.141592654 * 6 * 1176 / 4096)}}},
        {1, {{0, rien}, {4096, rien}}},  // the import entry and no entry write nothing
        {-1, {{0, rien}, {2048, rien}}},
        {9, {{0, rien}, {2048, rien}}},
    };
    for (const auto& [indice, échantillons] : cas) {
        std::array<double, 4097> p;
        p.fill(rien);
        signaux::écrire_signal(indice, p);
        for (auto [i, attendu] : échantillons)
            EXPECT_NEAR(p[i], attendu, 1e-15) << "signal " << indice << ", sample " << i;
    }
}
