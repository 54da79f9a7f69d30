#include "widgets/controls.h"
#include "widgets/pictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool opaque(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) > 0; }

template <typename Pred>
int countPixels(const QImage& img, Pred pred)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += pred(img.pixel(x, y));
    return n;
}

bool pureRed(QRgb c) { return c == qRgba(255, 0, 0, 255); }

// Smallest x (or y) of any drawn pixel.
int firstDrawn(const QImage& img, bool alongY)
{
    int best = 1 << 20;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (opaque(img, x, y))
                best = std::min(best, alongY ? y : x);
    return best;
}

}  // namespace

TEST(Pictures, CursorsAre32PixelsWithTheHotSpotOnTheTip)
{
    const QImage pencil = pictures::pencilCursor().pixmap().toImage();
    const QPoint pencilHot = pictures::pencilCursor().hotSpot();
    ASSERT_EQ(pencil.size(), QSize(32, 32));
    EXPECT_TRUE(opaque(pencil, pencilHot.x(), pencilHot.y()));
    EXPECT_LT(pencilHot.x(), 8);   // bottom-left
    EXPECT_GT(pencilHot.y(), 23);
    // A dark outline (seen on white) around a light body (seen on grey).
    EXPECT_GT(countPixels(pencil, [](QRgb c) { return qAlpha(c) == 255 && qGray(c) < 60; }), 30);
    EXPECT_GT(countPixels(pencil, [](QRgb c) { return qAlpha(c) == 255 && qGray(c) > 190; }), 30);

    const QCursor left = pictures::arrowLeftCursor(), up = pictures::arrowUpCursor();
    const QImage l = left.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage u = up.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(l.size(), QSize(32, 32));
    ASSERT_EQ(u.size(), QSize(32, 32));
    EXPECT_GT(countPixels(l, pureRed), 50);
    EXPECT_GT(countPixels(u, pureRed), 50);
    // The tip is the leftmost (topmost) point of the arrow and is drawn.
    EXPECT_TRUE(opaque(l, left.hotSpot().x(), left.hotSpot().y()));
    EXPECT_EQ(left.hotSpot().x(), firstDrawn(l, false));
    EXPECT_TRUE(opaque(u, up.hotSpot().x(), up.hotSpot().y()));
    EXPECT_EQ(up.hotSpot().y(), firstDrawn(u, true));
}

TEST(Pictures, ButtonPicturesAndIcon)
{
    const QImage play = pictures::playPicture().toImage();
    const QImage end = pictures::goToEndPicture().toImage();
    EXPECT_EQ(play.size(), QSize(24, 23));
    EXPECT_EQ(end.size(), QSize(32, 23));
    for (const QImage* img : {&play, &end}) {
        EXPECT_FALSE(opaque(*img, 0, 0));
        EXPECT_FALSE(opaque(*img, img->width() - 1, 0));
        EXPECT_TRUE(opaque(*img, 10, 11));  // inside the triangle
    }
    EXPECT_TRUE(opaque(end, 24, 11));  // the bar
    EXPECT_FALSE(opaque(play, 22, 11));

    const QIcon icon = pictures::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(48, 48)));

    // Column heights: the baseline alone is the lowest non-empty height; the
    // runs of taller columns are the bars, whose heights must decrease.
    for (int size : {16, 32}) {
        const QImage img = icon.pixmap(size, size).toImage();
        ASSERT_EQ(img.size(), QSize(size, size));
        std::vector<int> heights;
        for (int x = 0; x < size; ++x) {
            int h = 0;
            for (int y = 0; y < size; ++y)
                h += opaque(img, x, y);
            heights.push_back(h);
        }
        int base = size;
        for (int h : heights)
            if (h > 0)
                base = std::min(base, h);
        std::vector<int> bars;
        bool inBar = false;
        for (int h : heights) {
            if (h > base) {
                if (!inBar)
                    bars.push_back(0);
                bars.back() = std::max(bars.back(), h);
            }
            inBar = h > base;
        }
        ASSERT_EQ(bars.size(), 5u) << "size " << size;
        for (std::size_t i = 1; i < bars.size(); ++i)
            EXPECT_LT(bars[i], bars[i - 1]) << "size " << size << " bar " << i;
    }
}

namespace {

// Returns whether the widget kept the event (else it would go on to the parent).
bool sendMouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button)
                                                                   : Qt::NoButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), button, held, mods);
    QApplication::sendEvent(&w, &e);
    return e.isAccepted();
}

