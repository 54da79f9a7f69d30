#include "signal/calcul/signaux.h"

#include <cmath>

namespace signaux {

namespace {

// π as the formulas write it, not its full-precision value.
constexpr double pi = 3.141592654;
constexpr int16_t nb = 4096;
constexpr int16_t quart = static_cast<int16_t>(nb / 4);
constexpr int16_t moitié = static_cast<int16_t>(nb / 2);

// Each range is inclusive and walked upward; where two ranges share an end,
// the later one writes it last.
template <class F>
void remplir(std::array<double, 4097>& p, int16_t début, int16_t fin, F f)
{
    for (int16_t i = début; i <= fin; ++i)
        p[static_cast<std::size_t>(i)] = f(i);
}

}  // namespace

void écrire_signal(int16_t indice, std::array<double, 4097>& p)
{
    switch (indice) {
    case 0:  // a fundamental of 0.8 and a third harmonic of 0.2 advanced by 152 samples
        remplir(p, 0, nb, [](int16_t i) {
            const double a1 = (1.0 / nb) * (pi * (2 * i));
            const double a3 = (1.0 / nb) * (pi * (6 * (i + 152)));
            return 0.8 * std::sin(a1) + 0.2 * std::sin(a3);
        });
        break;
    case 2:  // square
        p[0] = 0.0;
        remplir(p, 1, moitié, [](int16_t) { return 0.25; });
        remplir(p, moitié, nb, [](int16_t) { return -0.25; });
        p[nb] = 0.0;
        break;
    case 3:  // triangle: four segments of slope ±1/1024
        remplir(p, 0, quart, [](int16_t i) { return static_cast<double>(i) / quart; });
        remplir(p, quart, moitié, [](int16_t i) { return 1.0 - static_cast<double>(i - quart) / quart; });
        remplir(p, moitié, 3 * quart, [](int16_t i) { return 0.0 - static_cast<double>(i - moitié) / quart; });
        remplir(p, 3 * quart, nb, [](int16_t i) { return static_cast<double>(i - 3 * quart) / quart - 1.0; });
        break;
    case 4:  // pulse over the first half period
        remplir(p, 0, moitié, [](int16_t) { return 0.5; });
        break;
    case 5:  // sawtooth over the first half period
        remplir(p, 0, moitié, [](int16_t i) { return (0.5 / moitié) * i; });
        break;
    case 6:  // half-wave rectified sine
        remplir(p, 0, moitié, [](int16_t i) { return std::sin((1.0 / moitié) * (i * pi)); });
        break;
    case 7:  // full-wave rectified sine
        remplir(p, 0, moitié, [](int16_t i) { return std::sin((1.0 / moitié) * (i * pi)); });
        remplir(p, moitié, nb, [](int16_t i) { return std::sin((1.0 / (nb - moitié)) * (pi * (i - moitié))); });
        break;
    case 8:  // sine
        remplir(p, 0, nb, [](int16_t i) { return std::sin((1.0 / nb) * (pi * (2 * i))); });
        break;
    default:  // the import entry, or no entry
        break;
    }
}

}  // namespace signaux
