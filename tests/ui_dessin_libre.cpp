// Drawing a period by hand on the waveform, with real mouse events.
#include "tests/outils_compacts.h"
#include <QtWidgets>
#include <cmath>

namespace {

constexpr double pas = Form1::deux_pi / 4096;
double x_de(double indice) { return (indice + 0.5) * pas; }
double sinus(int i) { return std::sin(i * pas); }

struct DessinLibre : AvecFenêtre {
    // A mouse event at (x, y) in the plot's units; `boutons` held during a move.
    void souris_à(QEvent::Type type, double x, double y, Qt::MouseButtons boutons = Qt::LeftButton)
    {
        souris_sur(f->Picture2, type, f->Picture2->toPixels(x, y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
    }
    void sinusoïde() { for (int i = 0; i <= 4096; ++i) commun::periode[i] = sinus(i); }
};

// A press on no period makes it constant; dragged at 1 over half and released: a square wave, a fundamental of 4/π.
TEST_F(DessinLibre, APressOnNoPeriodMakesItConstantAndTheReleaseAnalysesIt)
{
    souris_à(QEvent::MouseButtonPress, x_de(0), -1);
    for (double v : commun::periode)
        ASSERT_EQ(v, -1.0);
    EXPECT_EQ(xy(de_couleur(courbes(), magenta).at(0)), Segment({0, -1, Form1::deux_pi, -1}));
    souris_à(QEvent::MouseMove, x_de(2047), 1), souris_à(QEvent::MouseButtonRelease, x_de(2047), 1);
    EXPECT_EQ(std::tuple(f->Amplit[0]->text(), f->Amplit[1]->text(), f->Amplit[2]->text(), de_couleur(courbes(), magenta).size(),
                         de_couleur(courbes(), noir).size()), std::tuple("0", "127.32", "0", size_t{4091}, size_t{1024}));
}

// A move with another button or none only shows the hint; a fast left drag fills every sample between;
// past the left edge it stops at 0, past the right at 4096, also sample 0.
TEST_F(DessinLibre, DragsFillEverySampleBetweenAndStopAtTheEdges)
{
    sinusoïde();
    souris_à(QEvent::MouseButtonPress, x_de(100), 0.9);
    for (Qt::MouseButtons b : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, Qt::MouseButtons()}) {
        f->Label3->clear();
        souris_à(QEvent::MouseMove, x_de(2000), 0.7, b);
        EXPECT_EQ(std::tuple(f->Label3->text(), commun::periode[100], commun::periode[1000]),  // a press changes none
                  std::tuple(QString("Tracé manuel d'une période."), sinus(100), sinus(1000)));
    }
    souris_à(QEvent::MouseMove, x_de(900), 0.3);
    for (int i = 0; i <= 4096; ++i)
        ASSERT_EQ(commun::periode[i], i >= 100 && i <= 900 ? double(0.3f) : sinus(i)) << i;
    souris_à(QEvent::MouseMove, -3.0, 0.5);
    EXPECT_EQ(std::tuple(f->indice_précédent, commun::periode[0], commun::periode[900], commun::periode[901]),
              std::tuple(0, double(0.5f), double(0.5f), sinus(901)));
    souris_à(QEvent::MouseMove, 50.0, -0.5);
    EXPECT_EQ(std::tuple(f->indice_précédent, commun::periode[4096], commun::periode[0]), std::tuple(4096, double(-0.5f), double(-0.5f)));
}

// While the button is held: the band crossed erased over the whole height, the time axis mended across it (and
// the vertical axis near x = 0), the curve redrawn from 20 samples behind to 20 beyond, on the plot and on screen.
TEST_F(DessinLibre, TheDragErasesItsBandMendsTheAxesAndRedrawsTheCurveAround)
{
    sinusoïde();
    auto attendue = commun::periode;
    Surface* s = f->Picture2;
    const double h = s->scaleHeight(), y = std::floor(s->toPixels(0, 0.5).y());
    const QRgb fond = s->backColor().rgb();
    const auto indice = [](float X) { return int(std::floor(double(X) * 4096 / Form1::deux_pi)); };
    const auto ligne = [s](double v) { return int(std::floor(s->toPixels(0, v).y())) - s->clientRect().top(); };
    const auto colonne = [s](double x) {  // the colours shown at x, top to bottom
        std::vector<QRgb> c;
        const QImage img = à_l_écran(s);
        for (int r = s->clientRect().top(), px = int(s->toPixels(x, 0).x()); r <= s->clientRect().bottom(); ++r)
            c.push_back(img.pixel(px, r) | 0xFF000000);
        return c;
    };
    int avant = indice(float(s->toUser({100, y}).x()));
    souris_en(s, QEvent::MouseButtonPress, {100, y}, Qt::LeftButton, Qt::LeftButton);
    for (double px : {250.0, 2.0}) {  // to the right, then back past the left edge
        const float X = float(s->toUser({px, y}).x()), Y = float(s->toUser({px, y}).y());
        const int c = indice(X), d = c > avant ? 1 : -1;
        souris_en(s, QEvent::MouseMove, {px, y}, Qt::NoButton, Qt::LeftButton);
        for (int i = std::max(std::min(avant, c), 0); i <= std::max(avant, c); ++i)
            attendue[i] = Y;
        ASSERT_EQ(commun::periode, attendue) << px;
        using P = Prim::Kind;
        std::vector<std::tuple<P, double, double, double, double, QRgb>> attendu{{P::Box, avant * pas, -h / 2, X, h / 2, fond},
                                                                                {P::Line, avant * pas, 0, X, 0, jaune}}, fin;
        if (X < 1)
            attendu.insert(attendu.end(), {{P::Line, -0.2, 0, 0, 0, fond}, {P::Line, 0, -h / 2, 0, h / 2, jaune}});
        for (int j = avant - 20 * d; j != std::max(c + 20 * d, 1) + d; j += d)
            attendu.push_back({P::Line, (j - d) * pas, attendue[j - d], j * pas, attendue[j], magenta});
        ASSERT_GE(courbes().size(), attendu.size());
        for (auto p = courbes().end() - attendu.size(); p != courbes().end(); ++p)
            fin.push_back({p->kind, p->x1, p->y1, p->x2, p->y2, p->color});
        EXPECT_EQ(fin, attendu) << px;
        QCoreApplication::processEvents();  // on screen: in the band the mended axis and the new curve alone
        std::vector<QRgb> bande(s->clientRect().height(), fond);
        bande[ligne(Y)] = magenta, bande[ligne(0)] = jaune;
        EXPECT_EQ(colonne((avant + std::max(c, 0)) * pas / 2), bande) << px;
        avant = std::max(c, 0);
    }
    // The vertical axis over the whole height but where the new curve crosses it; the old curve beyond the band.
    EXPECT_EQ(std::pair(std::ranges::count(colonne(0), jaune), std::ranges::count(colonne(3000 * pas), magenta)),
              std::pair(s->clientRect().height() - 1L, 1L));
}

}  // namespace
