// Skinning of progress bars.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinProgressBars(int, HWND) {}
