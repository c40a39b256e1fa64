// Skinning of trackbars. The control keeps its own mouse and keyboard
// handling and invalidates itself on every change; the skin paints the
// whole control every time instead of it. Tick marks are never drawn.
#include "trackbars.h"

#include <commctrl.h>

#include "control_setup.h"
#include "graphics.h"
#include "painted_controls.h"

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Tick placement as kept in the record.
constexpr int kTicksTopOrLeft = 0, kTicksBottomOrRight = 1, kTicksBoth = 2, kNoTicks = 3;

constexpr int kDotSize = 4, kCircleSize = 11;
// How much further the dot and the fill line reach at the maximum.
constexpr float kDotShiftAtMaximum = 8, kLineGainAtMaximum = 10;
// Thickness of the channel band of a trackbar with a selection range.
constexpr int kSelectionBand = 4;

int TickPlacementOf(LONG_PTR style)
{
    if (style & TBS_NOTICKS)
        return kNoTicks;
    if (style & TBS_TOP)
        return kTicksTopOrLeft;
    if (style & TBS_BOTH)
        return kTicksBoth;
    return kTicksBottomOrRight;
}

// Positions along the direction of travel and across it, mapped to x and
// y by the trackbar's orientation.
struct Axes {
    bool vertical;

    PointF Point(float along, float across) const { return vertical ? PointF(across, along) : PointF(along, across); }
    RectF Rect(float along, float across, float length, float thickness) const
    {
        return vertical ? RectF(across, along, thickness, length) : RectF(along, across, length, thickness);
    }
};

// Everything a paint reads from the control, in along/across terms.
struct TrackbarLayout {
    float channelStart = 0, channelEnd = 0; // along
    float band = 0, bandThickness = 0;      // across: where the band starts, and its thickness
    float thumbStart = 0;                   // along
    int position = 0, maximum = 0;
    int selectionStart = 0, selectionEnd = 0;
    bool AtMaximum() const { return position == maximum; }
};

// The channel runs along the control, so it is longer along than across.
// Windows hands the channel of a vertical trackbar over in horizontal
// orientation (left and right along); Wine's trackbar hands it over as
// drawn, taller than wide, and such a rectangle is turned round here.
RECT ChannelAlongAcross(HWND trackbar, bool vertical)
{
    RECT channel{};
    SendMessageA(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    if (vertical && channel.bottom - channel.top > channel.right - channel.left)
        return RECT{channel.top, channel.left, channel.bottom, channel.right};
    return channel;
}

TrackbarLayout ReadLayout(HWND trackbar, const TrackbarRecord& entry)
{
    const bool vertical = entry.vertical != 0;
    TrackbarLayout layout;
    const RECT channel = ChannelAlongAcross(trackbar, vertical);
    layout.channelStart = static_cast<float>(channel.left);
    layout.channelEnd = static_cast<float>(channel.right);
    if (entry.selectionRange) {
        layout.bandThickness = kSelectionBand;
        layout.band =
            static_cast<float>(channel.top) + static_cast<float>(channel.bottom - channel.top - kSelectionBand) / 2;
    } else {
        layout.bandThickness = static_cast<float>(channel.bottom - channel.top);
        layout.band = static_cast<float>(channel.top);
    }
    RECT thumb{};
    SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    layout.thumbStart = static_cast<float>(vertical ? thumb.top : thumb.left);
    layout.position = static_cast<int>(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
    layout.maximum = static_cast<int>(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0));
    if (entry.selectionRange) {
        layout.selectionStart = static_cast<int>(SendMessageA(trackbar, TBM_GETSELSTART, 0, 0));
        layout.selectionEnd = static_cast<int>(SendMessageA(trackbar, TBM_GETSELEND, 0, 0));
    }
    return layout;
}

void FillAcross(Graphics& graphics, const GraphicsPath& path, const Axes& axes, float along, float from, float to,
                Gdiplus::ARGB fromColour, Gdiplus::ARGB toColour)
{
    LinearGradientBrush shade;
    shade.Create(axes.Point(along, from), axes.Point(along, to), fromColour, toColour);
    graphics.FillPath(shade, path);
}

void DrawChannel(Graphics& graphics, const Axes& axes, const TrackbarLayout& layout)
{
    const RectF band = axes.Rect(layout.channelStart, layout.band, layout.channelEnd - layout.channelStart,
                                 layout.bandThickness);
    GraphicsPath path;
    path.Create();
    AddRoundRect(path, band.X, band.Y, band.Width, band.Height, 1);
    FillAcross(graphics, path, axes, layout.channelStart, layout.band, layout.band + layout.bandThickness,
               ToArgb(kBlack, 50), ToArgb(kBlack, 30));
}

void DrawThumb(Graphics& graphics, const Axes& axes, const TrackbarLayout& layout, const TrackbarRecord& entry)
{
    float across = layout.band - 0.5f, along = layout.thumbStart;
    float size = kDotSize;
    if (entry.hot) {
        size = kCircleSize;
        across = layout.band - 4;
        if (entry.tickPlacement == kTicksTopOrLeft)
            across += 2;
        else if (entry.tickPlacement == kTicksBoth)
            across += 1;
    } else if (layout.AtMaximum()) {
        along += kDotShiftAtMaximum;
    }
    const RectF box = axes.Rect(along, across, size, size);
    GraphicsPath ellipse;
    ellipse.Create();
    ellipse.AddEllipse(box.X, box.Y, box.Width, box.Height);
    SolidBrush white;
    white.Create(ToArgb(kWhite, 255));
    graphics.FillPath(white, ellipse);
    FillAcross(graphics, ellipse, axes, along, across, across + size, ToArgb(kWhite, 0), ToArgb(kBlack, 90));
    Pen rim;
    rim.Create(ToArgb(kBlack, 50), 1);
    graphics.DrawPath(rim, ellipse);
}

void DrawLine(Graphics& graphics, const Axes& axes, float along, float across, float length, Gdiplus::ARGB colour)
{
    const RectF line = axes.Rect(along, across, length, 1);
    Pen pen;
    pen.Create(colour, 1);
    graphics.DrawRectangle(pen, line.X, line.Y, line.Width, line.Height);
}

// The selection line is scaled by the maximum; a maximum of 0 has no
// scale, and the line is left out.
void DrawSelection(Graphics& graphics, const Axes& axes, const TrackbarLayout& layout)
{
    if (layout.maximum == 0)
        return;
    const float length = static_cast<float>(layout.selectionEnd - layout.selectionStart) *
                         (layout.channelEnd - layout.channelStart) / static_cast<float>(layout.maximum);
    DrawLine(graphics, axes, layout.channelStart + static_cast<float>(layout.selectionStart) - 1, layout.band + 1,
             length, ToArgb(kWhite, 160));
}

void DrawFillLine(Graphics& graphics, const Axes& axes, const TrackbarLayout& layout)
{
    float length = layout.thumbStart - layout.channelStart - 1;
    if (layout.AtMaximum())
        length += kLineGainAtMaximum;
    DrawLine(graphics, axes, layout.channelStart, layout.band + 1, length, ToArgb(SkinModule().accentColour, 200));
}

void Repaint(const SkinnedControl<TrackbarRecord>& trackbar, std::optional<HDC> dc = {})
{
    PaintTrackbar(trackbar.recordIndex, trackbar.index, dc);
}

void OnMouseMove(HWND trackbar, const SkinnedControl<TrackbarRecord>& found)
{
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, trackbar, 0};
    TrackMouseEvent(&track);
    WindowRecord& record = *found.record;
    record.controlUnderMouse = found.index;
    if (record.hotControlIndex != record.controlUnderMouse || record.hotControlClass != kTrackbarHoverClass) {
        found.entry->hot = 1;
        Repaint(found);
    }
    record.hotControlIndex = record.controlUnderMouse;
    record.hotControlClass = kTrackbarHoverClass;
}

