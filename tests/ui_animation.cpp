// The animation driven by real presses and releases of its button.

#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

constexpr double pas = 4 * (Form1::deux_pi / 4096);  // one frame

// Runs `action` once, on the first pass through the event loop at which `condition` holds.
void quand(std::function<bool()> condition, std::function<void()> action)
{
    auto* t = new QTimer;
    t->setInterval(0);
    QObject::connect(t, &QTimer::timeout, [t, condition, action] {
        if (condition()) {
            t->stop();
            t->deleteLater();
            action();
        }
    });
    t->start();
}

struct Animation : AvecFenêtre {
    void SetUp() override
    {
        AvecFenêtre::SetUp();
        f->durée_passe = f->durée_image = 0;  // no pacing: frames as fast as they can
        commun::composantes[1] = {1.0, 0.0};
    }
    void appuyer(QWidget* w = nullptr) { souris(w ? w : f->Command1, QEvent::MouseButtonPress); }
    void relâcher(QWidget* w = nullptr) { souris(w ? w : f->Command1, QEvent::MouseButtonRelease); }
    // A trail of 1024 segments, each ending where the next one starts, on a circle of this radius.
    void traînée_entière(double rayon)
    {
        const auto t = traînée();
        ASSERT_EQ(t.size(), 1024u);
        for (size_t k = 0; k < t.size(); ++k) {
            EXPECT_NEAR(std::hypot(t[k].x1, t[k].y1), rayon, 1e-9) << k;
            EXPECT_TRUE(k == 0 || std::pair(t[k].x2, t[k].y2) == std::pair(t[k - 1].x1, t[k - 1].y1)) << k;
        }
    }
};

TEST_F(Animation, OnePeriodOfFramesWithATrailClosingIntoACircle)
{
    commun::periode[100] = 0.5;
    appuyer();  // runs the whole animation while held
    EXPECT_EQ(f->position, 0);
    EXPECT_NEAR(f->angle1, 1025 * pas, 1e-9);  // past the limit
    // The first segment of zero length, the last back at (1, 0); the last frame's vector stays.
    ASSERT_NO_FATAL_FAILURE(traînée_entière(1.0));
    const auto t = traînée();
    EXPECT_EQ(xy(t[0]), (Segment{t[0].x2, t[0].y2, t[0].x1, t[0].y1}));
    EXPECT_NEAR(std::hypot(t.back().x1 - 1, t.back().y1), 0.0, 1e-6);
    EXPECT_EQ(de_couleur(diagramme(), noir).size(), 1u);
    // The waveform: a point at (0, y1), then sin(angle) up to 2π', over the stored period in magenta.
    EXPECT_EQ(de_couleur(courbes(), magenta).size(), 4091u);
    const auto courbe = de_couleur(courbes(), noir);
    ASSERT_EQ(courbe.size(), 1025u);
    EXPECT_TRUE(courbe[0].kind == Prim::Kind::Point && courbe[0].x1 == 0.0);
    for (size_t k = 1; k < courbe.size(); ++k)
        EXPECT_NEAR(courbe[k].y2, std::sin(k * pas), 1e-9) << k;
    EXPECT_NEAR(courbe.back().x2, Form1::deux_pi, 1e-9);
    // A new animation erases the old trail.
    relâcher();
    commun::composantes[1].amplitude = 0.5;
    appuyer();
    traînée_entière(0.5);
}

TEST_F(Animation, DcAloneDrawsNoVectorAndAFlatLine)
{
    composantes({{0, {0.4, 0}}});
    appuyer();
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);
    for (const Prim& p : t)
        EXPECT_EQ(xy(p), (Segment{0.0, 0.4, 0.0, 0.4}));
    EXPECT_TRUE(de_couleur(diagramme(), noir).empty());
    ASSERT_EQ(courbes().size(), 1025u);
    for (const Prim& p : courbes())
        EXPECT_EQ(std::pair(p.y1, p.y2), std::pair(0.4, 0.4));
    EXPECT_NEAR(courbes().back().x2, Form1::deux_pi, 1e-9);
}

TEST_F(Animation, SpeedBarSetsThePassesPerFrameFromTheNextFrameOn)
{
    // 1024 frames drawn and the 1025th pause before the angle test: 3·3 + 1 passes each.
    f->HScroll2->setValue(3);
    long long avant = f->passes_animation;
    appuyer();
    EXPECT_EQ(f->passes_animation - avant, 1025 * 10);
    // Moved during the pause of frame 500: that pause keeps 1·1 + 1 passes, the 524 after have 2·2 + 1.
    f->HScroll2->setValue(1);
    quand([&] { return f->position >= 500; }, [&] { f->HScroll2->setValue(2); });
    avant = f->passes_animation;
    appuyer();
    EXPECT_EQ(f->passes_animation - avant, 501 * 2 + 524 * 5);
}

