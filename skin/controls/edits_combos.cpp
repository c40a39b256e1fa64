// Skinning of edit and combo boxes.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinEditsAndCombos(int, HWND) {}
