// The signal list: each signal picked fills the stored period and the rank
// boxes show its analysis; an imported column is analysed the same way.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/form2.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
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
    // Picks an entry through the list's popup, as the user does, even the
    // entry already shown.
    void choisir(int index)
    {
        ::choisir(f->Combo2, index);
        ASSERT_EQ(f->Combo2->currentIndex(), index);
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
    using R = std::map<int, std::pair<QString, QString>>;
    // Amplitudes and phases within 0.2 degrees; then the ranks listed alone.
    struct Cas {
        int index;
        std::map<int, std::pair<double, double>> attendus;
        bool seuls;
    };
    const Cas cas[] = {
        {8, {{1, {100, 0}}}, true},
        {0, {{1, {80, 0}}, {3, {20, 40.08}}}, true},
        {2, {{1, {31.83, 0}}, {3, {10.61, 0}}, {5, {6.37, 0}}, {7, {4.55, 0}}}, false},
        {3, {{1, {81.06, 0}}, {3, {9.01, 180}}, {5, {3.24, 0}}}, false},
        {4, {{0, {25.01, 0}}}, false},
        {5, {{0, {12.51, 0}}}, false},
        {6, {{0, {31.83, 0}}, {1, {50, 0}}}, false},
        {7, {{0, {63.66, 0}}, {2, {42.44, 90}}}, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.index);
        choisir(c.index);
        const R vus = rangs();
        for (auto [rang, valeurs] : c.attendus) {
            ASSERT_TRUE(vus.count(rang)) << rang;
            // The boxes hold a period as decimal point whatever the locale.
            EXPECT_FALSE(vus.at(rang).first.contains(',') || vus.at(rang).second.contains(','));
            EXPECT_EQ(vus.at(rang).first.toDouble(), valeurs.first) << rang;
            const double phase = vus.at(rang).second.toDouble();
            EXPECT_NEAR(std::abs(phase), valeurs.second, 0.2) << rang;
        }
        if (c.seuls) {
            EXPECT_EQ(vus.size(), c.attendus.size());
        }
        if (c.index == 2 || c.index == 3) {  // odd ranks only, no DC
            for (auto [rang, t] : vus)
                EXPECT_EQ(rang % 2, 1) << rang;
        }
        EXPECT_FALSE(commun::periode_vide());
        // The boxes went into the harmonic state.
        EXPECT_NEAR(commun::composantes[0].amplitude, c.attendus.count(0) ? c.attendus.at(0).first / 100 : 0.0, 1e-4);
    }
    // Square: the sample the formulas name; the stored period is drawn.
    choisir(2);
    EXPECT_EQ(commun::periode[2048], -0.25);
}

TEST_P(Bibliotheque, PickingTheShownSignalAgainRestoresIt)
{
    choisir(2);
    const auto carré = rangs();
    f->Amplit[1]->setText(QStringLiteral("55"));
    f->Amplit[4]->setText(QStringLiteral("12"));
    commun::periode.fill(0.0);
    choisir(2);
    EXPECT_EQ(rangs(), carré);
    EXPECT_EQ(commun::periode[1], 0.25);
}

TEST_P(Bibliotheque, ImportedColumnAnalysedAndCancelKeepsTheRanks)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.path() + QStringLiteral("/sinus.txt");
    {
        std::ofstream fichier(chemin.toStdString(), std::ios::binary);
        fichier << "  Time Vo Iin\r\n";
        char l[64];
        for (int k = 1; k <= 8192; ++k) {  // Iin: 3 sin over the period, decimated
            std::snprintf(l, sizeof l, "%14.6E%14.6E%14.6E\r\n", k * 1e-6, 0.0,
                          3 * std::sin(k * 6.283185307179586 / 8192));
            fichier << l;
        }
    }
    const auto importer = [&](bool ok) {
        QTimer::singleShot(0, [&] {
            auto* d = f->form2;
            ASSERT_TRUE(d && d->isVisible());
            d->ouvrir_dossier(dossier.path());
            d->File1->setCurrentRow(0);
            d->List1->setCurrentRow(1);
            (ok ? d->Command1 : d->Command2)->click();
        });
        choisir(1);
    };
    importer(true);
    // Normalised to a peak of 1: rank 1 at 100.
    EXPECT_EQ(rangs(), (std::map<int, std::pair<QString, QString>>{{1, {"100", "0"}}}));
    EXPECT_EQ(commun::periode[1024], 1.0);

    choisir(8);
    f->Amplit[2]->setText(QStringLiteral("30"));
    const auto avant = rangs();
    importer(false);
    EXPECT_EQ(rangs(), avant);
    EXPECT_TRUE(commun::periode_vide());
    EXPECT_EQ(f->fichier, QString());
}

INSTANTIATE_TEST_SUITE_P(Locales, Bibliotheque, ::testing::Values(QLocale::English, QLocale::French));

}  // namespace
