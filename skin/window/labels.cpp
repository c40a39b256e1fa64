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

// The label's own picture of client `area`, composed onto `target`:
// everything but the key colour over the skin background behind it (over
// the washed background for classes that paint over the wash).
void ComposeOverSkin(HWND label, HDC own, const RECT& area, HDC target, COLORREF key, bool overWash)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    const RECT inWindow = ClientRectInWindow(label);
    const RECT behind{inWindow.left + area.left, inWindow.top + area.top, inWindow.left + area.right,
                      inWindow.top + area.bottom};
    ScopedMemoryDC composite(overWash ? MakeFrostedDC(label) : CaptureBackground(label, behind));
    if (!composite) {
        BitBlt(target, area.left, area.top, width, height, own, area.left, area.top, SRCCOPY);
        return;
    }
    // The washed picture covers the whole client area, the plain one only `area`.
    const int x = overWash ? area.left : 0, y = overWash ? area.top : 0;
    CopyExceptKey(composite.Get(), x, y, width, height, own, area.left, area.top, key);
    BitBlt(target, area.left, area.top, width, height, composite.Get(), x, y, SRCCOPY);
}

// The surface a label paints its own picture on. Classes that paint over
// the wash draw onto the captured background; the others onto a 32-bit
// surface of their client area's size, which the key-colour copy reads
// pixel by pixel. Its DC is null when no surface could be made.
class OwnPicture {
public:
    OwnPicture(HWND label, bool overWash, const RECT& client)
        : washed_(overWash ? CaptureBackground(label, ClientRectInWindow(label)) : nullptr)
    {
        if (!overWash)
            plain_.Select(CreateArgbSurface(client.right, client.bottom));
    }
    HDC Dc() const { return washed_ ? washed_.Get() : plain_.Dc(); }

private:
    ScopedMemoryDC washed_;
    RecordDC plain_;
};

// The label paints into an off-screen copy of its client area, which goes
// onto the screen over the skin behind the update rectangle.
LRESULT PaintLabel(HWND label, WNDPROC ownProc, LPARAM lParam, COLORREF key)
{
    const bool overWash = PaintsOverWash(GetClassNameText(label));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    const RECT update = paint.rcPaint;
    if (update.right <= update.left || update.bottom <= update.top) {
        EndPaint(label, &paint);
        return 0;
    }
    RECT client{};
    GetClientRect(label, &client);
    const OwnPicture picture(label, overWash, client);
    HDC own = picture.Dc();
    LRESULT result = 0;
    if (own) {
        result = CallWindowProcA(ownProc, label, WM_PAINT, reinterpret_cast<WPARAM>(own), lParam);
        ComposeOverSkin(label, own, overWash ? client : update, dc, key, overWash);
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

// The same look, into the caller's DC (an off-screen copy of the label).
LRESULT PrintLabel(HWND label, WNDPROC ownProc, HDC target, LPARAM flags, COLORREF key)
{
    const bool overWash = PaintsOverWash(GetClassNameText(label));
    RECT client{};
    GetClientRect(label, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return 0;
    const OwnPicture picture(label, overWash, client);
    HDC own = picture.Dc();
    if (!own)
        return 0;
    const LRESULT result = CallWindowProcA(ownProc, label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own), flags);
    ComposeOverSkin(label, own, client, target, key, overWash);
    return result;
}

} // namespace

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto ownProc = reinterpret_cast<WNDPROC>(GetPropA(label, "Kj_hProc"));
    const auto passOn = [&] { return CallProcOrDefault(ownProc, label, message, wParam, lParam); };
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
    case WM_PRINTCLIENT:
        if (!state.skinControls || !wParam)
            return passOn();
        return PrintLabel(label, ownProc, reinterpret_cast<HDC>(wParam), lParam, entry->keyColour);
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