std::string describe(const char* what, int button, int shift, float x, float y)
{
    return std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " "
         + std::to_string(int(x)) + " " + std::to_string(int(y));
}

}  // namespace

TEST(PressButton, ReportsEveryButtonWithBitsAndTwips)
{
    PressButton b;
    b.resize(100, 30);
    std::vector<std::string> log;
    bool downDuringPress = false;
    int clicks = 0;
    QObject::connect(&b, &QPushButton::clicked, [&] { ++clicks; });
    b.onMouseDown = [&](int bt, int sh, float x, float y) {
        downDuringPress = b.isDown();
        log.push_back(describe("down", bt, sh, x, y));
    };
    b.onMouseUp = [&](int bt, int sh, float x, float y) { log.push_back(describe("up", bt, sh, x, y)); };

    sendMouse(b, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton);
    EXPECT_TRUE(downDuringPress);
    sendMouse(b, QEvent::MouseButtonRelease, {10, 5}, Qt::LeftButton);
    EXPECT_TRUE(sendMouse(b, QEvent::MouseButtonPress, {2, 3}, Qt::RightButton, Qt::ShiftModifier));
    EXPECT_TRUE(sendMouse(b, QEvent::MouseButtonRelease, {2, 3}, Qt::RightButton, Qt::ShiftModifier));
    sendMouse(b, QEvent::MouseButtonPress, {4, 1}, Qt::MiddleButton,
              Qt::ControlModifier | Qt::AltModifier);
    sendMouse(b, QEvent::MouseButtonRelease, {4, 1}, Qt::MiddleButton);

    const std::vector<std::string> expected = {"down 1 0 150 75", "up 1 0 150 75",
                                               "down 2 1 30 45",  "up 2 1 30 45",
                                               "down 4 6 60 15",  "up 4 0 60 15"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.isDown());

    EXPECT_EQ(mouseButtonBits(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(mouseButtonBit(Qt::BackButton), 0);
    EXPECT_EQ(shiftBits(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
}

TEST(PressButton, ReleaseAndSecondPressReachItDuringANestedLoop)
{
    PressButton b;
    b.resize(100, 30);
    std::vector<std::string> log;
    int depth = 0;
    b.onMouseUp = [&](int bt, int, float, float) { log.push_back("up " + std::to_string(bt)); };
    b.onMouseDown = [&](int bt, int, float, float) {
        log.push_back("down " + std::to_string(bt) + " begin");
        if (depth++ == 0) {
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                sendMouse(b, QEvent::MouseButtonRelease, {10, 5}, Qt::LeftButton);
                sendMouse(b, QEvent::MouseButtonPress, {10, 5}, Qt::RightButton);
                sendMouse(b, QEvent::MouseButtonRelease, {10, 5}, Qt::RightButton);
                loop.quit();
            });
            loop.exec();
        }
        log.push_back("down " + std::to_string(bt) + " end");
    };

    sendMouse(b, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton);

    const std::vector<std::string> expected = {"down 1 begin", "up 1",       "down 2 begin",
                                               "down 2 end",   "up 2",       "down 1 end"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(b.isDown());
}

TEST(ClickComboBox, ClicksOncePerSelection)
{
    ClickComboBox c;
    c.addItems({"un", "deux", "trois"});  // the first item becomes current
    int clicks = 0;
    c.onClick = [&] { ++clicks; };

    c.setCurrentIndex(1);  // by the program: a change
    EXPECT_EQ(clicks, 1);
    c.setCurrentIndex(1);  // no change, no click
    EXPECT_EQ(clicks, 1);

    // Keyboard on the closed list: changed then activated, one click.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&c, &down);
    EXPECT_EQ(c.currentIndex(), 2);
    EXPECT_EQ(clicks, 2);

    // Picking in the open list, first the current item, then another one.
    for (int row : {2, 0}) {
        c.showPopup();
        c.view()->setCurrentIndex(c.model()->index(row, 0));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(c.view(), &enter);
        EXPECT_EQ(c.currentIndex(), row);
    }
    EXPECT_EQ(clicks, 4);

    // The same item chosen again right after a change by the program.
    c.setCurrentIndex(1);
    c.showPopup();
    emit c.activated(1);
    c.hidePopup();
    EXPECT_EQ(clicks, 6);

    c.clear();  // no item left: no click
    EXPECT_EQ(clicks, 6);
}
