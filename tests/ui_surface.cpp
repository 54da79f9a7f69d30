#include "tests/outils_compacts.h"

#include <QApplication>
#include <QWindow>

#include <limits>
#include <string>
#include <tuple>

namespace {

constexpr double infinite = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// 204 x 104 pixels: a 200 x 100 client area at (2, 2). With the scale
// (-1, 1, 2, -2), one unit is 100 pixels across and 50 pixels up.
struct SurfaceTest : ::testing::Test {
    static constexpr int clientArea = 200 * 100;
    QWidget window;  // shown for the mouse only
    Surface& s = *new Surface(&window);
    SurfaceTest()
    {
        s.setGeometry(50, 50, 204, 104);  // the window's (50 + i, 50 + j) is the surface's (i, j)
        s.setScale(-1, 1, 2, -2);
    }
    QImage image() { return s.grab().toImage(); }
    // Pixels of the client area in any of these colours.
    int count(const QImage& img, auto... colours) const
    {
        int n = 0;
        for (int y = 2; y < 102; ++y)
            for (int x = 2; x < 202; ++x)
                n += ((img.pixel(x, y) == colours) || ...);
        return n;
    }
};

}  // namespace

TEST_F(SurfaceTest, LayersFollowTheClearAndRefreshRules)
{
    // Persistent drawing on, cls (else refresh), whether the persistent layer survives it.
    const struct { bool persistent, cls, keeps; } cases[] = {
        {false, true, true}, {false, false, true}, {true, false, true}, {true, true, false}};
    for (const auto& [persistent, cls, keeps] : cases) {
        s.setAutoRedraw(true);
        s.cls();
        s.line(-1, 0, 1, 0, QColor(jaune));  // persistent: row 52
        s.setAutoRedraw(false);
        s.line(0, 1, 0, -1, QColor(rouge));  // overlay: column 102
        image();                             // a repaint erases nothing
        EXPECT_EQ(image().pixel(102, 20), rouge);
        s.setAutoRedraw(persistent);
        cls ? s.cls() : s.refresh();
        const QImage img = image();
        EXPECT_EQ(std::pair(count(img, rouge), img.pixel(40, 52) == jaune), std::pair(0, keeps)) << persistent;
    }
}

TEST_F(SurfaceTest, ScaleMapsUserUnitsToPixels)
{
    EXPECT_EQ(s.toPixels(-1, 1), QPointF(2, 2));  // a negative height: y upward
    EXPECT_EQ(s.toPixels(0.25, 0.5), QPointF(127, 27));
    Surface fresh;  // before any scale is set: twips, 15 per pixel, following the size
    fresh.resize(104, 54);
    EXPECT_EQ(fresh.toPixels(150, 45), QPointF(12, 5));
    fresh.resize(204, 104);
    fresh.setScaleTop(1);  // set piece by piece: the twips extent of the moment stays...
    EXPECT_EQ(fresh.toPixels(3000, 1501), QPointF(202, 102));
    fresh.resize(404, 204);  // ...stretched over a new size
    EXPECT_EQ(fresh.toPixels(1500, 751), QPointF(202, 102));
}

TEST_F(SurfaceTest, CrispOnePixelLinesAndFilledBoxesInTheExactColour)
{
    s.setBackColor(QColor(10, 20, 30));
    s.setForeColor(QColor(jaune));
    s.line(-0.5, 0, 0.5, 0);        // overlay, drawn first: pixels (52..152, 52)
    s.line(-0.5, -0.5, 0.5, -0.9);  // x-major slope below the box: one pixel per column
    s.setAutoRedraw(true);
    s.box(-0.5, 0.5, 0.5, -0.4, QColor(bleu));  // persistent: pixels (52..152, 27..72)
    const QImage img = image();
    EXPECT_EQ(count(img, jaune, bleu, qRgb(10, 20, 30)), clientArea);  // no blended pixel
    EXPECT_EQ(std::pair(count(img, jaune), count(img, bleu)), std::pair(2 * 101, 101 * 46 - 101));
    for (int x = 52; x <= 152; ++x) {  // the overlay over the persistent box; one pixel per column below
        int inColumn = 0;
        for (int y = 73; y <= 101; ++y)
            inColumn += img.pixel(x, y) == jaune;
        EXPECT_EQ(std::tuple(img.pixel(x, 51), img.pixel(x, 52), img.pixel(x, 53), inColumn),
                  std::tuple(bleu, jaune, bleu, 1)) << x;
    }
}

