// Labels over the skin: the label paints as it always does, and every
// pixel of its key colour (its background colour) is replaced by the skin
// background behind it.
#include "labels.h"

#include <string>

#include "frames.h"
#include "skin_engine.h"

namespace {

// Classes that paint into the DC handed to them in WM_PAINT's wParam and
// are shown over the washed background.
bool PaintsOverWash(const std::string& className)
{
    static const char* const kClasses[] = {"SysMonthCal32",      "SysTabControl32", "ToolbarWindow32",
                                           "msctls_statusbar32", "Button",          "msctls_trackbar32"};
    for (const char* name : kClasses) {
        if (className == name)
            return true;
    }
    return false;
}

// The control paints into the captured background; everything but its
// key colour goes onto the washed background.
LRESULT PaintOverWash(HWND label, WNDPROC ownProc, LPARAM lParam, COLORREF key)
{
    const RECT area = ClientRectInWindow(label);
    const int width = area.right - area.left, height = area.bottom - area.top;
    ScopedMemoryDC painted(CaptureBackground(label, area));
    if (!painted)
        return CallWindowProcA(ownProc, label, WM_PAINT, 0, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    const LRESULT result =
        CallWindowProcA(ownProc, label, WM_PAINT, reinterpret_cast<WPARAM>(painted.Get()), lParam);
    ScopedMemoryDC frosted(MakeFrostedDC(label));
    if (frosted) {
        TransparentBlt(frosted.Get(), 0, 0, width, height, painted.Get(), 0, 0, width, height, key);
        BitBlt(dc, 0, 0, width, height, frosted.Get(), 0, 0, SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, width, height, painted.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(label, &paint);
    return result;
}

// The label paints into an off-screen copy of its client area; its pixels
// except the key colour go onto the skin background behind the update
// rectangle, and that composite onto the screen.
LRESULT PaintThroughKey(HWND label, WNDPROC ownProc, LPARAM lParam, COLORREF key)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    const RECT update = paint.rcPaint;
    const int width = update.right - update.left, height = update.bottom - update.top;
    if (width <= 0 || height <= 0) {
        EndPaint(label, &paint);
        return 0;
    }
    RECT client{};
    GetClientRect(label, &client);
    RecordDC own;
    own.Select(CreateCompatibleBitmap(dc, client.right, client.bottom));
    const LRESULT result = CallWindowProcA(ownProc, label, WM_PAINT, reinterpret_cast<WPARAM>(own.Dc()), lParam);

    const RECT inWindow = ClientRectInWindow(label);
    const RECT behind{inWindow.left + update.left, inWindow.top + update.top, inWindow.left + update.right,
                      inWindow.top + update.bottom};
    ScopedMemoryDC composite(CaptureBackground(label, behind));
    if (composite) {
        TransparentBlt(composite.Get(), 0, 0, width, height, own.Dc(), update.left, update.top, width, height, key);
        BitBlt(dc, update.left, update.top, width, height, composite.Get(), 0, 0, SRCCOPY);
    } else {
        BitBlt(dc, update.left, update.top, width, height, own.Dc(), update.left, update.top, SRCCOPY);
    }
    EndPaint(label, &paint);

    // Children paint over the new pixels.
    for (HWND child = FindWindowExA(label, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(label, child, nullptr, nullptr)) {
        if (IsWindowVisible(child))
            InvalidateRect(child, nullptr, TRUE);
    }
    return result;
}

LRESULT PaintLabel(HWND label, WNDPROC ownProc, LPARAM lParam, COLORREF key)
{
    if (PaintsOverWash(GetClassNameText(label)))
        return PaintOverWash(label, ownProc, lParam, key);
    return PaintThroughKey(label, ownProc, lParam, key);
}

} // namespace

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto ownProc = reinterpret_cast<WNDPROC>(GetPropA(label, "Kj_hProc"));
    const auto passOn = [&]() -> LRESULT {
        return ownProc ? CallWindowProcA(ownProc, label, message, wParam, lParam)
                       : DefWindowProcA(label, message, wParam, lParam);
    };
    WindowRecord* record = RecordAt(IndexProperty(label, "Kj_FuID"));
    const LabelEntry* entry = record ? record->labels.At(IndexProperty(label, "Kj_lbID")) : nullptr;
    if (!ownProc || !entry || entry->window != label)
        return passOn();
    const SkinModuleState& state = SkinModule();

    switch (message) {
    case WM_MOVE:
        if (state.translucentControls)
            InvalidateRect(label, nullptr, FALSE);
        return passOn();
    case WM_ERASEBKGND:
        if (!state.translucentControls)
            return passOn();
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT:
        if (!state.skinControls)
            return passOn();
        return PaintLabel(label, ownProc, lParam, entry->keyColour);
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (GetClassNameText(label) == "RichEdit20A")
            InvalidateRect(label, nullptr, FALSE);
        return passOn();
    case WM_SETTEXT:
    case WM_ENABLE: {
        // A static control may draw its new state at once on its own DC,
        // past WM_PAINT: paint it again through the key colour.
        const LRESULT result = passOn();
        if (state.skinControls && IsWindowVisible(label))
            RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
    }
    default:
        return passOn();
    }
}

void SkinEngine::SkinLabel(HWND label, std::optional<COLORREF> keyColour, std::optional<COLORREF> tintColour,
                           std::optional<int> tintAlpha)
{
    if (!IsWindow(label))
        return;
    const int recordIndex = FindAncestorRecord(label);
    WindowRecord* record = RecordAt(recordIndex);
    // A window outside every skinned window, or one taken already, is left alone.
    if (!record || record->labels.Find(label) > 0)
        return;
    const int index = record->labels.Append();
    LabelEntry& entry = *record->labels.At(index);
    entry.window = label;
    entry.keyColour = keyColour.value_or(GetSysColor(COLOR_BTNFACE));
    entry.oldProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelProc)));
    SetIndexProperty(label, "Kj_lbID", index);
    SetIndexProperty(label, "Kj_FuID", recordIndex);
    SetPropA(label, "Kj_hProc", reinterpret_cast<HANDLE>(entry.oldProc));

    // Its children are skinned through a frame that leaves the label's own
    // painting to the label procedure.
    if (FindWindowExA(label, nullptr, nullptr, nullptr))
        SkinFrame(label, false, tintColour.value_or(0), tintAlpha.value_or(0));
}
