#pragma once
// The program's own pointers and pictures, all drawn in code.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pictures {

QCursor pencilCursor();         // 32 x 32, hot spot at the pencil's tip
QCursor arrowLeftCursor();      // red arrowhead pointing left, hot spot at its tip
QCursor arrowUpCursor();        // red arrowhead pointing up, hot spot at its tip
QPixmap playPicture();          // 24 x 23: a shaded triangle pointing right
QPixmap goToEndPicture();       // 32 x 23: a shaded triangle and a vertical bar
QIcon windowIcon();             // five vertical bars decreasing left to right

}  // namespace pictures
