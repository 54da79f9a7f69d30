// The synthesized waveform, the stored period, the phasor diagram and the
// rank traces, read back from the layers of the two plots.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/controls.h"
#include "widgets/surface.h"
#include "tests/outils_ui.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using Prim = Surface::Primitive;
constexpr double pas = Form1::deux_pi / 4096;  // one sample
constexpr double pi_ = 3.141592654;
const QRgb noir = qRgb(0, 0, 0), rouge = qRgb(255, 0, 0), magenta = qRgb(255, 0, 255),
           jaune = qRgb(255, 255, 0), rose = qRgb(255, 150, 150);

// Checks a line of the given colour from (x1, y1) to (x2, y2).
void ligne(const Prim& p, double x1, double y1, double x2, double y2, QRgb c, double tol = 1e-12)
{
    EXPECT_EQ(p.kind, Prim::Kind::Line);
    EXPECT_EQ(p.color, c);
    EXPECT_NEAR(p.x1, x1, tol);
    EXPECT_NEAR(p.y1, y1, tol);
    EXPECT_NEAR(p.x2, x2, tol);
    EXPECT_NEAR(p.y2, y2, tol);
}

// The synthesized waveform: 1024 joined lines, the first of zero length at
// the first point, of the given colour, following f at positions 1, 5, … 4093.
template <class F>
void courbe(const std::vector<Prim>& lignes, F f, QRgb c, double départ_x = -1)
{
    ASSERT_EQ(lignes.size(), 1024u);
    const double x0 = pas;
    ligne(lignes[0], départ_x < 0 ? x0 : départ_x, f(x0), x0, f(x0), c);
    for (std::size_t k = 1; k < lignes.size(); ++k) {
        const double xa = (1 + 4.0 * (k - 1)) * pas, xb = (1 + 4.0 * k) * pas;
        ligne(lignes[k], xa, f(xa), xb, f(xb), c);
    }
    EXPECT_NEAR(lignes.back().x2, 4093 * pas, 1e-12);
}

class Tracés : public ::testing::Test {
protected:
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
    }
    const std::vector<Prim>& courbes() const { return f->Picture2->overlay(); }
    const std::vector<Prim>& diagramme() const { return f->Picture1->overlay(); }
    void axes_seuls_sur_picture1() const
    {
        const auto& p = f->Picture1->persistentLayer();
        ASSERT_EQ(p.size(), 2u);
        ligne(p[0], 0, 1, 0, -1, jaune);
        ligne(p[1], 1, 0, -1, 0, jaune);
    }
    void traînée_sur_picture1() const
    {
        f->Picture1->setAutoRedraw(true);
        f->Picture1->line(0.2, 0.2, 0.4, 0.3, QColor(rose));
        f->Picture1->setAutoRedraw(false);
    }
    std::unique_ptr<Form1> f;
};

class TraceSynthese : public Tracés {};
class TracePhaseur : public Tracés {};
class TraceRang : public Tracés {};
class TraceValeursEnormes : public Tracés {};

TEST_F(TraceSynthese, OneLinkOfTheChain)
{
    EXPECT_NEAR(f->calcul_extrémité_vecteur_y(2, pi_ / 4, 1, 0.5, 0, 2), 2.5, 1e-12);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_x(2, pi_ / 4, 1, 0.5, 0, 2), 1.0, 1e-8);
    // The rank multiplies the angle, the phase adds to it.
    EXPECT_NEAR(f->calcul_extrémité_vecteur_x(3, 0.2, -1, 7, 0.1, 0.5), -1 + 0.5 * std::cos(0.7), 1e-15);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_y(3, 0.2, -1, 7, 0.1, 0.5), 7 + 0.5 * std::sin(0.7), 1e-15);
}