TEST_F(SurfaceTest, CurrentPointAndColours)
{
    std::vector<QPointF> current;
    auto note = [&] { current.push_back({s.currentX(), s.currentY()}); };
    s.line(0.1, 0.2, 0.3, 0.4, QColor(rouge));
    s.lineTo(-0.5, -0.6);  // from the current point, in the foreground colour
    note();
    s.setForeColor(QColor(jaune));
    s.pset(0.25, -0.25);
    note();
    const auto o = s.overlay();  // the given colour did not become the foreground
    ASSERT_EQ(o.size(), 3u);
    EXPECT_EQ(std::tuple(o[1].color, o[1].x1, o[1].y1, o[2].color), std::tuple(noir, 0.3, 0.4, jaune));
    s.box(0.1, 0.2, -0.3, -0.4, QColor(bleu));
    note();
    s.cls();
    note();
    EXPECT_EQ(current, (std::vector<QPointF>{{-0.5, -0.6}, {0.25, -0.25}, {-0.3, -0.4}, {0, 0}}));
}

TEST_F(SurfaceTest, ShapesArePlacedInUserUnitsAndPaintedOnTop)
{
    s.setScale(0, 0, 100, 100);  // 2 pixels per unit across, 1 down
    auto* rect = new Shape(Shape::Kind::Rectangle, &s);
    auto* mark = new Shape(Shape::Kind::VerticalLine, &s);
    rect->setUserLeft(10);
    rect->setUserTop(20);
    rect->setUserWidth(30);
    rect->setUserHeight(40);
    rect->setColor(QColor(bleu));
    mark->setUserLeft(75.25);
    mark->setColor(QColor(rouge));
    s.line(0, 30, 100, 30, QColor(jaune));
    const QImage img = image();
    EXPECT_EQ(std::tuple(rect->geometry(), mark->geometry(), img.pixel(50, 32), count(img, rouge)),
              std::tuple(QRect(22, 22, 60, 40), QRect(152, 2, 1, 100), bleu, 100));  // over the line
    s.setScale(0, 100, 200, -100);  // follows a new scale, y upward
    EXPECT_EQ(std::pair(rect->geometry(), mark->geometry()), std::pair(QRect(12, 42, 30, 40), QRect(77, 2, 1, 100)));
    // Hostile geometry stays inside the client area or vanishes.
    for (float v : {std::numeric_limits<float>::infinity(), -1e30f, 1e30f, float(notANumber)}) {
        rect->setUserWidth(v);
        mark->setUserLeft(v);
        EXPECT_TRUE(s.clientRect().contains(rect->geometry()) || rect->geometry().isEmpty()) << v;
        EXPECT_TRUE(mark->geometry().isEmpty()) << v;
    }
}

