#pragma once
// Up-down controls (spin buttons): painted whole by the skin, a white
// translucent body split into two rounded buttons with an arrow each; the
// half under the mouse is lit in the accent colour and inverted while
// pressed. The control keeps its own behaviour.
#include <windows.h>

#include <optional>

// The hover class code of up-down controls in hotControlClass.
inline constexpr int kUpDownHoverClass = 8;

// The subclass procedure of skinned up-down controls.
LRESULT CALLBACK UpDownProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Which half of entry `controlIndex` of the record's upDowns lies under
// `mousePos` (a mouse message's lParam): 0 the first (up or left), 1 the
// second (down or right, beyond half the size). 0 without an entry.
int UpDownHalfAt(int recordIndex, int controlIndex, LPARAM mousePos);

// Paints the control now; an omitted state comes from its entry.
void PaintUpDown(int recordIndex, int controlIndex, std::optional<bool> hot = {}, std::optional<bool> pressed = {},
                 std::optional<LPARAM> mousePos = {});
