// Drawing a period by hand on the waveform, with real mouse events.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"
#include "widgets/surface.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr double pas = Form1::deux_pi / 4096;
const QRgb magenta = qRgb(255, 0, 255), jaune = qRgb(255, 255, 0);

struct DessinLibre : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
        toile = f->Picture2;
    }
    void TearDown() override { commun::periode.fill(0.0); }

    // A mouse event at (x, y) in the plot's units; `boutons` held during a move.
    void souris_à(QEvent::Type type, double x, double y, Qt::MouseButton b = Qt::LeftButton,
                  Qt::MouseButtons boutons = Qt::LeftButton)
    {
        const QPointF p = toile->toPixels(x, y);
        QMouseEvent e(type, p, toile->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : b,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : boutons, Qt::NoModifier);
        QCoreApplication::sendEvent(toile, &e);
    }
    static double x_de(double indice) { return (indice + 0.5) * pas; }
    void période_sinus()
    {
        for (int i = 0; i <= 4096; ++i)
            commun::periode[i] = std::sin(i * pas);
    }

    std::unique_ptr<Form1> f;
    Surface* toile = nullptr;
};

TEST_F(DessinLibre, APressOnNoPeriodMakesItConstant)
{
    souris_à(QEvent::MouseButtonPress, 2.0, 0.4);
    for (double v : commun::periode)
        ASSERT_EQ(v, double(0.4f));
    ASSERT_EQ(de_couleur(toile->overlay(), magenta).size(), 1u);
    EXPECT_NEAR(toile->overlay().back().y1, 0.4, 1e-6);
    souris_à(QEvent::MouseButtonRelease, 2.0, 0.4);
    EXPECT_EQ(f->Amplit[0]->text(), "40");
    EXPECT_EQ(f->Amplit[1]->text(), "0");
    EXPECT_EQ(f->Label3->text(), QString());  // a press is not a move
}

TEST_F(DessinLibre, AFastMoveFillsEverySampleBetween)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(100), 0.9);
    EXPECT_EQ(commun::periode[100], std::sin(100 * pas));  // a press changes no sample
    souris_à(QEvent::MouseMove, x_de(900), 0.3);
    for (int i = 0; i <= 4096; ++i)
        ASSERT_EQ(commun::periode[i], i >= 100 && i <= 900 ? double(0.3f) : std::sin(i * pas)) << i;
    EXPECT_EQ(f->indice_précédent, 900);
    // The band is erased over the whole height, then the curve redrawn from
    // 20 samples behind the old position to 20 beyond the new one.
    const auto boîtes = de_couleur(toile->overlay(), toile->backColor().rgb());
    ASSERT_FALSE(boîtes.empty());
    EXPECT_NEAR(boîtes[0].x1, 100 * pas, 1e-9);
    EXPECT_NEAR(std::fabs(boîtes[0].y1 - boîtes[0].y2), 2.2, 1e-6);
    const auto courbe = de_couleur(toile->overlay(), magenta);
    EXPECT_NEAR(courbe.back().x2, 920 * pas, 1e-9);
    EXPECT_NEAR(courbe[courbe.size() - 841].x1, 79 * pas, 1e-9);
}

TEST_F(DessinLibre, DraggingPastTheEdgesStopsThereAndMendsTheAxes)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(10), 0.5);
    souris_à(QEvent::MouseMove, -3.0, 0.5);
    EXPECT_EQ(f->indice_précédent, 0);
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(commun::periode[i], i <= 10 ? double(0.5f) : std::sin(i * pas)) << i;
    const auto axes = de_couleur(toile->overlay(), jaune);
    ASSERT_FALSE(axes.empty());
    EXPECT_EQ(std::tuple(axes.back().x1, axes.back().x2), std::tuple(0.0, 0.0));
    EXPECT_NEAR(std::fabs(axes.back().y2 - axes.back().y1), 2.2, 1e-6);

    souris_à(QEvent::MouseMove, 50.0, -0.5);
    EXPECT_EQ(f->indice_précédent, 4096);
    EXPECT_EQ(commun::periode[4096], double(-0.5f));
    EXPECT_EQ(commun::periode[0], double(-0.5f));
}

TEST_F(DessinLibre, OtherButtonsOnlyShowTheHint)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(100), 0.5);
    for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton,
                               Qt::MouseButtons(Qt::NoButton)}) {
        f->Label3->clear();
        souris_à(QEvent::MouseMove, x_de(2000), 0.7, Qt::NoButton, b);
        EXPECT_EQ(f->Label3->text(), QStringLiteral("Tracé manuel d'une période."));
        EXPECT_EQ(commun::periode[1000], std::sin(1000 * pas));
    }
}

TEST_F(DessinLibre, TheReleaseAnalysesTheNewPeriod)
{
    période_sinus();
    souris_à(QEvent::MouseButtonPress, x_de(0), 0);
    souris_à(QEvent::MouseButtonRelease, x_de(0), 0);
    EXPECT_EQ(f->Amplit[1]->text(), "100");  // a release without a drag analyses too
    // A square wave of peak 1: no DC, a fundamental of 4/π.
    commun::periode.fill(0.0);
    souris_à(QEvent::MouseButtonPress, x_de(0), -1);
    souris_à(QEvent::MouseMove, x_de(2047), 1);
    souris_à(QEvent::MouseButtonRelease, x_de(2047), 1);
    EXPECT_EQ(f->Amplit[0]->text(), "0");
    EXPECT_EQ(f->Amplit[1]->text(), "127.32");
    EXPECT_EQ(f->Amplit[2]->text(), "0");
    EXPECT_EQ(de_couleur(toile->overlay(), toile->backColor().rgb()).size(), 0u);
    EXPECT_EQ(de_couleur(toile->overlay(), magenta).size(), 4091u);
}

}  // namespace
