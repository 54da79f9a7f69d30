// The numeric core both ways: the transform, a bin's texts, the numbers as the boxes read and show them, the waveform's heights.
#include "app/nombres.h"
#include "signal/calcul/extraction.h"
#include "signal/calcul/synthese.h"
#include "signal/fft/fft.h"
#include <gtest/gtest.h>
#include <cmath>
#include <complex>
#include <random>
#include <string>
#include <vector>
const double nan_ = std::nan(""), inf_ = HUGE_VAL;
// A number with its sign, so that a negative zero shows as one.
static std::pair<double, bool> signé(double v) { return {v, std::signbit(v)}; }
// A plain DFT with the positive exponent, on random input of 2 to 4096 points; the inverse brings the input back.
TEST(Fft, AgreesWithADirectTransformAndInverts) {
    std::mt19937 aléa(42);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int n : {2, 4, 8, 64, 512, 4096}) {
        std::vector<double> re(n), im(n), sre(n), sim(n), bre(n), bim(n);
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
        EXPECT_EQ(std::pair(t.amplitude, t.déphasage), std::pair(std::string(c.amplitude), std::string(c.phase))) << c.k << ": " << c.re;
    }
}
TEST(ValeurTexte, Table) {
    const std::string zéros(100000, '0');
    const struct { std::string texte; double attendu; } cas[] = {
        {"12.5", 12.5}, {"1 2 . 5", 12.5}, {"\t-\n3.25 ", -3.25}, {"+7", 7}, {"-.5", -0.5}, {"007", 7}, {"1.2.3", 1.2},
        {"12abc", 12}, {"1,5", 1}, {"--5", 0},
        // exponents: E or D, either case, optional sign, digits optional
        {"1e3", 1000}, {"2D2", 200}, {"2d-1", 0.2}, {"1E+2", 100}, {"1 e 2", 100}, {"1e", 1}, {"5e+x", 5},
        // &H and &O: non-negative integers; a sign before & is not read
        {"&H1F", 31}, {"&hff", 255}, {"& h 1 0", 16}, {"&O17", 15}, {"&o8", 0}, {"&H", 0}, {"&H1G", 1},
        {"&H1.8", 1}, {"&Q5", 0}, {"-&H10", 0}, {"&H-1", 0}, {"0x10", 0},
        // no number, and never infinite nor NaN
        {"", 0}, {"   ", 0}, {"-", 0}, {"+", 0}, {".", 0}, {"-.", 0}, {"abc", 0}, {"e5", 0}, {"1e400", 0}, {"-1e400", 0},
        {"1e-400", 0}, {"nan", 0}, {"inf", 0}, {"-inf", 0}, {"1e99999999999999999999", 0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        // correct rounding of ties, and of digits beyond the kept ones
        {"9007199254740993", 9007199254740992.0}, {"9007199254740993." + std::string(900, '0') + "1", 9007199254740994.0},
        {"&H20000000000001", 9007199254740992.0}, {"&H1000000000000081", std::ldexp(1.0, 60) + std::ldexp(1.0, 8)},
        {"&HFFFFFFFFFFFFFFFF", std::ldexp(1.0, 64)},
        // very long texts
        {"1" + zéros, 0}, {"0." + zéros + "1", 0}, {zéros + "5", 5}, {"1" + zéros + "e-100000", 1},
        {std::string(100000, ' ') + "7", 7}, {"&H" + std::string(400, 'F'), 0}, {"&O" + zéros + "10", 8},
    };
    for (const auto& c : cas)
        EXPECT_EQ(signé(valeur_texte(c.texte)), signé(c.attendu)) << '"' << c.texte.substr(0, 40) << '"';
}
TEST(Arrondi, HalvesToEvenOnTheShownValueNeverNegativeZeroNorNonFinite) {
    const struct { double valeur; int décimales; double attendu; } cas[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {0.5, 0, 0}, {1.5, 0, 2}, {50.5, 0, 50}, {51.5, 0, 52}, {-2.5, 0, -2}, {-3.5, 0, -4},
        {2.4999, 0, 2}, {2.5000001, 0, 3}, {0.6, 0, 1}, {0.25, 1, 0.2}, {0.35, 1, 0.4}, {0.45, 1, 0.4}, {-0.45, 1, -0.4},
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-0.125, 2, -0.12}, {2.675, 2, 2.68}, {1.005, 2, 1}, {9.995, 2, 10},
        {0.006, 2, 0.01}, {0.0004, 2, 0}, {16.666 / 50 * 100, 2, 33.33}, {12.5, -1, 12}, {1e300, 2, 1e300},
        {1e20, 0, 1e20}, {0.1 + 0.2, 15, 0.1 + 0.2},
        {-0.4, 0, 0}, {-0.001, 2, 0}, {-0.0, 0, 0}, {nan_, 0, 0}, {inf_, 0, 0}, {-inf_, 0, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(signé(arrondi(c.valeur, c.décimales)), signé(c.attendu)) << c.valeur << " to " << c.décimales;
}
TEST(NombreTexte, GeneralFormatReadingBackAsShown) {
    const struct { double valeur; char séparateur; std::string attendu; } cas[] = {
        {12.5, ',', "12,5"}, {12.5, '.', "12.5"}, {100, ',', "100"}, {-0.3, '.', "-0.3"}, {33.33, ',', "33,33"},
        {0.1 + 0.2, '.', "0.3"}, {-1234.5, ',', "-1234,5"}, {2.0 / 3, '.', "0.666666666666667"},
        {123456789012345, '.', "123456789012345"}, {0.0001, '.', "0.0001"}, {1e20, '.', "1E+20"},
        {1.5e-7, ',', "1,5E-07"}, {1e15, '.', "1E+15"}, {999999999999999.9, '.', "1E+15"},
        {-1.25e300, '.', "-1.25E+300"}, {0.0, ',', "0"}, {-0.0, ',', "0"}, {nan_, '.', "0"}, {inf_, '.', "0"},
        {-inf_, '.', "0"}, {-1.5e-7, '.', "-1.5E-07"},
    };
    for (const auto& c : cas) {  // with the default separator, what is shown reads back as the same shown value
        const bool relu = c.séparateur != '.' || nombre_texte(valeur_texte(nombre_texte(c.valeur))) == c.attendu;
        EXPECT_EQ(std::pair(nombre_texte(c.valeur, c.séparateur), relu), std::pair(c.attendu, true)) << c.valeur;
    }
}
namespace {
using commun::Composante;
constexpr double unité = 6.283185308 / 4096;
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
// The rebuilt waveform's heights against the sines computed one by one as the chain of vectors adds them.
TEST(Synthese, AgreesWithTheSinesOneByOneAtEveryPoint)
{
    const std::vector<Cas> cas = {
        {"test signal", rangs(0.3, [](int r) { return Composante{1.0 / r, 0.05 * r}; })},
        {"square", rangs(0, [](int r) { return Composante{r % 2 ? 4 / (3.141592654 * r) : 0.0, 0}; })},
        {"every rank at 1, phases all round", rangs(-2, [](int r) { return Composante{1, 1.7 * r - 40}; })},
        {"rank 50 alone, phase -100", rangs(0, [](int r) { return Composante{r == 50 ? 1.0 : 0.0, -100}; })},
        {"zero, negative and NaN amplitudes skipped",
         rangs(0.5, [](int r) { return Composante{r % 3 == 0 ? 0.0 : r % 3 == 1 ? -1.0 : nan_, 0.3}; })},
        {"ranks past nb_rangs left out", rangs(0, [](int r) { return Composante{1, 0.1 * r}; }), 7},
        {"every sample of the period", rangs(0.1, [](int r) { return Composante{0.5 / r, -0.2 * r}; }), 50, 0, 1, 4097},
        // Where turning would part from the sines one by one.
        {"phase 1e6", rangs(0, [](int r) { return Composante{r == 3 ? 1.0 : 0.0, 1e6 + r}; })},
        {"phase -101", rangs(0, [](int r) { return Composante{r == 30 ? 1.0 : 0.0, -101}; })},
        {"amplitudes adding up past 1e4", rangs(0, [](int r) { return Composante{r == 2 ? 2e4 : 1.0 / r, 0.7}; })},
        {"infinite amplitude", rangs(0, [](int r) { return Composante{r == 4 ? inf_ : 1.0 / r, 0.2 * r}; })},
        {"NaN phase", rangs(0, [](int r) { return Composante{1, r == 9 ? nan_ : 0.0}; })},
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
