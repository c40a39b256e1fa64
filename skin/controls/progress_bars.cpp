// Skinning of progress bars. The bar keeps its own range and position and
// invalidates itself when they change; the skin paints every time instead
// of it.
#include "progress_bars.h"

#include <commctrl.h>

#include "control_setup.h"
#include "graphics.h"
#include "painted_controls.h"

namespace {

using Gdiplus::PointF;

// The part of the bar the fill covers, in window coordinates.
struct FillRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The fill grows from the left, or from the bottom of a vertical bar. An
// empty range has no fill.
FillRect FillFor(HWND bar, SIZE size, bool vertical)
{
    const auto position = static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    if (range.iHigh == range.iLow)
        return {};
    const double fraction = static_cast<double>(position - range.iLow) / (range.iHigh - range.iLow);
    if (vertical) {
        const auto height = static_cast<int>(size.cy * fraction);
        return {0, size.cy - height, size.cx, height};
    }
    return {0, 0, static_cast<int>(size.cx * fraction), size.cy};
}

void DrawFill(Graphics& graphics, const FillRect& fill, SIZE size, bool vertical)
{
    if ((vertical ? fill.height : fill.width) <= 0)
        return;
    const COLORREF accent = SkinModule().accentColour;
    GraphicsPath shape;
    shape.Create();
    AddRoundRect(shape, static_cast<float>(fill.x + 1), static_cast<float>(fill.y + 1),
                 static_cast<float>(fill.width - 3), static_cast<float>(fill.height - 3), 3);
    const auto top = static_cast<float>(fill.y);
    LinearGradientBrush shade;
    shade.Create(vertical ? PointF(0, top) : PointF(0, 0),
                 vertical ? PointF(static_cast<float>(size.cx - 1), top) : PointF(0, static_cast<float>(size.cy - 1)),
                 ToArgb(RGB(255, 255, 255), 90), ToArgb(accent, 255));
    graphics.FillPath(shade, shape);
    Pen rim;
    rim.Create(ToArgb(accent, 150), 1);
    graphics.DrawPath(rim, shape);
}

} // namespace

void SkinProgressBars(int recordIndex, HWND parent)
{
    TakeOverChildren(recordIndex, parent, PROGRESS_CLASSA, &WindowRecord::progressBars, &ProgressProc,
                     [](ProgressRecord& entry, LONG_PTR style) { entry.vertical = (style & PBS_VERTICAL) ? 1 : 0; });
}

void PaintProgressBar(int recordIndex, int barIndex, std::optional<HDC> dc)
{
    const WindowRecord* record = RecordAt(recordIndex);
    const ProgressRecord* entry = record ? record->progressBars.At(barIndex) : nullptr;
    if (!entry || !IsWindow(entry->window))
        return;
    HWND bar = entry->window;
    const bool vertical = entry->vertical != 0;
    PaintWholeControl(bar, dc, [&](Graphics& graphics, SIZE size) {
        DrawShadedBox(graphics, size, vertical, 50, 1);
        DrawFill(graphics, FillFor(bar, size, vertical), size, vertical);
    });
}

LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindSkinnedControl(bar, &WindowRecord::progressBars);
    if (found.entry) {
        const auto handled = HandlePaintMessage(bar, message, wParam, lParam, [&](std::optional<HDC> dc) {
            PaintProgressBar(found.recordIndex, found.index, dc);
        });
        if (handled)
            return *handled;
    }
    // Progress bars do not follow the mouse.
    return CallReplacedProc(bar, message, wParam, lParam);
}
