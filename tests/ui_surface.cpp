#include "widgets/surface.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const QRgb yellow = qRgb(255, 255, 0);
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
constexpr double infinite = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// 204 x 104 pixels: a 200 x 100 client area at (2, 2). With the scale
// (-1, 1, 2, -2), one unit is 100 pixels across and 50 pixels up.
struct SurfaceTest : ::testing::Test {
    Surface s;
    SurfaceTest()
    {
        s.resize(204, 104);
        s.setScale(-1, 1, 2, -2);
    }
    QImage image() { return s.grab().toImage(); }
    // Pixels of the client area with this colour.
    int count(const QImage& img, QRgb c) const
    {
        int n = 0;
        const QRect r = s.clientRect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += img.pixel(x, y) == c;
        return n;
    }
    int clientArea() const { return s.clientRect().width() * s.clientRect().height(); }
};

struct MouseLog {
    int button, shift;
    float x, y;
};

// Records what the surface's mouse handlers receive.
struct MouseRecorder {
    std::vector<MouseLog> down, move, up;
    explicit MouseRecorder(Surface& s)
    {
        s.onMouseDown = [this](int b, int sh, float x, float y) { down.push_back({b, sh, x, y}); };
        s.onMouseMove = [this](int b, int sh, float x, float y) { move.push_back({b, sh, x, y}); };
        s.onMouseUp = [this](int b, int sh, float x, float y) { up.push_back({b, sh, x, y}); };
    }
};

void expectEvent(const MouseLog& e, int button, int shift, float x, float y)
{
    EXPECT_EQ(e.button, button);
    EXPECT_EQ(e.shift, shift);
    EXPECT_FLOAT_EQ(e.x, x);
    EXPECT_FLOAT_EQ(e.y, y);
}

}  // namespace

TEST_F(SurfaceTest, LayersFollowTheClearAndRefreshRules)
{
    s.setAutoRedraw(true);
    s.line(-1, 0, 1, 0, QColor(yellow));  // persistent: row 52
    s.setAutoRedraw(false);
    s.line(0, 1, 0, -1, QColor(red));     // overlay: column 102
    ASSERT_EQ(s.persistentLayer().size(), 1u);
    ASSERT_EQ(s.overlay().size(), 1u);

    // Repaints by the window system keep both layers on screen.
    QImage img = image();
    EXPECT_EQ(img.pixel(40, 52), yellow);
    EXPECT_EQ(img.pixel(102, 20), red);
    EXPECT_EQ(image().pixel(102, 20), red);  // and again

    s.cls();  // persistent drawing off: only the overlay goes
    EXPECT_TRUE(s.overlay().empty());
    img = image();
    EXPECT_EQ(img.pixel(40, 52), yellow);
    EXPECT_EQ(count(img, red), 0);

    s.pset(0, 0.5);
    s.setAutoRedraw(true);
    s.refresh();  // even with persistent drawing on, only the overlay goes
    EXPECT_TRUE(s.overlay().empty());
    EXPECT_EQ(s.persistentLayer().size(), 1u);

    s.setAutoRedraw(false);
    s.line(0, 1, 0, -1);
    s.setAutoRedraw(true);
    s.cls();  // persistent drawing on: both layers go
    EXPECT_TRUE(s.persistentLayer().empty());
    EXPECT_TRUE(s.overlay().empty());
    EXPECT_EQ(count(image(), s.backColor().rgb()), clientArea());
}

