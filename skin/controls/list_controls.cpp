// Skinning of list-like controls: list boxes, the list of simple combo
// boxes, list views, tree views, IP-address controls and date-time
// pickers. The skin leaves their items alone; it replaces their border by
// a frame that lights up in the accent colour on hover and focus and, with
// translucent controls, lets the background show through under a wash.
#include "list_controls.h"

#include <commctrl.h>

#include <functional>
#include <string>

#include "control_setup.h"
#include "frames.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "painted_controls.h"
#include "skin_engine.h"

namespace {

// Transparent pixels of every off-screen picture here; tree views get it
// as their background colour when translucent.
constexpr COLORREF kColourKey = RGB(255, 0, 255);

enum class ListKind { ListBox, ComboList, ListView, TreeView, IpAddress, DateTime, Other };

ListKind KindOf(HWND control)
{
    static const struct {
        const char* className;
        ListKind kind;
    } kKinds[] = {{"ListBox", ListKind::ListBox},         {"ComboLBox", ListKind::ComboList},
                  {"SysListView32", ListKind::ListView},  {"SysTreeView32", ListKind::TreeView},
                  {"SysIPAddress32", ListKind::IpAddress}, {"SysDateTimePick32", ListKind::DateTime}};
    const std::string name = GetClassNameText(control);
    for (const auto& entry : kKinds) {
        if (name == entry.className)
            return entry.kind;
    }
    return ListKind::Other;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

// Which window of a child of the pass's class is taken over, or null.
HWND TakeItself(HWND child) { return child; }

HWND SimpleComboList(HWND combo)
{
    // Only a simple combo box keeps its list as a child.
    HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    if (!list || (StyleOf(list) & LBS_OWNERDRAWFIXED))
        return nullptr;
    return list;
}

HWND UnsortedListView(HWND view) { return (StyleOf(view) & LVS_SORTASCENDING) ? nullptr : view; }

void NoTranslucentStep(HWND) {}

void ClearItemTextBackground(HWND view) { SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE)); }

void KeyTreeBackground(HWND tree) { SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kColourKey)); }

struct SetUpPass {
    const char* className;
    HWND (*target)(HWND child);
    void (*translucentStep)(HWND control);
};

constexpr SetUpPass kSetUpPasses[] = {
    {"ListBox", &TakeItself, &NoTranslucentStep},
    {"ComboBox", &SimpleComboList, &NoTranslucentStep},
    {"SysListView32", &UnsortedListView, &ClearItemTextBackground},
    {"SysTreeView32", &TakeItself, &KeyTreeBackground},
    {"SysIPAddress32", &TakeItself, &NoTranslucentStep},
    {"SysDateTimePick32", &TakeItself, &NoTranslucentStep},
};

// Width of the vertical or height of the horizontal window scroll bar.
int ScrollBarThickness(HWND control, LONG object)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (GetScrollBarInfo(control, object, &info)) {
        const RECT& bar = info.rcScrollBar;
        return object == OBJID_VSCROLL ? bar.right - bar.left : bar.bottom - bar.top;
    }
    return GetSystemMetrics(object == OBJID_VSCROLL ? SM_CXVSCROLL : SM_CYHSCROLL);
}

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

void InvalidateVisibleChildren(HWND control)
{
    for (HWND child = FindWindowExA(control, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(control, child, nullptr, nullptr)) {
        if (IsWindowVisible(child))
            InvalidateRect(child, nullptr, TRUE);
    }
}

// The tree paints over the captured background, whose key-coloured
// pixels (the tree's own background) are dropped onto the washed picture.
LRESULT PaintTranslucentTree(HWND tree, WNDPROC oldProc, WPARAM wParam, LPARAM lParam)
{
    const RECT client = ClientRectInWindow(tree);
    const int width = client.right - client.left, height = client.bottom - client.top;
    ScopedMemoryDC painted(CaptureBackground(tree, client));
    ScopedMemoryDC frosted(MakeFrostedDC(tree));
    if (!painted || !frosted)
        return CallWindowProcA(oldProc, tree, WM_PAINT, wParam, lParam);
    CallWindowProcA(oldProc, tree, WM_PAINT, reinterpret_cast<WPARAM>(painted.Get()), lParam);
    CopyExceptKey(frosted.Get(), 0, 0, width, height, painted.Get(), 0, 0, kColourKey);
    ScopedWindowDC target(tree, GetDCExcludingChildren(tree, nullptr, false));
    if (target)
        BitBlt(target.Get(), 0, 0, width, height, frosted.Get(), 0, 0, SRCCOPY);
    return DefWindowProcA(tree, WM_PAINT, wParam, lParam);
}

// List views and list boxes draw their items with a transparent text
// background straight onto the washed picture.
LRESULT PaintTranslucentList(HWND list, WNDPROC oldProc, WPARAM wParam, LPARAM lParam)
{
    {
        ScopedMemoryDC frosted(MakeFrostedDC(list));
        if (!frosted)
            return CallWindowProcA(oldProc, list, WM_PAINT, wParam, lParam);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(list, &paint);
        CallWindowProcA(oldProc, list, WM_PAINT, reinterpret_cast<WPARAM>(frosted.Get()), lParam);
        RECT client{};
        GetClientRect(list, &client);
        BitBlt(dc, 0, 0, client.right, client.bottom, frosted.Get(), 0, 0, SRCCOPY);
        EndPaint(list, &paint);
    }
    // A list view's header paints over what was just drawn.
    InvalidateVisibleChildren(list);
    return DefWindowProcA(list, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND control, HDC dc, const std::function<LRESULT()>& passOn)
{
    if (!SkinModule().translucentControls)
        return passOn();
    switch (KindOf(control)) {
    case ListKind::TreeView:
    case ListKind::ListView:
        SetBkMode(dc, TRANSPARENT);
        return 1;
    case ListKind::ListBox:
        if (IsOwnerDrawListBox(control))
            return passOn();
        SetBkMode(dc, TRANSPARENT);
        return 1;
    case ListKind::ComboList:
        return passOn();
    default:
        SetBkMode(dc, TRANSPARENT);
        PaintFrostedClient(control, dc, true);
        SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, "Kj_Ztys"))));
        return 1;
    }
}

} // namespace

