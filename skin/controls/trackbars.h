#pragma once
// Skinned trackbars: an optional rounded box, a thin channel, a thumb that
// is a dot at rest and a circle under the mouse, an accent line up to the
// thumb and a white line for the selection range. No tick marks.
#include <windows.h>

#include <optional>

// The class code of trackbars in the hover bookkeeping (hotControlClass).
inline constexpr int kTrackbarHoverClass = 2;

// The subclass procedure of every skinned trackbar.
LRESULT CALLBACK TrackbarProc(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam);

// Paints entry `trackbarIndex` of the record's trackbars whole, into `dc`
// (its origin at the window's top-left corner) or, when none is given,
// through the trackbar's window DC.
void PaintTrackbar(int recordIndex, int trackbarIndex, std::optional<HDC> dc = {});
