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
#include "painted_controls.h"
#include "pen.h"

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
    DrawPictureCentred(graphics, half.arrow, half.x, half.y, half.width, half.height);
    graphics.DrawPath(pen, outline);
}

// Paints into `dc`, or through the window DC when none is given; an
// omitted state comes from the entry.
void PaintUpDownInto(int recordIndex, int controlIndex, std::optional<HDC> dc, std::optional<bool> hot = {},
                     std::optional<bool> pressed = {}, std::optional<LPARAM> mousePos = {})
{
    const UpDownRecord* entry = EntryOf(recordIndex, controlIndex);
    if (!entry || !IsWindow(entry->window))
        return;
    const bool isHot = hot.value_or(entry->hot != 0);
    const bool isPressed = pressed.value_or(entry->pressed != 0);
    // A press lights its half even before any hover reached the control.
    const int litHalf = (isHot || isPressed)
                            ? UpDownHalfAt(recordIndex, controlIndex, mousePos.value_or(entry->mousePos))
                            : -1;
    const bool horizontal = entry->horizontal != 0;
    PaintWholeControl(entry->window, dc, [&](Graphics& graphics, SIZE size) {
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);

        GraphicsPath body;
        body.Create();
        AddRoundRect(body, 0, 0, F(size.cx - 1), F(size.cy - 1), kCorner);
        SolidBrush white;
        white.Create(ToArgb(kWhite, 160));
        graphics.FillPath(white, body);

        Half halves[2];
        HalvesOf(horizontal, size.cx, size.cy, halves);
        for (int i = 0; i < 2; ++i)
            PaintHalf(graphics, halves[i], i == litHalf, isPressed);
    });
}

} // namespace

void SkinUpDowns(int recordIndex, HWND parent)
{
    TakeOverChildren(recordIndex, parent, UPDOWN_CLASSA, &WindowRecord::upDowns, &UpDownProc,
                     [](UpDownRecord& entry, LONG_PTR style) { entry.horizontal = (style & UDS_HORZ) ? 1 : 0; });
}

int UpDownHalfAt(int recordIndex, int controlIndex, LPARAM mousePos)
{
    const UpDownRecord* entry = EntryOf(recordIndex, controlIndex);
    if (!entry || !entry->window)
        return 0;
    RECT outer{};
    GetWindowRect(entry->window, &outer);
    if (entry->horizontal)
        return GET_X_LPARAM(mousePos) > (outer.right - outer.left) / 2 ? 1 : 0;
    return GET_Y_LPARAM(mousePos) > (outer.bottom - outer.top) / 2 ? 1 : 0;
}

void PaintUpDown(int recordIndex, int controlIndex, std::optional<bool> hot, std::optional<bool> pressed,
                 std::optional<LPARAM> mousePos)
{
    PaintUpDownInto(recordIndex, controlIndex, std::nullopt, hot, pressed, mousePos);
}

LRESULT CALLBACK UpDownProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindSkinnedControl(control, &WindowRecord::upDowns);
    if (!found.entry)
        return CallReplacedProc(control, message, wParam, lParam);
    const auto handled = HandlePaintMessage(control, message, wParam, lParam, [&](std::optional<HDC> dc) {
        PaintUpDownInto(found.recordIndex, found.index, dc);
    });
    if (handled)
        return *handled;
    WindowRecord& record = *found.record;
    UpDownRecord& entry = *found.entry;
    const int index = found.index;

    switch (message) {
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
        TrackMouseEvent(&track);
        record.controlUnderMouse = index;
        // Kept for the control's own repaints (it invalidates itself when
        // the mouse crosses from one arrow to the other).
        entry.mousePos = lParam;
        const int half = UpDownHalfAt(found.recordIndex, index, lParam);
        if (record.hotControlIndex != record.controlUnderMouse || record.hotControlClass != kUpDownHoverClass ||
            half != entry.hotHalf) {
            PaintUpDown(found.recordIndex, index, true, {}, lParam);
            entry.hot = 1;
            record.hotControlIndex = record.controlUnderMouse;
            record.hotControlClass = kUpDownHoverClass;
            entry.hotHalf = half;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        entry.pressed = message == WM_LBUTTONDOWN ? 1 : 0;
        entry.mousePos = lParam;
        break;
    case WM_MOUSELEAVE:
        record.hotControlIndex = 0;
        entry.hot = 0;
        PaintUpDown(found.recordIndex, index, false);
        break;
    default:
        break;
    }
    return CallReplacedProc(control, message, wParam, lParam);
}
