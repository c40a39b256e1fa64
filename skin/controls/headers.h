#pragma once
// Header controls, in a skinned window and inside its list views: painted
// item by item over the skin background, with the item under the mouse
// lit and the pressed item inverted; the header's own behaviour stays.
// Also the text measure that other caption painters share.
#include <windows.h>

#include <string>

// The hover class code of headers in hotControlClass.
inline constexpr int kHeaderHoverClass = 9;

// The subclass procedure of skinned headers.
LRESULT CALLBACK HeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);

// 1-based item of entry `headerIndex` of the record's headers whose
// rectangle holds the x of `mousePos` (a mouse message's lParam) with 5
// pixels to spare on each side; 0 near a divider, past the last item or
// without an entry.
int HeaderItemAt(int recordIndex, int headerIndex, LPARAM mousePos);

// Paints every item of the header now.
void PaintHeader(int recordIndex, int headerIndex);

// Width in whole pixels (the measured width rounded down, plus 1) of
// `text` in the font of that family, pixel size and GDI+ style bits.
int MeasureTextWidth(const std::string& text, const std::string& fontName, int fontSize, int fontStyle);
