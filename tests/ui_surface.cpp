// The widgets alone: the drawing surface (scales, shapes, mouse, hostile coordinates, the screen), pictures, press button, list.
#include "tests/outils_compacts.h"
#include "widgets/pictures.h"
#include <limits>
constexpr double inf = std::numeric_limits<double>::infinity(), nan_ = std::numeric_limits<double>::quiet_NaN();
// 204 x 104 pixels: a 200 x 100 client area at (2, 2), at the window's (52, 52); one unit: 100 pixels across, 50 up.
struct SurfaceTest : ::testing::Test {
    static constexpr int clientArea = 200 * 100;
    QWidget window;  // shown for the mouse only
    Surface& s = *new Surface(&window);
    SurfaceTest() { s.setGeometry(50, 50, 204, 104), s.setScale(-1, 1, 2, -2); }
    QImage image() { return s.grab().toImage(); }
    int count(const QImage& img, auto... colours) const  // pixels of the client area in any of these colours
    {
        return pixels(img.copy(2, 2, 200, 100), [=](QRgb p) { return ((p == colours) || ...); });
    }
};
TEST_F(SurfaceTest, ScaleCurrentPointAndShapesInUserUnits)
{
    Surface fresh;  // no scale yet: twips, 15 per pixel, following the size
    fresh.resize(104, 54);
    EXPECT_EQ(fresh.toPixels(150, 45), QPointF(12, 5));
    fresh.setScaleTop(1);  // set piece by piece: the twips extent stays, stretched
    fresh.resize(404, 204);
    EXPECT_EQ(fresh.toPixels(750, 376), QPointF(202, 102));
    auto où = [&] { return QPointF(s.currentX(), s.currentY()); };
    s.line(0.1, 0.2, 0.3, 0.4, QColor(rouge));
    s.lineTo(-0.5, -0.6);  // from the current point, in the foreground colour: the one given before did not stick
    const Prim l = s.overlay().back();  // that line; the current point after it, after a box, after a clear
    const QPointF après_ligne = où(), après_boîte = (s.box(0.1, 0.2, -0.3, -0.4, QColor(bleu)), où());
    s.cls();
    EXPECT_EQ(std::tuple(l.color, l.x1, l.y1, après_ligne, après_boîte, où()),
              std::tuple(noir, 0.3, 0.4, QPointF(-0.5, -0.6), QPointF(-0.3, -0.4), QPointF(0, 0)));
    s.setScale(0, 0, 100, 100);  // 2 pixels per unit across, 1 down
    auto *rect = new Shape(Shape::Kind::Rectangle, &s), *mark = new Shape(Shape::Kind::VerticalLine, &s);
    rect->setUserLeft(10);
    rect->setUserTop(20);
    rect->setUserWidth(30);
    rect->setUserHeight(40);
    rect->setColor(QColor(bleu));
    mark->setUserLeft(75.25);
    mark->setColor(QColor(rouge));
    s.line(0, 30, 100, 30, QColor(jaune));
    const QImage img = image();  // the shapes over the line
    EXPECT_EQ(std::tuple(rect->geometry(), mark->geometry(), img.pixel(50, 32), count(img, rouge)),
              std::tuple(QRect(22, 22, 60, 40), QRect(152, 2, 1, 100), bleu, 100));
    s.setScale(0, 100, 200, -100);  // follows a new scale, y upward
    EXPECT_EQ(std::pair(rect->geometry(), mark->geometry()), std::pair(QRect(12, 42, 30, 40), QRect(77, 2, 1, 100)));
    for (float v : {std::numeric_limits<float>::infinity(), -1e30f, float(nan_)}) {  // inside the client area or gone
        rect->setUserWidth(v);
        mark->setUserLeft(v);
        EXPECT_TRUE((s.clientRect().contains(rect->geometry()) || rect->geometry().isEmpty()) && mark->geometry().isEmpty()) << v;
    }
}
// The mouse in user units, captured while a button is held. Then lines drawn one after another between two paints, far
// apart and then between them, all reach the screen: what the window shows is what a fresh paint of the surface gives. A
// line drawn back over itself, ends swapped, replaces it.
TEST_F(SurfaceTest, MouseInUserUnitsCapturedWhileAButtonIsHeldAndEveryLineReachesTheScreen)
{
    (new Shape(Shape::Kind::VerticalLine, &s))->setUserLeft(-1);  // at the surface's (2, 2): lets the mouse through
    window.resize(400, 300);
    window.show();
    std::vector<QString> log;
    auto note = [&log](char k) {
        return [&log, k](int b, int sh, float x, float y) { log.push_back(QString::asprintf("%c %d %d %.2f %.2f", k, b, sh, x, y)); };
    };
    s.onMouseDown = note('d'), s.onMouseMove = note('m'), s.onMouseUp = note('u');
    souris_en(&s, QEvent::MouseButtonPress, {2, 2}, Qt::RightButton, Qt::RightButton);
    souris_en(&s, QEvent::MouseMove, {-48, 200}, Qt::NoButton, Qt::RightButton | Qt::MiddleButton);  // outside
    souris_en(&s, QEvent::MouseButtonRelease, {-48, 200}, Qt::RightButton);
    souris_en(&s, QEvent::MouseMove, {-48, 200});  // released: no longer ours
    EXPECT_EQ(log, (std::vector<QString>{"d 2 0 -1.00 1.00", "m 6 0 -1.50 -2.96", "u 2 0 -1.50 -2.96"}));
    QCoreApplication::processEvents();
    s.line(-0.95, 0.95, -0.9, 0.9, QColor(rouge));
    s.line(0.9, -0.9, 0.95, -0.95, QColor(rouge));
    s.line(0, 0.2, 0.02, -0.2, QColor(rouge));  // between them, then back
    s.line(0.02, -0.2, 0, 0.2, QColor(rouge));
    QCoreApplication::processEvents();
    const QImage écran = à_l_écran(&s);
    EXPECT_EQ(std::tuple(écran == image(), count(écran, rouge), s.overlay().size()), std::tuple(true, 32, 3u));
}
TEST_F(SurfaceTest, HostileCoordinatesAndScalesPaintSafely)
{
    for (double v : {inf, -inf, nan_}) {  // non-finite primitives paint nothing, nor a lineTo from such a point
        s.line(v, 0, 0.5, 0.5, QColor(rouge));
        s.line(0.5, 0.5, 0.2, v, QColor(rouge));
        s.pset(v, v, QColor(rouge));
        s.lineTo(0, 0, QColor(rouge));
        s.box(v, 0, 0.5, 0.5, QColor(rouge));
    }
    s.pset(1e300, 1e300, QColor(rouge));  // huge ones are clipped, not lost: edge to edge
    s.line(-1e300, 0, 1e300, 0, QColor(jaune));
    s.line(0, 1e300, 0, -1e300, QColor(jaune));
    s.line(-1e308, -0.5, 1.7e308, -0.5, QColor(bleu));  // beyond what pixels can hold, across and down
    s.line(0.5, -1e308, 0.5, 1.7e308, QColor(bleu));
    const QImage img = image();
    s.box(-1e308, 1e300, 1e308, -1e308, QColor(bleu));  // then a box over it all
    EXPECT_EQ(std::tuple(count(img, rouge), count(img, jaune), count(img, bleu), count(image(), bleu)),
              std::tuple(0, 297, 299, clientArea));
    // Degenerate and extreme scales, with the same drawing: nothing but whole colours.
    s.cls();
    s.line(-1e300, 0, 1e300, 0, QColor(jaune));
    s.line(0, 0, 1, 1);
    s.pset(1e-300, -1e-300);
    const float fmax = std::numeric_limits<float>::max();
    const float scales[][4] = {{0, 0, 0, 0}, {0, 0, float(1e-300), float(-1e-300)},
                               {0, 0, std::numeric_limits<float>::denorm_min(), 1e-38f},
                               {-fmax, fmax, fmax, -fmax}, {0, 0, float(inf), float(nan_)}};
    for (const auto& sc : scales) {
        s.setScale(sc[0], sc[1], sc[2], sc[3]);
        const QImage img = image();
        const bool au_coin = img.pixel(2, 2) == s.foreColor().rgb();  // a scale of zero size: all on the corner
        EXPECT_EQ(std::tuple(count(img, jaune, s.foreColor().rgb(), s.backColor().rgb()), s.overlay().size(),
                             au_coin || sc[2] != 0 || sc[3] != 0), std::tuple(clientArea, 3ul, true)) << sc[2];
    }
    s.setScale(-1, 1, 2, -2);  // back to a usable scale, everything drawn shows again
    const QImage après = image();
    EXPECT_EQ(std::pair(après.pixel(2, 52), après.pixel(152, 27)), std::pair(jaune, s.foreColor().rgb()));
}
TEST(Pictures, ButtonPicturesAndIcon)
{
    const auto opaque = [](const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) > 127; };  // at least half
    // Transparent corner, the triangle, and the bar of the second one.
    for (auto [p, taille, x, barre] : {std::tuple{pictures::playPicture().toImage(), QSize(24, 23), 22, false},
                                       {pictures::goToEndPicture().toImage(), QSize(32, 23), 24, true}})
        EXPECT_EQ(std::tuple(p.size(), opaque(p, 0, 0), opaque(p, 10, 11), opaque(p, x, 11)), std::tuple(taille, false, true, barre));
    EXPECT_EQ(pictures::windowIcon().availableSizes().mid(0, 2), QList<QSize>({QSize(16, 16), QSize(32, 32)}));  // drawn at each size
    const QImage icône = pictures::windowIcon().pixmap(32).toImage();  // five bars of 13, 10, 7, 5, 3 cells: edge, then fill
    for (int i = 0; const int hauteur : {13, 10, 7, 5, 3}) {
        const int x = 6 * i++ + 3, haut = 2 * (14 - hauteur);  // two pixels a cell
        EXPECT_EQ(std::tuple(qAlpha(icône.pixel(x, haut - 1)), icône.pixel(x, haut), icône.pixel(x, haut + 1)),
                  std::tuple(0, qRgb(10, 30, 110), qRgb(30, 90, 220))) << x;
    }
    const QImage c = pictures::pencilCursor().pixmap().toImage();  // pointing down left: the black lead, the yellow body
    EXPECT_TRUE(qGray(c.pixel(3, 28)) < 60 && qRed(c.pixel(15, 16)) > 200 && qBlue(c.pixel(15, 16)) < 100);
}
// Any button, pressed and released, reported with its bits and its place in twips, and kept from the parent.
TEST(PressButton, ReportsEveryButtonWithItsBits)
{
    PressButton b;
    std::vector<std::vector<int>> log;  // {'d' or 'u', button, shift, x, y in twips[, shown pressed]}, 'c' for a click
    QObject::connect(&b, &QPushButton::clicked, [&] { log.push_back({'c'}); });
    b.onMouseDown = [&](int bt, int sh, float x, float y) { log.push_back({'d', bt, sh, int(x), int(y), b.isDown()}); };
    b.onMouseUp = [&](int bt, int sh, float x, float y) { log.push_back({'u', bt, sh, int(x), int(y)}); };
    for (auto [p, bouton, touches] : {std::tuple{QPoint(10, 5), Qt::LeftButton, Qt::KeyboardModifiers()}, {QPoint(2, 3), Qt::RightButton,
                                      Qt::ShiftModifier}, {QPoint(4, 1), Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier}})
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, QPointF(p), QPointF(b.mapToGlobal(p)), bouton, t == QEvent::MouseButtonPress ? bouton : Qt::NoButton, touches);
            EXPECT_TRUE(QApplication::sendEvent(&b, &e) && e.isAccepted());
        }
    EXPECT_EQ(log, (std::vector<std::vector<int>>{{'d', 1, 0, 150, 75, 1}, {'c'}, {'u', 1, 0, 150, 75}, {'d', 2, 1, 30, 45, 0},
                                                  {'u', 2, 1, 30, 45}, {'d', 4, 6, 60, 15, 0}, {'u', 4, 6, 60, 15}}));
}
TEST(ClickComboBox, ClicksOncePerSelection)
{
    ClickComboBox c;
    c.addItems({"un", "deux", "trois"});  // the first item becomes current
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    c.setCurrentIndex(1), c.setCurrentIndex(1);  // by the program: a change, then none
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);  // on the closed list
    QApplication::sendEvent(&c, &down);
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(2, 2));
    choisir(&c, 2), choisir(&c, 0);  // the current item again, then another one
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(0, 4));
    c.setCurrentIndex(1), choisir(&c, 1);  // the same item picked right after a change by the program
    c.clear();  // no item left: no click
    EXPECT_EQ(clicks, 6);
}
