// The frame image: the whole client area of a skinned window rendered off
// screen, presented by plain copies and repaired from two caches.
#include "skin_engine.h"

#include <algorithm>
#include <optional>

#include "brush.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "graphics_path.h"
#include "pen.h"
#include "skin_primitives.h"
#include "skin_text.h"
#include "text.h"

namespace {

// Rebuilds a cache DC holding a copy of (x, y, width, height) of `source`.
void RebuildCache(RecordDC& cache, HDC source, int x, int y, int width, int height)
{
    cache.Reset();
    cache.Select(CreateArgbSurface(width, height));
    if (cache.Dc())
        BitBlt(cache.Dc(), 0, 0, width, height, source, x, y, SRCCOPY);
}

template <typename Entry>
void InvalidateChildrenOf(HWND window, const SkinList<Entry>& list, bool withChildren)
{
    list.ForEach([&](int, const Entry& entry) {
        if (!entry.window || GetParent(entry.window) != window)
            return;
        InvalidateRect(entry.window, nullptr, TRUE);
        if (!withChildren)
            return;
        for (HWND child = FindWindowExA(entry.window, nullptr, nullptr, nullptr); child;
             child = FindWindowExA(entry.window, child, nullptr, nullptr)) {
            if (IsWindowVisible(child))
                InvalidateRect(child, nullptr, TRUE);
        }
    });
}

} // namespace

void DrawHaloText(Graphics& graphics, const std::string& text, Gdiplus::RectF box, COLORREF textColour,
                  COLORREF haloColour, float offset, const std::string& fontName, int style, float size,
                  Gdiplus::StringAlignment alignment, Gdiplus::StringAlignment lineAlignment)
{
    Font font;
    font.Create(fontName.c_str(), size, style, Gdiplus::UnitWorld);
    StringFormat format;
    format.Create(0, 0);
    format.SetAlignment(alignment);
    format.SetLineAlignment(lineAlignment);
    SolidBrush halo;
    halo.Create(ToArgb(haloColour, 150));
    const Gdiplus::PointF moves[] = {{offset, 0}, {-offset, 0}, {0, offset}, {0, -offset}};
    for (const Gdiplus::PointF& move : moves) {
        Gdiplus::RectF moved(box.X + move.X, box.Y + move.Y, box.Width, box.Height);
        graphics.DrawString(text.c_str(), font, halo, moved, format);
    }
    SolidBrush ink;
    ink.Create(ToArgb(textColour, 255));
    graphics.DrawString(text.c_str(), font, ink, box, format);
}

void SkinEngine::RenderWindowImage(int index, HDC /*dc*/, bool present)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    HWND window = record->window;
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;

    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, width + 1, height + 1, 5, 5), TRUE);

    HBITMAP frame = CreateArgbSurface(width, height);
    const bool first = record->background.Dc() == nullptr;
    record->background.Select(frame);
    if (first || !GetPropA(window, "Ck_Ycjdx"))
        SetPropA(window, "Ck_Ycjdx", record->background.FirstSelected());
    SetPropA(window, "Ck_wtjbdx", record->background.Bitmap());
    HDC background = record->BackgroundDC();
    if (!background)
        return;

    {
        DibGraphics canvas(background);
        Graphics& graphics = canvas.Get();
        PaintBackground(graphics, index);
        if (record->drawFrame) {
            PaintBorder(index, graphics);
            RebuildCache(record->captionCache, background, 0, 0, width, record->captionHeight);
        }
        const SkinRect& bar = record->statusBarRect;
        RebuildCache(record->statusCache, background, bar.x, bar.y, bar.width, bar.height);
        if (record->drawFrame) {
            if (record->showTitle)
                PaintTitle(index, &graphics);
            for (int n = 1; n <= static_cast<int>(record->captionButtons.size()); ++n)
                PaintCaptionButton(index, n, &graphics, false, 0);
        }
        if (record->statusBarHeight > 0) {
            for (int part = 1; part <= static_cast<int>(record->statusPartRects.size()); ++part)
                PaintStatusPart(index, &graphics, part);
        }
    }

    record->needsRender = false;
    if (!present)
        return;
    if (HDC target = GetDCExcludingChildren(window, nullptr, false)) {
        BitBlt(target, 0, 0, width, height, background, 0, 0, SRCCOPY);
        ReleaseDC(window, target);
    }
    if (!SkinModule().firstSizePending) {
        InvalidateChildrenOf(window, record->buttons, false);
        InvalidateChildrenOf(window, record->edits, false);
        InvalidateChildrenOf(window, record->trackbars, false);
        InvalidateChildrenOf(window, record->progressBars, false);
        InvalidateChildrenOf(window, record->comboBoxes, false);
        InvalidateChildrenOf(window, record->upDowns, false);
        InvalidateChildrenOf(window, record->listControls, true);
    }
}

