// Skinning of up-down controls. The skin paints the whole control over a
// copy of the background behind it; auto-repeat, buddy updates and
// notifications stay with the control's own procedure.
#include "up_downs.h"

#include <windowsx.h>
#include <commctrl.h>

#include "brush.h"
#include "control_setup.h"
#include "embedded.h"
#include "graphics.h"
#include "graphics_path.h"
#include "image.h"
#include "pen.h"
#include "skin_module.h"
#include "skin_primitives.h"

namespace {

using Gdiplus::PointF;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kCorner = 3;

float F(int value) { return static_cast<float>(value); }

UpDownRecord* EntryOf(int recordIndex, int controlIndex)
{
    WindowRecord* record = RecordAt(recordIndex);
    return record ? record->upDowns.At(controlIndex) : nullptr;
}

SIZE WindowSize(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// One of the two buttons: its box, the gradient line across it in the
// direction of travel, and its arrow.
struct Half {
    int x, y, width, height;
    PointF gradientStart, gradientEnd;
    resources::Bytes arrow;
    bool firstOfVertical; // the top half, a little brighter when unlit
};

void HalvesOf(bool horizontal, int width, int height, Half (&halves)[2])
{
    if (horizontal) {
        const int w = width / 2;
        halves[0] = {0, 0, w, height, PointF(0, 0), PointF(F(w - 1), 0), resources::ArrowLeft(), false};
        halves[1] = {w, 0, w, height, PointF(F(w - 1), 0), PointF(F(width), 0), resources::ArrowRight(), false};
    } else {
        const int h = height / 2;
        halves[0] = {0, 0, width, h, PointF(0, 0), PointF(0, F(h - 1)), resources::ArrowUp(), true};
        halves[1] = {0, h, width, h, PointF(0, F(h)), PointF(0, F(height)), resources::ArrowDown(), false};
    }
}

void DrawArrow(Graphics& graphics, const Half& half)
{
    Image picture;
    if (!picture.LoadFromBytes(half.arrow))
        return;
    const int width = static_cast<int>(picture.GetWidth()), height = static_cast<int>(picture.GetHeight());
    graphics.DrawImageRect(picture, F(half.x + (half.width - width) / 2), F(half.y + (half.height - height) / 2),
                           F(width), F(height));
}

void PaintHalf(Graphics& graphics, const Half& half, bool lit, bool pressed)
{
    const COLORREF accent = SkinModule().accentColour;
    GraphicsPath outline;
    outline.Create();
    AddRoundRect(outline, F(half.x), F(half.y), F(half.width - 1), F(half.height - 1), kCorner);

    Pen pen;
    LinearGradientBrush fill;
    if (lit) {
        pen.Create(ToArgb(accent, 200), 1);
        if (pressed)
            fill.Create(half.gradientStart, half.gradientEnd, ToArgb(accent, 100), ToArgb(kWhite, 150));
        else
            fill.Create(half.gradientStart, half.gradientEnd, ToArgb(kWhite, 100), ToArgb(accent, 150));
    } else {
        pen.Create(ToArgb(kBlack, 100), 1);
        fill.Create(half.gradientStart, half.gradientEnd, ToArgb(kWhite, half.firstOfVertical ? 60 : 20),
                    ToArgb(accent, 100));
    }
    graphics.FillPath(fill, outline);
    DrawArrow(graphics, half);
    graphics.DrawPath(pen, outline);
}

} // namespace

void SkinUpDowns(int recordIndex, HWND parent)
{
    WindowRecord* record = RecordAt(recordIndex);
    if (!SkinModule().skinControls || !record || !parent)
        return;
    for (HWND control = FindWindowExA(parent, nullptr, UPDOWN_CLASSA, nullptr); control;
         control = FindWindowExA(parent, control, UPDOWN_CLASSA, nullptr)) {
        // Subclassed at most once: a second set-up, or a control another
        // unit already took, is left as it is.
        if (record->upDowns.Find(control) > 0 || GetPropA(control, "Hw_hProc"))
            continue;
        const int index = record->upDowns.Append();
        UpDownRecord& entry = *record->upDowns.At(index);
        entry = UpDownRecord{};
        entry.window = control;
        entry.horizontal = (GetWindowLongPtrA(control, GWL_STYLE) & UDS_HORZ) ? 1 : 0;
        entry.oldProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UpDownProc)));
        SetIndexProperty(control, "Hw_lbID", index);
        SetIndexProperty(control, "Hw_FuID", recordIndex);
        SetPropA(control, "Hw_hProc", reinterpret_cast<HANDLE>(entry.oldProc));
    }
}

