#pragma once
// What a skinned window or frame does for its child controls: owner-drawn
// button painting, the backgrounds handed out on WM_CTLCOLOR..., and the
// repaints after edits, selection changes and tree expansion.
#include <windows.h>

// Answers WM_DRAWITEM, WM_CTLCOLOREDIT/STATIC/LISTBOX/BTN, WM_COMMAND and
// WM_NOTIFY of a child of a window or frame of record `recordIndex`.
// Returns true with `result` set when the message is answered; false when
// it is to go on to the window's own procedure (after any repaint done
// here).
bool AnswerChildMessage(int recordIndex, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The translucent background of a control: a pattern brush of the skin
// behind it, washed, kept in the control's "Kj_dxjb" (with its bitmap in
// "Kj_wtjb") until the next request or the control's destruction. Sets
// the "Kj_Ztys" text colour and a transparent background mode on `dc`.
HBRUSH TransparentBackground(HWND control, HDC dc);

// Deletes the GDI object a window property holds and removes it.
void DeleteObjectProperty(HWND window, const char* name);
