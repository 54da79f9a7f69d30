// The waveform, stored period, phasor diagram and rank traces, read back from the plots' layers.
#include "tests/outils_compacts.h"
using Trace = AvecFenêtre;
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
    f->Amplit[1]->setText("50"), f->Amplit[3]->setText("30"), f->déphas[3]->setText("60");
    for (bool tenu : {true, false}) {
        souris(f->Command3[3], tenu ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
        QCoreApplication::processEvents();
        for (Surface* s : {f->Picture1, f->Picture2})
            EXPECT_EQ(std::tuple(pixels(s, jaune) > 0, pixels(s, noir) > 0, pixels(s, rouge) > 0, pixels(s, magenta) > 0),
                      std::tuple(true, true, tenu, s == f->Picture2)) << s->objectName().toStdString() << tenu;
        EXPECT_EQ(std::pair(pixels(f->Label4[3], rouge_vif) > 0, pixels(f->Amplit[3], rouge_vif)), std::pair(true, 0));
    }
}
