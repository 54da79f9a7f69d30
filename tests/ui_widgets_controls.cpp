// The program's pictures, the press button and the drop-down list.
#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include "widgets/pictures.h"
#include <gtest/gtest.h>
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
    EXPECT_FALSE(b.isDown());
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
