// Scales and axes of the two plots; the vertical zoom bar.

#include "app/form1.h"
#include "widgets/surface.h"

#include <QScrollBar>

namespace {
const QColor jaune(255, 255, 0);
const QColor noir(0, 0, 0);
}  // namespace

// Rebuilds the persistent layer of the phasor diagram: a yellow cross of
// half-length 1 around the origin. Everything else on it is erased.
void Form1::dessiner_axes_picture1()
{
    Picture1->setAutoRedraw(true);
    Picture1->cls();
    Picture1->setForeColor(jaune);
    Picture1->line(0, 1, 0, -1);
    Picture1->line(1, 0, -1, 0);
    Picture1->setForeColor(noir);
    Picture1->setAutoRedraw(false);
}

void Form1::init()
{
    const double v = VScroll1->value();
    Picture1->setScaleTop(static_cast<float>(v + 0.1));
    Picture1->setScaleLeft(static_cast<float>(-(v + 0.1)));
    Picture1->setScaleWidth(static_cast<float>(v + v + 0.2));
    Picture1->setScaleHeight(static_cast<float>(-(v + v + 0.2)));
    dessiner_axes_picture1();

    Picture2->setScaleTop(static_cast<float>(v + 0.1));
    Picture2->setScaleLeft(-0.1f);
    Picture2->setScaleWidth(6.483185308f);
    Picture2->setScaleHeight(static_cast<float>(-(v + v + 0.2)));
    Picture2->setAutoRedraw(true);
    Picture2->cls();
    Picture2->setForeColor(jaune);
    Picture2->line(0, 1, 0, -1);
    Picture2->line(0, 0, deux_pi, 0);
    Picture2->setForeColor(noir);
    Picture2->setAutoRedraw(false);
}

void Form1::VScroll1_Change()
{
    init();
    tracerut();
    tracer_periode();
}

void Form1::VScroll1_Scroll()
{
    init();
    tracerut();
}
