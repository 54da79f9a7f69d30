#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include "widgets/pictures.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// Drawn at least half opaque.
static bool opaque(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) > 127; }

TEST(Pictures, CursorsAre32PixelsWithTheHotSpotOnTheTip)
{
    // Each cursor with the way it points: its tip is its farthest drawn pixel that way.
    const struct { QCursor cursor; int dx, dy; } cursors[] = {
        {pictures::pencilCursor(), -1, 1}, {pictures::arrowLeftCursor(), -1, 0}, {pictures::arrowUpCursor(), 0, -1}};
    for (const auto& [cursor, dx, dy] : cursors) {
        const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(32, 32));
        int farthest = -100, red = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                farthest = opaque(img, x, y) ? std::max(farthest, x * dx + y * dy) : farthest;
                red += img.pixel(x, y) == qRgba(255, 0, 0, 255);
            }
        const QPoint hot = cursor.hotSpot();
        // On a drawn pixel, at the tip; the arrows are red, the pencil is not.
        EXPECT_EQ(std::tuple(opaque(img, hot.x(), hot.y()), hot.x() * dx + hot.y() * dy, red > 50),
                  std::tuple(true, farthest, dx == 0 || dy == 0)) << dx << dy;
    }
}

TEST(Pictures, ButtonPicturesAndIcon)
{
    // Transparent corner, the triangle, and the bar of the second one.
    const QImage play = pictures::playPicture().toImage(), end = pictures::goToEndPicture().toImage();
    EXPECT_EQ(std::tuple(play.size(), opaque(play, 0, 0), opaque(play, 10, 11), opaque(play, 22, 11)),
              std::tuple(QSize(24, 23), false, true, false));
    EXPECT_EQ(std::tuple(end.size(), opaque(end, 0, 0), opaque(end, 10, 11), opaque(end, 24, 11)),
              std::tuple(QSize(32, 23), false, true, true));
    // Runs of columns taller than the lowest (the baseline alone) are five bars, each shorter.
    const QIcon icon = pictures::windowIcon();
    for (int size : {16, 32}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage img = icon.pixmap(size, size).toImage();
        std::vector<int> heights(size), bars;
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y)
                heights[x] += opaque(img, x, y);
        const int base = *std::min_element(heights.begin(), heights.end());
        for (int x = 0; x < size; ++x)
            if (heights[x] > base && (x == 0 || heights[x] != heights[x - 1]))
                bars.push_back(heights[x]);
        ASSERT_EQ(bars.size(), 5u) << size;
        EXPECT_EQ(std::adjacent_find(bars.begin(), bars.end(), std::less_equal<>()), bars.end()) << size;
    }
}

TEST(PressButton, ReportsEveryButtonWithItsBitsEvenDuringANestedLoop)
{
    PressButton b;
    b.resize(100, 30);
    // Returns whether the button kept the event (else it would go on to the parent).
    auto send = [&](QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(type, QPointF(pos), QPointF(b.mapToGlobal(pos)), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, mods);
        QApplication::sendEvent(&b, &e);
        return e.isAccepted();
    };
    std::vector<std::vector<int>> log;  // {'d' or 'u', button, shift, x, y in twips}
    int clicks = 0;
    QObject::connect(&b, &QPushButton::clicked, [&] { ++clicks; });
    b.onMouseUp = [&](int bt, int sh, float x, float y) { log.push_back({'u', bt, sh, int(x), int(y)}); };
    b.onMouseDown = [&](int bt, int sh, float x, float y) {
        log.push_back({'d', bt, sh, int(x), int(y)});
        if (log.size() > 1)
            return;
        EXPECT_TRUE(b.isDown());  // shown pressed before the handler runs
        QEventLoop loop;  // the rest comes while the first press's handler runs an event loop
        QTimer::singleShot(0, &loop, [&] {
            send(QEvent::MouseButtonRelease, {10, 5}, Qt::LeftButton);
            EXPECT_TRUE(send(QEvent::MouseButtonPress, {2, 3}, Qt::RightButton, Qt::ShiftModifier));
            EXPECT_TRUE(send(QEvent::MouseButtonRelease, {2, 3}, Qt::RightButton, Qt::ShiftModifier));
            send(QEvent::MouseButtonPress, {4, 1}, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier);
            send(QEvent::MouseButtonRelease, {4, 1}, Qt::MiddleButton);
            loop.quit();
        });
        loop.exec();
        log.push_back({'e'});
    };
    send(QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton);
    EXPECT_EQ(log, (std::vector<std::vector<int>>{{'d', 1, 0, 150, 75}, {'u', 1, 0, 150, 75}, {'d', 2, 1, 30, 45},
                                                  {'u', 2, 1, 30, 45}, {'d', 4, 6, 60, 15}, {'u', 4, 0, 60, 15}, {'e'}}));
    EXPECT_EQ(std::pair(clicks, b.isDown()), std::pair(1, false));
}

TEST(ClickComboBox, ClicksOncePerSelection)
{
    ClickComboBox c;
    c.addItems({"un", "deux", "trois"});  // the first item becomes current
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    c.setCurrentIndex(1);  // by the program: a change, then none
    c.setCurrentIndex(1);
    EXPECT_EQ(clicks, 1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);  // on the closed list
    QApplication::sendEvent(&c, &down);
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(2, 2));
    choisir(&c, 2);  // the current item again, then another one
    choisir(&c, 0);
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(0, 4));
    c.setCurrentIndex(1);  // the same item picked right after a change by the program
    choisir(&c, 1);
    c.clear();  // no item left: no click
    EXPECT_EQ(clicks, 6);
}
