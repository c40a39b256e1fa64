// Painting the parts of a skinned window's status bar.
#include "skin_engine.h"

#include <cmath>
#include <optional>

#include "bitmap.h"
#include "brush.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "image.h"
#include "picture_cache.h"
#include "skin_primitives.h"
#include "skin_text.h"
#include "text.h"

namespace {

bool MakeTextTools(Font& font, StringFormat& format, const std::string& fontName, int style, float size,
                   Gdiplus::StringAlignment alignment, Gdiplus::StringAlignment lineAlignment)
{
    format.Create(0, 0);
    format.SetAlignment(alignment);
    format.SetLineAlignment(lineAlignment);
    return font.Create(fontName.c_str(), size, style, Gdiplus::UnitWorld);
}

} // namespace

void DrawBlurredHaloText(Graphics& graphics, const std::string& text, Gdiplus::RectF box, COLORREF textColour,
                         COLORREF haloColour, float spread, const std::string& fontName, int style, float size,
                         Gdiplus::StringAlignment alignment, Gdiplus::StringAlignment lineAlignment)
{
    const int width = static_cast<int>(box.Width), height = static_cast<int>(box.Height);
    const float d = spread;
    if (width <= 0 || height <= 0 || d <= 0)
        return;
    const float smallWidth = width / d, smallHeight = height / d;

    Bitmap sharp;
    if (!sharp.Create(width, height))
        return;
    {
        Graphics onSharp;
        onSharp.CreateFromImage(sharp);
        onSharp.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        onSharp.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        onSharp.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        onSharp.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        Font font;
        StringFormat format;
        MakeTextTools(font, format, fontName, style, size, alignment, lineAlignment);
        SolidBrush halo;
        halo.Create(ToArgb(haloColour, 255));
        onSharp.DrawString(text.c_str(), font, halo, Gdiplus::RectF(d / 2, d / 2, width + d / 2, height + d / 2),
                           format);
    }
    Bitmap shrunk;
    if (!shrunk.Create(static_cast<int>(smallWidth), static_cast<int>(smallHeight)))
        return;
    {
        Graphics onShrunk;
        onShrunk.CreateFromImage(shrunk);
        onShrunk.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        onShrunk.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
        onShrunk.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        onShrunk.DrawImageRect(sharp, 0, 0, smallWidth, smallHeight);
    }
    Bitmap blurred;
    if (!blurred.Create(width, height))
        return;
    {
        Graphics onBlurred;
        onBlurred.CreateFromImage(blurred);
        onBlurred.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        onBlurred.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        onBlurred.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        onBlurred.DrawImageRect(shrunk, 0, 0, static_cast<float>(width), static_cast<float>(height));
        Font font;
        StringFormat format;
        MakeTextTools(font, format, fontName, style, size, alignment, lineAlignment);
        SolidBrush halo;
        halo.Create(ToArgb(haloColour, 60));
        const float w = static_cast<float>(width), h = static_cast<float>(height);
        const Gdiplus::RectF around[] = {{d / 2 - 1, 0.7f * d, w, h},
                                         {d / 2 + 1, 0.7f * d, w, h},
                                         {d / 2, 0.7f * d - 1, w, h},
                                         {d / 2, 0.7f * d + 1, w, h}};
        for (const Gdiplus::RectF& rect : around)
            onBlurred.DrawString(text.c_str(), font, halo, rect, format);
    }
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.DrawImageRect(blurred, box.X - d / 2, box.Y - 0.6f * d, static_cast<float>(width),
                           static_cast<float>(height));
    Font font;
    StringFormat format;
    MakeTextTools(font, format, fontName, style, size, alignment, lineAlignment);
    SolidBrush ink;
    ink.Create(ToArgb(textColour, 255));
    graphics.DrawString(text.c_str(), font, ink,
                        Gdiplus::RectF(box.X, box.Y, static_cast<float>(width), static_cast<float>(height)), format);
}

void SkinEngine::PaintStatusPart(int index, Graphics* graphics, std::optional<int> partNumber)
{
    WindowRecord* record = RecordAt(index);
    const int n = partNumber.value_or(1);
    if (!record || !record->BackgroundDC() || n < 1 || n > static_cast<int>(record->statusPartRects.size()))
        return;
    const SkinRect& r = record->statusPartRects[static_cast<size_t>(n - 1)];
    const float x = static_cast<float>(r.x), y = static_cast<float>(r.y);
    const float w = static_cast<float>(r.width), h = static_cast<float>(r.height);
    std::optional<DibGraphics> own;
    if (!graphics) {
        own.emplace(record->BackgroundDC());
        RestoreStatusBarArea(index, RECT{r.x, r.y, r.x + r.width, r.y + r.height});
        GdiFlush(); // the restored pixels, before GDI+ draws over them
    }
    Graphics& target = graphics ? *graphics : own->Get();
    {
        LinearGradientBrush shade;
        shade.Create({x, y}, {x, y + h}, ToArgb(0xFFFFFF, 60), ToArgb(0xFFFFFF, 10));
        target.FillRectangle(shade, x, y, w, h);
    }
    const StatusPart* part =
        n <= static_cast<int>(record->statusBarParts.size()) ? &record->statusBarParts[static_cast<size_t>(n - 1)] : nullptr;
    const COLORREF textColour = record->statusAutoTextColour ? ~SkinModule().backColour : (part ? part->textColour : 0);
    Gdiplus::RectF textBox(x, y, w, h);
    if (part && !part->picture.empty()) {
        if (const Image* cached = CachedPicture(part->picture)) {
            const Image& picture = *cached;
            const float pw = static_cast<float>(picture.GetWidth()), ph = static_cast<float>(picture.GetHeight());
            target.DrawImageRect(picture, x + 2, y + (h - ph) / 2, pw, ph);
            textBox = Gdiplus::RectF(x + pw + 3, y, w - pw - 3, h);
        }
    }
    const std::string text = part ? part->text : std::string();
    if (record->statusTextHalo) {
        DrawBlurredHaloText(target, text, textBox, record->statusTextColour, record->statusHaloColour, 4,
                            record->statusFontName, Gdiplus::FontStyleRegular,
                            static_cast<float>(record->statusFontSize));
    } else {
        Font font;
        font.Create(record->statusFontName.c_str(), static_cast<float>(record->statusFontSize),
                    Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        StringFormat format;
        format.Create(0, 0);
        format.SetAlignment(Gdiplus::StringAlignmentNear);
        SolidBrush ink;
        ink.Create(ToArgb(textColour, 255));
        target.DrawString(text.c_str(), font, ink, textBox, format);
    }
    if (graphics)
        return;
    own.reset();
    record->ShowFrameArea(r.x, r.y, r.width, r.height);
}
