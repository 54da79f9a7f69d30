// The synthesized waveform, the stored period, the phasor diagram and the
// rank traces, read back from the layers of the two plots.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/controls.h"
#include "tests/outils_ui.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using Prim = Surface::Primitive;
using Segment = std::array<double, 4>;  // x1, y1, x2, y2
constexpr double pas = Form1::deux_pi / 4096;  // one sample
constexpr double pi_ = 3.141592654;
const QRgb noir = qRgb(0, 0, 0), rouge = qRgb(255, 0, 0), magenta = qRgb(255, 0, 255),
           jaune = qRgb(255, 255, 0), rose = qRgb(255, 150, 150);
const std::vector<Segment> axes_picture1{{0, 1, 0, -1}, {1, 0, -1, 0}};

void ligne(const Prim& p, const Segment& s, QRgb c)
{
    EXPECT_EQ(p.kind, Prim::Kind::Line);
    EXPECT_EQ(p.color, c);
    const Segment lu{p.x1, p.y1, p.x2, p.y2};
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(lu[k], s[k], 1e-9) << "coordinate " << k;
}

// Exactly these lines, all of colour c but the one at index rouge_en, red.
void segments(const std::vector<Prim>& couche, const std::vector<Segment>& attendu, QRgb c, int rouge_en = -1)
{
    ASSERT_EQ(couche.size(), attendu.size());
    for (std::size_t k = 0; k < attendu.size(); ++k)
        ligne(couche[k], attendu[k], static_cast<int>(k) == rouge_en ? rouge : c);
}

// A sweep of 1024 joined lines following f at positions 1, 5, … 4093; the
// first one goes from x = départ_x (the first point itself by default).
void courbe(const std::vector<Prim>& lignes, double (*f)(double), QRgb c, double départ_x = pas)
{
    ASSERT_EQ(lignes.size(), 1024u);
    ligne(lignes[0], {départ_x, f(pas), pas, f(pas)}, c);
    for (std::size_t k = 1; k < lignes.size(); ++k) {
        const double xa = (1 + 4.0 * (k - 1)) * pas, xb = (1 + 4.0 * k) * pas;
        ligne(lignes[k], {xa, f(xa), xb, f(xb)}, c);
    }
}

struct Trace : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
    }
    const std::vector<Prim>& courbes() const { return f->Picture2->overlay(); }
    const std::vector<Prim>& diagramme() const { return f->Picture1->overlay(); }
    void traînée_sur_picture1() const
    {
        f->Picture1->setAutoRedraw(true);
        f->Picture1->line(0.2, 0.2, 0.4, 0.3, QColor(rose));
        f->Picture1->setAutoRedraw(false);
    }
    std::unique_ptr<Form1> f;
};

TEST_F(Trace, FinishButtonRedrawsTheChainItsDiagramAndTheStoredPeriod)
{
    // One link of the chain: the rank multiplies the angle, the phase adds to it.
    EXPECT_NEAR(f->calcul_extrémité_vecteur_y(2, pi_ / 4, 1, 0.5, 0, 2), 2.5, 1e-12);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_x(2, pi_ / 4, 1, 0.5, 0, 2), 1.0, 1e-8);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_x(3, 0.2, -1, 7, 0.1, 0.5), -1 + 0.5 * std::cos(0.7), 1e-15);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_y(3, 0.2, -1, 7, 0.1, 0.5), 7 + 0.5 * std::sin(0.7), 1e-15);

    const struct {
        std::vector<std::pair<int, commun::Composante>> rangs;
        double (*onde)(double);
        std::vector<Segment> vecteurs;
        double (*période)(int);
    } cas[] = {
        // Rank 1 alone; no stored period, nothing in magenta.
        {{{1, {1, 0}}}, [](double x) { return std::sin(x); }, {{0, 0, 0, 0}, {0, 0, 1, 0}}, [](int) { return 0.0; }},
        // A DC level alone, amplitude 0 taking no part; samples 0 to 4 are never drawn.
        {{{0, {0.3, 1}}, {4, {0, 0.7}}}, [](double) { return 0.3; }, {{0, 0.3, 0, 0}},
         [](int i) { return std::cos(i * 0.01) + (i < 5 ? 50 : 0); }},
        // A negative amplitude is skipped in both; sample 2 alone makes a stored period.
        {{{1, {0.5, 0}}, {2, {-0.7, 0.3}}, {3, {0.25, pi_ / 2}}},
         [](double x) { return 0.5 * std::sin(x) + 0.25 * std::sin(3 * x + pi_ / 2); },
         {{0, 0, 0, 0}, {0, 0, 0.5, 0}, {0.5, 0, 0.5, 0.25}}, [](int i) { return i == 2 ? -1.0 : 0.0; }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(&c - cas);
        commun::composantes.fill({});
        for (const auto& [rang, composante] : c.rangs)
            commun::composantes[rang] = composante;
        for (int i = 0; i <= 4096; ++i)
            commun::periode[i] = c.période(i);
        traînée_sur_picture1();
        f->Command4->click();
        segments(f->Picture1->persistentLayer(), axes_picture1, jaune);  // the trail erased
        courbe(de_couleur(courbes(), noir), c.onde, noir);
        segments(diagramme(), c.vecteurs, noir);
        EXPECT_DOUBLE_EQ(f->angle1, 4093 * pas);
        const Segment& v = c.vecteurs.back();  // the chain ends there, or on the DC level alone
        EXPECT_NEAR(f->x_origine, v[2], 1e-9);
        EXPECT_NEAR(f->y_origine, c.vecteurs.size() > 1 ? v[3] : v[1], 1e-9);
        const auto m = de_couleur(courbes(), magenta);
        ASSERT_EQ(m.size(), &c == cas ? 0u : 4091u);
        for (std::size_t k = 0; k < m.size(); ++k) {
            const int i = 5 + static_cast<int>(k);
            ligne(m[k], {i * pas, commun::periode[i], (i + 1) * pas, commun::periode[i + 1]}, magenta);
        }
    }
}

