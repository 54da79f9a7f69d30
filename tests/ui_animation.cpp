// The animation driven by real presses and releases of its button.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using Prim = Surface::Primitive;
constexpr double pas = 4 * (Form1::deux_pi / 4096);
const QRgb rose = qRgb(255, 150, 150);

void appuyer(QWidget* w) { souris(w, QEvent::MouseButtonPress); }
void relâcher(QWidget* w) { souris(w, QEvent::MouseButtonRelease); }

// Runs `action` once, on the first pass through the event loop at which
// `condition` holds (checked on every pass while the animation runs).
void quand(std::function<bool()> condition, std::function<void()> action)
{
    auto* t = new QTimer;
    t->setInterval(0);
    QObject::connect(t, &QTimer::timeout, [t, condition, action] {
        if (!condition())
            return;
        t->stop();
        t->deleteLater();
        action();
    });
    t->start();
}

class Animation : public ::testing::Test {
protected:
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        fenêtre = std::make_unique<Form1>();
        fenêtre->show();
        // No pacing: the frames follow each other as fast as they can.
        fenêtre->durée_passe = 0;
        fenêtre->durée_image = 0;
    }
    void rang1_unité() { commun::composantes[1] = {1.0, 0.0}; }
    std::vector<Prim> traînée() const { return de_couleur(fenêtre->Picture1->persistentLayer(), rose); }
    std::unique_ptr<Form1> fenêtre;
};

TEST_F(Animation, OnePeriodOfFramesWithATrailClosingIntoACircle)
{
    rang1_unité();
    commun::periode[100] = 0.5;
    appuyer(fenêtre->Command1);  // runs the whole animation while held

    EXPECT_EQ(fenêtre->position, 0);
    EXPECT_GT(fenêtre->angle1, Form1::limite_animation);
    EXPECT_NEAR(fenêtre->angle1, 1025 * pas, 1e-9);

    // One trail segment per frame on the unit circle, each starting where the
    // previous one ended, the first of zero length, the last back at (1, 0).
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);
    EXPECT_EQ(std::make_pair(t[0].x1, t[0].y1), std::make_pair(t[0].x2, t[0].y2));
    for (size_t k = 0; k < t.size(); ++k) {
        EXPECT_NEAR(std::hypot(t[k].x1, t[k].y1), 1.0, 1e-9);
        if (k > 0) {
            EXPECT_EQ(std::make_pair(t[k].x2, t[k].y2), std::make_pair(t[k - 1].x1, t[k - 1].y1));
        }
    }
    EXPECT_NEAR(t.back().x1, 1.0, 1e-6);
    EXPECT_NEAR(t.back().y1, 0.0, 1e-6);
    // The last frame's vector stays on screen.
    EXPECT_EQ(de_couleur(fenêtre->Picture1->overlay(), qRgb(0, 0, 0)).size(), 1u);

    // The waveform: a point at (0, y1), then sin(angle) up to 2π', over the
    // stored period in magenta.
    const auto& o = fenêtre->Picture2->overlay();
    EXPECT_EQ(de_couleur(o, qRgb(255, 0, 255)).size(), 4091u);
    const auto courbe = de_couleur(o, qRgb(0, 0, 0));
    ASSERT_EQ(courbe.size(), 1025u);
    EXPECT_EQ(courbe[0].kind, Prim::Kind::Point);
    EXPECT_EQ(courbe[0].x1, 0.0);
    for (size_t k = 1; k < courbe.size(); ++k)
        EXPECT_NEAR(courbe[k].y2, std::sin(k * pas), 1e-9);
    EXPECT_NEAR(courbe.back().x2, Form1::deux_pi, 1e-9);
}

