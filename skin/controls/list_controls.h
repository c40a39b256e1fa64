#pragma once
// List-like controls (list boxes, the list of simple combo boxes, list
// views, tree views, IP-address controls, date-time pickers): their skin
// frame, and the border and scroll-bar geometry the edit controls share.
#include <windows.h>

#include <optional>

#include "gdi_handles.h"

// The hover class code of list-like controls in hotControlClass.
inline constexpr int kListHoverClass = 4;

// The subclass procedure of all six classes.
LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the skin frame of entry `controlIndex` of the record's
// listControls over the control's non-client area; an omitted state
// comes from the entry.
void PaintListFrame(int recordIndex, int controlIndex, std::optional<bool> hot = {},
                    std::optional<bool> focused = {});

// Client area plus scroll bars, in window coordinates, centred in the
// window rectangle (the border is taken as equal on both sides).
RECT InnerRectInWindow(HWND control);

// Whether the control's style gives it a border that the skin replaces.
bool HasFrame(HWND control);
bool HasScrollBars(HWND control);

// The control's scroll bars (with the corner square between them) in
// screen coordinates; null when it has none.
UniqueRegion ScrollBarRegion(HWND control);
