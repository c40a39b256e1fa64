// Skinning of list-like controls.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinListControls(int, HWND) {}