TEST_F(TraceSynthese, RankOneAloneIsTheSineFromOneSampleToTheLastPoint)
{
    commun::composantes[1] = {1.0, 0.0};
    f->position = 17;
    f->tracerut();
    courbe(courbes(), [](double x) { return std::sin(x); }, noir);
    const auto& axes = f->Picture2->persistentLayer();
    ASSERT_EQ(axes.size(), 2u);
    ligne(axes[1], 0, 0, Form1::deux_pi, 0, jaune);
    // The diagram at angle 0 and the state left behind.
    ASSERT_EQ(diagramme().size(), 2u);
    ligne(diagramme()[0], 0, 0, 0, 0, noir);
    ligne(diagramme()[1], 0, 0, 1, 0, noir);
    EXPECT_EQ(f->position, 0);
    EXPECT_DOUBLE_EQ(f->angle1, 4093 * pas);
    EXPECT_TRUE(f->x_extrémité == 1 && f->y_extrémité == 0 && f->x_origine == 1 && f->y_origine == 0);
}

TEST_F(TraceSynthese, DcLevelAloneIsAFlatLineAndOneVector)
{
    commun::composantes[0] = {0.3, 1.0};
    commun::composantes[4] = {0.0, 0.7};  // amplitude 0 takes no part
    f->tracerut();
    courbe(courbes(), [](double) { return 0.3; }, noir);
    ASSERT_EQ(diagramme().size(), 1u);
    ligne(diagramme()[0], 0, 0.3, 0, 0, noir);
    EXPECT_DOUBLE_EQ(f->x_origine, 0.0);
    EXPECT_DOUBLE_EQ(f->y_origine, 0.3);
}

TEST_F(TraceSynthese, NegativeAmplitudeIsSkippedInWaveAndDiagram)
{
    commun::composantes[1] = {0.5, 0.0};
    commun::composantes[2] = {-0.7, 0.3};
    commun::composantes[3] = {0.25, pi_ / 2};
    f->tracerut();
    courbe(courbes(), [](double x) { return 0.5 * std::sin(x) + 0.25 * std::sin(3 * x + pi_ / 2); }, noir);
    ASSERT_EQ(diagramme().size(), 3u);
    ligne(diagramme()[1], 0, 0, 0.5, 0, noir);
    ligne(diagramme()[2], 0.5, 0, 0.5, 0.25, noir, 1e-9);
    EXPECT_TRUE(f->x_extrémité == f->x_origine && f->y_extrémité == f->y_origine);
}

TEST_F(TraceSynthese, StoredPeriodFromSampleFiveToTheEnd)
{
    // All zero: nothing in magenta.
    f->Command4_Click();
    EXPECT_TRUE(de_couleur(courbes(), magenta).empty());

    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::cos(i * 0.01) + (i < 5 ? 50 : 0);  // samples 0 to 4 never shown
    f->Command4_Click();
    const auto m = de_couleur(courbes(), magenta);
    ASSERT_EQ(m.size(), 4091u);
    for (std::size_t k = 0; k < m.size(); ++k) {
        const int i = 5 + static_cast<int>(k);
        ligne(m[k], i * pas, commun::periode[i], (i + 1) * pas, commun::periode[i + 1], magenta);
    }
    EXPECT_NEAR(m.back().x2, Form1::deux_pi, 1e-12);
    EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);
    EXPECT_EQ(f->Picture2->foreColor(), QColor(noir));

    // A single nonzero sample among 0 to 4 still counts as a stored period.
    commun::periode.fill(0.0);
    commun::periode[2] = -1.0;
    f->Command4_Click();
    const auto plat = de_couleur(courbes(), magenta);
    ASSERT_EQ(plat.size(), 4091u);
    for (const Prim& p : plat)
        ASSERT_TRUE(p.y1 == 0 && p.y2 == 0);
}

