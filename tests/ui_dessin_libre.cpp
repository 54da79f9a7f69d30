// Drags with real mouse events: a period drawn by hand on the waveform, the amplitude and phase strips dragged.
#include "tests/outils_compacts.h"
using Glissement = AvecFenêtre;
// A press on no period makes it constant; dragged at 1 over half and released: a square wave, a fundamental of 4/π.
TEST_F(Glissement, APressOnNoPeriodMakesItConstantAndTheReleaseAnalysesIt)
{
    Surface* s = f->Picture2;
    souris_sur(s, QEvent::MouseButtonPress, s->toPixels(un_pas / 2, -1), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(std::ranges::count(commun::periode, -1.0), xy(de_couleur(courbes(), magenta).at(0))),
              std::pair(std::ptrdiff_t{4097}, Segment({0, -1, Form1::deux_pi, -1})));
    souris_sur(s, QEvent::MouseMove, s->toPixels(2047.5 * un_pas, 1), Qt::NoButton, Qt::LeftButton);
    souris_sur(s, QEvent::MouseButtonRelease, s->toPixels(2047.5 * un_pas, 1), Qt::LeftButton);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->Amplit[2]->text(), de_couleur(courbes(), magenta).size(),
                         de_couleur(courbes(), noir).size()), std::tuple("0", "127.32", "0", size_t{4091}, size_t{1024}));
}
// A press changes no sample; a move with another button or none only shows the hint. With the left button held, every
// sample crossed takes the pointer's height, up to the period's ends; the band crossed is erased over the whole height, the
// time axis mended across it (and the vertical axis near x = 0), the curve redrawn 20 samples either side: on plot and screen.
TEST_F(Glissement, DragsFillEverySampleCrossedEraseTheirBandAndRedrawTheCurveAround)
{
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::sin(i * un_pas);
    auto attendue = commun::periode;
    Surface* s = f->Picture2;
    const double h = s->scaleHeight(), y = std::floor(s->toPixels(0, 0.5).y()), droite = s->clientRect().right();
    const QRgb fond = s->backColor().rgb();
    const auto indice = [](float X) { return int(std::floor(double(X) * 4096 / Form1::deux_pi)); };
    const auto ligne = [s](double v) { return int(std::floor(s->toPixels(0, v).y())) - s->clientRect().top(); };
    int avant = indice(float(s->toUser({100, y}).x()));
    souris_en(s, QEvent::MouseButtonPress, {100, y}, Qt::LeftButton, Qt::LeftButton);
    for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, Qt::MouseButtons()}) {
        f->Label3->clear(), souris_en(s, QEvent::MouseMove, {300, y}, Qt::NoButton, b);
        EXPECT_EQ(std::pair(f->Label3->text(), commun::periode == attendue), std::pair(QString("Tracé manuel d'une période."), true));
    }
    for (double px : {250.0, 2.0, 200.0, droite}) {  // to the right, back past the left edge, on past the right one
        const float X = float(s->toUser({px, y}).x()), Y = float(s->toUser({px, y}).y());
        const int c = indice(X), d = c > avant ? 1 : -1;
        souris_en(s, QEvent::MouseMove, {px, y}, Qt::NoButton, Qt::LeftButton);
        for (int i = std::max(std::min(avant, c), 0); i <= std::min(std::max(avant, c), 4096); ++i)
            attendue[i] = Y;
        ASSERT_EQ(std::pair(commun::periode == attendue, f->indice_précédent), std::pair(true, std::clamp(c, 0, 4096))) << px;
        using P = Prim::Kind;
        std::vector<std::tuple<P, double, double, double, double, QRgb>> attendu{{P::Box, avant * un_pas, -h / 2, X, h / 2, fond},
                                                                                {P::Line, avant * un_pas, 0, X, 0, jaune}}, fin;
        if (X < 1)
            attendu.insert(attendu.end(), {{P::Line, -0.2, 0, 0, 0, fond}, {P::Line, 0, -h / 2, 0, h / 2, jaune}});
        for (int j = std::clamp(avant - 20 * d, 1, 4096); j != std::clamp(std::clamp(c, 0, 4096) + 20 * d, 1, 4096) + d; j += d)
            attendu.push_back({P::Line, (j - d) * un_pas, attendue[j - d], j * un_pas, attendue[j], magenta});
        ASSERT_GE(courbes().size(), attendu.size());
        for (auto p = courbes().end() - attendu.size(); p != courbes().end(); ++p)
            fin.push_back({p->kind, p->x1, p->y1, p->x2, p->y2, p->color});
        EXPECT_EQ(fin, attendu) << px;
        QCoreApplication::processEvents();  // on screen: in the band the mended axis and the new curve alone
        std::vector<QRgb> bande(s->clientRect().height(), fond);
        bande[ligne(Y)] = magenta, bande[ligne(0)] = jaune;
        EXPECT_EQ(colonne_à_l_écran(s, (avant + std::clamp(c, 0, 4096)) * un_pas / 2), bande) << px;
        if (px == 2.0) {  // the vertical axis over the whole height but where the new curve crosses it; the old curve beyond
            EXPECT_EQ(std::ranges::count(colonne_à_l_écran(s, 0), jaune), s->clientRect().height() - 1);
            EXPECT_EQ(std::ranges::count(colonne_à_l_écran(s, 3000 * un_pas), magenta), 1);
        }
        avant = std::clamp(c, 0, 4096);
    }
}
TEST_F(Glissement, StripsFollowThePointerSnappedLimitedAndRoundedToEvenTheRanksTraceMeanwhileAndOnlyTheLeftButtonDrags) {
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
        glisser(bande, QEvent::MouseButtonRelease, positions.back().first);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(f->glissement, rouges(), pixels(f->Picture2, rouge)), std::tuple(0, 0u, 0));
    }
    // Stored by the boxes' change handlers, the bar shown up to the top; typing after a drag draws no trace.
    f->déphas[5]->setText("20");
    EXPECT_EQ(std::tuple(commun::composantes[3].amplitude, f->bleu_deg[5]->userLeft(), rouges()), std::tuple(1.0, 20.f, 0u));
    QCoreApplication::processEvents();
    const QPoint haut(f->bar[3]->clientRect().center().x(), f->bar[3]->clientRect().top()), repère = f->bleu_deg[5]->geometry().center();
    EXPECT_EQ(std::pair(à_l_écran(f->bar[3]).pixel(haut), à_l_écran(f->bar_deg[5]).pixel(repère)), std::pair(bleu_clair, bleu_clair));
    // A right press counts as a left one; moves with the right button, with two or with none change nothing but the hint.
    glisser(f->bar[2], QEvent::MouseButtonPress, 30, Qt::RightButton, Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseMove, 80, Qt::NoButton, Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseMove, 80, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    glisser(f->bar[2], QEvent::MouseButtonRelease, 80, Qt::RightButton);
    f->Label3->setText("x");
    glisser(f->bar[2], QEvent::MouseMove, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::tuple(f->Amplit[2]->text(), f->glissement, f->Label3->text()),
              std::tuple(QString("70"), int16_t{0}, QString("Action sur l'amplitude du rang 2.")));
    // Held level with the bar's top (67), the pointer leaves a typed fraction.
    f->Amplit[4]->setText("33.4");
    glisser(f->bar[4], QEvent::MouseButtonPress, 67);
    glisser(f->bar[4], QEvent::MouseMove, 66.6);
    EXPECT_EQ(f->Amplit[4]->text(), "33.4");
    glisser(f->bar[4], QEvent::MouseMove, 66.4);
    EXPECT_EQ(f->Amplit[4]->text(), "34");
}
