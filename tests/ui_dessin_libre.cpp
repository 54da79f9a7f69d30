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
    // A mouse event at (x, y) in the plot's units; `boutons` held during a move.
    void souris_à(QEvent::Type type, double x, double y, Qt::MouseButtons boutons = Qt::LeftButton)
    {
        souris_sur(f->Picture2, type, f->Picture2->toPixels(x, y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
    }
};

// A press on no period makes it constant; dragged at 1 over half and released: a square wave, a fundamental of 4/π.
TEST_F(DessinLibre, APressOnNoPeriodMakesItConstantAndTheReleaseAnalysesIt)
{
    souris_à(QEvent::MouseButtonPress, x_de(0), -1);
    for (double v : commun::periode)
        ASSERT_EQ(v, -1.0);
    ASSERT_EQ(de_couleur(courbes(), magenta).size(), 1u);
    souris_à(QEvent::MouseMove, x_de(2047), 1);
    souris_à(QEvent::MouseButtonRelease, x_de(2047), 1);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->Amplit[2]->text()), std::tuple("0", "127.32", "0"));
}

// A move with another button or none only shows the hint; a fast left drag fills every sample between;
// past the left edge it stops at 0 and redraws the axis, past the right at 4096, also sample 0.
TEST_F(DessinLibre, DragsFillEverySampleBetweenAndStopAtTheEdges)
{
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = sinus(i);
    souris_à(QEvent::MouseButtonPress, x_de(100), 0.9);
    for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, Qt::MouseButtons()}) {
        f->Label3->clear();
        souris_à(QEvent::MouseMove, x_de(2000), 0.7, b);
        EXPECT_EQ(std::tuple(f->Label3->text(), commun::periode[100], commun::periode[1000]),  // a press changes none
                  std::tuple(QString("Tracé manuel d'une période."), sinus(100), sinus(1000)));
    }
    souris_à(QEvent::MouseMove, x_de(900), 0.3);
    for (int i = 0; i <= 4096; ++i)
        ASSERT_EQ(commun::periode[i], i >= 100 && i <= 900 ? double(0.3f) : sinus(i)) << i;
    souris_à(QEvent::MouseMove, -3.0, 0.5);
    EXPECT_EQ(std::tuple(f->indice_précédent, commun::periode[0], commun::periode[900], commun::periode[901]),
              std::tuple(0, double(0.5f), double(0.5f), sinus(901)));
    const auto axes = de_couleur(courbes(), jaune);
    ASSERT_FALSE(axes.empty());
    EXPECT_EQ(std::tuple(axes.back().x1, axes.back().x2), std::tuple(0.0, 0.0));
    EXPECT_NEAR(std::fabs(axes.back().y2 - axes.back().y1), 2.2, 1e-6);
    souris_à(QEvent::MouseMove, 50.0, -0.5);
    EXPECT_EQ(std::tuple(f->indice_précédent, commun::periode[4096], commun::periode[0]),
              std::tuple(4096, double(-0.5f), double(-0.5f)));
}

}  // namespace
