// The figures of the ranks and of the stored period against direct sums, the
// CSV rows in both formats, and the saved signal's checks.
#include "resultats/document.h"
#include "resultats/grandeurs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

// Figures of y(θ) = A0 + Σ Ak·sin(kθ + φk) over a fine grid, each sine computed alone.
struct Direct {
    double moyenne, efficace, crête, moyenne_abs;
};
Direct direct(const std::vector<double>& a, const std::vector<double>& phi)
{
    constexpr int m = 1 << 15;
    Direct d{0, 0, 0, 0};
    for (int i = 0; i < m; ++i) {
        const double t = 2 * pi * i / m;
        double y = a[0];
        for (std::size_t k = 1; k < a.size(); ++k)
            if (a[k] > 0)
                y += a[k] * std::sin(double(k) * t + phi[k]);
        d.moyenne += y / m;
        d.efficace += y * y / m;
        d.crête = std::max(d.crête, std::abs(y));
        d.moyenne_abs += std::abs(y) / m;
    }
    d.efficace = std::sqrt(d.efficace);
    return d;
}

std::optional<double> rel(double h, double b) { return b == 0 ? std::nullopt : std::optional(h / b); }

void proche(std::optional<double> v, std::optional<double> attendu, double tol, const char* quoi, const char* cas)
{
    ASSERT_EQ(v.has_value(), attendu.has_value()) << quoi << " " << cas;
    if (v) {
        EXPECT_NEAR(*v, *attendu, tol * std::max(1.0, std::abs(*attendu))) << quoi << " " << cas;
    }
}

}  // namespace

// Against direct sums: RMS from the samples, distortion from the amplitudes, the waveform's peak and mean |y|;
// ranks above n and drawn-less negative ranks left out; a fundamental at 0 and a zero signal leave figures undefined.
TEST(Grandeurs, FiguresOfTheRanksAgainstDirectSums) {
    const struct { const char* nom; std::vector<double> a, phi; int n; } cas[] = {
        {"sinus", {0, 0.8, 0, 0}, {0, 0.3, 0, 0}, 3},
        {"carré 15 rangs", {0, 1, 0, 1. / 3, 0, 0.2, 0, 1. / 7, 0, 1. / 9, 0, 1. / 11, 0, 1. / 13, 0, 1. / 15}, std::vector<double>(16, 0), 15},
        {"double alternance", {0.6366, 0.01, 0.4244, 0, 0.0849, 0, 0.0364}, {0, 0, -pi / 2, 0, -pi / 2, 0, -pi / 2}, 6},
        {"continu et rang 50", [] { std::vector<double> v(51, 0); v[0] = -0.3; v[1] = 0.5; v[50] = 0.2; v[7] = -0.4; return v; }(),
         std::vector<double>(51, 0.7), 50},
        {"rangs au-delà de n", {0.1, 0.5, 0.4, 0.3}, {0, 0, 1, 2}, 1},
        {"fondamental nul", {0, 0, 0.4, 0.3}, {0, 0, 1, 2}, 3},
        {"nul", {0, 0, 0}, {0, 0, 0}, 2},
    };
    for (const auto& c : cas) {
        std::vector<double> a(c.a.begin(), c.a.begin() + c.n + 1), phi(c.phi.begin(), c.phi.begin() + c.n + 1);
        const grandeurs::DesRangs g = grandeurs::des_rangs({c.a, c.phi, c.n});
        const Direct d = direct(a, phi);
        double h2 = 0, a1 = std::max(0.0, a[1]);
        for (int k = 2; k <= c.n; ++k)
            h2 += std::pow(std::max(0.0, a[k]), 2);
        proche(g.moyenne, d.moyenne, 1e-9, "moyenne", c.nom);
        proche(g.efficace, d.efficace, 1e-9, "efficace", c.nom);
        proche(g.efficace_fondamental, a1 / std::sqrt(2.0), 1e-12, "fondamental", c.nom);
        proche(g.thd_f, rel(std::sqrt(h2), a1), 1e-12, "thd_f", c.nom);
        proche(g.thd_r, rel(std::sqrt(h2), std::sqrt(h2 + a1 * a1)), 1e-12, "thd_r", c.nom);
        proche(g.facteur_crête, rel(d.crête, d.efficace), 2e-4, "crête", c.nom);
        proche(g.facteur_forme, rel(d.efficace, d.moyenne_abs), 1e-4, "forme", c.nom);
    }
    // A pure sine, exactly: √2 and π/(2√2) wherever its peak falls.
    for (double phi : {0.0, 0.123, 1.0}) {
        const std::vector<double> a{0, 0.5}, p{0, phi};
        const grandeurs::DesRangs g = grandeurs::des_rangs({a, p, 1});
        EXPECT_NEAR(*g.facteur_crête, std::sqrt(2.0), 1e-9);
        EXPECT_NEAR(*g.facteur_forme, pi / (2 * std::sqrt(2.0)), 1e-5);
        EXPECT_EQ(std::tuple(*g.thd_f, *g.thd_r, *g.moyenne), std::tuple(0.0, 0.0, 0.0));
    }
    // Overflowing amplitudes: undefined rather than infinite.
    const std::vector<double> énorme{1e200, 1e200, 1e200}, zéro(3, 0.0);
    const grandeurs::DesRangs g = grandeurs::des_rangs({énorme, zéro, 2});
    EXPECT_EQ(std::tuple(g.efficace, g.facteur_crête, g.facteur_forme, g.thd_r), std::tuple(std::nullopt, std::nullopt, std::nullopt, std::nullopt));
}

