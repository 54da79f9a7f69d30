// The hint line, the reset button and the about box.

#include "app/form1.h"

void Form1::relier_indications() {}
