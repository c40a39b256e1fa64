// Skinning of up-down controls.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinUpDowns(int, HWND) {}