TEST_F(TracePhaseur, HighlightedVectorRedOthersBlack)
{
    commun::composantes[0] = {0.2, 0};
    commun::composantes[1] = {0.5, 0};
    commun::composantes[2] = {0.0, 1};  // no vector
    commun::composantes[3] = {0.3, pi_ / 2};
    commun::composantes[7] = {0.1, pi_};
    const auto couleurs = [&] {
        std::vector<QRgb> c;
        for (const Prim& p : diagramme())
            c.push_back(p.color);
        return c;
    };
    f->vecteur(3);
    ASSERT_EQ(diagramme().size(), 4u);
    EXPECT_EQ(couleurs(), (std::vector<QRgb>{noir, noir, rouge, noir}));
    ligne(diagramme()[0], 0, 0.2, 0, 0, noir);
    ligne(diagramme()[1], 0, 0.2, 0.5, 0.2, noir);
    ligne(diagramme()[2], 0.5, 0.2, 0.5, 0.5, rouge, 1e-9);
    ligne(diagramme()[3], 0.5, 0.5, 0.4, 0.5, noir, 1e-9);
    f->vecteur(0);
    EXPECT_EQ(couleurs(), (std::vector<QRgb>{rouge, noir, noir, noir}));
    f->vecteur(2);
    EXPECT_EQ(couleurs(), (std::vector<QRgb>{noir, noir, noir, noir}));
    f->vecteur(2001);
    EXPECT_EQ(couleurs(), (std::vector<QRgb>{noir, noir, noir, noir}));
    EXPECT_NEAR(f->x_origine, 0.4, 1e-9);
    EXPECT_NEAR(f->y_origine, 0.5, 1e-9);
    // The persistent layer is never touched by a plain redraw.
    axes_seuls_sur_picture1();
}

TEST_F(TracePhaseur, RedrawAxesFlagRebuildsThePersistentLayerOnce)
{
    commun::composantes[1] = {1.0, pi_ / 2};
    traînée_sur_picture1();
    f->vecteur(2001);  // flag clear: the trail stays
    EXPECT_EQ(de_couleur(f->Picture1->persistentLayer(), rose).size(), 1u);

    f->redessiner_axes = 1;
    f->vecteur(2001);
    EXPECT_EQ(f->redessiner_axes, 0);
    axes_seuls_sur_picture1();
    EXPECT_FALSE(f->Picture1->autoRedraw());
    ASSERT_EQ(diagramme().size(), 2u);
    ligne(diagramme()[1], 0, 0, 0, 1, noir, 1e-9);
}

TEST_F(TracePhaseur, FinishButtonRebuildsAxesAndRedrawsEverything)
{
    commun::composantes[1] = {1.0, 0};
    commun::periode[300] = 0.4;
    traînée_sur_picture1();
    f->Picture2->refresh();
    f->position = 700;
    f->angle1 = 2.0;
    f->Command4->click();
    axes_seuls_sur_picture1();
    EXPECT_FALSE(f->Picture1->autoRedraw());
    EXPECT_FALSE(f->Picture2->autoRedraw());
    courbe(de_couleur(courbes(), noir), [](double x) { return std::sin(x); }, noir);
    EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
    ASSERT_EQ(diagramme().size(), 2u);
    EXPECT_EQ(f->position, 0);
    EXPECT_DOUBLE_EQ(f->angle1, 4093 * pas);
}

TEST_F(TraceRang, RankTraceFollowsAPressAndAReleaseOfItsButton)
{
    commun::composantes[1] = {1.0, 0};
    commun::composantes[3] = {0.5, 0};
    commun::periode[10] = 0.8;
    const auto trace3 = [](double x) { return 0.5 * std::sin(3 * x); };
    const auto somme = [](double x) { return std::sin(x) + 0.5 * std::sin(3 * x); };

    souris(f->Command3[3], QEvent::MouseButtonPress);
    courbe(de_couleur(courbes(), rouge), trace3, rouge, 0.0);  // starts on x = 0
    courbe(de_couleur(courbes(), noir), somme, noir);
    EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
    EXPECT_EQ(f->Picture2->foreColor(), QColor(noir));
    ASSERT_EQ(diagramme().size(), 3u);
    EXPECT_EQ(diagramme()[1].color, noir);
    EXPECT_EQ(diagramme()[2].color, rouge);
    EXPECT_EQ(f->position, 0);
    EXPECT_DOUBLE_EQ(f->angle1, 4093 * pas);
    EXPECT_TRUE(f->x_extrémité == 1.5 && f->y_extrémité == 0);

    souris(f->Command3[3], QEvent::MouseButtonRelease);
    EXPECT_TRUE(de_couleur(courbes(), rouge).empty());
    courbe(de_couleur(courbes(), noir), somme, noir);
    EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
    EXPECT_TRUE(de_couleur(diagramme(), rouge).empty());
}

