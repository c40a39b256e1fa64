// Skinning of push buttons, and the subclass procedure, repaint and
// hover bookkeeping that every skinned button kind shares.
#include <string>

#include "button_painters.h"
#include "buttons.h"
#include "control_setup.h"
#include "frames.h"
#include "graphics.h"
#include "painted_controls.h"
#include "skin_module.h"
#include "skin_primitives.h"
#include "text.h"

namespace {

constexpr LONG_PTR kOwnerDrawBits = BS_OWNERDRAW; // 0xB

// The painter of check boxes and radio buttons, which take their own DC.
using SelfPainter = void (*)(HWND, UINT, HDC, const ButtonRecord*);
SelfPainter SelfPainterOf(int kind)
{
    switch (kind) {
    case kButtonCheck:
        return &PaintCheckBox;
    case kButtonRadio:
        return &PaintRadioButton;
    default:
        return nullptr;
    }
}

// The painter of the owner-drawn kinds, which draw into a given DC.
using FacePainter = void (*)(HWND, HDC, UINT, const RECT&);
FacePainter FacePainterOf(int kind)
{
    switch (kind) {
    case kButtonDrawn:
        return &PaintDrawnButton;
    case kButtonIcon:
        return &PaintIconButton;
    case kButtonPicture:
        return &PaintImageButton;
    default:
        return nullptr;
    }
}

void OnMouseMove(HWND button, const ButtonRecord& record, WindowRecord& owner, int index)
{
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
    owner.controlUnderMouse = index;
    if (owner.hotControlIndex != owner.controlUnderMouse || owner.hotControlClass != kHotClassButton) {
        RepaintButton(button, 0, true, nullptr, &record);
        owner.hotControlIndex = owner.controlUnderMouse;
        owner.hotControlClass = kHotClassButton;
    }
}

// A click, a space key or a new check state: the control changes its
// check first, then the new state is painted at once.
bool ChangesCheck(UINT message, WPARAM wParam)
{
    return message == WM_LBUTTONDOWN || message == BM_SETCHECK || (message == WM_KEYDOWN && wParam == VK_SPACE);
}

} // namespace

ControlFont ReadControlFont(HWND control)
{
    ControlFont result;
    auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    ScopedWindowDC dc(control, GetDC(control));
    if (!dc)
        return result;
    Font font;
    if (!font.CreateFromHFONT(dc.Get(), handle))
        return result;
    FontFamily family;
    if (font.GetFamily(family))
        result.name = family.GetFamilyName();
    result.size = static_cast<int>(font.GetSize());
    result.style = font.GetStyle();
    return result;
}

void SetCaptionFont(ButtonRecord& entry, HWND button)
{
    ControlFont font = ReadControlFont(button);
    entry.fontName = font.name.empty() ? "宋体" : font.name;
    entry.fontSize = font.size == 0 ? 12 : font.size;
    entry.fontStyle = font.style;
}

int FindButtonRecord(int recordIndex, HWND button)
{
    const WindowRecord* record = RecordAt(recordIndex);
    return record ? record->buttons.Find(button) : 0;
}

ButtonRecord* ButtonRecordOf(HWND button, WindowRecord** owner, int* index)
{
    WindowRecord* record = RecordAt(IndexProperty(button, "Hw_FuID"));
    const int buttonIndex = IndexProperty(button, "Hw_lbID");
    ButtonRecord* entry = record ? record->buttons.At(buttonIndex) : nullptr;
    if (!entry || entry->window != button)
        return nullptr;
    if (owner)
        *owner = record;
    if (index)
        *index = buttonIndex;
    return entry;
}

ButtonRecord* RegisterSkinnedButton(int recordIndex, HWND button, int kind)
{
    WindowRecord* record = RecordAt(recordIndex);
    const int index = record ? TakeOverControl(record->buttons, recordIndex, button, &ButtonProc) : 0;
    if (index == 0)
        return nullptr;
    ButtonRecord& entry = *record->buttons.At(index);
    entry.kind = kind;
    entry.text = GetWindowTextString(button);
    return &entry;
}

bool IsPlainPushButtonStyle(LONG_PTR style)
{
    return (style | 2) != style && (style | 9) != style && (style | 4) != style;
}

bool IsPlainPushButton(HWND button) { return IsPlainPushButtonStyle(GetWindowLongPtrA(button, GWL_STYLE)); }