TEST_F(SurfaceTest, ScaleMapsUserUnitsToPixelsWithYUpward)
{
    EXPECT_EQ(s.toPixels(-1, 1), QPointF(2, 2));
    EXPECT_EQ(s.toPixels(1, -1), QPointF(202, 102));
    EXPECT_EQ(s.toPixels(0.25, 0.5), QPointF(127, 27));
    EXPECT_FLOAT_EQ(s.scaleHeight(), -2.0f);
    for (const QPointF p : {QPointF(2, 2), QPointF(52.75, 27.125), QPointF(201.5, 101.5)}) {
        const QPointF u = s.toUser(p);
        const QPointF back = s.toPixels(u.x(), u.y());
        EXPECT_NEAR(back.x(), p.x(), 1e-9);
        EXPECT_NEAR(back.y(), p.y(), 1e-9);
    }

    // Before any scale is set: twips, 15 per pixel, following the size.
    Surface fresh;
    fresh.resize(104, 54);
    EXPECT_EQ(fresh.scaleLeft(), 0.0f);
    EXPECT_EQ(fresh.scaleWidth(), 1500.0f);
    EXPECT_EQ(fresh.scaleHeight(), 750.0f);
    EXPECT_EQ(fresh.toPixels(150, 45), QPointF(12, 5));
    fresh.resize(204, 104);
    EXPECT_EQ(fresh.scaleWidth(), 3000.0f);

    // Set piece by piece: the first piece keeps the twips extent.
    fresh.setScaleTop(1);
    EXPECT_EQ(fresh.scaleWidth(), 3000.0f);
    EXPECT_EQ(fresh.scaleHeight(), 1500.0f);
    fresh.setScaleLeft(-1);
    fresh.setScaleWidth(2);
    fresh.setScaleHeight(-2);
    fresh.resize(404, 204);  // a set scale stretches over the new size
    EXPECT_EQ(fresh.scaleWidth(), 2.0f);
    EXPECT_EQ(fresh.toPixels(0, 0), QPointF(202, 102));
}

TEST_F(SurfaceTest, LinesAreCrispOnePixelInTheExactColour)
{
    s.setForeColor(QColor(yellow));
    s.line(-0.5, 0, 0.5, 0);        // pixels (52..152, 52)
    s.line(-0.5, -0.5, 0.5, -0.9);  // x-major slope: one pixel per column
    const QImage img = image();
    const QRgb back = s.backColor().rgb();
    EXPECT_EQ(count(img, yellow) + count(img, back), clientArea());  // no blended pixel
    for (int x = 52; x <= 152; ++x) {
        EXPECT_EQ(img.pixel(x, 52), yellow) << x;
        EXPECT_EQ(img.pixel(x, 51), back) << x;
        EXPECT_EQ(img.pixel(x, 53), back) << x;
        int inColumn = 0;
        for (int y = 60; y <= 101; ++y)
            inColumn += img.pixel(x, y) == yellow;
        EXPECT_EQ(inColumn, 1) << x;
    }
    EXPECT_EQ(count(img, yellow), 2 * 101);
}

TEST_F(SurfaceTest, BoxFillsItsAreaAndTheOverlayIsOnTop)
{
    s.line(-1, 0, 1, 0, QColor(yellow));  // overlay, drawn first
    s.setAutoRedraw(true);
    s.box(-0.5, 0.5, 0.5, -0.5, QColor(blue));  // persistent, drawn later
    s.setAutoRedraw(false);
    EXPECT_EQ(s.currentX(), 0.5);
    EXPECT_EQ(s.currentY(), -0.5);
    const QImage img = image();
    EXPECT_EQ(img.pixel(52, 27), blue);
    EXPECT_EQ(img.pixel(152, 77), blue);
    EXPECT_EQ(img.pixel(51, 40), s.backColor().rgb());
    EXPECT_EQ(img.pixel(100, 78), s.backColor().rgb());
    EXPECT_EQ(img.pixel(100, 52), yellow);  // overlay over the persistent box
    EXPECT_EQ(count(img, blue), 101 * 51 - 101);
}