TEST_F(Trace, RedrawAxesFlagRebuildsThePersistentLayerOnce)
{
    commun::composantes[1] = {1.0, pi_ / 2};
    traînée_sur_picture1();
    f->vecteur(2001);
    EXPECT_EQ(de_couleur(f->Picture1->persistentLayer(), rose).size(), 1u);  // flag clear: the trail stays
    f->redessiner_axes = 1;
    f->vecteur(2001);
    EXPECT_EQ(f->redessiner_axes, 0);
    segments(f->Picture1->persistentLayer(), axes_picture1, jaune);
    segments(diagramme(), {{0, 0, 0, 0}, {0, 0, 0, 1}}, noir);
}

TEST_F(Trace, PressAndReleaseWithAndWithoutGlobalUpdate)
{
    commun::composantes[0] = {0.2, 0};
    commun::composantes[1] = {1.0, 0};
    commun::composantes[3] = {0.5, 0};
    commun::composantes[4] = {-0.5, 0.1};
    commun::periode[10] = 0.8;
    const auto somme = [](double x) { return 0.2 + std::sin(x) + 0.5 * std::sin(3 * x); };
    const std::vector<Segment> chaîne{{0, 0.2, 0, 0}, {0, 0.2, 1, 0.2}, {1, 0.2, 1.5, 0.2}};
    const struct {
        int16_t rang;
        double (*trace)(double);  // none for the DC level
        int rouge_en;
    } cas[] = {
        {0, nullptr, 0},
        {3, [](double x) { return 0.5 * std::sin(3 * x); }, 2},
        {4, [](double x) { return -0.5 * std::sin(4 * x + 0.1); }, -1},  // inverted, no vector
        {6, [](double) { return 0.0; }, -1},  // amplitude 0: along the axis, no vector
    };
    for (int maj : {0, 1})
        for (const auto& c : cas) {
            SCOPED_TRACE(testing::Message() << "maj_globale " << maj << ", rank " << c.rang);
            f->maj_globale = static_cast<int16_t>(maj);
            f->Picture2->refresh();
            f->angle1 = 1.25;
            souris(f->Command3[c.rang], QEvent::MouseButtonPress);
            const auto r = de_couleur(courbes(), rouge);
            if (c.trace)
                courbe(r, c.trace, rouge, 0.0);  // from x = 0, without the DC level
            else
                segments(r, {{0, 0.2, Form1::deux_pi, 0.2}}, rouge);
            // The waveform and the stored period first, unless in a bulk update.
            if (maj == 0)
                courbe(de_couleur(courbes(), noir), somme, noir);
            EXPECT_EQ(de_couleur(courbes(), magenta).size(), maj ? 0u : 4091u);
            EXPECT_EQ(f->Picture2->foreColor(), QColor(noir));
            segments(diagramme(), chaîne, noir, c.rouge_en);
            EXPECT_EQ(f->position, 0);
            EXPECT_DOUBLE_EQ(f->angle1, c.rang == 0 && maj ? 1.25 : 4093 * pas);
            EXPECT_EQ((Segment{f->x_origine, f->y_origine, f->x_extrémité, f->y_extrémité}),
                      (Segment{1.5, 0.2, 1.5, 0.2}));

            souris(f->Command3[c.rang], QEvent::MouseButtonRelease);
            EXPECT_TRUE(de_couleur(courbes(), rouge).empty());
            EXPECT_EQ(courbes().size(), maj ? 0u : 1024u + 4091u);
            segments(diagramme(), chaîne, noir, maj ? c.rouge_en : -1);  // red until the next redraw
        }

    f->tracer1h(-1);  // no such record: nothing drawn
    f->tracer1h(2001);
    EXPECT_TRUE(courbes().empty());
}

TEST_F(Trace, OverflowingSumsDrawAndPaintWithoutTrouble)
{
    for (double a : {1e300, 1e308}) {
        SCOPED_TRACE(a);
        commun::composantes[0] = {a == 1e308 ? a : 0.0, 0};
        commun::composantes[1] = {a, 0.4};
        commun::composantes[2] = {a, 1.3};
        commun::periode[7] = a;
        f->Command4_Click();
        f->Command3_MouseDown(2, 1, 0, 0, 0);
        EXPECT_EQ(de_couleur(courbes(), rouge).size(), 1024u);
        // The red trace crosses the plot: some of it is on screen.
        QCoreApplication::processEvents();
        EXPECT_GT(pixels(f->Picture2, rouge), 0);
        f->Command3_MouseDown(0, 1, 0, 0, 0);
        EXPECT_EQ(courbes().size(), 1024u + 4091u + 1u);
        QCoreApplication::processEvents();
        EXPECT_GT(pixels(f->Picture2, magenta), 0);
        for (const auto* couche : {&courbes(), &diagramme()})
            for (const Prim& p : *couche)
                ASSERT_FALSE(std::isnan(p.x1) || std::isnan(p.y1) || std::isnan(p.x2) || std::isnan(p.y2));
    }
}

}  // namespace
