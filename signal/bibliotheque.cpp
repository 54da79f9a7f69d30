// The signal library and the import entry of the signal list.

#include "app/form1.h"

void Form1::relier_signaux() {}
