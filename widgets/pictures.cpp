#include "widgets/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <optional>

namespace pictures {
namespace {

// Everything is drawn once into an image, turned into a pixmap, and kept
// until the application object goes away (a pixmap must not outlive the
// application's graphics system; a later application gets fresh ones).
template <typename T, T (*Make)()>
T cached()
{
    static std::optional<T> value;
    if (!value) {
        value = Make();
        qAddPostRoutine([] { value.reset(); });
    }
    return *value;
}

QImage blank(int w, int h, qreal ratio = 1)
{
    QImage img(qRound(w * ratio), qRound(h * ratio), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);  // a painter on it draws in w x h units
    img.fill(Qt::transparent);
    return img;
}

// The pointers are drawn at the screens' device pixel ratio (2 on a screen
// scaled 200 %), so that they keep their size and stay sharp.
qreal pointerRatio()
{
    return qApp ? std::max<qreal>(1, qApp->devicePixelRatio()) : 1;
}

// A pointer from its picture and the pixel of its tip, in logical pixels.
// The hot spot is given in the picture's own pixels: at a ratio of 2 the tip
// pixel is the 2 x 2 block at twice its place.
QCursor pointer(const QImage& img, QPoint tip)
{
    const qreal ratio = img.devicePixelRatio();
    return QCursor(QPixmap::fromImage(img), qFloor(tip.x() * ratio), qFloor(tip.y() * ratio));
}

// --- pencil -----------------------------------------------------------------

const QPoint kPencilTip(1, 30);

QCursor makePencil()
{
    QImage img = blank(32, 32, pointerRatio());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn lying along +x with the tip at the origin, then turned 45 degrees
    // so that it points to the bottom-left corner.
    p.translate(kPencilTip.x() + 0.5, kPencilTip.y() + 0.5);  // the tip pixel's centre
    p.rotate(-45);
    const double half = 4.5;  // half the thickness
    const double cone = 10;   // length of the sharpened part
    const double body = 31;   // end of the painted body
    const double end = 37;    // end of the eraser
    const QPen outline(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Eraser and painted body.
    p.setPen(outline);
    p.setBrush(QColor(235, 130, 150));
    p.drawRect(QRectF(body, -half, end - body, 2 * half));
    QLinearGradient paint(0, -half, 0, half);
    paint.setColorAt(0, QColor(255, 236, 120));
    paint.setColorAt(0.5, QColor(250, 205, 30));
    paint.setColorAt(1, QColor(205, 150, 0));
    p.setBrush(paint);
    p.drawRect(QRectF(cone, -half, body - cone, 2 * half));
    // Bare wood, then the lead.
    p.setBrush(QColor(240, 200, 150));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(cone, -half), QPointF(cone, half)}));
    p.setBrush(Qt::black);
    const double lead = cone * 0.35;
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(lead, -half * 0.35), QPointF(lead, half * 0.35)}));
    p.end();
    return pointer(img, kPencilTip);
}

// --- arrowheads -------------------------------------------------------------

const double kArrowPen = 1.5;
// The point of the outline, not the geometric point, falls in the tip pixel.
const double kTipInset = kArrowPen / 2 + 0.05;

// A red arrowhead whose tip is at pixel `tip`. `along` maps a distance back
// from the tip and a distance across the arrow to pixel coordinates.
template <typename Along>
QCursor makeArrow(QPoint tip, Along along)
{
    QImage img = blank(32, 32, pointerRatio());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF head({along(0, 0), along(20, -10), along(14, 0), along(20, 10)});
    p.setPen(QPen(QColor(50, 0, 0), kArrowPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 0, 0));
    p.drawPolygon(head);
    p.end();
    return pointer(img, tip);
}

QCursor makeArrowLeft()
{
    const QPoint tip(2, 15);
    return makeArrow(tip, [tip](double back, double across) {
        return QPointF(tip.x() + kTipInset + back, tip.y() + 0.5 + across);
    });
}

QCursor makeArrowUp()
{
    const QPoint tip(15, 2);
    return makeArrow(tip, [tip](double back, double across) {
        return QPointF(tip.x() + 0.5 + across, tip.y() + kTipInset + back);
    });
}

// --- buttons pictures -------------------------------------------------------

// A triangle pointing right, shaded from a light top-left to a dark bottom.
void drawPlayTriangle(QPainter& p, double left, double top, double bottom)
{
    const double width = (bottom - top) * 0.85;
    const QPolygonF tri({QPointF(left, top), QPointF(left + width, (top + bottom) / 2),
                         QPointF(left, bottom)});
    QLinearGradient shade(left, top, left + width * 0.6, bottom);
    shade.setColorAt(0, QColor(120, 200, 120));
    shade.setColorAt(1, QColor(0, 90, 0));
    p.setPen(QPen(QColor(0, 50, 0), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(shade);
    p.drawPolygon(tri);
}

QPixmap makePlay()
{
    QImage img = blank(24, 23);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlayTriangle(p, 5.5, 2.5, 20.5);
    p.end();
    return QPixmap::fromImage(img);
}

QPixmap makeGoToEnd()
{
    QImage img = blank(32, 23);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlayTriangle(p, 5.5, 2.5, 20.5);
    const QRectF bar(22.5, 2.5, 4, 18);
    QLinearGradient shade(bar.topLeft(), bar.bottomRight());
    shade.setColorAt(0, QColor(120, 200, 120));
    shade.setColorAt(1, QColor(0, 90, 0));
    p.setPen(QPen(QColor(0, 50, 0), 1));
    p.setBrush(shade);
    p.drawRect(bar);
    p.end();
    return QPixmap::fromImage(img);
}

}  // namespace

// --- window icon ------------------------------------------------------------

// Drawn on a 16 x 16 grid scaled by whole pixels, so that every size stays
// crisp: a baseline and five bars, two cells wide, one cell apart.
QImage spectrum(int size)
{
    const int u = size / 16;
    QImage img = blank(size, size);
    QPainter p(&img);
    const int heights[5] = {13, 10, 7, 5, 3};
    const QColor fill(30, 90, 220), edge(10, 30, 110);
    for (int i = 0; i < 5; ++i) {
        const int x = 1 + 3 * i;
        const QRect bar(x * u, (14 - heights[i]) * u, 2 * u, heights[i] * u);
        p.fillRect(bar, edge);
        if (u > 1)
            p.fillRect(bar.adjusted(u / 2, u / 2, -(u / 2), 0), fill);
    }
    p.fillRect(QRect(0, 14 * u, 16 * u, u), QColor(40, 40, 40));
    p.end();
    return img;
}

namespace {

QIcon makeIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(spectrum(size)));
    return icon;
}

}  // namespace

QCursor pencilCursor() { return cached<QCursor, makePencil>(); }
QCursor arrowLeftCursor() { return cached<QCursor, makeArrowLeft>(); }
QCursor arrowUpCursor() { return cached<QCursor, makeArrowUp>(); }
QPixmap playPicture() { return cached<QPixmap, makePlay>(); }
QPixmap goToEndPicture() { return cached<QPixmap, makeGoToEnd>(); }
QIcon windowIcon() { return cached<QIcon, makeIcon>(); }

}  // namespace pictures
