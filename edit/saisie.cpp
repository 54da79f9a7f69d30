// Amplitude and phase entry: the text boxes are the only way into the
// harmonic state.

#include "app/form1.h"

void Form1::relier_saisie() {}
