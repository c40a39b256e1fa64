// Skinning of trackbars.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinTrackbars(int, HWND) {}
