// At a device pixel ratio of 2 (a process of its own): lines 2 device pixels wide and crisp, pointers 64.
#include "app/form1.h"
#include "widgets/pictures.h"
#include "widgets/surface.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

const QRgb fond = qRgb(10, 20, 30), jaune = qRgb(255, 255, 0), rouge = qRgb(255, 0, 0), vert = qRgb(0, 200, 0);

// A surface of 200 x 100 client pixels at (2, 2), from (-1, 1) to (1, -1).
struct Toile : Surface {
    Toile() { resize(204, 104), setScale(-1, 1, 2, -2), setBackColor(QColor(fond)); }
    QImage peinte(qreal ratio)  // as on a screen of that device pixel ratio
    {
        QImage img(size() * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::white);
        render(&img);
        return img;
    }
};

// At ratio 2 every pixel of ratio 1, border included, is a 2 x 2 block: lines 2 device pixels wide.
TEST(Echelle2, TraitsDUnPixelLogiqueSoitDeuxPixelsDePeripherique)
{
    Toile s;
    s.setAutoRedraw(true);
    s.box(-0.5, 0.5, 0.5, -0.4, QColor(0, 0, 255));
    s.line(-1, 0, 1, 0, QColor(jaune));  // row 52
    s.setAutoRedraw(false);
    s.line(0, 1, 0, -1, QColor(rouge));  // column 102
    s.line(-0.8, 0.9, 0.95, 0.9, QColor(rouge));
    for (int i = 0; i < 10; ++i)
        s.pset(-0.9 + i * 0.04, -0.6, QColor(jaune));
    const QImage un = s.peinte(1), deux = s.peinte(2);
    EXPECT_TRUE(deux == un.scaled(408, 208));
    EXPECT_EQ(std::tuple(un.pixel(50, 52), un.pixel(102, 10), un.pixel(50, 51), un.pixel(101, 10)),
              std::tuple(jaune, rouge, fond, fond));
}

// Slanting lines: only the drawn colours, 2 or 3 device pixels across away from ends and crossing.
TEST(Echelle2, TraitsObliquesNetsEtDeDeuxPixels)
{
    Toile s;
    s.line(-0.9, -0.9, 0.7, 0.3, QColor(vert));  // mostly across
    s.line(0.2, -0.9, 0.4, 0.9, QColor(jaune));  // mostly down
    const QImage deux = s.peinte(2);
    const QRect d(s.clientRect().topLeft() * 2, s.clientRect().size() * 2);
    int vert_par_colonne[408] = {}, jaune_par_rangée[208] = {};
    for (int y = d.top(); y <= d.bottom(); ++y)
        for (int x = d.left(); x <= d.right(); ++x) {
            const QRgb p = deux.pixel(x, y);
            ASSERT_TRUE(p == fond || p == vert || p == jaune) << x << "," << y << " " << std::hex << p;
            vert_par_colonne[x] += p == vert, jaune_par_rangée[y] += p == jaune;
        }
    for (int x = 60; x < 200; ++x)
        EXPECT_TRUE(vert_par_colonne[x] == 2 || vert_par_colonne[x] == 3) << "column " << x;
    for (int y = 20; y < 90; ++y)
        EXPECT_TRUE(jaune_par_rangée[y] == 2 || jaune_par_rangée[y] == 3) << "row " << y;
}

// 64 x 64 device pixels, the tip drawn at the hot spot, finer than a 32 x 32 picture blown up.
TEST(Echelle2, PointeursDe64PixelsDePeripherique)
{
    for (const auto& [curseur, pointe] : {std::pair{pictures::pencilCursor(), QPoint(1, 30)},
                                         {pictures::arrowLeftCursor(), QPoint(2, 15)},
                                         {pictures::arrowUpCursor(), QPoint(15, 2)}}) {
        const QImage img = curseur.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(std::tuple(img.size(), img.devicePixelRatio(), curseur.hotSpot()), std::tuple(QSize(64, 64), 2.0, pointe));
        int opaques = 0;
        for (int y = 2 * pointe.y() - 2; y <= 2 * pointe.y() + 3; ++y)
            for (int x = 2 * pointe.x() - 2; x <= 2 * pointe.x() + 3; ++x)
                opaques += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(opaques, 0) << pointe.x() << "," << pointe.y();
        EXPECT_NE(img, img.scaled(32, 32).scaled(64, 64));
    }
}

// The window: its time axis two device rows thick, its pointer of 64 pixels.
TEST(Echelle2, LaFenetreEtSesTracesAuDoubleDesPixels)
{
    Form1 f;
    f.show();
    const QImage img = f.Picture2->grab().toImage();
    EXPECT_EQ(std::tuple(qApp->devicePixelRatio(), img.devicePixelRatio(), img.size()),
              std::tuple(2.0, 2.0, f.Picture2->size() * 2));
    int rangées = 0;
    for (int y = 0; y < img.height(); ++y)
        rangées += img.pixel(f.Picture2->width(), y) == jaune;
    EXPECT_EQ(std::pair(rangées, f.Picture2->cursor().pixmap().size()), std::pair(2, QSize(64, 64)));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