TEST_F(SurfaceTest, CurrentPointAndColours)
{
    EXPECT_EQ(s.foreColor(), QColor(Qt::black));
    s.line(0.1, 0.2, 0.3, 0.4, QColor(red));
    s.lineTo(-0.5, -0.6);
    s.setForeColor(QColor(yellow));
    s.setCurrentX(0.7);
    s.setCurrentY(0.8);
    s.lineTo(0, 0);
    s.pset(0.25, -0.25);
    const auto& o = s.overlay();
    ASSERT_EQ(o.size(), 4u);
    EXPECT_EQ(o[0].color, red);
    EXPECT_EQ(o[1].color, qRgb(0, 0, 0));  // the given colour did not become the foreground
    EXPECT_EQ(o[1].x1, 0.3);
    EXPECT_EQ(o[1].y1, 0.4);
    EXPECT_EQ(o[2].x1, 0.7);
    EXPECT_EQ(o[2].y1, 0.8);
    EXPECT_EQ(o[2].color, yellow);
    EXPECT_EQ(s.currentX(), 0.25);
    EXPECT_EQ(s.currentY(), -0.25);
    s.cls();
    EXPECT_EQ(s.currentX(), 0.0);
    EXPECT_EQ(s.currentY(), 0.0);
    s.setBackColor(QColor(10, 20, 30));
    EXPECT_EQ(s.backColor(), QColor(10, 20, 30));
    EXPECT_EQ(image().pixel(100, 50), qRgb(10, 20, 30));
}

TEST_F(SurfaceTest, ShapesArePlacedInUserUnitsAndPaintedOnTop)
{
    s.setScale(0, 0, 100, 100);  // 2 pixels per unit across, 1 down
    auto* rect = new Shape(Shape::Kind::Rectangle, &s);
    rect->setUserLeft(10);
    rect->setUserTop(20);
    rect->setUserWidth(30);
    rect->setUserHeight(40);
    rect->setColor(QColor(blue));
    auto* mark = new Shape(Shape::Kind::VerticalLine, &s);
    mark->setUserLeft(75.25);
    mark->setColor(QColor(red));
    EXPECT_EQ(rect->geometry(), QRect(22, 22, 60, 40));
    EXPECT_EQ(mark->geometry(), QRect(152, 2, 1, 100));

    s.line(0, 30, 100, 30, QColor(yellow));
    QImage img = image();
    EXPECT_EQ(img.pixel(50, 32), blue);    // over the line
    EXPECT_EQ(img.pixel(90, 32), yellow);  // beside the rectangle
    EXPECT_EQ(count(img, red), 100);

    s.setScale(0, 100, 200, -100);  // follows a new scale, y upward
    EXPECT_EQ(rect->geometry(), QRect(12, 42, 30, 40));
    EXPECT_EQ(mark->geometry(), QRect(77, 2, 1, 100));
    // Hostile geometry stays inside the client area or vanishes.
    for (float v : {std::numeric_limits<float>::infinity(), -1e30f, 1e30f, float(notANumber)}) {
        rect->setUserWidth(v);
        mark->setUserLeft(v);
        EXPECT_TRUE(s.clientRect().contains(rect->geometry()) || rect->geometry().isEmpty());
        EXPECT_TRUE(mark->geometry().isEmpty());
    }
    image();
}

