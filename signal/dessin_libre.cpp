// Freehand drawing of one period on the waveform surface.

#include "app/form1.h"

void Form1::relier_dessin_libre() {}
