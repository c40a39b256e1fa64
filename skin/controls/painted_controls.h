#pragma once
// What trackbars, progress bars and up-down controls share: controls the
// skin paints whole, client and non-client area alike, from one off-screen
// picture of their window. Their take-over, the lookup of their entry from
// a subclass procedure, the copy of the picture to a DC, and the rounded
// box trackbars and progress bars draw under their content. Headers, edits
// and combo boxes use the take-over and the lookup too.
#include <windows.h>

#include <functional>
#include <optional>

#include "skin_module.h"
#include "skin_primitives.h"

class Graphics;

// Registers `control` in `entries` (by the list-append rule) and puts
// `procedure` in front of its own procedure. A control is subclassed at
// most once: one already in the list, or one another set-up took (it has
// "Hw_hProc"), is left as it is. Returns the new entry's index, or 0.
template <typename Entry>
int TakeOverControl(SkinList<Entry>& entries, int recordIndex, HWND control, WNDPROC procedure)
{
    if (entries.Find(control) > 0 || GetPropA(control, "Hw_hProc"))
        return 0;
    const int index = entries.Append();
    Entry& entry = *entries.At(index);
    entry = Entry{};
    entry.window = control;
    SetIndexProperty(control, "Hw_lbID", index);
    SetIndexProperty(control, "Hw_FuID", recordIndex);
    entry.oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    SetPropA(control, "Hw_hProc", reinterpret_cast<HANDLE>(entry.oldProc));
    return index;
}

// Registers every direct child of `parent` of class `className` in the
// record's `list` with TakeOverControl; `describe` fills each new entry's
// fields from the control's style.
template <typename Entry, typename Describe>
void TakeOverChildren(int recordIndex, HWND parent, const char* className, SkinList<Entry> WindowRecord::*list,
                      WNDPROC procedure, Describe describe)
{
    WindowRecord* record = RecordAt(recordIndex);
    if (!SkinModule().skinControls || !record || !parent)
        return;
    SkinList<Entry>& entries = record->*list;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        if (const int index = TakeOverControl(entries, recordIndex, child, procedure))
            describe(*entries.At(index), GetWindowLongPtrA(child, GWL_STYLE));
    }
}

// A skinned control as its subclass procedure finds it through its
// "Hw_FuID" and "Hw_lbID" properties. `entry` is null unless they lead to
// an entry of this very control.
template <typename Entry>
struct SkinnedControl {
    int recordIndex = 0;
    int index = 0;
    WindowRecord* record = nullptr;
    Entry* entry = nullptr;
};

template <typename Entry>
SkinnedControl<Entry> FindSkinnedControl(HWND control, SkinList<Entry> WindowRecord::*list)
{
    SkinnedControl<Entry> found;
    found.recordIndex = IndexProperty(control, "Hw_FuID");
    found.index = IndexProperty(control, "Hw_lbID");
    found.record = RecordAt(found.recordIndex);
    Entry* entry = found.record ? (found.record->*list).At(found.index) : nullptr;
    if (entry && entry->window == control)
        found.entry = entry;
    return found;
}

// Paints the control whole: captures the skin background behind its
// window, lets `draw` draw over it (given the window size) and copies the
// picture to (0, 0) of `dc`, or to the window DC when no DC is given.
// Nothing is drawn when the control is under no skinned window.
void PaintWholeControl(HWND control, std::optional<HDC> dc, const std::function<void(Graphics&, SIZE)>& draw);

// Answers the painting messages the same way for every control painted
// whole: WM_PAINT and WM_NCPAINT paint through the window DC (the old
// procedure never paints), WM_PRINTCLIENT paints into the given DC with
// the client area at its origin, WM_ERASEBKGND erases nothing, WM_MOVE
// repaints and passes on. `paint` paints the control into a DC, or
// through its window DC when none is given. Empty for other messages.
std::optional<LRESULT> HandlePaintMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                          const std::function<void(std::optional<HDC>)>& paint);

// An outline of black at `outlineAlpha` around the whole picture and,
// inside it, a face shaded across the control from white at alpha 160 to
// black at alpha 30 (top to bottom, or left to right when `vertical`).
void DrawShadedBox(Graphics& graphics, SIZE size, bool vertical, int outlineAlpha, int faceCorner);