void SkinEngine::PresentWindowImage(int index, HDC dc)
{
    WindowRecord* record = RecordAt(index);
    if (!record || !dc)
        return;
    RECT outer{};
    GetWindowRect(record->window, &outer);
    GetDCExcludingChildren(record->window, dc, true);
    BitBlt(dc, 0, 0, outer.right - outer.left, outer.bottom - outer.top, record->BackgroundDC(), 0, 0, SRCCOPY);
}

void SkinEngine::PaintBorder(int index, Graphics& graphics)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    RECT client{};
    GetClientRect(record->window, &client);
    const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
    GraphicsPath outer, inner;
    outer.Create();
    inner.Create();
    AddRoundRect(outer, 0, 0, width - 1, height - 1, 7);
    AddRoundRect(inner, 1, 1, width - 3, height - 3, 6);
    Pen dark, light;
    dark.Create(ToArgb(0x000000, 180), 1);
    light.Create(ToArgb(0xFFFFFF, 180), 1);
    graphics.DrawPath(dark, outer);
    graphics.DrawPath(light, inner);
}

void SkinEngine::RestoreCaptionArea(int index, const RECT& area)
{
    WindowRecord* record = RecordAt(index);
    if (!record || !record->captionCache.Dc())
        return;
    BitBlt(record->BackgroundDC(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           record->captionCache.Dc(), area.left, area.top, SRCCOPY);
}

void SkinEngine::RestoreStatusBarArea(int index, const RECT& area)
{
    WindowRecord* record = RecordAt(index);
    if (!record || !record->statusCache.Dc())
        return;
    BitBlt(record->BackgroundDC(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           record->statusCache.Dc(), area.left - record->statusBarRect.x, area.top - record->statusBarRect.y,
           SRCCOPY);
}

void SkinEngine::PaintTitle(int index, Graphics* graphics, std::optional<std::string> text)
{
    WindowRecord* record = RecordAt(index);
    if (!record || !record->BackgroundDC())
        return;
    RECT client{};
    GetClientRect(record->window, &client);
    const int b = frameBorder;
    const int x = b + 6, y = b + 5;
    const int w = client.right - record->stripWidth - 10 - 2 * b;

    std::optional<DibGraphics> own;
    if (!graphics) {
        own.emplace(record->BackgroundDC());
        RestoreCaptionArea(index, RECT{x, y, x + w, y + 32});
    }
    Graphics& target = graphics ? *graphics : own->Get();
    if (HICON icon = SkinModule().moduleIcon)
        DrawIconEx(record->BackgroundDC(), x, y - 3, icon, 17, 17, 0, nullptr, DI_NORMAL);
    // GDI+ may draw straight into the frame image's pixels: GDI's drawing
    // must be there first.
    GdiFlush();
    const std::string title = text ? *text : GetWindowTextString(record->window);
    DrawHaloText(target, title, Gdiplus::RectF(static_cast<float>(x + 20), static_cast<float>(y),
                                               static_cast<float>(w), 32),
                 record->titleColour, record->titleShadowColour, 1, record->titleFontName,
                 record->titleBold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular,
                 static_cast<float>(record->titleFontSize), Gdiplus::StringAlignmentNear,
                 Gdiplus::StringAlignmentNear);
    if (graphics)
        return;
    own.reset();
    if (HDC screen = GetDCExcludingChildren(record->window, nullptr, false)) {
        BitBlt(screen, x, b + 3, w, 32, record->BackgroundDC(), x, b + 3, SRCCOPY);
        ReleaseDC(record->window, screen);
    }
}
