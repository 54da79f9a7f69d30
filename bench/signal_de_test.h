#pragma once
// The signal the redraw benchmarks work on: 50 positive ranks with their
// phases, and a stored period.

#include "app/commun.h"
#include "app/form1.h"

#include <cmath>

inline void remplir_signal_de_test()
{
    commun::composantes.fill({});
    commun::periode.fill(0.0);
    for (int i = 1; i <= 50; ++i)
        commun::composantes[i] = {1.0 / i, 0.05 * i};
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::sin(i * (Form1::deux_pi / 4096)) + 0.2 * std::sin(7 * i * (Form1::deux_pi / 4096));
}
