// Dragging the amplitude and phase strips with real mouse events.
#include "tests/outils_compacts.h"
using Glissement = AvecFenêtre;
TEST_F(Glissement, TheValueFollowsThePointerSnappedLimitedAndRoundedToEvenWithTheRanksTraceMeanwhile) {
    // Pressed, moved (past the ends while held), released. A rank's strip snaps within one unit of its ends; the DC's at the bottom only.
    const auto rouges = [this] { return de_couleur(courbes(), rouge).size(); };
    const std::tuple<Surface*, QLineEdit*, std::vector<std::pair<double, QString>>> drags[] = {
        {f->bar[3], f->Amplit[3], {{0.6, "100"}, {99.2, "0"}, {130, "0"}, {1.4, "99"}, {50.5, "50"}, {51.5, "48"}, {98.6, "1"}, {-40, "100"}}},
        {f->bar[0], f->Amplit[0], {{150, "-50"}, {250, "-100"}, {-20, "100"}, {199.4, "-100"}, {198.6, "-99"}, {0.6, "99"}, {100.5, "0"}}},
        {f->bar_deg[5], f->déphas[5], {{44.5, "44"}, {200, "180"}, {-181.2, "-180"}, {-0.4, "0"}, {-90.5, "-90"}}},
    };
    for (const auto& [bande, boîte, positions] : drags) {
        std::size_t trace = 0;  // the rank's sweep in red, redrawn at each move and not added to
        for (std::size_t k = 0; k < positions.size(); ++k) {
            glisser(bande, k ? QEvent::MouseMove : QEvent::MouseButtonPress, positions[k].first);
            trace = k ? trace : rouges();
            EXPECT_EQ(std::tuple(boîte->text(), f->glissement, rouges()), std::tuple(positions[k].second, int16_t{-1}, trace))
                << bande->objectName().toStdString() << " at " << positions[k].first;
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(trace >= (bande == f->bar[0] ? 1u : 1024u) && pixels(f->Picture2, rouge) > 0) << trace;  // the DC's is level
        glisser(bande, QEvent::MouseButtonRelease, positions.back().first), QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(f->glissement, rouges(), pixels(f->Picture2, rouge)), std::tuple(0, 0u, 0));
    }
    // Stored by the boxes' change handlers, the bar shown up to the top; typing after a drag draws no trace.
    f->déphas[5]->setText("20");
    EXPECT_EQ(std::tuple(commun::composantes[3].amplitude, f->bleu_deg[5]->userLeft(), rouges()), std::tuple(1.0, 20.f, 0u));
    QCoreApplication::processEvents();
    const QPoint haut(f->bar[3]->clientRect().center().x(), f->bar[3]->clientRect().top()), repère = f->bleu_deg[5]->geometry().center();
    EXPECT_EQ(std::pair(à_l_écran(f->bar[3]).pixel(haut), à_l_écran(f->bar_deg[5]).pixel(repère)), std::pair(bleu_clair, bleu_clair));
}
TEST_F(Glissement, OnlyTheLeftButtonDragsAndALevelPointerWritesNothing) {
    // A right press counts as a left one; moves with the right button, with two or with none change nothing but the hint.
    glisser(f->bar[2], QEvent::MouseButtonPress, 30, Qt::RightButton, Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseMove, 80, Qt::NoButton, Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseMove, 80, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseButtonRelease, 80, Qt::RightButton);
    f->Label3->setText("x"), glisser(f->bar[2], QEvent::MouseMove, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::tuple(f->Amplit[2]->text(), f->glissement, f->Label3->text()),
              std::tuple(QString("70"), int16_t{0}, QString("Action sur l'amplitude du rang 2.")));
    // Held level with the bar's top (67), the pointer leaves a typed fraction.
    f->Amplit[4]->setText("33.4"), glisser(f->bar[4], QEvent::MouseButtonPress, 67);
    glisser(f->bar[4], QEvent::MouseMove, 66.6);
    EXPECT_EQ(f->Amplit[4]->text(), "33.4");
    glisser(f->bar[4], QEvent::MouseMove, 66.4);
    EXPECT_EQ(f->Amplit[4]->text(), "34");
}
