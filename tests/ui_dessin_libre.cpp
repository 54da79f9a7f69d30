// Drawing a period by hand on the waveform, with real mouse events.
#include "tests/outils_compacts.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr double pas = Form1::deux_pi / 4096;
double x_de(double indice) { return (indice + 0.5) * pas; }
double sinus(int i) { return std::sin(i * pas); }

struct DessinLibre : AvecFenêtre {
    void TearDown() override { commun::periode.fill(0.0); }
    // A mouse event at (x, y) in the plot's units; `boutons` held during a move.
    void souris_à(QEvent::Type type, double x, double y, Qt::MouseButtons boutons = Qt::LeftButton)
    {
        souris_sur(f->Picture2, type, f->Picture2->toPixels(x, y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
    }
    void période_sinus() { for (int i = 0; i <= 4096; ++i) commun::periode[i] = sinus(i); }
};

TEST_F(DessinLibre, APressOnNoPeriodMakesItConstantAndTheReleaseAnalysesIt)
{
    souris_à(QEvent::MouseButtonPress, 2.0, 0.4);
    for (double v : commun::periode)
        ASSERT_EQ(v, double(0.4f));
    ASSERT_EQ(de_couleur(courbes(), magenta).size(), 1u);
    souris_à(QEvent::MouseButtonRelease, 2.0, 0.4);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->Label3->text()), std::tuple("40", "0", ""));
}

// A move with another button or none only shows the hint; a fast left drag fills every sample between.
TEST_F(DessinLibre, MovesFillEverySampleBetweenOnlyWithTheLeftButton)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(100), 0.9);
    for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, Qt::MouseButtons()}) {
        f->Label3->clear();
        souris_à(QEvent::MouseMove, x_de(2000), 0.7, b);
        EXPECT_EQ(f->Label3->text(), "Tracé manuel d'une période.");
        EXPECT_EQ(commun::periode[1000], sinus(1000));
    }
    EXPECT_EQ(commun::periode[100], sinus(100));  // a press changes no sample
    souris_à(QEvent::MouseMove, x_de(900), 0.3);
    for (int i = 0; i <= 4096; ++i)
        ASSERT_EQ(commun::periode[i], i >= 100 && i <= 900 ? double(0.3f) : sinus(i)) << i;
    EXPECT_EQ(f->indice_précédent, 900);
}

// Past the left edge the drag stops at 0 and redraws the axis; past the right at 4096, also sample 0.
TEST_F(DessinLibre, DraggingPastTheEdgesStopsThereAndMendsTheAxes)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(10), 0.5);
    souris_à(QEvent::MouseMove, -3.0, 0.5);
    EXPECT_EQ(f->indice_précédent, 0);
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(commun::periode[i], i <= 10 ? double(0.5f) : sinus(i)) << i;
    const auto axes = de_couleur(courbes(), jaune);
    ASSERT_FALSE(axes.empty());
    EXPECT_EQ(std::tuple(axes.back().x1, axes.back().x2), std::tuple(0.0, 0.0));
    EXPECT_NEAR(std::fabs(axes.back().y2 - axes.back().y1), 2.2, 1e-6);
    souris_à(QEvent::MouseMove, 50.0, -0.5);
    EXPECT_EQ(std::tuple(f->indice_précédent, commun::periode[4096], commun::periode[0]),
              std::tuple(4096, double(-0.5f), double(-0.5f)));
}

// A press at -1 on no period, a drag at 1 over half of it: a square wave, no DC, a fundamental of 4/π.
TEST_F(DessinLibre, TheReleaseAnalysesTheNewPeriod)
{
    souris_à(QEvent::MouseButtonPress, x_de(0), -1);
    souris_à(QEvent::MouseMove, x_de(2047), 1);
    souris_à(QEvent::MouseButtonRelease, x_de(2047), 1);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->Amplit[2]->text()), std::tuple("0", "127.32", "0"));
}

}  // namespace
