#pragma once
// Skinned progress bars: a rounded trough over the skin background and a
// rounded fill in the accent colour whose length follows the position.
#include <windows.h>

#include <optional>

// The subclass procedure of every skinned progress bar.
LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// Paints entry `barIndex` of the record's progressBars whole, into `dc`
// (its origin at the window's top-left corner) or, when none is given,
// through the bar's window DC.
void PaintProgressBar(int recordIndex, int barIndex, std::optional<HDC> dc = {});