void SkinListControls(int recordIndex, HWND parent)
{
    const SkinModuleState& state = SkinModule();
    WindowRecord* record = RecordAt(recordIndex);
    if (!state.skinControls || !record || !parent)
        return;
    for (const SetUpPass& pass : kSetUpPasses) {
        for (HWND child = FindWindowExA(parent, nullptr, pass.className, nullptr); child;
             child = FindWindowExA(parent, child, pass.className, nullptr)) {
            HWND control = pass.target(child);
            if (!control)
                continue;
            TakeOverControl(record->listControls, recordIndex, control, &ListProc);
            if (state.translucentControls)
                pass.translucentStep(control);
        }
    }
}

bool HasFrame(HWND control)
{
    if (StyleOf(control) & WS_BORDER)
        return true;
    static constexpr LONG_PTR kFramedExtendedStyles[] = {WS_EX_WINDOWEDGE, WS_EX_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE,
                                                         WS_EX_DLGMODALFRAME, WS_EX_PALETTEWINDOW};
    const LONG_PTR extended = GetWindowLongPtrA(control, GWL_EXSTYLE);
    for (LONG_PTR bits : kFramedExtendedStyles) {
        if ((extended & bits) == bits)
            return true;
    }
    return false;
}

bool HasScrollBars(HWND control) { return (StyleOf(control) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

RECT InnerRectInWindow(HWND control)
{
    RECT outer{}, client{};
    GetWindowRect(control, &outer);
    GetClientRect(control, &client);
    const LONG_PTR style = StyleOf(control);
    int width = client.right, height = client.bottom;
    if (style & WS_VSCROLL)
        width += ScrollBarThickness(control, OBJID_VSCROLL);
    if (style & WS_HSCROLL)
        height += ScrollBarThickness(control, OBJID_HSCROLL);
    const int left = FloorHalf(outer.right - outer.left - width);
    const int top = FloorHalf(outer.bottom - outer.top - height);
    return RECT{left, top, left + width, top + height};
}

UniqueRegion ScrollBarRegion(HWND control)
{
    const LONG_PTR style = StyleOf(control);
    UniqueRegion horizontal, vertical;
    SCROLLBARINFO across{}, down{};
    across.cbSize = down.cbSize = sizeof(SCROLLBARINFO);
    const bool hasHorizontal = (style & WS_HSCROLL) && GetScrollBarInfo(control, OBJID_HSCROLL, &across);
    if (hasHorizontal)
        horizontal.reset(CreateRectRgnIndirect(&across.rcScrollBar));
    if ((style & WS_VSCROLL) && GetScrollBarInfo(control, OBJID_VSCROLL, &down)) {
        // Down to the horizontal bar's bottom, taking in the corner square.
        // (The bars' rectangles may overlap the client area by a pixel, so
        // adding the bar's width would reach into the border.)
        RECT bar = down.rcScrollBar;
        if (hasHorizontal)
            bar.bottom = across.rcScrollBar.bottom;
        vertical.reset(CreateRectRgnIndirect(&bar));
    }
    if (horizontal && vertical) {
        CombineRgn(horizontal.get(), horizontal.get(), vertical.get(), RGN_OR);
        return horizontal;
    }
    return horizontal ? std::move(horizontal) : std::move(vertical);
}

void PaintListFrame(int recordIndex, int controlIndex, std::optional<bool> hot, std::optional<bool> focused)
{
    WindowRecord* record = RecordAt(recordIndex);
    const ListRecord* entry = record ? record->listControls.At(controlIndex) : nullptr;
    if (!entry || !IsWindow(entry->window))
        return;
    HWND control = entry->window;
    const bool isHot = hot.value_or(entry->hot != 0);
    const bool isFocused = focused.value_or(entry->focused != 0);
    RECT outer{};
    GetWindowRect(control, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0)
        return;
    // The list of a simple combo box and a control without a border get
    // no frame: nothing of the picture would reach the screen.
    if (KindOf(control) == ListKind::ComboList || !HasFrame(control))
        return;
    const RECT inner = InnerRectInWindow(control);

    ScopedMemoryDC picture(CaptureBackground(control, RECT{0, 0, width, height}));
    if (!picture)
        return;
    {
        DibGraphics canvas(picture.Get());
        Graphics& graphics = canvas.Get();
        const auto w = static_cast<float>(width), h = static_cast<float>(height);
        const SkinModuleState& state = SkinModule();
        SolidBrush ring;
        ring.Create(state.translucentControls ? ToArgb(0xFFFFFF, state.washAlpha) : 0xFFFFFFFF);
        graphics.SetClipRect(static_cast<float>(inner.left), static_cast<float>(inner.top),
                             static_cast<float>(inner.right - inner.left),
                             static_cast<float>(inner.bottom - inner.top), Gdiplus::CombineModeExclude);
        graphics.FillRectangle(ring, 0, 0, w, h);
        graphics.ResetClip();
        Pen border;
        if (isHot) {
            border.Create(ToArgb(state.accentColour, 200), 2);
            graphics.DrawRectangle(border, 1, 1, w - 2, h - 2);
        } else {
            border.Create(isFocused ? ToArgb(state.accentColour, 200) : ToArgb(0x000000, 90), 1);
            graphics.DrawRectangle(border, 0, 0, w - 1, h - 1);
        }
    }
    ScopedWindowDC target(control, GetWindowDC(control));
    if (!target)
        return;
    // The control paints its own client area and scroll bars.
    ExcludeClipRect(target.Get(), inner.left, inner.top, inner.right, inner.bottom);
    BitBlt(target.Get(), 0, 0, width, height, picture.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK ListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC oldProc = ReplacedProc(control);
    const std::function<LRESULT()> passOn = [&] {
        return CallProcOrDefault(oldProc, control, message, wParam, lParam);
    };
    const int recordIndex = IndexProperty(control, "Hw_FuID");
    const int index = IndexProperty(control, "Hw_lbID");
    WindowRecord* record = RecordAt(recordIndex);
    ListRecord* entry = record ? record->listControls.At(index) : nullptr;
    if (!oldProc || !entry || entry->window != control)
        return passOn();
    const SkinModuleState& state = SkinModule();

    switch (message) {
    case WM_PAINT:
        PaintListFrame(recordIndex, index);
        if (state.translucentControls) {
            switch (KindOf(control)) {
            case ListKind::TreeView:
                return PaintTranslucentTree(control, oldProc, wParam, lParam);
            case ListKind::ListView:
            case ListKind::ListBox:
                return PaintTranslucentList(control, oldProc, wParam, lParam);
            default:
                break;
            }
        }
        return passOn();
    case WM_ERASEBKGND:
        return OnEraseBackground(control, reinterpret_cast<HDC>(wParam), passOn);
    case WM_NCPAINT: {
        PaintListFrame(recordIndex, index);
        // The system paints only the scroll bars; the skin frame replaces
        // its border, so a control without scroll bars gets nothing more.
        if (!HasScrollBars(control))
            return 0;
        const UniqueRegion bars = ScrollBarRegion(control);
        return bars ? DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.get()), lParam) : 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        entry->focused = message == WM_SETFOCUS ? 1 : 0;
        PaintListFrame(recordIndex, index);
        return passOn();
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
        TrackMouseEvent(&track);
        record->controlUnderMouse = index;
        if ((index >= 1 && record->hotControlIndex != record->controlUnderMouse) ||
            record->hotControlClass != kListHoverClass) {
            entry->hot = 1;
            PaintListFrame(recordIndex, index, true);
            record->hotControlIndex = record->controlUnderMouse;
            record->hotControlClass = kListHoverClass;
        }
        return passOn();
    }
    case WM_MOUSELEAVE:
        record->hotControlIndex = 0;
        if (index >= 1) {
            entry->hot = 0;
            PaintListFrame(recordIndex, index, false);
        }
        return passOn();
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        // The background behind the content has moved.
        if (state.translucentControls)
            InvalidateRect(control, nullptr, TRUE);
        return passOn();
    case WM_KEYUP:
        ReleaseCapture();
        return passOn();
    default:
        return passOn();
    }
}
