// The waveform, stored period, phasor diagram and rank traces, read back from the plots' layers.

#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <cmath>

namespace {

constexpr double pas = Form1::deux_pi / 4096;  // one sample
constexpr double pi_ = 3.141592654;
const std::vector<Segment> axes_picture1{{0, 1, 0, -1}, {1, 0, -1, 0}};

// Exactly these lines, all of colour c but the one at index rouge_en, red.
void segments(const std::vector<Prim>& couche, const std::vector<Segment>& attendu, QRgb c, int rouge_en = -1)
{
    ASSERT_EQ(couche.size(), attendu.size());
    for (std::size_t k = 0; k < attendu.size(); ++k) {
        const Segment lu = xy(couche[k]);
        EXPECT_TRUE(couche[k].kind == Prim::Kind::Line && couche[k].color == (int(k) == rouge_en ? rouge : c)) << k;
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(lu[i], attendu[k][i], 1e-9) << "line " << k << ", coordinate " << i;
    }
}

// A sweep of 1024 joined lines following f at positions 1, 5, … 4093, the first from x = départ_x.
void courbe(const std::vector<Prim>& lignes, double (*f)(double), QRgb c, double départ_x = pas)
{
    std::vector<Segment> attendu{{départ_x, f(pas), pas, f(pas)}};
    for (double xa = pas, xb = 5 * pas; attendu.size() < 1024; xa = xb, xb += 4 * pas)
        attendu.push_back({xa, f(xa), xb, f(xb)});
    segments(lignes, attendu, c);
}

struct Trace : AvecFenêtre {
    void traînée_sur_picture1() const
    {
        f->Picture1->setAutoRedraw(true);
        f->Picture1->line(0.2, 0.2, 0.4, 0.3, QColor(rose));
        f->Picture1->setAutoRedraw(false);
    }
};

TEST_F(Trace, FinishButtonRedrawsTheChainItsDiagramAndTheStoredPeriod)
{
    // One link of the chain: the rank multiplies the angle, the phase adds to it.
    EXPECT_NEAR(f->calcul_extrémité_vecteur_x(3, 0.2, -1, 7, 0.1, 0.5), -1 + 0.5 * std::cos(0.7), 1e-15);
    EXPECT_NEAR(f->calcul_extrémité_vecteur_y(3, 0.2, -1, 7, 0.1, 0.5), 7 + 0.5 * std::sin(0.7), 1e-15);
    const struct {
        std::initializer_list<std::pair<int, commun::Composante>> rangs;
        double (*onde)(double);
        std::vector<Segment> vecteurs;
        double (*période)(int);
    } cas[] = {
        // Rank 1 alone; no stored period, nothing in magenta.
        {{{1, {1, 0}}}, [](double x) { return std::sin(x); }, {{0, 0, 0, 0}, {0, 0, 1, 0}}, [](int) { return 0.0; }},
        // A DC level alone, amplitude 0 ignored; samples 0 to 4 are never drawn.
        {{{0, {0.3, 1}}, {4, {0, 0.7}}}, [](double) { return 0.3; }, {{0, 0.3, 0, 0}},
         [](int i) { return std::cos(i * 0.01) + (i < 5 ? 50 : 0); }},
        // A negative amplitude is skipped in both; sample 2 alone makes a stored period.
        {{{1, {0.5, 0}}, {2, {-0.7, 0.3}}, {3, {0.25, pi_ / 2}}},
         [](double x) { return 0.5 * std::sin(x) + 0.25 * std::sin(3 * x + pi_ / 2); },
         {{0, 0, 0, 0}, {0, 0, 0.5, 0}, {0.5, 0, 0.5, 0.25}}, [](int i) { return i == 2 ? -1.0 : 0.0; }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(&c - cas);
        composantes(c.rangs);
        std::vector<Segment> période;
        for (int i = 0; i <= 4096; ++i)
            commun::periode[i] = c.période(i);
        for (int i = 5; i <= 4095 && &c != cas; ++i)
            période.push_back({i * pas, commun::periode[i], (i + 1) * pas, commun::periode[i + 1]});
        traînée_sur_picture1();
        f->Command4->click();
        segments(f->Picture1->persistentLayer(), axes_picture1, jaune);  // the trail erased
        courbe(de_couleur(courbes(), noir), c.onde, noir);
        segments(diagramme(), c.vecteurs, noir);
        segments(de_couleur(courbes(), magenta), période, magenta);
        const Segment& v = c.vecteurs.back();  // the chain ends there, or on the DC level alone
        EXPECT_DOUBLE_EQ(f->angle1, 4093 * pas);
        EXPECT_NEAR(f->x_origine, v[2], 1e-9);
        EXPECT_NEAR(f->y_origine, c.vecteurs.size() > 1 ? v[3] : v[1], 1e-9);
    }
}

TEST_F(Trace, RedrawAxesFlagRebuildsThePersistentLayerOnce)
{
    composantes({{1, {1.0, pi_ / 2}}});
    traînée_sur_picture1();
    f->vecteur(2001);
    EXPECT_EQ(traînée().size(), 1u);  // flag clear: the trail stays
    f->redessiner_axes = 1;
    f->vecteur(2001);
    EXPECT_EQ(f->redessiner_axes, 0);
    segments(f->Picture1->persistentLayer(), axes_picture1, jaune);
    segments(diagramme(), {{0, 0, 0, 0}, {0, 0, 0, 1}}, noir);
}

TEST_F(Trace, PressAndReleaseWithAndWithoutGlobalUpdate)
{
    composantes({{0, {0.2, 0}}, {1, {1.0, 0}}, {3, {0.5, 0}}, {4, {-0.5, 0.1}}});
    commun::periode[10] = 0.8;
    const auto somme = [](double x) { return 0.2 + std::sin(x) + 0.5 * std::sin(3 * x); };
    const std::vector<Segment> chaîne{{0, 0.2, 0, 0}, {0, 0.2, 1, 0.2}, {1, 0.2, 1.5, 0.2}};
    const struct { int16_t rang; double (*trace)(double); int rouge_en; } cas[] = {
        {0, nullptr, 0},  // the DC level: a flat red line
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
            if (c.trace)
                courbe(de_couleur(courbes(), rouge), c.trace, rouge, 0.0);  // from x = 0, without the DC level
            else
                segments(de_couleur(courbes(), rouge), {{0, 0.2, Form1::deux_pi, 0.2}}, rouge);
            if (maj == 0)  // the waveform and the stored period first, unless in a bulk update
                courbe(de_couleur(courbes(), noir), somme, noir);
            EXPECT_EQ(de_couleur(courbes(), magenta).size(), maj ? 0u : 4091u);
            EXPECT_EQ(f->Picture2->foreColor(), QColor(noir));
            segments(diagramme(), chaîne, noir, c.rouge_en);
            EXPECT_EQ((std::array{double(f->position), f->angle1, f->x_origine, f->y_origine, f->x_extrémité,
                                  f->y_extrémité}),
                      (std::array{0.0, c.rang == 0 && maj ? 1.25 : 4093 * pas, 1.5, 0.2, 1.5, 0.2}));
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
        composantes({{0, {a == 1e308 ? a : 0.0, 0}}, {1, {a, 0.4}}, {2, {a, 1.3}}});
        commun::periode[7] = a;
        f->Command4_Click();
        f->Command3_MouseDown(2, 1, 0, 0, 0);
        EXPECT_EQ(de_couleur(courbes(), rouge).size(), 1024u);
        QCoreApplication::processEvents();  // the red trace crosses the plot: some of it is on screen
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