int UpDownHalfAt(int recordIndex, int controlIndex, LPARAM mousePos)
{
    const UpDownRecord* entry = EntryOf(recordIndex, controlIndex);
    if (!entry || !entry->window)
        return 0;
    const SIZE size = WindowSize(entry->window);
    if (entry->horizontal)
        return GET_X_LPARAM(mousePos) > size.cx / 2 ? 1 : 0;
    return GET_Y_LPARAM(mousePos) > size.cy / 2 ? 1 : 0;
}

void PaintUpDown(int recordIndex, int controlIndex, std::optional<bool> hot, std::optional<bool> pressed,
                 std::optional<LPARAM> mousePos)
{
    const UpDownRecord* entry = EntryOf(recordIndex, controlIndex);
    if (!entry || !IsWindow(entry->window))
        return;
    HWND control = entry->window;
    const bool isHot = hot.value_or(entry->hot != 0);
    const bool isPressed = pressed.value_or(entry->pressed != 0);
    const SIZE size = WindowSize(control);
    if (size.cx <= 0 || size.cy <= 0)
        return;

    ScopedMemoryDC picture(CaptureBackground(control, RECT{0, 0, size.cx, size.cy}));
    if (!picture)
        return;
    {
        Graphics graphics;
        graphics.CreateFromHDC(picture.Get());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);

        GraphicsPath body;
        body.Create();
        AddRoundRect(body, 0, 0, F(size.cx - 1), F(size.cy - 1), kCorner);
        SolidBrush white;
        white.Create(ToArgb(kWhite, 160));
        graphics.FillPath(white, body);

        Half halves[2];
        HalvesOf(entry->horizontal != 0, size.cx, size.cy, halves);
        // A press lights its half even before any hover reached the control.
        const int litHalf = (isHot || isPressed)
                                ? UpDownHalfAt(recordIndex, controlIndex, mousePos.value_or(entry->mousePos))
                                : -1;
        for (int i = 0; i < 2; ++i)
            PaintHalf(graphics, halves[i], i == litHalf, isPressed);
    }
    ScopedWindowDC target(control, GetWindowDC(control));
    if (target)
        BitBlt(target.Get(), 0, 0, size.cx, size.cy, picture.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK UpDownProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto oldProc = reinterpret_cast<WNDPROC>(GetPropA(control, "Hw_hProc"));
    const auto passOn = [&]() -> LRESULT {
        return oldProc ? CallWindowProcA(oldProc, control, message, wParam, lParam)
                       : DefWindowProcA(control, message, wParam, lParam);
    };
    const int recordIndex = IndexProperty(control, "Hw_FuID");
    const int index = IndexProperty(control, "Hw_lbID");
    WindowRecord* record = RecordAt(recordIndex);
    UpDownRecord* entry = record ? record->upDowns.At(index) : nullptr;
    if (!oldProc || !entry || entry->window != control)
        return passOn();

    switch (message) {
    case WM_PAINT:
        // The skin paints everything; the control's own painting is skipped.
        PaintUpDown(recordIndex, index);
        return DefWindowProcA(control, message, wParam, lParam);
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        return 1;
    case WM_MOVE:
        PaintUpDown(recordIndex, index);
        return passOn();
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
        TrackMouseEvent(&track);
        record->controlUnderMouse = index;
        // Kept for the control's own repaints (it invalidates itself when
        // the mouse crosses from one arrow to the other).
        entry->mousePos = lParam;
        const int half = UpDownHalfAt(recordIndex, index, lParam);
        if (record->hotControlIndex != record->controlUnderMouse || record->hotControlClass != kUpDownHoverClass ||
            half != entry->hotHalf) {
            PaintUpDown(recordIndex, index, true, {}, lParam);
            entry->hot = 1;
            record->hotControlIndex = record->controlUnderMouse;
            record->hotControlClass = kUpDownHoverClass;
            entry->hotHalf = half;
        }
        return passOn();
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        entry->pressed = message == WM_LBUTTONDOWN ? 1 : 0;
        entry->mousePos = lParam;
        return passOn();
    case WM_MOUSELEAVE:
        record->hotControlIndex = 0;
        entry->hot = 0;
        PaintUpDown(recordIndex, index, false);
        return passOn();
    default:
        return passOn();
    }
}
