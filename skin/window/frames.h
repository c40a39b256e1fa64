#pragma once
// Frames: child windows holding controls of their own.
#include <windows.h>

#include <utility>
#include <vector>

#include "skin_primitives.h"

// The procedure installed on frames.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Stretches each docked pane (window, top) across `holder`'s client area,
// 2 pixels in from either side, from its top down to `bottomMargin`
// pixels above the client bottom. Entries without a window are skipped.
void StretchDockedPanes(HWND holder, const std::vector<std::pair<HWND, int>>& panes, int bottomMargin);
