// Edge cases a user meets at the ends of the controls: a drawing started past the period, a locale of another
// separator, strips at their ends with negative or huge values, and a long drag to and fro.
#include "tests/outils_compacts.h"
namespace {
using CasLimites = AvecFenêtre;
// Pressed right of the period's end (the plot reaches x ≈ 6.38), then dragged left: every sample crossed is written,
// from the end of the period on; dragged on near the left edge, the vertical axis is mended.
TEST_F(CasLimites, ADrawingStartedPastTheEndWritesTheSamplesCrossed)
{
    commun::periode.fill(0.25);
    souris_sur(f->Picture2, QEvent::MouseButtonPress, f->Picture2->toPixels(6.37, 0.25), Qt::LeftButton, Qt::LeftButton);
    ASSERT_GT(f->indice_précédent, 4096);
    souris_sur(f->Picture2, QEvent::MouseMove, f->Picture2->toPixels(3000.5 * un_pas, -0.5), Qt::NoButton, Qt::LeftButton);
    for (int i : {3000, 3500, 4095, 4096})
        EXPECT_EQ(commun::periode[i], double(-0.5f)) << i;
    EXPECT_EQ(std::tuple(commun::periode[2999], f->indice_précédent), std::tuple(0.25, 3000));
    // Within a radian of the left edge: the stub left of the vertical axis erased, the axis drawn again over the band.
    souris_sur(f->Picture2, QEvent::MouseMove, f->Picture2->toPixels(0.5, 0.1), Qt::NoButton, Qt::LeftButton);
    const double h = f->Picture2->scaleHeight() / 2;
    const auto jaunes = de_couleur(courbes(), jaune);
    const auto fonds = de_couleur(courbes(), f->Picture2->backColor().rgb());
    EXPECT_EQ(std::tuple(xy(jaunes.back()), xy(fonds.back())), std::tuple(Segment{0, -h, 0, h}, Segment{-0.2, 0, 0, 0}));
}
// A locale whose decimal separator is neither a period nor a comma: the analysis writes "31٫83", the box ends up
// holding "31.83" and the value stored is that number, not 127; a typed "12٫5" likewise.
TEST_F(CasLimites, TheLocalesOwnSeparatorBecomesAPeriodInTheBoxes)
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    ASSERT_EQ(QLocale().decimalPoint(), QString::fromUtf8("٫"));
    choisir(f->Combo2, 2);  // "Signal carré"
    f->Amplit[4]->setText(QString::fromUtf8("12٫5"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, f->Amplit[4]->text(), commun::composantes[4].amplitude),
              std::tuple("31.83", 31.83 / 100, "12.5", 0.125));
}
// The amplitude strip at its ends: a negative amplitude dragged to the bottom becomes 0 (its bar hangs from the zero line,
// so the bottom is not level with it); a huge typed amplitude fills the strip on screen instead of vanishing.
TEST_F(CasLimites, StripsAtTheirEndsWithNegativeAndHugeAmplitudes)
{
    f->Amplit[3]->setText("-30");
    const double bas = f->bar[3]->scaleHeight();
    glisser(f->bar[3], QEvent::MouseButtonPress, bas - 0.2), glisser(f->bar[3], QEvent::MouseButtonRelease, bas - 0.2);
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), commun::composantes[3].amplitude), std::tuple("0", 0.0));
    const QRect client = f->bar[5]->clientRect();
    for (const char* énorme : {"1e10", "1e30", "1e300"}) {
        f->Amplit[5]->setText(énorme), QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(f->bleu[5]->geometry(), pixels(f->bar[5], bleu_clair)),
                  std::pair(client, client.width() * client.height())) << énorme;
    }
}
// A drag to and fro, 10,000 moves with swings of 1 to 30 samples at changing heights: the plot keeps at most 16,385
// primitives (past 16,384 it keeps only the last of those that paint the same pixels), and the screen shows what a
// fresh paint of what it keeps gives.
TEST_F(CasLimites, ADragToAndFroKeepsThePlotBoundedAndOnScreen)
{
    for (int i = 0; i <= 4096; ++i)
        commun::periode[i] = std::sin(i * un_pas);
    f->Picture2_MouseDown(1, 0, float(2000.5 * un_pas), 0.3f);
    std::size_t plus = 0;
    for (int k = 0; k < 10000; ++k) {
        f->Picture2_MouseMove(1, 0, float((2000 + k % 2 * (1 + k / 2 % 30) + 0.5) * un_pas), float(0.3 + 0.2 * std::sin(k * 0.37)));
        plus = std::max(plus, f->Picture2->overlay().size());
        if (k % 50 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(plus <= 16385u, à_l_écran(f->Picture2)), std::pair(true, f->Picture2->grab().toImage()));
}
}  // namespace
