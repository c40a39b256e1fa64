// The three looks of a caption button: normal, one step of the hover
// fade, and pressed, with the separators between buttons.
#include "skin_engine.h"

#include <cmath>
#include <optional>

#include "brush.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "graphics_path.h"
#include "image.h"
#include "pen.h"
#include "picture_cache.h"
#include "skin_primitives.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = RGB(255, 0, 0);

// A tab with only the top-right corner rounded, open at the bottom.
void AddCloseButtonShape(GraphicsPath& path, int x, int y, int width, int height, int corner)
{
    const auto f = [](int v) { return static_cast<float>(v); };
    path.AddLine(f(x), f(y + height), f(x), f(y));
    path.AddLine(f(x), f(y), f(x + width - corner), f(y));
    path.AddArc(f(x + width - corner), f(y), f(corner), f(corner), 270, 90);
    path.AddLine(f(x + width), f(y + corner), f(x + width), f(y + height));
}

void FillVertical(Graphics& graphics, const GraphicsPath& path, int x, int y, int height, Gdiplus::ARGB top,
                  Gdiplus::ARGB bottom)
{
    LinearGradientBrush brush;
    brush.Create({static_cast<float>(x), static_cast<float>(y)},
                 {static_cast<float>(x), static_cast<float>(y + height)}, top, bottom);
    graphics.FillPath(brush, path);
}

// A 1-pixel pen whose colour runs vertically from `top` to `bottom`.
bool MakeVerticalPen(Pen& pen, float x, float y0, float y1, Gdiplus::ARGB top, Gdiplus::ARGB bottom)
{
    LinearGradientBrush brush;
    return brush.Create({x, y0}, {x, y1}, top, bottom) && pen.CreateFromBrush(brush, 1);
}

} // namespace

void SkinEngine::PaintCaptionButton(int index, int number, Graphics* graphics, std::optional<bool> pressed,
                                    std::optional<int> fadeAlpha)
{
    WindowRecord* record = RecordAt(index);
    CaptionButton* button = record ? record->Button(number) : nullptr;
    if (!button || !record->BackgroundDC())
        return;
    const int w = button->width, h = button->height;
    const int x = static_cast<int>(button->rect.x - 1);
    const int y = record->stripY + 1;
    const ByteArray& bytes =
        (button->kind == kCaptionMaximize && record->maximised) ? button->alternatePicture : button->picture;
    const Image& picture = CachedPictureOrEmpty(bytes);
    const auto drawPicture = [&](Graphics& target) {
        if (!picture.IsEmpty())
            target.DrawImageRect(picture, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                                 static_cast<float>(h));
    };

    if (pressed.value_or(false)) {
        DibGraphics canvas(record->BackgroundDC());
        Graphics& target = canvas.Get();
        RestoreCaptionArea(index, RECT{x, y, x + w, y + h});
        GdiFlush(); // the restored pixels, before GDI+ draws over them
        GraphicsPath shape;
        shape.Create();
        if (button->kind == kCaptionClose)
            AddCloseButtonShape(shape, x, y, w, h, 5);
        else
            shape.AddRectangle(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                               static_cast<float>(h));
        if (button->kind == kCaptionClose)
            FillVertical(target, shape, x, y, h, ToArgb(kRed, 255), ToArgb(kWhite, 30));
        else
            FillVertical(target, shape, x, y, h, ToArgb(kBlack, 80), ToArgb(kWhite, 5));
        if (!picture.IsEmpty())
            target.DrawImageRect(picture, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w - 1),
                                 static_cast<float>(h));
        target.Delete();
        record->ShowFrameArea(x, y, w, h);
        return;
    }

    std::optional<DibGraphics> own;
    if (!graphics) {
        own.emplace(record->BackgroundDC());
        own->Get().SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    }
    Graphics& target = graphics ? *graphics : own->Get();
    PaintCaptionButtonHover(target, index, number, fadeAlpha.value_or(0));
    {
        LinearGradientBrush gloss;
        gloss.Create({static_cast<float>(x), static_cast<float>(y)}, {static_cast<float>(x), static_cast<float>(y + h)},
                     ToArgb(kWhite, 50), ToArgb(kBlack, 0));
        target.FillRectangle(gloss, static_cast<float>(x - 1), static_cast<float>(y), static_cast<float>(w + 1),
                             static_cast<float>(h - 1));
    }
    drawPicture(target);
    PaintCaptionSeparators(index, number, target);
    if (graphics)
        return;
    own.reset();
    record->ShowFrameArea(x, y, w, h);
}

void SkinEngine::PaintCaptionButtonHover(Graphics& graphics, int index, int number, int fadeAlpha)
{
    WindowRecord* record = RecordAt(index);
    CaptionButton* button = record ? record->Button(number) : nullptr;
    if (!button)
        return;
    const int w = button->width, h = button->height;
    const int x = static_cast<int>(button->rect.x - 1);
    const int y = static_cast<int>(button->rect.y);
    const bool close = button->kind == kCaptionClose;
    RestoreCaptionArea(index, RECT{x - 1, y, x - 1 + w + 2, y + h + 1});

    GraphicsPath tab;
    tab.Create();
    AddTabOutline(tab, x, y, w, h, 1);
    FillVertical(graphics, tab, x, y, h, ToArgb(kBlack, fadeAlpha / 5), ToArgb(kWhite, 0));

    GraphicsPath glowShape;
    glowShape.Create();
    if (close)
        AddCloseButtonShape(glowShape, x, y, w, h, 5);
    else
        AddTabOutline(glowShape, x, y, w, h, 1);
    FillVertical(graphics, glowShape, x, y, h, ToArgb(close ? kRed : SkinModule().accentColour, fadeAlpha),
                 ToArgb(kWhite, 0));

    const int shortHeight = static_cast<int>(h * 0.8);
    GraphicsPath edge;
    edge.Create();
    if (close)
        AddCloseButtonShape(edge, x, y, w - 1, shortHeight, 5);
    else
        AddTabOutline(edge, x, y, w - 1, shortHeight, 1);
    Pen pen;
    if (MakeVerticalPen(pen, static_cast<float>(x), static_cast<float>(y), static_cast<float>(y + h),
                        ToArgb(kWhite, static_cast<int>(fadeAlpha * 0.8)), ToArgb(kWhite, 0)))
        graphics.DrawPath(pen, edge);
}

void SkinEngine::PaintCaptionSeparators(int index, int number, Graphics& graphics)
{
    WindowRecord* record = RecordAt(index);
    CaptionButton* button = record ? record->Button(number) : nullptr;
    if (!button)
        return;
    const float top = static_cast<float>(record->stripY);
    const float height = static_cast<float>(record->stripHeight);
    const auto separator = [&](const CaptionButton& at, int alpha) {
        const float x = std::trunc(at.rect.x - 2);
        Pen pen;
        if (MakeVerticalPen(pen, x, top, top + height - 3, ToArgb(kBlack, alpha), ToArgb(kBlack, 0)))
            graphics.DrawLine(pen, x, top + 1, x, top + height - 4);
    };
    separator(*button, number == 1 ? 100 : 60);
    if (const CaptionButton* next = record->Button(number + 1))
        separator(*next, 60);
}
