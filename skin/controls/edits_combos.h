#pragma once
// Edit controls and combo boxes. An edit keeps drawing its own text; the
// skin replaces its border by a white (or washed) ring with a thin line
// that turns to the accent colour on hover and focus. A combo box is
// painted whole by the skin: face, frame, a rounded drop button with an
// arrow and, for drop-down lists, the selected text.
#include <windows.h>

#include <optional>

class Graphics;

// Class codes of edits and combo boxes in the hover bookkeeping
// (hotControlClass).
inline constexpr int kEditHoverClass = 1;
inline constexpr int kComboHoverClass = 3;

// 1-based index of `edit` in the record's edit list, 0 when absent.
int FindEditRecord(int recordIndex, HWND edit);

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the skin frame over the edit's border; an omitted state comes
// from the edit's record (the hot state defaults to not hot). Does
// nothing for an edit that is not registered.
void PaintEditFrame(HWND edit, std::optional<bool> focused = {}, std::optional<bool> hot = {});
// Draws the frame's line around the whole edit onto `graphics` (a picture
// of the edit's window area); nothing when the edit is under no skinned
// window.
void DrawEditBorder(HWND edit, bool focused, bool hot, Graphics& graphics);

// Paints combo box `comboIndex` of the record now, leaving its child
// windows as they painted themselves; an omitted focus comes from the
// combo's record.
void PaintComboBox(int recordIndex, int comboIndex, bool hot, std::optional<bool> focused = {});
