#pragma once
// Frames: child windows holding controls of their own.
#include <windows.h>

#include "skin_primitives.h"

// The procedure installed on frames.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);