// The period's mean, RMS and peak over samples 0 to 4095, and the share that ranks 0 to n leave out, for
// 0.5 + 0.3·sin 3θ − 0.1·cos 7θ; a changed period is seen at once, an empty one has no share.
TEST(Grandeurs, FiguresOfTheStoredPeriod) {
    std::array<double, 4097> p{};
    for (int i = 0; i <= 4096; ++i)
        p[i] = 0.5 + 0.3 * std::sin(3 * 2 * pi * i / 4096) - 0.1 * std::cos(7 * 2 * pi * i / 4096);
    p[4096] = 50;  // the end sample is sample 0 again: not counted
    const double ms = 0.25 + 0.045 + 0.005;
    double crête = 0;
    for (int i = 0; i < 4096; ++i)
        crête = std::max(crête, std::abs(p[i]));
    grandeurs::Période période;
    for (auto [n, part] : {std::pair{0, 0.05 / ms}, {2, 0.05 / ms}, {3, 0.005 / ms}, {6, 0.005 / ms}, {7, 0.0}, {50, 0.0}}) {
        const grandeurs::DeLaPériode d = période.figures(p, n);
        EXPECT_NEAR(d.moyenne, 0.5, 1e-12);
        EXPECT_NEAR(d.efficace, std::sqrt(ms), 1e-12);
        EXPECT_EQ(d.crête, crête);
        EXPECT_NEAR(*d.part_hors_rangs, part, 1e-12) << n;
    }
    p[5] = -2;
    const grandeurs::DeLaPériode d = période.figures(p, 50);
    EXPECT_EQ(d.crête, 2);
    EXPECT_GT(*d.part_hors_rangs, 1e-3);
    p.fill(0);
    p[4096] = 1;
    EXPECT_EQ(période.figures(p, 3).part_hors_rangs, std::nullopt);
}

// The harmonic table: BOM, header, one row per rank to n; French and English separators; the measurement's unit;
// a unit holding the separator or a quote is quoted.
TEST(Grandeurs, HarmonicTableAsCsv) {
    const std::vector<double> a{-12.5, 100, 33.3, 7}, phi{0, -90, 45.25, 0};
    const struct { char sép, déc; std::optional<grandeurs::Unité> u; int n; const char* attendu; } cas[] = {
        {';', ',', std::nullopt, 2,
         "\xEF\xBB\xBFRang;Amplitude (%);Déphasage (°);Amplitude efficace (%)\r\n0;-12,5;0;-12,5\r\n"
         "1;100;-90;70,7106781186547\r\n2;33,3;45,25;23,546655813512\r\n"},
        {',', '.', grandeurs::Unité{"A", 20}, 1,
         "\xEF\xBB\xBFRang,Amplitude (%),Déphasage (°),Amplitude efficace (%),Amplitude (A)\r\n0,-12.5,0,-12.5,-2.5\r\n"
         "1,100,-90,70.7106781186547,20\r\n"},
        {',', '.', grandeurs::Unité{"m,\"s\"", 2}, 0,
         "\xEF\xBB\xBFRang,Amplitude (%),Déphasage (°),Amplitude efficace (%),\"Amplitude (m,\"\"s\"\")\"\r\n0,-12.5,0,-12.5,-0.25\r\n"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(grandeurs::csv(a, phi, c.n, c.sép, c.déc, c.u), c.attendu);
}

// Saved signals: a rank count outside 1..50, a sample or scale that is no finite number, an unknown list entry, a
// text longer than a box are refused, with a French message; the limits themselves are accepted.
TEST(Grandeurs, SavedSignalChecks) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct { void (*changer)(document::Signal&); const char* message; } cas[] = {
        {[](document::Signal&) {}, nullptr},
        {[](document::Signal& s) { s.nb_rangs = 1; s.élément_liste = 8; s.échelle = 0; s.amplitudes[3] = std::string(32767, '1'); }, nullptr},
        {[](document::Signal& s) { s.nb_rangs = 70; }, "Le nombre de rangs (70) n'est pas compris entre 1 et 50."},
        {[](document::Signal& s) { s.nb_rangs = 0; }, "Le nombre de rangs (0) n'est pas compris entre 1 et 50."},
        {[](document::Signal& s) { s.période[4096] = nan; }, "La période enregistrée contient une valeur qui n'est pas un nombre fini."},
        {[](document::Signal& s) { s.période[0] = -inf; }, "La période enregistrée contient une valeur qui n'est pas un nombre fini."},
        {[](document::Signal& s) { s.échelle = nan; }, "L'échelle de la mesure n'est pas un nombre positif."},
        {[](document::Signal& s) { s.échelle = -1; }, "L'échelle de la mesure n'est pas un nombre positif."},
        {[](document::Signal& s) { s.élément_liste = 9; }, "Le signal de la liste n'existe pas."},
        {[](document::Signal& s) { s.élément_liste = -2; }, "Le signal de la liste n'existe pas."},
        {[](document::Signal& s) { s.déphasages[50] = std::string(32768, '1'); }, "Un texte d'amplitude ou de déphasage est trop long."},
    };
    for (const auto& c : cas) {
        document::Signal s;
        c.changer(s);
        EXPECT_EQ(document::défaut(s), c.message ? std::optional<std::string>(c.message) : std::nullopt);
    }
}