TEST_F(Animation, DcAloneDrawsNoVectorAndAFlatLine)
{
    commun::composantes[0].amplitude = 0.4;
    appuyer(fenêtre->Command1);
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);
    for (const Prim& p : t)
        EXPECT_EQ(std::tuple(p.x1, p.y1, p.x2, p.y2), std::tuple(0.0, 0.4, 0.0, 0.4));
    EXPECT_TRUE(de_couleur(fenêtre->Picture1->overlay(), qRgb(0, 0, 0)).empty());
    const auto& courbe = fenêtre->Picture2->overlay();
    ASSERT_EQ(courbe.size(), 1025u);
    for (const Prim& p : courbe)
        EXPECT_EQ(std::pair(p.y1, p.y2), std::pair(0.4, 0.4));
    EXPECT_NEAR(courbe.back().x2, Form1::deux_pi, 1e-9);
}

TEST_F(Animation, SpeedBarSetsThePassesPerFrameFromTheNextFrameOn)
{
    rang1_unité();
    fenêtre->HScroll2->setValue(3);
    const long long avant = fenêtre->passes_animation;
    appuyer(fenêtre->Command1);
    // 1024 frames drawn and the 1025th pause before the angle test: 10 passes each.
    EXPECT_EQ(fenêtre->passes_animation - avant, 1025 * 10);

    // Moved during the pause of frame 500: that pause keeps 1·1 + 1 passes,
    // the 524 that follow have 2·2 + 1.
    fenêtre->HScroll2->setValue(1);
    quand([&] { return fenêtre->position >= 500; }, [&] { fenêtre->HScroll2->setValue(2); });
    const long long avant2 = fenêtre->passes_animation;
    appuyer(fenêtre->Command1);
    EXPECT_EQ(fenêtre->passes_animation - avant2, 501 * 2 + 524 * 5);
}

TEST_F(Animation, ReleasePausesWithoutSpinningAndPressResumes)
{
    rang1_unité();
    double angle_en_pause = 0;
    long long passes_en_pause = 0;
    size_t traînée_en_pause = 0;
    quand([&] { return fenêtre->position >= 300; }, [&] {
        relâcher(fenêtre->Command1);
        angle_en_pause = fenêtre->angle1;
        passes_en_pause = fenêtre->passes_animation;
        traînée_en_pause = traînée().size();
        // While paused and nothing happens, the animation waits for events.
        QTimer::singleShot(200, [&] {
            EXPECT_EQ(fenêtre->angle1, angle_en_pause);
            EXPECT_EQ(traînée().size(), traînée_en_pause);
            EXPECT_LT(fenêtre->passes_animation - passes_en_pause, 10);
            appuyer(fenêtre->Command1);  // resumes: returns at once
            EXPECT_EQ(fenêtre->relâché, 0);
        });
    });
    appuyer(fenêtre->Command1);

    EXPECT_GT(traînée_en_pause, 250u);
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);  // nothing restarted, nothing skipped
    for (size_t k = 1; k < t.size(); ++k)
        ASSERT_EQ(t[k].x2, t[k - 1].x1);  // unbroken
}

TEST_F(Animation, FinishDuringPauseRestoresTheStaticDisplayAndANewPressStartsOver)
{
    rang1_unité();
    size_t traînée_après_fin = 99;
    quand([&] { return fenêtre->position >= 200; }, [&] {
        relâcher(fenêtre->Command1);
        QTimer::singleShot(0, [&] {
            appuyer(fenêtre->Command4);
            relâcher(fenêtre->Command4);  // "Finir le tracé."
            traînée_après_fin = traînée().size();
            EXPECT_EQ(fenêtre->position, 0);
            EXPECT_EQ(de_couleur(fenêtre->Picture2->overlay(), qRgb(0, 0, 0)).size(), 1024u);
            // The paused animation is still waiting; a press starts a new one.
            QTimer::singleShot(0, [&] { appuyer(fenêtre->Command1); });
        });
    });
    appuyer(fenêtre->Command1);

    EXPECT_EQ(traînée_après_fin, 0u);
    // Only the new animation drew: a whole trail and a whole waveform, and the
    // paused one ended at its next angle test without drawing again.
    EXPECT_EQ(traînée().size(), 1024u);
    EXPECT_EQ(de_couleur(fenêtre->Picture2->overlay(), qRgb(0, 0, 0)).size(), 1025u);
    EXPECT_EQ(fenêtre->position, 0);
}

