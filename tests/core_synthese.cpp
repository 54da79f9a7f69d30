// The heights of the rebuilt waveform, turned from point to point, against
// the sines computed one by one as the chain of vectors adds them.
#include "signal/calcul/synthese.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>
namespace {
using commun::Composante;
constexpr double unité = 6.283185308 / 4096;
constexpr double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
struct Cas {
    const char* nom;
    std::array<Composante, 51> c;
    int nb_rangs = 50, première = 1, écart = 4, n = 1024;
};
std::array<Composante, 51> rangs(double continu, auto règle)
{
    std::array<Composante, 51> c{Composante{continu, 0}};
    for (int r = 1; r <= 50; ++r)
        c[static_cast<std::size_t>(r)] = règle(r);
    return c;
}
TEST(Synthese, AgreesWithTheSinesOneByOneAtEveryPoint)
{
    const std::vector<Cas> cas = {
        {"test signal", rangs(0.3, [](int r) { return Composante{1.0 / r, 0.05 * r}; })},
        {"square", rangs(0, [](int r) { return Composante{r % 2 ? 4 / (3.141592654 * r) : 0.0, 0}; })},
        {"every rank at 1, phases all round", rangs(-2, [](int r) { return Composante{1, 1.7 * r - 40}; })},
        {"rank 50 alone, phase -100", rangs(0, [](int r) { return Composante{r == 50 ? 1.0 : 0.0, -100}; })},
        {"zero, negative and NaN amplitudes skipped",
         rangs(0.5, [](int r) { return Composante{r % 3 == 0 ? 0.0 : r % 3 == 1 ? -1.0 : nan, 0.3}; })},
        {"ranks past nb_rangs left out", rangs(0, [](int r) { return Composante{1, 0.1 * r}; }), 7},
        {"every sample of the period", rangs(0.1, [](int r) { return Composante{0.5 / r, -0.2 * r}; }), 50, 0, 1, 4097},
        // Where turning would part from the sines one by one.
        {"phase 1e6", rangs(0, [](int r) { return Composante{r == 3 ? 1.0 : 0.0, 1e6 + r}; })},
        {"phase -101", rangs(0, [](int r) { return Composante{r == 30 ? 1.0 : 0.0, -101}; })},
        {"amplitudes adding up past 1e4", rangs(0, [](int r) { return Composante{r == 2 ? 2e4 : 1.0 / r, 0.7}; })},
        {"infinite amplitude", rangs(0, [](int r) { return Composante{r == 4 ? inf : 1.0 / r, 0.2 * r}; })},
        {"NaN phase", rangs(0, [](int r) { return Composante{1, r == 9 ? nan : 0.0}; })},
    };
    for (const Cas& t : cas) {
        std::vector<double> h(t.n, -7.0);
        synthese::hauteurs(t.c, t.nb_rangs, t.première, t.écart, unité, h);
        double somme = 0;
        for (int r = 1; r <= t.nb_rangs; ++r)
            somme += t.c[r].amplitude > 0 ? t.c[r].amplitude : 0.0;
        for (int k = 0; k < t.n; ++k) {
            double y = t.c[0].amplitude;  // the chain link after link, one sine per rank
            for (int rang = 1; rang <= t.nb_rangs; ++rang)
                if (t.c[rang].amplitude > 0)
                    y = y + t.c[rang].amplitude * std::sin(rang * ((t.première + k * t.écart) * unité) + t.c[rang].déphas);
            if (std::isfinite(y))
                ASSERT_NEAR(h[k], y, std::min(1e-9, 1e-13 * somme)) << t.nom << ", point " << k;
            else
                ASSERT_EQ(std::isnan(h[k]) ? 0.0 : h[k], std::isnan(y) ? 0.0 : y) << t.nom << ", point " << k;
        }
    }
}
}  // namespace
