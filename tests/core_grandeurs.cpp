// What the window's tests cannot reach: a sine's exact factors wherever its peak falls, undrawn and overflowing
// ranks, the period's share by rank, CSV quoting, and the saved signal's checks.
#include "resultats/document.h"
#include "resultats/grandeurs.h"
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
using std::nullopt;
const double pi = 3.14159265358979323846, nan_ = std::nan("");
// Columns: mean, RMS, fundamental's RMS, THD_F, THD_R, crest, form, each to 1e-5 (nullopt: "—"; défini: any positive).
TEST(Grandeurs, FiguresOfTheRanks) {
    constexpr double défini = -1;
    const double r = std::sqrt(0.09 + 0.125);  // −0.3 + 0.5·sin(θ + 1), rank 7's −0.4 not drawn
    const struct { std::vector<double> a, phi; int n; std::optional<double> attendu[7]; } cas[] = {
        {{0, 0.5}, {0, 0.123}, 1, {0, 0.5 / std::sqrt(2), 0.5 / std::sqrt(2), 0, 0, std::sqrt(2), pi / std::sqrt(8)}},
        {{-0.3, 0.5, 0, 0, 0, 0, 0, -0.4, 0.4}, {0, 1, 0, 0, 0, 0, 0, 0, 2}, 7, {-0.3, r, 0.5 / std::sqrt(2), 0, 0, 0.8 / r, défini}},
        {{0.2, 0, 0.3, 0.4}, {0, 0, 0, 0}, 3, {0.2, std::sqrt(0.04 + 0.125), 0, nullopt, 1, défini, défini}},
        {{1e200, 1e200}, {0, 0}, 1, {1e200, nullopt, 1e200 / std::sqrt(2), 0, 0, nullopt, nullopt}},
    };
    for (const auto& c : cas) {
        const grandeurs::DesRangs g = grandeurs::des_rangs({c.a, c.phi, c.n});
        const std::optional<double> vu[7] = {g.moyenne, g.efficace, g.efficace_fondamental, g.thd_f, g.thd_r, g.facteur_crête, g.facteur_forme};
        for (int i = 0; i < 7; ++i) {
            const double a = c.attendu[i].value_or(0), v = vu[i].value_or(0);
            ASSERT_EQ(vu[i].has_value(), c.attendu[i].has_value()) << c.a[0] << " " << i;
            EXPECT_NEAR(v, a == défini ? 1 : a, a == défini ? v : 1e-5 * std::abs(a)) << c.a[0] << " " << i;
        }
    }
}
// 0.5 + 0.3·sin 3θ − 0.1·cos 7θ: mean, RMS, peak over samples 0 to 4095 (4096 is sample 0 again), the share left
// out by ranks 0 to n; a changed period seen at once, a zero one with no share.
TEST(Grandeurs, FiguresOfTheStoredPeriod) {
    std::array<double, 4097> p{};
    for (int i = 0; i < 4096; ++i)
        p[i] = 0.5 + 0.3 * std::sin(3 * 2 * pi * i / 4096) - 0.1 * std::cos(7 * 2 * pi * i / 4096);
    p[4096] = 50;
    const double ms = 0.25 + 0.045 + 0.005, crête = *std::max_element(p.begin(), p.end() - 1);
    grandeurs::Période période;
    for (auto [n, part] : {std::pair{0, 0.05 / ms}, {2, 0.05 / ms}, {3, 0.005 / ms}, {6, 0.005 / ms}, {7, 0.0}, {50, 0.0}}) {
        const grandeurs::DeLaPériode d = période.figures(p, n);
        EXPECT_TRUE(std::abs(d.moyenne - 0.5) <= 1e-12 && std::abs(d.efficace - std::sqrt(ms)) <= 1e-12) << n;
        EXPECT_EQ(std::pair(d.crête, std::abs(*d.part_hors_rangs - part) <= 1e-12), std::pair(crête, true)) << n;
    }
    p[5] = -2;
    EXPECT_EQ(std::pair(période.figures(p, 50).crête, *période.figures(p, 50).part_hors_rangs > 1e-3), std::pair(2.0, true));
    p.fill(0), p[4096] = 1;
    EXPECT_EQ(période.figures(p, 3).part_hors_rangs, nullopt);
}
// A unit holding the separator or a quote is quoted, the quote doubled; 15 significant digits; rank 0's RMS is itself.
TEST(Grandeurs, CsvFieldsQuoted) {
    const std::vector<double> a{-12.5, 100}, phi{0, -90};
    EXPECT_EQ(grandeurs::csv(a, phi, 1, ',', '.', grandeurs::Unité{"m,\"s\"", 2}),
              "\xEF\xBB\xBFRang,Amplitude (%),Déphasage (°),Amplitude efficace (%),\"Amplitude (m,\"\"s\"\")\"\r\n"
              "0,-12.5,0,-12.5,-0.25\r\n1,100,-90,70.7106781186547,2\r\n");
}
// Refused with a French message: a rank count outside 1..50, a sample or scale that is no finite number, an unknown
// list entry, a text longer than a box; the limits pass.
TEST(Grandeurs, SavedSignalChecks) {
    using S = document::Signal;
    const std::string fini = "La période enregistrée contient une valeur qui n'est pas un nombre fini.",
                      échelle = "L'échelle de la mesure n'est pas un nombre positif.",
                      liste = "Le signal de la liste n'existe pas.", rangs = " n'est pas compris entre 1 et 50.";
    const std::pair<void (*)(S&), std::string> cas[] = {
        {[](S& s) { s.nb_rangs = 1, s.élément_liste = 8, s.amplitudes[3] = std::string(32767, '1'); }, ""},
        {[](S& s) { s.élément_liste = -1, s.échelle = 0; }, ""}, {[](S& s) { s.période[4096] = nan_; }, fini},
        {[](S& s) { s.nb_rangs = 51; }, "Le nombre de rangs (51)" + rangs}, {[](S& s) { s.élément_liste = 9; }, liste},
        {[](S& s) { s.nb_rangs = 0; }, "Le nombre de rangs (0)" + rangs}, {[](S& s) { s.échelle = nan_; }, échelle},
        {[](S& s) { s.période[0] = -HUGE_VAL; }, fini}, {[](S& s) { s.élément_liste = -2; }, liste},
        {[](S& s) { s.échelle = -1e-300; }, échelle},
        {[](S& s) { s.déphasages[50].assign(32768, '1'); }, "Un texte d'amplitude ou de déphasage est trop long."},
    };
    for (const auto& [changer, message] : cas) {
        S s;
        changer(s);
        EXPECT_EQ(document::défaut(s).value_or(""), message);
    }
}
