// The program on a screen scaled 200 % (a device pixel ratio of 2): plot lines
// one device-independent pixel wide, that is 2 x 2 device pixels, crisp and
// where they are at scale 1; pointers drawn with 64 x 64 device pixels.
// A process of its own: Qt's scale factor is set before the application.

#include "app/form1.h"
#include "widgets/pictures.h"
#include "widgets/surface.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb fond = qRgb(10, 20, 30), jaune = qRgb(255, 255, 0), rouge = qRgb(255, 0, 0), bleu = qRgb(0, 0, 255);

// The surface painted at a given device pixel ratio, as on a screen.
QImage peinte(Surface& s, qreal ratio)
{
    QImage img(s.size() * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::white);
    s.render(&img);
    return img;
}

}  // namespace

TEST(Echelle2, LEcranEstAgrandi)
{
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

// Axis-parallel lines, points, boxes and the border: every device-independent
// pixel of the surface at ratio 2 is a block of 2 x 2 device pixels of the colour
// it has at ratio 1, so lines are two device pixels wide, where they are at
// scale 1, without a smoothed pixel.
TEST(Echelle2, TraitsDUnPixelLogiqueSoitDeuxPixelsDePeripherique)
{
    Surface s;
    s.resize(204, 104);  // client area: 200 x 100 at (2, 2)
    s.setScale(-1, 1, 2, -2);
    s.setBackColor(QColor(fond));
    s.setAutoRedraw(true);
    s.box(-0.5, 0.5, 0.5, -0.4, QColor(bleu));
    s.line(-1, 0, 1, 0, QColor(jaune));  // row 52
    s.setAutoRedraw(false);
    s.line(0, 1, 0, -1, QColor(rouge));  // column 102
    s.line(-0.8, 0.9, 0.95, 0.9, QColor(rouge));
    for (int i = 0; i < 10; ++i)
        s.pset(-0.9 + i * 0.04, -0.6, QColor(jaune));

    const QImage un = peinte(s, 1), deux = peinte(s, 2);
    ASSERT_EQ(deux.size(), QSize(408, 208));
    int différences = 0;  // over the whole surface, its sunken border included
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            for (int dy : {0, 1})
                for (int dx : {0, 1})
                    différences += deux.pixel(2 * x + dx, 2 * y + dy) != un.pixel(x, y);
    EXPECT_EQ(différences, 0);
    // The horizontal axis: device rows 104 and 105; the vertical line: columns 204 and 205.
    for (int i = 10; i < 200; i += 7) {
        EXPECT_TRUE(deux.pixel(i, 104) == jaune && deux.pixel(i, 105) == jaune) << i;
        EXPECT_TRUE(deux.pixel(i, 103) != jaune && deux.pixel(i, 106) != jaune) << i;
        if (i / 2 != 52) {
            EXPECT_TRUE(deux.pixel(204, i) == rouge && deux.pixel(205, i) == rouge) << i;
            EXPECT_TRUE(deux.pixel(203, i) != rouge && deux.pixel(206, i) != rouge) << i;
        }
    }
}

// Slanting lines: crisp (only the drawn colours), about two device pixels
// across their main direction, and over the same pixels as at scale 1 give
// or take one device pixel.
TEST(Echelle2, TraitsObliquesNetsEtDeDeuxPixels)
{
    const QRgb vert = qRgb(0, 200, 0), magenta = qRgb(255, 0, 255);
    Surface s;
    s.resize(204, 104);
    s.setScale(-1, 1, 2, -2);
    s.setBackColor(QColor(fond));
    s.line(-0.9, -0.9, 0.7, 0.3, QColor(vert));     // mostly across: 160 x 60 pixels
    s.line(0.2, -0.9, 0.4, 0.9, QColor(magenta));   // mostly down: 20 x 90 pixels
    const QImage deux = peinte(s, 2);
    const QRect c = s.clientRect();
    const QRect d(c.topLeft() * 2, c.size() * 2);
    for (int y = d.top(); y <= d.bottom(); ++y)
        for (int x = d.left(); x <= d.right(); ++x) {
            const QRgb p = deux.pixel(x, y);
            ASSERT_TRUE(p == fond || p == vert || p == magenta) << x << "," << y << " " << std::hex << p;
        }
    // Green pixels per device column and magenta per device row, away from
    // the ends and from the crossing.
    for (int x = 2 * 30; x < 2 * 100; ++x) {
        int n = 0;
        for (int y = d.top(); y <= d.bottom(); ++y)
            n += deux.pixel(x, y) == vert;
        EXPECT_TRUE(n == 2 || n == 3) << "column " << x << ": " << n;
    }
    for (int y = 2 * 10; y < 2 * 45; ++y) {
        int n = 0;
        for (int x = d.left(); x <= d.right(); ++x)
            n += deux.pixel(x, y) == magenta;
        EXPECT_TRUE(n == 2 || n == 3) << "row " << y << ": " << n;
    }
}

TEST(Echelle2, PointeursDe64PixelsDePeripherique)
{
    const struct { QCursor curseur; QPoint pointe; } pointeurs[] = {
        {pictures::pencilCursor(), {1, 30}}, {pictures::arrowLeftCursor(), {2, 15}}, {pictures::arrowUpCursor(), {15, 2}}};
    for (const auto& [curseur, pointe] : pointeurs) {
        const QPixmap pm = curseur.pixmap();
        EXPECT_EQ(pm.size(), QSize(64, 64));
        EXPECT_EQ(pm.devicePixelRatio(), 2.0);
        EXPECT_EQ(curseur.hotSpot(), pointe);  // in device-independent pixels
        const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
        // The tip is drawn: an opaque device pixel within one logical pixel of the hot spot.
        int opaques = 0;
        for (int y = 2 * pointe.y() - 2; y <= 2 * pointe.y() + 3; ++y)
            for (int x = 2 * pointe.x() - 2; x <= 2 * pointe.x() + 3; ++x)
                opaques += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(opaques, 0) << pointe.x() << "," << pointe.y();
        // Drawn in finer detail than a 32 x 32 picture blown up: some 2 x 2
        // block is not of one colour.
        bool plus_fin = false;
        for (int y = 0; y < 64 && !plus_fin; y += 2)
            for (int x = 0; x < 64 && !plus_fin; x += 2)
                plus_fin = img.pixel(x, y) != img.pixel(x + 1, y) || img.pixel(x, y) != img.pixel(x, y + 1)
                           || img.pixel(x, y) != img.pixel(x + 1, y + 1);
        EXPECT_TRUE(plus_fin);
    }
}

TEST(Echelle2, LaFenetreEtSesTracesAuDoubleDesPixels)
{
    Form1 f;
    f.show();
    const QImage img = f.Picture2->grab().toImage();
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    EXPECT_EQ(img.size(), f.Picture2->size() * 2);
    // The time axis (yellow, persistent): rows of device pixels come in pairs.
    int rangées = 0;
    const int x = 2 * f.Picture2->width() / 2;
    for (int y = 0; y < img.height(); ++y)
        rangées += img.pixel(x, y) == qRgb(255, 255, 0);
    EXPECT_EQ(rangées, 2);
    EXPECT_EQ(f.Picture2->cursor().pixmap().size(), QSize(64, 64));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
