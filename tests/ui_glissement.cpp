// Dragging the amplitude and phase strips with real mouse events.

#include "tests/outils_compacts.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Glissement : AvecFenêtre {
    // The pixel point of a strip at a position in its user units (x on a
    // phase strip, y on an amplitude strip), mid-strip the other way.
    static QPointF point(Surface* s, double v)
    {
        const QPointF milieu = QRectF(s->rect()).center();
        return s->scaleWidth() == 360 ? QPointF(s->toPixels(v, 0).x(), milieu.y()) : QPointF(milieu.x(), s->toPixels(0, v).y());
    }
    static void envoyer(Surface* s, QEvent::Type t, double v, Qt::MouseButton b = Qt::LeftButton, Qt::MouseButtons boutons = Qt::LeftButton)
    {
        souris_sur(s, t, point(s, v), b, t == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
    }
    int rouges_sur_picture2() const { return static_cast<int>(de_couleur(courbes(), rouge).size()); }
};

TEST_F(Glissement, TheValueFollowsThePointerSnappedLimitedAndRoundedToEven)
{
    // A press at the first position, left-button moves to the others, each
    // with the text expected in the box; then the release.
    const std::tuple<Surface*, QLineEdit*, std::vector<std::pair<double, QString>>> drags[] = {
        {f->bar[3], f->Amplit[3], {{0.6, "100"}}}, {f->bar[3], f->Amplit[3], {{99.5, "0"}}},
        {f->bar[3], f->Amplit[3], {{50.5, "50"}}}, {f->bar[3], f->Amplit[3], {{51.5, "48"}}},
        {f->bar[0], f->Amplit[0], {{150, "-50"}, {250, "-100"}, {-20, "100"}, {199.4, "-100"}, {100.5, "0"}}},
        {f->bar_deg[5], f->déphas[5], {{44.5, "44"}, {200, "180"}, {-181.2, "-180"}, {-0.4, "0"}, {-90.5, "-90"}}},
    };
    for (const auto& [bande, boîte, positions] : drags) {
        for (std::size_t k = 0; k < positions.size(); ++k) {
            SCOPED_TRACE(bande->objectName().toStdString() + " at " + std::to_string(positions[k].first));
            envoyer(bande, k ? QEvent::MouseMove : QEvent::MouseButtonPress, positions[k].first);
            EXPECT_EQ(boîte->text(), positions[k].second);
            EXPECT_EQ(f->glissement, -1);
        }
        envoyer(bande, QEvent::MouseButtonRelease, positions.back().first);
        EXPECT_EQ(f->glissement, 0);
    }
    // What the change handlers made of the last texts.
    EXPECT_EQ(std::tuple(commun::composantes[3].amplitude, commun::composantes[0].amplitude, f->bleu[3]->userTop()),
              std::tuple(0.48, 0.0, 52.f));
    EXPECT_NEAR(commun::composantes[5].déphas, -90 * 3.141592654 / 180, 1e-12);
    EXPECT_EQ(f->bleu_deg[5]->userLeft(), -90.f);
}

TEST_F(Glissement, OnlyTheLeftButtonDragsAndALevelPointerWritesNothing)
{
    Surface* s = f->bar[2];
    int écritures = 0;
    QObject::connect(f->Amplit[2], &QLineEdit::textChanged, [&] { ++écritures; });
    // A right press counts as a left one; moves with the right button, with
    // two buttons or with none change nothing (but the hint).
    envoyer(s, QEvent::MouseButtonPress, 30, Qt::RightButton, Qt::RightButton);
    envoyer(s, QEvent::MouseMove, 80, Qt::NoButton, Qt::RightButton);
    envoyer(s, QEvent::MouseMove, 80, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    envoyer(s, QEvent::MouseButtonRelease, 80, Qt::RightButton);
    EXPECT_EQ(f->glissement, 0);
    f->Label3->setText("x");
    envoyer(s, QEvent::MouseMove, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::pair(f->Amplit[2]->text(), écritures), std::pair(QString("70"), 1));
    EXPECT_EQ(f->Label3->text(), "Action sur l'amplitude du rang 2.");

    // Held level with the bar's top (67), the pointer leaves a typed fraction.
    f->Amplit[4]->setText("33.4");
    for (double y : {67.0, 67.4, 66.6})
        envoyer(f->bar[4], y == 67 ? QEvent::MouseButtonPress : QEvent::MouseMove, y);
    EXPECT_EQ(f->Amplit[4]->text(), "33.4");
    envoyer(f->bar[4], QEvent::MouseMove, 66.4);
    EXPECT_EQ(f->Amplit[4]->text(), "34");
}

TEST_F(Glissement, TheRanksTraceFollowsThePointerOnScreenAndGoesAtTheRelease)
{
    f->Amplit[1]->setText("50");
    Surface* s = f->bar[3];
    // What the window shows, once the repaints asked for have run.
    auto rouges_à_l_écran = [&] {
        QCoreApplication::processEvents();
        return pixels(f->Picture2, rouge);
    };
    envoyer(s, QEvent::MouseButtonPress, 60);
    const int trace = rouges_sur_picture2();
    EXPECT_GE(trace, 1024);  // the rank's sweep, in red
    EXPECT_GT(rouges_à_l_écran(), 0);
    envoyer(s, QEvent::MouseMove, 20);
    EXPECT_EQ(rouges_sur_picture2(), trace);  // redrawn, not added to
    envoyer(s, QEvent::MouseButtonRelease, 20);

    // Pressed through the window, the strip keeps the pointer beyond its
    // ends (the implicit grab), limited to the strip.
    souris_en(s, QEvent::MouseButtonPress, point(s, 20).toPoint(), Qt::LeftButton, Qt::LeftButton);
    for (auto [p, texte] : {std::pair{QPointF(-200, 900), "0"}, {QPointF(s->width() * 3.0, -400), "100"}}) {
        souris_en(s, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(f->Amplit[3]->text(), texte);
    }
    EXPECT_EQ(rouges_sur_picture2(), trace);
    QCoreApplication::processEvents();
    EXPECT_EQ(à_l_écran(s).pixel(s->clientRect().center().x(), s->clientRect().top()), qRgb(128, 128, 255));  // the bar up to the top

    souris_en(s, QEvent::MouseButtonRelease, {s->width() * 3.0, -400}, Qt::LeftButton);
    EXPECT_EQ(std::tuple(f->glissement, rouges_sur_picture2(), rouges_à_l_écran()), std::tuple(0, 0, 0));
    f->Amplit[3]->setText("20");  // typing after the drag draws no trace
    EXPECT_EQ(rouges_sur_picture2(), 0);
}

}  // namespace