TEST_F(Animation, ReleasePausesWithoutSpinningAndPressResumes)
{
    double angle = 0;
    long long passes = 0;
    size_t traînée_en_pause = 0;
    quand([&] { return f->position >= 300; }, [&] {
        relâcher();
        std::tie(angle, passes, traînée_en_pause) = std::tuple(f->angle1, f->passes_animation, traînée().size());
        QTimer::singleShot(200, [&] {  // paused and nothing happens: waits for events
            EXPECT_EQ(std::pair(f->angle1, traînée().size()), std::pair(angle, traînée_en_pause));
            EXPECT_LT(f->passes_animation - passes, 10);
            appuyer();  // resumes: returns at once
            EXPECT_EQ(f->relâché, 0);
        });
    });
    appuyer();
    EXPECT_GT(traînée_en_pause, 250u);
    traînée_entière(1.0);  // nothing restarted, nothing skipped, unbroken
}

TEST_F(Animation, FinishDuringPauseRestoresTheStaticDisplayAndANewPressStartsOver)
{
    size_t traînée_après_fin = 99;
    quand([&] { return f->position >= 200; }, [&] {
        relâcher();
        QTimer::singleShot(0, [&] {
            appuyer(f->Command4);
            relâcher(f->Command4);  // "Finir le tracé."
            traînée_après_fin = traînée().size();
            EXPECT_EQ(f->position, 0);
            EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);
            QTimer::singleShot(0, [&] { appuyer(); });  // the paused one still waits; a press starts anew
        });
    });
    appuyer();
    EXPECT_EQ(traînée_après_fin, 0u);
    // Only the new animation drew; the paused one ended at its next angle test without drawing.
    EXPECT_EQ(traînée().size(), 1024u);
    EXPECT_EQ(de_couleur(courbes(), noir).size(), 1025u);
    EXPECT_EQ(f->position, 0);
}

TEST_F(Animation, ClosingTheWindowEndsPausedAnimationsNestedOrNot)
{
    quand([&] { return f->position >= 50; }, [&] {
        relâcher();
        QTimer::singleShot(0, [&] {
            f->Command4_Click();  // position 0: the next press nests
            quand([&] { return f->position >= 20; }, [&] {
                relâcher();
                QTimer::singleShot(20, [&] { f->close(); });
            });
            appuyer();
        });
    });
    appuyer();  // returns once both have ended
    EXPECT_FALSE(f->isVisible());
    EXPECT_LT(traînée().size(), 1024u);
    EXPECT_EQ(f->position, 0);
}

TEST_F(Animation, ClosingTheWindowDuringAnAnimationEndsTheProgramsEventLoop)
{
    f->durée_image = 1.0 / 1024;  // the usual pace
    QTimer::singleShot(0, [&] { appuyer(); });
    quand([&] { return f->position >= 30; }, [&] { f->close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);  // returns: nothing keeps it running
    EXPECT_FALSE(f->isVisible());
    EXPECT_LT(traînée().size(), 1024u);
}

TEST_F(Animation, HugeAmplitudesAnimateToTheEnd)
{
    composantes({{0, {1e308, 0}}, {1, {1e308, 0.0}}, {2, {1e308, 1.0}}});  // the chain overflows
    appuyer();
    EXPECT_EQ(f->position, 0);
    EXPECT_GT(f->angle1, Form1::limite_animation);
    // The vectors leave the diagram, the waveform leaves the plot: both show their axes on the background.
    QCoreApplication::processEvents();
    for (Surface* s : {f->Picture1, f->Picture2}) {
        EXPECT_GT(pixels(s, jaune), 0);
        EXPECT_GT(pixels(s, s->backColor().rgb()), s->width() * s->height() / 2);
    }
}

// Halfway through the animation, the left half of the plot shows the waveform and the right half not.
TEST_F(Animation, FramesReachTheScreen)
{
    int gauche = -1, droite = -1;
    quand([this] { return f->angle1 > Form1::deux_pi / 2; }, [&] {
        QCoreApplication::processEvents();
        const QImage img = à_l_écran(f->Picture2);
        const int milieu = static_cast<int>(f->Picture2->toPixels(Form1::deux_pi / 2 + 0.1, 0).x());
        gauche = droite = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                (x < milieu ? gauche : droite) += img.pixel(x, y) == noir;
    });
    appuyer();
    EXPECT_GT(gauche, 100);
    EXPECT_EQ(droite, 0);
    EXPECT_GT(pixels(f->Picture1, rose), 100);
}

}  // namespace