void SkinPushButtons(int recordIndex, HWND window)
{
    if (!SkinModule().skinControls || !RecordAt(recordIndex))
        return;
    for (HWND button = FindWindowExA(window, nullptr, "BUTTON", nullptr); button;
         button = FindWindowExA(window, button, "BUTTON", nullptr)) {
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        if ((style & kOwnerDrawBits) == kOwnerDrawBits || !IsPlainPushButtonStyle(style) ||
            FindButtonRecord(recordIndex, button) != 0)
            continue;
        ButtonRecord* entry = RegisterSkinnedButton(recordIndex, button, kButtonDrawn);
        if (!entry)
            continue;
        // From now on the parent receives WM_DRAWITEM for the button.
        SetWindowLongPtrA(button, GWL_STYLE, style | kOwnerDrawBits);
        SetCaptionFont(*entry, button);
    }
}

bool RepaintButton(HWND button, UINT state, bool hot, HDC target, const ButtonRecord* record)
{
    if (!record)
        record = ButtonRecordOf(button);
    if (!record)
        return false;
    if (hot)
        state |= ODS_HOTLIGHT;
    if (SelfPainter paint = SelfPainterOf(record->kind)) {
        paint(button, state, target, record);
        return true;
    }
    FacePainter paint = FacePainterOf(record->kind);
    if (!paint)
        return false;
    RECT client{};
    GetClientRect(button, &client);
    if (target) {
        paint(button, target, state, client);
    } else if (ScopedWindowDC dc{button, GetDC(button)}) {
        paint(button, dc.Get(), state, client);
    }
    return true;
}

void PaintOwnerDrawnButton(int recordIndex, int buttonIndex, const DRAWITEMSTRUCT& item)
{
    const WindowRecord* record = RecordAt(recordIndex);
    const ButtonRecord* button = record ? record->buttons.At(buttonIndex) : nullptr;
    if (!button)
        return;
    if (FacePainter paint = FacePainterOf(button->kind))
        paint(item.hwndItem, item.hDC, item.itemState, item.rcItem);
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* owner = nullptr;
    int index = 0;
    ButtonRecord* record = ButtonRecordOf(button, &owner, &index);
    if (!record)
        return CallReplacedProc(button, message, wParam, lParam);

    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(button, *record, *owner, index);
        break;
    case WM_MOUSELEAVE:
        owner->hotControlIndex = 0;
        RepaintButton(button, record->focused == 1 ? ODS_FOCUS : 0, false, nullptr, record);
        break;
    case WM_LBUTTONDOWN:
    case BM_SETCHECK:
    case WM_KEYDOWN: {
        SelfPainter paint = SelfPainterOf(record->kind);
        if (!paint || !ChangesCheck(message, wParam))
            break;
        const UINT state = record->kind == kButtonRadio ? ODS_SELECTED : 0;
        const LRESULT result = CallReplacedProc(button, message, wParam, lParam);
        // The control's own handling may have run the owner's code: the
        // painter finds the record again.
        paint(button, state, nullptr, nullptr);
        return result;
    }
    case WM_LBUTTONUP:
        // Windows redraws the released button; the next mouse move paints
        // it hot again.
        owner->hotControlIndex = 0;
        break;
    case WM_LBUTTONDBLCLK:
        // A double click acts as one click.
        return 0;
    case WM_PAINT: {
        SelfPainter paint = SelfPainterOf(record->kind);
        if (!paint)
            break;
        PAINTSTRUCT ps;
        if (BeginPaint(button, &ps)) {
            paint(button, 0, nullptr, record);
            EndPaint(button, &ps);
        }
        return 0;
    }
    case WM_PRINTCLIENT: {
        // The same look, into the caller's DC (an off-screen copy): the
        // resting state, with focus and disabling as they are now.
        const UINT state = (record->focused == 1 ? ODS_FOCUS : 0) | (IsWindowEnabled(button) ? 0 : ODS_DISABLED);
        if (wParam && RepaintButton(button, state, false, reinterpret_cast<HDC>(wParam), record))
            return 0;
        break;
    }
    case WM_ERASEBKGND: {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(
            SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(button, "Kj_Ztys")))));
    }
    case WM_NCPAINT:
        return 1;
    case WM_MOVE:
        InvalidateRect(button, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
        record->focused = 1;
        break;
    case WM_KILLFOCUS:
        record->focused = 0;
        break;
    case WM_SETTEXT:
        record->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        break;
    default:
        break;
    }
    return CallReplacedProc(button, message, wParam, lParam);
}
