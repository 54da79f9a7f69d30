// The signal list: each signal picked through the list fills the stored
// period and the rank boxes show its analysis, in English and in French.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

namespace {

class Bibliotheque : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(GetParam()));
        f = std::make_unique<Form1>();
        f->show();
    }
    void TearDown() override
    {
        f.reset();
        commun::periode.fill(0.0);
        commun::composantes.fill({});
        QLocale::setDefault(QLocale::c());
    }
    // The ranks whose amplitude box is not "0": rank -> (amplitude, phase) texts.
    std::map<int, std::pair<QString, QString>> rangs() const
    {
        std::map<int, std::pair<QString, QString>> r;
        for (int i = 0; i <= Form1::nb_rangs; ++i)
            if (f->Amplit[i]->text() != QStringLiteral("0"))
                r[i] = {f->Amplit[i]->text(), f->déphas[i]->text()};
        return r;
    }
    std::unique_ptr<Form1> f;
};

TEST_P(Bibliotheque, EverySignalAnalysed)
{
    // Rank -> amplitude and |phase| (within 0.2 degrees); `seuls`: no other rank.
    struct Cas {
        int index;
        std::map<int, std::pair<double, double>> attendus;
        bool seuls;
    };
    const Cas cas[] = {
        {8, {{1, {100, 0}}}, true},
        {0, {{1, {80, 0}}, {3, {20, 40.08}}}, true},
        {2, {{1, {31.83, 0}}, {3, {10.61, 0}}, {5, {6.37, 0}}, {7, {4.55, 0}}}, false},
        {3, {{1, {81.06, 0}}, {3, {9.01, 180}}, {5, {3.24, 0}}}, false},  // rank 3 in opposition
        {4, {{0, {25.01, 0}}}, false},
        {5, {{0, {12.51, 0}}}, false},
        {6, {{0, {31.83, 0}}, {1, {50, 0}}}, false},
        {7, {{0, {63.66, 0}}, {2, {42.44, 90}}}, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.index);
        choisir(f->Combo2, c.index);
        const auto vus = rangs();
        for (auto [rang, valeurs] : c.attendus) {
            ASSERT_TRUE(vus.count(rang)) << rang;
            // A period as decimal point whatever the locale.
            EXPECT_EQ(vus.at(rang).first.toDouble(), valeurs.first) << rang;
            EXPECT_NEAR(std::abs(vus.at(rang).second.toDouble()), valeurs.second, 0.2) << rang;
        }
        EXPECT_TRUE(!c.seuls || vus.size() == c.attendus.size());
        for (auto [rang, t] : vus)  // square and triangle: odd ranks only, no DC
            EXPECT_TRUE((c.index != 2 && c.index != 3) || rang % 2 == 1) << rang;
        // The boxes went into the harmonic state.
        EXPECT_NEAR(commun::composantes[0].amplitude, c.attendus.count(0) ? c.attendus.at(0).first / 100 : 0.0, 1e-4);
    }

    // Picking the shown signal again restores it after its ranks were edited.
    choisir(f->Combo2, 2);
    const auto carré = rangs();
    f->Amplit[1]->setText(QStringLiteral("55"));
    f->Amplit[4]->setText(QStringLiteral("12"));
    commun::periode.fill(0.0);
    choisir(f->Combo2, 2);
    EXPECT_EQ(rangs(), carré);
    EXPECT_EQ(std::pair(commun::periode[1], commun::periode[2048]), std::pair(0.25, -0.25));
}

INSTANTIATE_TEST_SUITE_P(Locales, Bibliotheque, ::testing::Values(QLocale::English, QLocale::French));

}  // namespace
