// Dragging the amplitude and phase strips.

#include "app/form1.h"

void Form1::relier_glissement() {}
