// Dragging the amplitude and phase strips with real mouse events.

#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb rouge = qRgb(255, 0, 0);
constexpr double pi_ = 3.141592654;

struct Glissement : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        f = std::make_unique<Form1>();
        f->show();
    }
    void TearDown() override { commun::periode.fill(0.0); }

    // A pixel point of a strip for a position in its user units; the other
    // coordinate in the middle of the strip.
    static QPointF sur_bar(Surface* s, double y) { return {s->toPixels(0, 0).x() + s->clientRect().width() / 2.0, s->toPixels(0, y).y()}; }
    static QPointF sur_bar_deg(Surface* s, double x) { return {s->toPixels(x, 0).x(), QRectF(s->rect()).center().y()}; }

    // Press, moves with the buttons held, release, each one event.
    void appuyer(Surface* s, QPointF p, Qt::MouseButton b = Qt::LeftButton) { souris_sur(s, QEvent::MouseButtonPress, p, b, b); }
    void glisser(Surface* s, QPointF p, Qt::MouseButtons b = Qt::LeftButton) { souris_sur(s, QEvent::MouseMove, p, Qt::NoButton, b); }
    void relâcher(Surface* s, QPointF p, Qt::MouseButton b = Qt::LeftButton) { souris_sur(s, QEvent::MouseButtonRelease, p, b); }

    int rouges_sur_picture2() const { return static_cast<int>(de_couleur(f->Picture2->overlay(), rouge).size()); }

    std::unique_ptr<Form1> f;
};

TEST_F(Glissement, AmplitudeFromThePointersHeightSnappedAndLimited)
{
    // Rank 3 by presses: within one unit of an end the pointer snaps to it;
    // halves round to even.
    const std::pair<double, const char*> presses[] = {{0.6, "100"}, {99.5, "0"}, {50.5, "50"}, {51.5, "48"}, {30, "70"}};
    for (auto [y, texte] : presses) {
        SCOPED_TRACE(y);
        const QPointF p = sur_bar(f->bar[3], y);
        appuyer(f->bar[3], p);
        EXPECT_EQ(f->Amplit[3]->text(), texte);
        EXPECT_EQ(f->glissement, -1);
        relâcher(f->bar[3], p);
        EXPECT_EQ(f->glissement, 0);
    }
    EXPECT_DOUBLE_EQ(commun::composantes[3].amplitude, 0.7);
    EXPECT_EQ(f->bleu[3]->userTop(), 30.f);

    // The DC strip, dragged beyond both ends: from +100 to -100.
    Surface* dc = f->bar[0];
    appuyer(dc, sur_bar(dc, 150));
    EXPECT_EQ(f->Amplit[0]->text(), "-50");
    for (auto [y, texte] : {std::pair{250.0, "-100"}, {-20.0, "100"}, {199.4, "-100"}, {100.5, "0"}}) {
        glisser(dc, sur_bar(dc, y));
        EXPECT_EQ(f->Amplit[0]->text(), texte) << y;
    }
    relâcher(dc, sur_bar(dc, 100.5));
    EXPECT_EQ(f->glissement, 0);
    EXPECT_EQ(commun::composantes[0].amplitude, 0.0);
}

TEST_F(Glissement, PhaseFromThePointersAbscissaLimitedToHalfATurn)
{
    Surface* s = f->bar_deg[5];
    appuyer(s, sur_bar_deg(s, 44.5));
    EXPECT_EQ(f->déphas[5]->text(), "44");
    for (auto [x, texte] : {std::pair{200.0, "180"}, {-181.2, "-180"}, {-0.4, "0"}, {-90.5, "-90"}}) {
        glisser(s, sur_bar_deg(s, x));
        EXPECT_EQ(f->déphas[5]->text(), texte) << x;
    }
    relâcher(s, sur_bar_deg(s, -90.5));
    EXPECT_NEAR(commun::composantes[5].déphas, -90 * pi_ / 180, 1e-12);
    EXPECT_EQ(f->bleu_deg[5]->userLeft(), -90.f);
}

