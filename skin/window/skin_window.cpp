// Taking over a top-level window.
#include "skin_engine.h"

#include "control_setup.h"
#include "frames.h"
#include "record_builder.h"
#include "skin_primitives.h"

void SkinEngine::SkinWindow(HWND window, const SkinWindowOptions& options)
{
    if (!IsWindow(window) || FindWindowRecord(window) > 0)
        return;
    frameBorder = 3;
    std::unique_ptr<WindowRecord> record = NewWindowRecord(window, options, frameBorder);
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);
    const int index = RegisterWindowRecord(*this, std::move(record), options);

    SkinPushButtons(index, window);
    SkinCheckAndRadioButtons(index, window);
    SkinEditsAndCombos(index, window);
    SkinTrackbars(index, window);
    SkinProgressBars(index, window);
    SkinListControls(index, window);
    SkinUpDowns(index, window);
    SkinHeaders(index, window);

    WindowRecord& entry = *RecordAt(index);
    entry.skinned = true;
    entry.needsRender = true;
    // Installed last: no message reaches the engine before the record,
    // its caption buttons and its controls are complete.
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcEntry())));
    entry.previousProc = previous;
    SetPropA(window, "Hw_hProc", reinterpret_cast<HANDLE>(previous));
    SetIndexProperty(window, "Hw_lbID", index);
}

void SkinEngine::LayoutDockedPanes(int index)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    // The panes end above the status bar.
    StretchDockedPanes(record->window, record->dockedPanes, record->statusBarHeight + 3);
}
