// The plots the buttons draw, from their layers and the screen: waveform, stored period, diagram, rank traces, animation.
#include "tests/outils_compacts.h"
using Trace = AvecFenêtre;
struct Animation : AvecFenêtre {
    void SetUp() override {
        AvecFenêtre::SetUp();
        f->durée_passe = f->durée_image = 0;  // no pacing: frames as fast as they can
        commun::composantes[1] = {1.0, 0.0};
    }
    void appuyer(QWidget* w = nullptr) { souris(w ? w : f->Command1, QEvent::MouseButtonPress); }
    void relâcher(QWidget* w = nullptr) { souris(w ? w : f->Command1, QEvent::MouseButtonRelease); }
};
// Released at frame 300 (the frames so far on the screen), nothing happens until a press resumes it; then the whole
// period, nothing restarted or skipped.
TEST_F(Animation, ReleasePausesWithoutSpinningAndPressResumesToTheEndOfThePeriod) {
    commun::periode[100] = 0.5;
    struct { double angle; long long passes; size_t traînée; } pause{};
    int courbe_vue = -1, traînée_vue = -1;  // on the screen at the pause: part of the waveform and of the trail
    quand([&] { return f->position >= 300; }, [&] {
        QCoreApplication::processEvents();
        courbe_vue = pixels(f->Picture2, noir), traînée_vue = pixels(f->Picture1, rose);
        relâcher();
        pause = {f->angle1, f->passes_animation, traînée().size()};
        segments(diagramme(), {{0, 0, std::cos(f->angle1), std::sin(f->angle1)}}, noir);  // the frame's vector
        QTimer::singleShot(200, [&] {  // waits for events, without spinning; a press resumes it and returns at once
            EXPECT_EQ(std::tuple(f->angle1, traînée().size(), f->passes_animation - pause.passes < 10),
                      std::tuple(pause.angle, pause.traînée, true));
            appuyer();
        });
    });
    appuyer();  // runs the whole animation while held: past the limit, the last frame's vector stays
    EXPECT_EQ(std::tuple(f->position, pause.traînée > 250, std::abs(f->angle1 - 4100 * un_pas) < 1e-9, de_couleur(diagramme(), noir).size()),
              std::tuple(0, true, true, 1ul));
    // The trail: 1024 joined segments on the circle, the first of zero length, the last back at (1, 0).
    const auto t = traînée();
    ASSERT_EQ(t.size(), 1024u);
    for (size_t k = 0, j = 0; k < t.size(); j = k++)  // t[j]: the one before, or itself
        EXPECT_TRUE(std::abs(std::hypot(t[k].x1, t[k].y1) - 1) < 1e-9 && t[k].x2 == t[j].x1 && t[k].y2 == t[j].y1) << k;
    EXPECT_NEAR(std::hypot(t.back().x1 - 1, t.back().y1), 0.0, 1e-6);
    // The waveform: a point at (0, y1), then sin(angle) up to 2π', over the stored period in magenta.
    const auto courbe = de_couleur(courbes(), noir);
    ASSERT_EQ(std::pair(courbe.size(), de_couleur(courbes(), magenta).size()), std::pair(1025ul, 4091ul));
    EXPECT_EQ(std::tuple(courbe[0].kind, courbe[0].x1), std::tuple(Prim::Kind::Point, 0.0));
    EXPECT_NEAR(courbe[512].y2, std::sin(2048 * un_pas), 1e-9);
    EXPECT_NEAR(courbe.back().x2, Form1::deux_pi, 1e-9);
    QCoreApplication::processEvents();  // and the rest of the waveform after it
    EXPECT_TRUE(courbe_vue > 100 && traînée_vue > 100 && pixels(f->Picture2, noir) > courbe_vue + 100)
        << courbe_vue << " " << traînée_vue;
}
// Moved during the pause of frame 500: that pause keeps 1·1 + 1 passes, the 524 after (to the angle test) 2·2 + 1.
// After that animation of rank 1 (its trail erased), a DC level alone: no vector, a flat line.
TEST_F(Animation, SpeedBarSetsThePassesPerFrameFromTheNextFrameOnThenADcLevelAloneDrawsAFlatLine) {
    f->HScroll2->setValue(1);
    quand([&] { return f->position >= 500; }, [&] { f->HScroll2->setValue(2); });
    const long long avant = f->passes_animation;
    appuyer();
    EXPECT_EQ(f->passes_animation - avant, 501 * 2 + 524 * 5);
    relâcher();
    composantes({{0, {0.4, 0}}});
    appuyer();
    const auto t = traînée();
    ASSERT_EQ(std::tuple(t.size(), courbes().size(), de_couleur(diagramme(), noir).size()), std::tuple(1024ul, 1025ul, 0ul));
    EXPECT_EQ(std::pair(xy(t.front()), xy(t.back())), std::pair(Segment{0, 0.4, 0, 0.4}, Segment{0, 0.4, 0, 0.4}));
    EXPECT_EQ(std::tuple(courbes()[0].y1, courbes()[512].y2, courbes().back().y2), std::tuple(0.4, 0.4, 0.4));
}
// "Finir le tracé." during a pause: the static display; the paused one ends without drawing; a press starts anew.
TEST_F(Animation, FinishDuringPauseRestoresTheStaticDisplayAndANewPressStartsOver) {
    size_t traînée_après_fin = 99, courbe_après_fin = 0;
    quand([&] { return f->position >= 200; }, [&] {
        relâcher();
        QTimer::singleShot(0, [&] {
            appuyer(f->Command4), relâcher(f->Command4);
            traînée_après_fin = traînée().size(), courbe_après_fin = de_couleur(courbes(), noir).size();
            QTimer::singleShot(0, [&] { appuyer(); });
        });
    });
    appuyer();
    EXPECT_EQ(std::tuple(traînée_après_fin, courbe_après_fin, traînée().size(), de_couleur(courbes(), noir).size(), f->position),
              std::tuple(0ul, 1024ul, 1024ul, 1025ul, 0));
}
// At the usual pace, closing the window ends an animation running nested in a paused one, then that one, and the
// program's event loop.
TEST_F(Animation, ClosingTheWindowEndsTheAnimationsRunningPausedOrNestedAndTheProgramsEventLoop) {
    f->durée_image = 1.0 / 1024;
    quand([&] { return f->position >= 50; }, [&] {
        relâcher();
        QTimer::singleShot(0, [&] {
            f->Command4_Click();  // position 0: the next press nests
            quand([&] { return f->position >= 20; }, [&] { f->close(); });
            appuyer();
        });
    });
    QTimer::singleShot(0, [&] { appuyer(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);  // returns once both have ended: nothing keeps it running
    EXPECT_EQ(std::tuple(f->isVisible(), traînée().size() < 1024, f->position), std::tuple(false, true, 0));
}
// Overflowing sums: traces and stored period drawn and painted, no NaN; animated to the end, axes on the background.
TEST_F(Animation, HugeAmplitudesDrawAndAnimateToTheEnd) {
    for (double a : {1e300, 1e308}) {
        SCOPED_TRACE(a);
        composantes({{0, {a == 1e308 ? a : 0.0, 0}}, {1, {a, 0.4}}, {2, {a, 1.3}}});
        commun::periode[7] = a;
        f->Command4_Click();
        f->Command3_MouseDown(2, 1, 0, 0, 0);  // red, across: some on screen
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(de_couleur(courbes(), rouge).size(), pixels(f->Picture2, rouge) > 0), std::pair(1024ul, true));
        f->Command3_MouseDown(0, 1, 0, 0, 0), QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(courbes().size(), pixels(f->Picture2, magenta) > 0), std::pair(1024ul + 4091ul + 1ul, true));
        for (const Prim& p : std::array{courbes(), diagramme()} | std::views::join)
            ASSERT_FALSE(std::isnan(p.x1) || std::isnan(p.y1) || std::isnan(p.x2) || std::isnan(p.y2));
        appuyer();
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(f->position, f->angle1 > Form1::limite_animation), std::pair(0, true));
        for (Surface* s : {f->Picture1, f->Picture2})
            EXPECT_TRUE(pixels(s, jaune) > 0 && pixels(s, s->backColor().rgb()) > s->width() * s->height() / 2);
    }
}
// F5 on the active window runs it with no button held, checked; F5 again pauses it, unchecked; F5 resumes it; "Finir
// le tracé." ends it, unchecked. A release of "Animer" during a continuous run pauses it and unchecks the entry.
TEST_F(Animation, F5RunsItUntilChosenAgainFinishedOrReleased) {
    const auto f5 = [&] { touche(Qt::Key_F5, {}, f.get()); };
    double angle_en_pause = 0;
    bool en_pause = true, relâchée = false;
    quand([&] { return f->position >= 200; }, [&] {
        EXPECT_TRUE(f->action_animation_continue->isChecked());
        f5(), angle_en_pause = f->angle1;
        QTimer::singleShot(50, [&] {
            en_pause = f->angle1 == angle_en_pause && !f->action_animation_continue->isChecked();
            f5();
            quand([&] { return f->position >= 400; }, [&] {
                appuyer(), relâcher();
                relâchée = !f->action_animation_continue->isChecked() && f->relâché == 1;
                f5();
                quand([&] { return f->position >= 600; }, [&] { appuyer(f->Command4), relâcher(f->Command4); });
            });
        });
    });
    f5();  // returns once it has ended
    EXPECT_EQ(std::tuple(en_pause, relâchée, f->position, f->action_animation_continue->isChecked(), traînée().size(),
                         de_couleur(courbes(), noir).size()), std::tuple(true, true, 0, false, 0ul, 1024ul));  // the static display
}
// A DC level (its phase ignored, its vector drawn even at 0), then the ranks: a negative amplitude skipped, 0 too,
// the rank multiplying the angle, the phase added. The stored period from sample 5, sample 2 alone enough to make one.
TEST_F(Trace, FinishButtonRedrawsTheChainItsDiagramAndTheStoredPeriod) {
    commun::periode[2] = -1;
    for (double dc : {0.0, 0.3}) {
        SCOPED_TRACE(dc);
        composantes({{0, {dc, 1}}, {1, {0.5, 0}}, {2, {-0.7, 0.3}}, {3, {0.25, 0.5}}, {4, {0, 0.7}}, {50, {0.05, 0.2}}});
        traînée_sur(f->Picture1);
        f->Command4->click();
        EXPECT_EQ(std::pair(traînée().size(), f->Picture1->persistentLayer().size()), std::pair(0ul, 2ul));  // the axes only
        courbe(de_couleur(courbes(), noir), [dc](double x) { return dc + sin(x) / 2 + sin(3 * x + 0.5) / 4 + sin(50 * x + 0.2) / 20; }, noir);
        const double x3 = 0.5 + std::cos(0.5) / 4, y3 = dc + std::sin(0.5) / 4;
        segments(diagramme(), {{0, dc, 0, 0}, {0, dc, 0.5, dc}, {0.5, dc, x3, y3}, {x3, y3, x3 + cos(0.2) / 20, y3 + sin(0.2) / 20}}, noir);
        const auto p = de_couleur(courbes(), magenta);
        ASSERT_EQ(p.size(), 4091u);
        segments({p.front(), p.back()}, {{5 * un_pas, 0, 6 * un_pas, 0}, {4095 * un_pas, 0, Form1::deux_pi, 0}}, magenta);
    }
}
TEST_F(Trace, PressAndReleaseWithAndWithoutGlobalUpdate) {
    composantes({{0, {0.2, 0}}, {1, {1.0, 0}}, {3, {0.5, 0}}, {4, {-0.5, 0.1}}});
    commun::periode[10] = 0.8;
    const std::vector<Segment> chaîne{{0, 0.2, 0, 0}, {0, 0.2, 1, 0.2}, {1, 0.2, 1.5, 0.2}};
    traînée_sur(f->Picture1), f->Command3_MouseDown(1, 1, 0, 0, 0);
    EXPECT_EQ(traînée().size(), 1u);  // the diagram alone redrawn, the trail kept
    f->redessiner_axes = 1;  // as an animation leaves it: the next diagram rebuilds the axes, once
    const struct { int16_t rang; double (*trace)(double); int rouge_en; } cas[] = {
        {0, nullptr, 0},                                                  // the DC level: a flat red line
        {3, [](double x) { return 0.5 * std::sin(3 * x); }, 2},           // without the DC level
        {4, [](double x) { return -0.5 * std::sin(4 * x + 0.1); }, -1}};  // inverted, no vector
    for (int maj : {0, 1})
        for (const auto& c : cas) {
            SCOPED_TRACE(testing::Message() << "maj_globale " << maj << ", rank " << c.rang);
            f->maj_globale = static_cast<int16_t>(maj);
            f->Picture2->refresh();
            souris(f->Command3[c.rang], QEvent::MouseButtonPress);
            c.trace ? courbe(de_couleur(courbes(), rouge), c.trace, rouge, 0.0)  // from x = 0
                    : segments(de_couleur(courbes(), rouge), {{0, 0.2, Form1::deux_pi, 0.2}}, rouge);
            // The waveform and the stored period too, unless in a bulk update; the foreground back to black; no trail.
            EXPECT_EQ(std::tuple(de_couleur(courbes(), noir).size(), de_couleur(courbes(), magenta).size(), f->position,
                                 f->Picture2->foreColor(), f->redessiner_axes, f->Picture1->persistentLayer().size()),
                      std::tuple(maj ? 0ul : 1024ul, maj ? 0ul : 4091ul, 0, QColor(noir), 0, 2ul));
            segments(diagramme(), chaîne, noir, c.rouge_en);
            souris(f->Command3[c.rang], QEvent::MouseButtonRelease);
            EXPECT_EQ(std::pair(de_couleur(courbes(), rouge).size(), courbes().size()), std::pair(0ul, maj ? 0ul : 1024ul + 4091ul));
            segments(diagramme(), chaîne, noir, maj ? c.rouge_en : -1);  // red until the next redraw
        }
    f->tracer1h(-1), f->tracer1h(2001);  // no such record: nothing drawn
    EXPECT_TRUE(courbes().empty());
}
// A rank's trace button held: yellow axes, black curves, magenta period, red rank; the percentage in red, not the box.
TEST_F(Trace, ColoursOnScreen) {
    commun::periode.fill(0.7);
    const auto rouge_vif = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; };  // text too, however smoothed
    f->Amplit[1]->setText("50");
    f->Amplit[3]->setText("30");
    f->déphas[3]->setText("60");
    for (bool tenu : {true, false}) {
        souris(f->Command3[3], tenu ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
        QCoreApplication::processEvents();
        for (Surface* s : {f->Picture1, f->Picture2})
            EXPECT_EQ(std::tuple(pixels(s, jaune) > 0, pixels(s, noir) > 0, pixels(s, rouge) > 0, pixels(s, magenta) > 0),
                      std::tuple(true, true, tenu, s == f->Picture2)) << s->objectName().toStdString() << tenu;
        EXPECT_EQ(std::pair(pixels(f->Label4[3], rouge_vif) > 0, pixels(f->Amplit[3], rouge_vif)), std::pair(true, 0));
    }
}
