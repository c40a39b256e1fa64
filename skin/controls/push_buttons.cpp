// Skinning of push buttons.
#include "control_setup.h"

// Not taken over yet: registers nothing.
void SkinPushButtons(int, HWND) {}

// Owner-drawn skinned buttons are not painted yet.
void PaintOwnerDrawnButton(int, int, const DRAWITEMSTRUCT&) {}
