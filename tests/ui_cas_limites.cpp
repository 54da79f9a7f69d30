// Edge cases a user meets at the ends of the controls: a drawing started past the period, a locale of another
// separator, strips at their ends with negative or huge values, and the DC percentage after a change of signal.
#include "tests/outils_compacts.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr double pas = Form1::deux_pi / 4096;
const QRgb bleu_clair = qRgb(128, 128, 255);

using CasLimites = AvecFenêtre;

// Sends a real mouse event at (x, y) in the units of a surface.
void souris_à(Surface* s, QEvent::Type type, double x, double y)
{
    souris_sur(s, type, s->toPixels(x, y), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
               type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
}

// Pressed right of the period's end (the plot reaches x ≈ 6.38), then dragged left: every sample crossed is written,
// from the end of the period on.
TEST_F(CasLimites, ADrawingStartedPastTheEndWritesTheSamplesCrossed)
{
    commun::periode.fill(0.25);
    souris_à(f->Picture2, QEvent::MouseButtonPress, 6.37, 0.25);
    ASSERT_GT(f->indice_précédent, 4096);
    souris_à(f->Picture2, QEvent::MouseMove, 3000.5 * pas, -0.5);
    for (int i : {3000, 3500, 4095, 4096})
        EXPECT_EQ(commun::periode[i], double(-0.5f)) << i;
    EXPECT_EQ(std::tuple(commun::periode[2999], f->indice_précédent), std::tuple(0.25, 3000));
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
    souris_à(f->bar[3], QEvent::MouseButtonPress, 0, bas - 0.2);
    souris_à(f->bar[3], QEvent::MouseButtonRelease, 0, bas - 0.2);
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), commun::composantes[3].amplitude), std::tuple("0", 0.0));
    const QRect client = f->bar[5]->clientRect();
    for (const char* énorme : {"1e10", "1e30", "1e300"}) {
        f->Amplit[5]->setText(énorme);
        QCoreApplication::processEvents();
        EXPECT_EQ(f->bleu[5]->geometry(), client) << énorme;
        EXPECT_EQ(pixels(f->bar[5], bleu_clair), client.width() * client.height()) << énorme;
    }
}

// Every percentage is relative to the current fundamental, the DC one too, whatever the order of the writes: after
// the triangle, the half-wave rectified sine's DC is 2/π of its fundamental; the full-wave one has no fundamental.
TEST_F(CasLimites, TheDcPercentageFollowsTheFundamental)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const struct { int signal; const char* continu; const char* fondamental; } cas[] = {
        {3, "", "81.06"}, {6, "63,66%", "50"}, {3, "", "81.06"}, {7, "", "0"}, {6, "63,66%", "50"}};
    for (const auto& [signal, continu, fondamental] : cas) {
        choisir(f->Combo2, signal);
        EXPECT_EQ(std::tuple(f->Label4[0]->text(), f->Amplit[1]->text()), std::tuple(continu, fondamental)) << signal;
    }
    f->Amplit[1]->setText("20");
    EXPECT_EQ(f->Label4[0]->text(), "159,15%");
    QLocale::setDefault(QLocale::c());
}

}  // namespace
