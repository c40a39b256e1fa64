// Taking over frames: child windows that hold controls of their own.
#include "frames.h"

#include "control_setup.h"
#include "skin_engine.h"

namespace {

// The nearest ancestor marked as a holder of its own painted background.
HWND NearestHolder(HWND frame)
{
    for (HWND parent = GetParent(frame); parent; parent = GetParent(parent)) {
        if (IndexProperty(parent, "Wxk_Zpf") == 1)
            return parent;
    }
    return nullptr;
}

bool IsGroupBox(HWND window)
{
    return GetClassNameText(window) == "Button" &&
           (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

} // namespace

// The frame's own painting is not taken over yet: every message goes to
// the procedure the frame had before.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(frame, "Hw_hProc"));
    return previous ? CallWindowProcA(previous, frame, message, wParam, lParam)
                    : DefWindowProcA(frame, message, wParam, lParam);
}

void SkinEngine::SkinFrame(HWND frame, std::optional<bool> tintChildren, std::optional<COLORREF> tintColour,
                           std::optional<int> tintAlpha, std::optional<bool> drawBorder)
{
    if (!IsWindow(frame))
        return;
    const int recordIndex = FindAncestorRecord(frame);
    WindowRecord* record = RecordAt(recordIndex);
    if (!record || record->frames.Find(frame) > 0)
        return;

    const int index = record->frames.Append();
    {
        FrameEntry& entry = *record->frames.At(index);
        entry = FrameEntry{};
        entry.window = frame;
        entry.tintColour = tintColour.value_or(0);
        entry.tintAlpha = tintAlpha.value_or(255) & 0xFF;
        entry.drawBorder = drawBorder.value_or(false);
        entry.tintChildren = tintChildren.value_or(true);
        // The caption font is read when group boxes are painted.
        entry.rounded = IsGroupBox(frame);
    }

    SkinPushButtons(recordIndex, frame);
    SkinCheckAndRadioButtons(recordIndex, frame);
    SkinEditsAndCombos(recordIndex, frame);
    SkinTrackbars(recordIndex, frame);
    SkinProgressBars(recordIndex, frame);
    SkinListControls(recordIndex, frame);
    SkinUpDowns(recordIndex, frame);
    SkinHeaders(recordIndex, frame);

    FrameEntry& entry = *RecordAt(recordIndex)->frames.At(index);
    entry.needsRepaint = true;
    entry.oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
    SetPropA(frame, "Hw_hProc", reinterpret_cast<HANDLE>(entry.oldProc));
    SetIndexProperty(frame, "Hw_lbID", index);
    SetIndexProperty(frame, "Hw_FuID", recordIndex);
    SetPropA(frame, "Mb_zpf", NearestHolder(frame));
}
