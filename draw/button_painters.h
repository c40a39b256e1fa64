#pragma once
// The faces of owner-drawn skinned buttons, one painter per button kind.
//
// A painter finds the button's record through its "Hw_FuID" and "Hw_lbID"
// properties, draws over a copy of the skin background behind the button
// and copies the result to `dc` at (0, 0). `dc` stays with the caller;
// `rect` is the item rectangle or the button's client rectangle. State
// bits are the owner-draw ones (ODS_SELECTED, ODS_DISABLED, ODS_FOCUS)
// plus ODS_HOTLIGHT, which the skin sets itself.
#include <windows.h>


// Kind Drawn: a rounded translucent face with gloss and caption.
void PaintDrawnButton(HWND button, HDC dc, UINT state, const RECT& rect);
// Kind Icon: translucent overlays, the icon picture and a caption.
void PaintIconButton(HWND button, HDC dc, UINT state, const RECT& rect);
// Kind Picture: one picture per state, with drawn fall-backs.
void PaintImageButton(HWND button, HDC dc, UINT state, const RECT& rect);