TEST_F(Animation, ANewAnimationErasesTheOldTrail)
{
    rang1_unité();
    appuyer(fenêtre->Command1);
    relâcher(fenêtre->Command1);
    ASSERT_EQ(traînée().size(), 1024u);
    commun::composantes[1].amplitude = 0.5;
    appuyer(fenêtre->Command1);
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);
    for (const Prim& p : t)
        EXPECT_NEAR(std::hypot(p.x1, p.y1), 0.5, 1e-9);
}

TEST_F(Animation, ClosingTheWindowEndsPausedAnimationsNestedOrNot)
{
    rang1_unité();
    quand([&] { return fenêtre->position >= 50; }, [&] {
        relâcher(fenêtre->Command1);
        QTimer::singleShot(0, [&] {
            fenêtre->Command4_Click();  // position 0: the next press nests
            quand([&] { return fenêtre->position >= 20; }, [&] {
                relâcher(fenêtre->Command1);
                QTimer::singleShot(20, [&] { fenêtre->close(); });
            });
            appuyer(fenêtre->Command1);
        });
    });
    appuyer(fenêtre->Command1);  // returns once both have ended
    EXPECT_FALSE(fenêtre->isVisible());
    EXPECT_LT(traînée().size(), 1024u);
    EXPECT_EQ(fenêtre->position, 0);
}

TEST_F(Animation, ClosingTheWindowDuringAnAnimationEndsTheProgramsEventLoop)
{
    rang1_unité();
    fenêtre->durée_image = 1.0 / 1024;  // the usual pace
    QTimer::singleShot(0, [&] { appuyer(fenêtre->Command1); });
    quand([&] { return fenêtre->position >= 30; }, [&] { fenêtre->close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);  // returns: nothing keeps it running
    EXPECT_FALSE(fenêtre->isVisible());
    EXPECT_LT(traînée().size(), 1024u);
}

TEST_F(Animation, HugeAmplitudesAnimateToTheEnd)
{
    commun::composantes[0].amplitude = 1e308;
    commun::composantes[1] = {1e308, 0.0};
    commun::composantes[2] = {1e308, 1.0};  // the chain overflows
    appuyer(fenêtre->Command1);
    EXPECT_EQ(fenêtre->position, 0);
    EXPECT_GT(fenêtre->angle1, Form1::limite_animation);
    // The vectors leave the diagram; the waveform beyond the top of the plot
    // is not drawn as garbage: the plots show their axes on the background.
    QCoreApplication::processEvents();
    for (Surface* s : {fenêtre->Picture1, fenêtre->Picture2}) {
        EXPECT_GT(pixels(s, qRgb(255, 255, 0)), 0);
        EXPECT_GT(pixels(s, s->backColor().rgb()), s->width() * s->height() / 2);
    }
}

// The waveform drawn frame by frame reaches the screen while the animation
// runs: halfway, the left half of the plot shows it and the right half not.
TEST_F(Animation, FramesReachTheScreen)
{
    rang1_unité();
    int gauche = -1, droite = -1;
    quand([this] { return fenêtre->angle1 > Form1::deux_pi / 2; },
          [this, &gauche, &droite] {
              QCoreApplication::processEvents();
              const QImage img = à_l_écran(fenêtre->Picture2);
              const int milieu = static_cast<int>(fenêtre->Picture2->toPixels(Form1::deux_pi / 2 + 0.1, 0).x());
              gauche = droite = 0;
              for (int y = 0; y < img.height(); ++y)
                  for (int x = 0; x < img.width(); ++x)
                      (x < milieu ? gauche : droite) += img.pixel(x, y) == qRgb(0, 0, 0);
          });
    appuyer(fenêtre->Command1);
    EXPECT_GT(gauche, 100);
    EXPECT_EQ(droite, 0);
    EXPECT_GT(pixels(fenêtre->Picture1, rose), 100);
}

}  // namespace
