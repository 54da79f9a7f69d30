// At a device pixel ratio of 2 (a process of its own): lines 2 device pixels wide and crisp, pointers 64.
#include "tests/outils_compacts.h"
const bool à_l_échelle_2 = qputenv("QT_SCALE_FACTOR", "2");  // before main_ui.cpp's main() builds the application
const QRgb fond = qRgb(10, 20, 30), vert = qRgb(0, 200, 0);  // with the shared yellow, red and blue
// Every pixel of ratio 1, border included, is a 2 x 2 block at ratio 2: lines 2 device pixels wide. Slanting
// lines too, 2 or 3 device pixels across away from their ends, and all of them crisp: only the drawn colours.
TEST(Echelle2, TraitsDUnPixelLogiqueSoitDeuxPixelsDePeripheriqueEtNets)
{
    Surface s;  // 200 x 100 client pixels at (2, 2), from (-1, 1) to (1, -1)
    const auto peinte = [&s](qreal ratio) {  // at a device pixel ratio, as on a screen of that ratio
        QImage img(s.size() * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::white);
        s.render(&img);
        return img;
    };
    s.resize(204, 104);
    s.setScale(-1, 1, 2, -2);
    s.setBackColor(QColor(fond));
    s.setAutoRedraw(true);
    s.box(-0.5, 0.5, 0.5, -0.4, QColor(bleu));
    s.line(-1, 0, 1, 0, QColor(jaune));  // row 52
    s.setAutoRedraw(false);
    s.line(0, 1, 0, -1, QColor(rouge));  // column 102
    for (int i = 0; i < 10; ++i)
        s.pset(-0.9 + i * 0.04, -0.6, QColor(jaune));
    const QImage un = peinte(1);
    EXPECT_TRUE(peinte(2) == un.scaled(408, 208));
    EXPECT_EQ(std::tuple(un.pixel(50, 52), un.pixel(102, 10), un.pixel(50, 51), un.pixel(101, 10)), std::tuple(jaune, rouge, fond, fond));
    // At ratio 1, the box's corners drawn and not a pixel beyond; the overlay over the persistent layer.
    EXPECT_EQ(std::tuple(un.pixel(52, 27), un.pixel(152, 72), un.pixel(51, 27), un.pixel(52, 26), un.pixel(153, 72), un.pixel(152, 73),
                         un.pixel(102, 40)), std::tuple(bleu, bleu, fond, fond, fond, fond, rouge));
    s.line(-0.9, -0.9, 0.7, 0.3, QColor(vert));  // mostly across
    s.line(0.2, -0.9, 0.4, 0.9, QColor(jaune));  // mostly down
    const QImage deux = peinte(2);
    int vert_par_colonne[408] = {}, jaune_par_rangée[208] = {};
    for (int y = 4; y < 204; ++y)
        for (int x = 4; x < 404; ++x) {
            const QRgb p = deux.pixel(x, y);
            ASSERT_TRUE(p == fond || p == vert || p == jaune || p == rouge || p == bleu) << x << "," << y << " " << std::hex << p;
            vert_par_colonne[x] += p == vert;
            jaune_par_rangée[y] += p == jaune;
        }
    for (int i = 40; i < 100; ++i)  // columns left of the box, rows above the crossing and the horizontal line
        EXPECT_TRUE(std::min(vert_par_colonne[i], jaune_par_rangée[i]) >= 2 && std::max(vert_par_colonne[i], jaune_par_rangée[i]) <= 3)
            << i << ": " << vert_par_colonne[i] << " " << jaune_par_rangée[i];
}
// The window's pointers (pencil on the plot and the trace buttons, left and up arrows): 64 x 64 device pixels, finer than a 32 x 32 picture blown up,
// the hot spot (in device pixels) on the tip's ink, so that a press lands where the tip is seen.
TEST(Echelle2, PointeursDe64PixelsDePeripherique)
{
    const Form1 f;
    for (const auto& [curseur, pointe] : {std::pair{f.Picture2->cursor(), QPoint(1, 30)}, {f.bar[1]->cursor(), QPoint(2, 15)},
                                         {f.bar_deg[1]->cursor(), QPoint(15, 2)}, {f.Command3[1]->cursor(), QPoint(1, 30)}}) {
        const QImage img = curseur.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(std::tuple(img.size(), img.devicePixelRatio(), curseur.hotSpot()), std::tuple(QSize(64, 64), 2.0, 2 * pointe));
        EXPECT_GT(qAlpha(img.pixel(curseur.hotSpot())), 128) << pointe.x() << "," << pointe.y();
        EXPECT_NE(img, img.scaled(32, 32).scaled(64, 64));
    }
}