TEST_F(TraceRang, DcTraceWithAndWithoutGlobalUpdate)
{
    commun::composantes[0] = {0.3, 0};
    commun::composantes[2] = {0.2, 0};
    commun::periode[0] = 1;

    f->Command3_MouseDown(0, 1, 0, 0, 0);
    const auto r = de_couleur(courbes(), rouge);
    ASSERT_EQ(r.size(), 1u);
    ligne(r[0], 0, 0.3, Form1::deux_pi, 0.3, rouge);
    EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);
    EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
    EXPECT_EQ(f->Picture2->foreColor(), QColor(noir));
    ASSERT_EQ(diagramme().size(), 2u);
    EXPECT_EQ(diagramme()[0].color, rouge);
    EXPECT_EQ(diagramme()[1].color, noir);

    // During a bulk update the press only adds the trace, the release only clears.
    f->Command3_MouseUp(0, 1, 0, 0, 0);
    f->maj_globale = 1;
    f->Picture2->refresh();
    f->angle1 = 1.25;
    f->Command3_MouseDown(0, 1, 0, 0, 0);
    ASSERT_EQ(courbes().size(), 1u);
    EXPECT_EQ(courbes()[0].color, rouge);
    EXPECT_DOUBLE_EQ(f->angle1, 1.25);
    f->Command3_MouseUp(0, 1, 0, 0, 0);
    EXPECT_TRUE(courbes().empty());
    EXPECT_EQ(diagramme()[0].color, rouge);  // until the next redraw
}

TEST_F(TraceRang, RankTraceDuringGlobalUpdateAndOddAmplitudes)
{
    commun::composantes[1] = {1.0, 0};
    commun::composantes[4] = {-0.5, 0.1};
    f->maj_globale = 1;
    f->Picture2->refresh();
    f->Command3_MouseDown(4, 1, 0, 0, 0);  // negative: an inverted sinusoid
    courbe(courbes(), [](double x) { return -0.5 * std::sin(4 * x + 0.1); }, rouge, 0.0);
    EXPECT_TRUE(de_couleur(diagramme(), rouge).empty());

    f->Picture2->refresh();
    f->Command3_MouseDown(6, 1, 0, 0, 0);  // amplitude 0: along the time axis
    courbe(courbes(), [](double) { return 0.0; }, rouge, 0.0);
    EXPECT_TRUE(de_couleur(diagramme(), rouge).empty());
    EXPECT_EQ(f->position, 0);

    // No such record: nothing is drawn.
    f->Picture2->refresh();
    f->tracer1h(-1);
    f->tracer1h(2001);
    EXPECT_TRUE(courbes().empty());
}

TEST_F(TraceValeursEnormes, OverflowingSumsDrawAndPaintWithoutTrouble)
{
    for (double a : {1e300, 1e308}) {
        SCOPED_TRACE(a);
        commun::composantes[0] = {a == 1e308 ? 1e308 : 0.0, 0};
        commun::composantes[1] = {a, 0.4};
        commun::composantes[2] = {a, 1.3};
        commun::periode[7] = a;
        f->Command4_Click();
        f->Command3_MouseDown(2, 1, 0, 0, 0);
        EXPECT_EQ(de_couleur(courbes(), rouge).size(), 1024u);
        EXPECT_FALSE(f->grab().isNull());
        f->Command3_MouseDown(0, 1, 0, 0, 0);
        EXPECT_FALSE(f->Picture1->grab().isNull());
        EXPECT_FALSE(f->Picture2->grab().isNull());
        f->Command3_MouseUp(0, 1, 0, 0, 0);
        EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);
        EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
        for (const auto* couche : {&courbes(), &diagramme()})
            for (const Prim& p : *couche)
                ASSERT_FALSE(std::isnan(p.x1) || std::isnan(p.y1) || std::isnan(p.x2) || std::isnan(p.y2));
        EXPECT_FALSE(f->grab().isNull());
    }
}

}  // namespace
