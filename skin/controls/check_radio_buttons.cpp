// Skinning of check boxes and radio buttons.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinCheckAndRadioButtons(int, HWND) {}