TEST_F(SurfaceTest, MouseEventsInUserUnitsWithButtonBits)
{
    MouseRecorder rec(s);
    auto send = [&](QEvent::Type t, QPointF at, Qt::MouseButton b, Qt::MouseButtons held,
                    Qt::KeyboardModifiers m = {}) {
        QMouseEvent e(t, at, s.mapToGlobal(at), b, held, m);
        QApplication::sendEvent(&s, &e);
    };
    send(QEvent::MouseButtonPress, {52.5, 27.25}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseMove, {102.25, 52}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    send(QEvent::MouseButtonRelease, {152.75, 76.5}, Qt::MiddleButton, Qt::LeftButton);
    send(QEvent::MouseButtonPress, {2, 2}, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    ASSERT_EQ(rec.down.size(), 2u);
    ASSERT_EQ(rec.move.size(), 1u);
    ASSERT_EQ(rec.up.size(), 1u);
    expectEvent(rec.down[0], 1, 1, -0.495f, 0.495f);
    expectEvent(rec.move[0], 3, 0, 0.0025f, 0.0f);
    expectEvent(rec.up[0], 4, 0, 0.5075f, -0.49f);
    expectEvent(rec.down[1], 2, 2, -1.0f, 1.0f);
}

TEST(SurfaceWindow, ShapesLetTheMouseThroughAndAHeldButtonCapturesThePointer)
{
    QWidget window;
    window.resize(400, 300);
    auto* s = new Surface(&window);
    s->setGeometry(50, 50, 204, 104);
    s->setScale(-1, 1, 2, -2);
    auto* rect = new Shape(Shape::Kind::Rectangle, s);
    rect->setUserLeft(-1);
    rect->setUserTop(1);
    rect->setUserWidth(2);
    rect->setUserHeight(-2);  // covers the whole client area
    window.show();
    QWindow* w = window.windowHandle();
    ASSERT_NE(w, nullptr);
    MouseRecorder rec(*s);
    auto send = [&](QEvent::Type t, QPointF at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(t, at, at, w->mapToGlobal(at), b, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, {152, 102}, Qt::LeftButton, Qt::LeftButton);  // user (0, 0)
    send(QEvent::MouseMove, {2, 250}, Qt::NoButton, Qt::LeftButton);             // outside the surface
    send(QEvent::MouseButtonRelease, {2, 250}, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, {2, 250}, Qt::NoButton, Qt::NoButton);  // released: no longer ours
    ASSERT_EQ(rec.down.size(), 1u);
    ASSERT_EQ(rec.move.size(), 1u);
    ASSERT_EQ(rec.up.size(), 1u);
    expectEvent(rec.down[0], 1, 0, 0.0f, 0.0f);
    expectEvent(rec.move[0], 1, 0, -1.5f, -2.96f);
    expectEvent(rec.up[0], 1, 0, -1.5f, -2.96f);
}

TEST_F(SurfaceTest, HostileCoordinatesAndScalesPaintSafely)
{
    // Non-finite primitives paint nothing; huge ones are clipped, not lost.
    const double bad[] = {infinite, -infinite, notANumber};
    for (double v : bad) {
        s.line(v, 0, 0.5, 0.5, QColor(red));
        s.line(0.5, 0.5, 0.2, v, QColor(red));
        s.pset(v, v, QColor(red));
        s.lineTo(0, 0, QColor(red));  // from a non-finite current point
        s.box(v, 0, 0.5, 0.5, QColor(red));
    }
    s.line(-1e300, 0, 1e300, 0, QColor(yellow));
    s.line(0, 1e300, 0, -1e300, QColor(yellow));
    s.line(-1e308, -0.5, 1.7e308, -0.5, QColor(blue));  // beyond what pixels can hold
    s.pset(1e300, 1e300, QColor(red));
    QImage img = image();
    EXPECT_EQ(count(img, red), 0);
    EXPECT_EQ(img.pixel(2, 52), yellow);
    EXPECT_EQ(img.pixel(201, 52), yellow);
    EXPECT_EQ(img.pixel(102, 2), yellow);
    EXPECT_EQ(img.pixel(102, 101), yellow);
    EXPECT_EQ(img.pixel(2, 77), blue);
    EXPECT_EQ(img.pixel(201, 77), blue);
    s.box(-1e308, 1e300, 1e308, -1e308, QColor(blue));
    EXPECT_EQ(count(image(), blue), clientArea());

    // Degenerate and extreme scales, with the same drawing.
    s.cls();
    s.line(-1e300, 0, 1e300, 0, QColor(yellow));
    s.line(0, 0, 1, 1);
    s.pset(1e-300, -1e-300);
    const float fmax = std::numeric_limits<float>::max();
    const float scales[][4] = {{0, 0, 0, 0},
                               {0, 0, float(1e-300), float(-1e-300)},
                               {0, 0, std::numeric_limits<float>::denorm_min(), 1e-38f},
                               {-fmax, fmax, fmax, -fmax},
                               {0, 0, float(infinite), float(notANumber)}};
    for (const auto& sc : scales) {
        s.setScale(sc[0], sc[1], sc[2], sc[3]);
        img = image();
        EXPECT_EQ(count(img, yellow) + count(img, s.foreColor().rgb()) + count(img, s.backColor().rgb()),
                  clientArea());
    }
}