TEST_F(Glissement, OnlyTheLeftButtonDragsAndALevelPointerWritesNothing)
{
    Surface* s = f->bar[2];
    int écritures = 0;
    QObject::connect(f->Amplit[2], &QLineEdit::textChanged, [&] { ++écritures; });

    // A right press counts as a left one, but a move with the right button
    // held changes nothing; the release still ends the drag.
    appuyer(s, sur_bar(s, 30), Qt::RightButton);
    EXPECT_EQ(f->Amplit[2]->text(), "70");
    glisser(s, sur_bar(s, 80), Qt::RightButton);
    glisser(s, sur_bar(s, 80), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(f->Amplit[2]->text(), "70");
    relâcher(s, sur_bar(s, 80), Qt::RightButton);
    EXPECT_EQ(f->glissement, 0);
    // A move without a button only shows the hint.
    f->Label3->setText("x");
    glisser(s, sur_bar(s, 10), Qt::NoButton);
    EXPECT_EQ(f->Amplit[2]->text(), "70");
    EXPECT_EQ(f->Label3->text(), "Action sur l'amplitude du rang 2.");
    EXPECT_EQ(écritures, 1);

    // Held level with the bar's top, the pointer leaves a typed fraction.
    f->Amplit[4]->setText("33.4");
    appuyer(f->bar[4], sur_bar(f->bar[4], 67));
    glisser(f->bar[4], sur_bar(f->bar[4], 67.4));
    glisser(f->bar[4], sur_bar(f->bar[4], 66.6));
    EXPECT_EQ(f->Amplit[4]->text(), "33.4");
    glisser(f->bar[4], sur_bar(f->bar[4], 66.4));
    EXPECT_EQ(f->Amplit[4]->text(), "34");
    relâcher(f->bar[4], sur_bar(f->bar[4], 66.4));
}

TEST_F(Glissement, TheRanksTraceFollowsThePointerOnScreenAndGoesAtTheRelease)
{
    f->Amplit[1]->setText("50");
    Surface* s = f->bar[3];
    // What the window shows, after the pending repaints.
    auto écran = [&] {
        QCoreApplication::processEvents();
        return f->screen()->grabWindow(f->winId()).toImage();
    };
    // Pixels of a colour on Picture2 as the window shows it.
    auto sur_l_écran = [&](QRgb c) {
        const QImage image = écran();
        const QRect zone(f->Picture2->mapTo(f.get(), QPoint(0, 0)), f->Picture2->size());
        int n = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                n += image.pixel(x, y) == c;
        return n;
    };
    appuyer(s, sur_bar(s, 60));
    EXPECT_EQ(f->Amplit[3]->text(), "40");
    const int première = rouges_sur_picture2();
    EXPECT_GE(première, 1024);  // the rank's sweep, in red
    EXPECT_GT(sur_l_écran(rouge), 0);
    // Each move redraws the waveform and the trace: one trace at a time.
    glisser(s, sur_bar(s, 20));
    EXPECT_EQ(rouges_sur_picture2(), première);
    // The pointer leaves the strip, pressed through the window: the implicit
    // grab keeps the drag, limited to the strip.
    relâcher(s, sur_bar(s, 20));
    const QPoint dedans = sur_bar(s, 20).toPoint();
    souris_en(s, QEvent::MouseButtonPress, dedans, Qt::LeftButton, Qt::LeftButton);
    souris_en(s, QEvent::MouseMove, {s->width() * 3.0, -400.0}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(f->Amplit[3]->text(), "100");
    EXPECT_EQ(rouges_sur_picture2(), première);
    souris_en(s, QEvent::MouseMove, {-200, 900}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(f->Amplit[3]->text(), "0");
    souris_en(s, QEvent::MouseMove, {s->width() * 3.0, -400.0}, Qt::NoButton, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(commun::composantes[3].amplitude, 1.0);
    // The bar shows on screen at the top of the strip.
    const QPoint haut = s->mapTo(f.get(), QPoint(s->clientRect().center().x(), s->clientRect().top()));
    EXPECT_EQ(écran().pixel(haut), qRgb(128, 128, 255));

    souris_en(s, QEvent::MouseButtonRelease, {s->width() * 3.0, -400.0}, Qt::LeftButton);
    EXPECT_EQ(f->glissement, 0);
    EXPECT_EQ(rouges_sur_picture2(), 0);
    EXPECT_EQ(sur_l_écran(rouge), 0);
    // After the drag, a typed value no longer draws the trace.
    f->Amplit[3]->setText("20");
    EXPECT_EQ(rouges_sur_picture2(), 0);
}

}  // namespace