TEST_F(SurfaceTest, MouseInUserUnitsWithButtonBitsAndCapture)
{
    (new Shape(Shape::Kind::VerticalLine, &s))->setUserLeft(-1);  // under the window's (52, 52)
    window.resize(400, 300);
    window.show();
    QWindow* w = window.windowHandle();
    EXPECT_EQ(window.childAt(52, 52), &s);  // the shape lets the mouse through
    std::vector<std::string> log;
    for (auto [handler, kind] :
         {std::pair(&s.onMouseDown, 'd'), std::pair(&s.onMouseMove, 'm'), std::pair(&s.onMouseUp, 'u')})
        *handler = [&log, kind = kind](int b, int sh, float x, float y) {
            log.push_back(QString::asprintf("%c %d %d %.4f %.4f", kind, b, sh, x, y).toStdString());
        };
    // To the surface itself (fractional pixels), or to the window as the mouse does.
    auto send = [&](QObject* to, QEvent::Type t, QPointF at, Qt::MouseButton b, Qt::MouseButtons held,
                    Qt::KeyboardModifiers m = {}) {
        QMouseEvent e(t, at, at, to == w ? w->mapToGlobal(at) : s.mapToGlobal(at), b, held, m);
        QApplication::sendEvent(to, &e);
    };
    send(&s, QEvent::MouseButtonPress, {52.5, 27.25}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(&s, QEvent::MouseMove, {102.25, 52.5}, Qt::NoButton, Qt::LeftButton | Qt::MiddleButton);
    send(&s, QEvent::MouseButtonRelease, {152.75, 76.5}, Qt::LeftButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, {52, 52}, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    send(w, QEvent::MouseMove, {2, 250}, Qt::NoButton, Qt::RightButton);  // outside the surface
    send(w, QEvent::MouseButtonRelease, {2, 250}, Qt::RightButton, Qt::NoButton);
    send(w, QEvent::MouseMove, {2, 250}, Qt::NoButton, Qt::NoButton);  // released: no longer ours
    EXPECT_EQ(log, (std::vector<std::string>{"d 1 1 -0.4950 0.4950", "m 5 0 0.0025 -0.0100", "u 1 0 0.5075 -0.4900",
                                             "d 2 2 -1.0000 1.0000", "m 2 0 -1.5000 -2.9600",
                                             "u 2 0 -1.5000 -2.9600"}));
}

TEST_F(SurfaceTest, HostileCoordinatesAndScalesPaintSafely)
{
    // Non-finite primitives paint nothing; huge ones are clipped, not lost.
    for (double v : {infinite, -infinite, notANumber}) {
        s.line(v, 0, 0.5, 0.5, QColor(rouge));
        s.line(0.5, 0.5, 0.2, v, QColor(rouge));
        s.pset(v, v, QColor(rouge));
        s.lineTo(0, 0, QColor(rouge));  // from a non-finite current point
        s.box(v, 0, 0.5, 0.5, QColor(rouge));
    }
    s.line(-1e300, 0, 1e300, 0, QColor(jaune));
    s.line(0, 1e300, 0, -1e300, QColor(jaune));
    s.line(-1e308, -0.5, 1.7e308, -0.5, QColor(bleu));  // beyond what pixels can hold
    s.pset(1e300, 1e300, QColor(rouge));
    QImage img = image();
    EXPECT_EQ(count(img, rouge), 0);
    for (auto [x, y, c] : std::initializer_list<std::tuple<int, int, QRgb>>{
             {2, 52, jaune}, {201, 52, jaune}, {102, 2, jaune}, {102, 101, jaune}, {2, 77, bleu}, {201, 77, bleu}})
        EXPECT_EQ(img.pixel(x, y), c) << x << "," << y;
    s.box(-1e308, 1e300, 1e308, -1e308, QColor(bleu));
    EXPECT_EQ(count(image(), bleu), clientArea);
    // Degenerate and extreme scales, with the same drawing: nothing but whole colours.
    s.cls();
    s.line(-1e300, 0, 1e300, 0, QColor(jaune));
    s.line(0, 0, 1, 1);
    s.pset(1e-300, -1e-300);
    const float fmax = std::numeric_limits<float>::max();
    const float scales[][4] = {{0, 0, 0, 0}, {0, 0, float(1e-300), float(-1e-300)},
                               {0, 0, std::numeric_limits<float>::denorm_min(), 1e-38f},
                               {-fmax, fmax, fmax, -fmax}, {0, 0, float(infinite), float(notANumber)}};
    for (const auto& sc : scales) {
        s.setScale(sc[0], sc[1], sc[2], sc[3]);
        const QImage img = image();
        EXPECT_EQ(count(img, jaune, s.foreColor().rgb(), s.backColor().rgb()), clientArea) << sc[2];
        // A scale of zero size puts everything on the corner of the client area.
        EXPECT_TRUE(sc[2] != 0 || sc[3] != 0 || img.pixel(2, 2) == s.foreColor().rgb());
        EXPECT_EQ(s.overlay().size(), 3u);
    }
    s.setScale(-1, 1, 2, -2);  // back to a usable scale, everything drawn shows again
    const QImage après = image();
    EXPECT_EQ(std::pair(après.pixel(2, 52), après.pixel(152, 27)), std::pair(jaune, s.foreColor().rgb()));
}
