#pragma once
// Labels over the skin (SkinEngine::SkinLabel installs this procedure).
#include <windows.h>

// Lets the label paint as usual, then shows the skin background through
// its pixels of the entry's key colour.
LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
