// Dragging the amplitude and phase strips with real mouse events.

#include "tests/outils_compacts.h"

#include <QLabel>
#include <QLineEdit>

namespace {

struct Glissement : AvecFenêtre {
    // The pixel point of a strip at a position in its user units, mid-strip the other way.
    static QPointF point(Surface* s, double v)
    {
        const QPointF milieu = QRectF(s->rect()).center();
        return s->scaleWidth() == 360 ? QPointF(s->toPixels(v, 0).x(), milieu.y()) : QPointF(milieu.x(), s->toPixels(0, v).y());
    }
    static void envoyer(Surface* s, QEvent::Type t, double v, Qt::MouseButton b = Qt::LeftButton, Qt::MouseButtons boutons = Qt::LeftButton)
    {
        souris_sur(s, t, point(s, v), b, t == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
    }
    std::size_t rouges() const { return de_couleur(courbes(), rouge).size(); }
};

TEST_F(Glissement, TheValueFollowsThePointerSnappedLimitedAndRoundedToEven)
{
    // A press at the first position, left-button moves to the others (past the ends while held), then the release.
    const std::tuple<Surface*, QLineEdit*, std::vector<std::pair<double, QString>>> drags[] = {
        {f->bar[3], f->Amplit[3], {{0.6, "100"}, {99.5, "0"}, {130, "0"}, {50.5, "50"}, {51.5, "48"}}},
        {f->bar[0], f->Amplit[0], {{150, "-50"}, {250, "-100"}, {-20, "100"}, {199.4, "-100"}, {100.5, "0"}}},
        {f->bar_deg[5], f->déphas[5], {{44.5, "44"}, {200, "180"}, {-181.2, "-180"}, {-0.4, "0"}, {-90.5, "-90"}}},
    };
    for (const auto& [bande, boîte, positions] : drags) {
        for (std::size_t k = 0; k < positions.size(); ++k) {
            envoyer(bande, k ? QEvent::MouseMove : QEvent::MouseButtonPress, positions[k].first);
            EXPECT_EQ(std::pair(boîte->text(), f->glissement), std::pair(positions[k].second, int16_t{-1}))
                << bande->objectName().toStdString() << " at " << positions[k].first;
        }
        envoyer(bande, QEvent::MouseButtonRelease, positions.back().first);
        EXPECT_EQ(f->glissement, 0);
    }
    // Stored by the boxes' change handlers.
    EXPECT_EQ(std::tuple(commun::composantes[3].amplitude, f->bleu[3]->userTop(), f->bleu_deg[5]->userLeft()), std::tuple(0.48, 52.f, -90.f));
}

TEST_F(Glissement, OnlyTheLeftButtonDragsAndALevelPointerWritesNothing)
{
    Surface* s = f->bar[2];
    int écritures = 0;
    QObject::connect(f->Amplit[2], &QLineEdit::textChanged, [&] { ++écritures; });
    // A right press counts as a left one; moves with the right button, with two or with none change nothing but the hint.
    envoyer(s, QEvent::MouseButtonPress, 30, Qt::RightButton, Qt::RightButton);
    envoyer(s, QEvent::MouseMove, 80, Qt::NoButton, Qt::RightButton);
    envoyer(s, QEvent::MouseMove, 80, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    envoyer(s, QEvent::MouseButtonRelease, 80, Qt::RightButton);
    EXPECT_EQ(f->glissement, 0);
    f->Label3->setText("x");
    envoyer(s, QEvent::MouseMove, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::tuple(f->Amplit[2]->text(), écritures, f->Label3->text()),
              std::tuple(QString("70"), 1, QString("Action sur l'amplitude du rang 2.")));
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
    auto rouges_à_l_écran = [&] { return QCoreApplication::processEvents(), pixels(f->Picture2, rouge); };
    envoyer(s, QEvent::MouseButtonPress, 60);
    const std::size_t trace = rouges();
    EXPECT_GE(trace, 1024u);  // the rank's sweep, in red
    EXPECT_GT(rouges_à_l_écran(), 0);
    envoyer(s, QEvent::MouseMove, -40);
    EXPECT_EQ(std::pair(rouges(), f->Amplit[3]->text()), std::pair(trace, QString("100")));  // redrawn, not added to
    QCoreApplication::processEvents();
    EXPECT_EQ(à_l_écran(s).pixel(s->clientRect().center().x(), s->clientRect().top()), qRgb(128, 128, 255));  // the bar up to the top
    envoyer(s, QEvent::MouseButtonRelease, -40);
    EXPECT_EQ(std::tuple(f->glissement, rouges(), rouges_à_l_écran()), std::tuple(0, 0u, 0));
    f->Amplit[3]->setText("20");  // typing after the drag draws no trace
    EXPECT_EQ(rouges(), 0u);
}

}  // namespace
