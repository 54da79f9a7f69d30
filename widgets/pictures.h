#pragma once
// The program's own pointers and pictures, all drawn in code.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pictures {

// The pointers are 32 x 32 device-independent pixels, drawn at the device
// pixel ratio of the screens (64 x 64 pixels at a ratio of 2).
QCursor pencilCursor();         // 32 x 32, hot spot at the pencil's tip
QCursor arrowLeftCursor();      // red arrowhead pointing left, hot spot at its tip
QCursor arrowUpCursor();        // red arrowhead pointing up, hot spot at its tip
QPixmap playPicture();          // 24 x 23: a shaded triangle pointing right
QPixmap goToEndPicture();       // 32 x 23: a shaded triangle and a vertical bar
QIcon windowIcon();             // five vertical bars decreasing left to right
// The window icon's picture at `size` x `size` pixels (a multiple of 16); also
// written out as the installed icons (packaging/icones.cpp). Needs no application.
QImage spectrum(int size);

}  // namespace pictures
