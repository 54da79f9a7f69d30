// The program's cursors and pictures, the press button and the drop-down list.

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

TEST(Pictures, CursorsButtonPicturesAndIcon)
{
    // Each cursor with the way it points: 32 pixels, the hot spot on the tip (the farthest drawn pixel that
    // way); the arrows are red, the pencil is not.
    for (auto [cursor, dx, dy] : {std::tuple{pictures::pencilCursor(), -1, 1}, std::tuple{pictures::arrowLeftCursor(), -1, 0},
                                  std::tuple{pictures::arrowUpCursor(), 0, -1}}) {
        const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(32, 32));
        int farthest = -100, red = 0;
        for (int i = 0; i < 32 * 32; ++i) {
            farthest = opaque(img, i % 32, i / 32) ? std::max(farthest, i % 32 * dx + i / 32 * dy) : farthest;
            red += img.pixel(i % 32, i / 32) == qRgba(255, 0, 0, 255);
        }
        const QPoint hot = cursor.hotSpot();
        EXPECT_EQ(std::tuple(opaque(img, hot.x(), hot.y()), hot.x() * dx + hot.y() * dy, red > 50),
                  std::tuple(true, farthest, dx == 0 || dy == 0)) << dx << dy;
    }
    // Transparent corner, the triangle, and the bar of the second one.
    const QImage play = pictures::playPicture().toImage(), end = pictures::goToEndPicture().toImage();
    EXPECT_EQ(std::tuple(play.size(), opaque(play, 0, 0), opaque(play, 10, 11), opaque(play, 22, 11)),
              std::tuple(QSize(24, 23), false, true, false));
    EXPECT_EQ(std::tuple(end.size(), opaque(end, 0, 0), opaque(end, 10, 11), opaque(end, 24, 11)),
              std::tuple(QSize(32, 23), false, true, true));
    // The icon drawn at both sizes.
    for (int size : {16, 32})
        EXPECT_TRUE(pictures::windowIcon().availableSizes().contains(QSize(size, size))) << size;
}

TEST(PressButton, ReportsEveryButtonWithItsBitsEvenDuringANestedLoop)
{
    PressButton b;
    b.resize(100, 30);
    // Whether the button kept the event (else it would go on to the parent).
    auto send = [&](QEvent::Type t, QPoint p, Qt::MouseButton bt, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(t, QPointF(p), QPointF(b.mapToGlobal(p)), bt, t == QEvent::MouseButtonPress ? bt : Qt::NoButton, mods);
        return QApplication::sendEvent(&b, &e), e.isAccepted();
    };
    std::vector<std::vector<int>> log;  // {'d' or 'u', button, shift, x, y in twips}; 'e': the first handler's end
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
            EXPECT_TRUE(send(QEvent::MouseButtonPress, {2, 3}, Qt::RightButton, Qt::ShiftModifier) &&
                        send(QEvent::MouseButtonRelease, {2, 3}, Qt::RightButton, Qt::ShiftModifier));
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
    c.setCurrentIndex(1), c.setCurrentIndex(1);  // by the program: a change, then none
    EXPECT_EQ(clicks, 1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);  // on the closed list
    QApplication::sendEvent(&c, &down);
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(2, 2));
    choisir(&c, 2), choisir(&c, 0);  // the current item again, then another one
    EXPECT_EQ(std::pair(c.currentIndex(), clicks), std::pair(0, 4));
    c.setCurrentIndex(1), choisir(&c, 1);  // the same item picked right after a change by the program
    c.clear();  // no item left: no click
    EXPECT_EQ(clicks, 6);
}