void OnMouseLeave(const SkinnedControl<TrackbarRecord>& found)
{
    found.record->hotControlIndex = 0;
    found.entry->hot = 0;
    Repaint(found);
}

} // namespace

void SkinTrackbars(int recordIndex, HWND parent)
{
    TakeOverChildren(recordIndex, parent, TRACKBAR_CLASSA, &WindowRecord::trackbars, &TrackbarProc,
                     [](TrackbarRecord& entry, LONG_PTR style) {
                         entry.vertical = (style & TBS_VERT) ? 1 : 0;
                         entry.tickPlacement = TickPlacementOf(style);
                         entry.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
                     });
}

void PaintTrackbar(int recordIndex, int trackbarIndex, std::optional<HDC> dc)
{
    const WindowRecord* record = RecordAt(recordIndex);
    const TrackbarRecord* entry = record ? record->trackbars.At(trackbarIndex) : nullptr;
    if (!entry || !IsWindow(entry->window))
        return;
    const Axes axes{entry->vertical != 0};
    const TrackbarLayout layout = ReadLayout(entry->window, *entry);
    PaintWholeControl(entry->window, dc, [&](Graphics& graphics, SIZE size) {
        if (SkinModule().trackbarStyle != 0)
            DrawShadedBox(graphics, size, axes.vertical, 30, 3);
        DrawChannel(graphics, axes, layout);
        DrawThumb(graphics, axes, layout, *entry);
        if (entry->selectionRange)
            DrawSelection(graphics, axes, layout);
        DrawFillLine(graphics, axes, layout);
    });
}

LRESULT CALLBACK TrackbarProc(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindSkinnedControl(trackbar, &WindowRecord::trackbars);
    if (!found.entry)
        return CallReplacedProc(trackbar, message, wParam, lParam);
    const auto handled = HandlePaintMessage(trackbar, message, wParam, lParam,
                                            [&](std::optional<HDC> dc) { Repaint(found, dc); });
    if (handled)
        return *handled;
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(trackbar, found);
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave(found);
        break;
    default:
        break;
    }
    return CallReplacedProc(trackbar, message, wParam, lParam);
}
