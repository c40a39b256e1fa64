// The background picture and the colours derived from it, and the
// painting of both into a window's frame image.
#include "skin_engine.h"

#include <cmath>
#include <cstdlib>

#include "bitmap.h"
#include "brush.h"
#include "graphics.h"
#include "graphics_path.h"
#include "image.h"
#include "picture_cache.h"
#include "skin_primitives.h"
#include "skin_pictures.h"

namespace {

constexpr Gdiplus::ARGB kMagenta = 0xFFFF00FF;
constexpr int kAverageSamples = 2000;

// The current local date and time as an automation date (days since
// 1899-12-30, the fraction being the time of day).
double LocalAutomationDate()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    // 100-ns ticks from 1601-01-01 to 1899-12-30.
    constexpr double kEpochTicks = 94353120000000000.0;
    return (static_cast<double>(ticks.QuadPart) - kEpochTicks) / 864000000000.0;
}

ByteArray FadeOrCopy(const PictureSource& picture, int mode, COLORREF colour)
{
    if (mode == 0)
        return FadePicture(picture, std::nullopt, colour, 1);
    if (mode == 1)
        return FadePicture(picture, std::nullopt, colour, 0);
    return {};
}

// A picture loaded as a 32-bit ARGB bitmap, so that it can be flipped
// whatever its stored format.
bool LoadArgbCopy(const ByteArray& bytes, Bitmap& copy)
{
    Bitmap source;
    if (!source.CreateFromBytes(bytes))
        return false;
    const UINT width = source.GetWidth(), height = source.GetHeight();
    if (width == 0 || height == 0 || !copy.Create(static_cast<int>(width), static_cast<int>(height)))
        return false;
    Graphics graphics;
    if (!graphics.CreateFromImage(copy))
        return false;
    return graphics.DrawImageRect(source, 0, 0, static_cast<float>(width), static_cast<float>(height));
}

// The picture repeated across `width`, every second copy mirrored.
void PaintMirroredRow(Graphics& target, const ByteArray& bytes, int width)
{
    Bitmap picture;
    if (!LoadArgbCopy(bytes, picture))
        return;
    const int pictureWidth = static_cast<int>(picture.GetWidth());
    const int pictureHeight = static_cast<int>(picture.GetHeight());
    Bitmap row;
    if (!row.Create(width, pictureHeight))
        return;
    {
        Graphics graphics;
        if (!graphics.CreateFromImage(row))
            return;
        for (int x = 0; x < width; x += pictureWidth) {
            graphics.DrawImageRect(picture, static_cast<float>(x), 0, static_cast<float>(pictureWidth),
                                   static_cast<float>(pictureHeight));
            picture.RotateFlip(Gdiplus::RotateNoneFlipX);
        }
    }
    target.DrawImageRect(row, 0, 0, static_cast<float>(width), static_cast<float>(pictureHeight));
}

} // namespace

COLORREF AverageColour(const PictureSource& picture, int count)
{
    // Bytes are decoded through the picture cache: the frame image draws
    // the same picture next and finds it there.
    Bitmap fromFile;
    const Image* image = nullptr;
    if (picture.fileName) {
        fromFile.CreateFromFile(picture.fileName->c_str());
        image = &fromFile;
    } else if (picture.bytes && !picture.bytes->empty()) {
        image = CachedPicture(*picture.bytes);
    }
    const bool readable = image && !image->IsEmpty() && image->GetType() == Gdiplus::ImageTypeBitmap;
    const UINT width = readable ? image->GetWidth() : 0;
    const UINT height = readable ? image->GetHeight() : 0;
    unsigned long long red = 0, green = 0, blue = 0;
    if (width > 0 && height > 0 && count > 0) {
        const double today = LocalAutomationDate();
        for (int i = 1; i <= count; ++i) {
            std::srand(static_cast<unsigned>(static_cast<long long>(today + 3.0 * i)));
            const int x = std::rand() % static_cast<int>(width);
            std::srand(static_cast<unsigned>(static_cast<long long>(today + i)));
            const int y = std::rand() % static_cast<int>(height);
            const Gdiplus::ARGB pixel = image->GetBitmapPixel(x, y).value_or(0);
            red += (pixel >> 16) & 0xFF;
            green += (pixel >> 8) & 0xFF;
            blue += pixel & 0xFF;
        }
    }
    const unsigned divisor = count > 0 ? static_cast<unsigned>(count) : 1;
    return 0xFF000000u | RGB(red / divisor, green / divisor, blue / divisor);
}

ByteArray FadePicture(const PictureSource& picture, std::optional<int> fadeSize, COLORREF colour, int side)
{
    Image image;
    if (picture.fileName)
        image.LoadFromFile(picture.fileName->c_str());
    else if (picture.bytes && !picture.bytes->empty())
        image.LoadFromBytes(*picture.bytes);
    const int width = image.IsEmpty() ? 0 : static_cast<int>(image.GetWidth());
    const int height = image.IsEmpty() ? 0 : static_cast<int>(image.GetHeight());
    if (width <= 0 || height <= 0)
        return {};
    const int fade = fadeSize.value_or(static_cast<int>(std::floor(width * 0.3)));
    const float f = static_cast<float>(fade), w = static_cast<float>(width), h = static_cast<float>(height);
    const Gdiplus::ARGB opaque = ToArgb(colour, 255);
    const Gdiplus::ARGB clear = ToArgb(colour, 0);
    Bitmap faded;
    if (!faded.Create(width, height))
        return {};
    {
        Graphics graphics;
        if (!graphics.CreateFromImage(faded))
            return {};
        graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        graphics.DrawImageRect(image, 0, 0, w, h);
        LinearGradientBrush sideFade;
        if (side == 1) {
            const float x0 = std::trunc(w - f);
            sideFade.Create({x0, 0}, {w, 0}, 0x00FFFFFF, opaque);
            graphics.FillRectangle(sideFade, x0 + 1, 0, f, h);
        } else {
            sideFade.Create({0, 0}, {f, 0}, opaque, 0x00FFFFFF);
            graphics.FillRectangle(sideFade, 0, 0, f, h);
        }
        const float y0 = std::trunc(h - f);
        LinearGradientBrush bottomFade;
        bottomFade.Create({0, y0}, {0, h}, clear, opaque);
        graphics.FillRectangle(bottomFade, 0, y0 + 1, w, f);
    }
    return faded.SaveToBytes(kPngFormat);
}

void SkinEngine::SetBackgroundPicture(const BackgroundPictureOptions& options)
{
    SkinModuleState& state = SkinModule();
    const bool followBack = options.accentColour == kAccentFollowsBackColour;
    if (!followBack)
        state.accentColour = options.accentColour.value_or(kDefaultAccentColour);

    const bool hasFile = options.fileName && !options.fileName->empty();
    const bool hasBytes = options.pictureBytes && !options.pictureBytes->empty();
    if (!hasFile && !hasBytes && !options.backColour)
        return;

    if (hasFile || hasBytes) {
        PictureSource picture;
        if (hasFile)
            picture.fileName = *options.fileName;
        else
            picture.bytes = &*options.pictureBytes;
        const COLORREF colour = AverageColour(picture, kAverageSamples);
        state.backColour = options.backColour.value_or(colour);
        if (followBack)
            state.accentColour = state.backColour;
        state.backgroundPictureMode = options.pictureMode.value_or(4);
        const int mode = state.backgroundPictureMode;
        if (mode == 0 || mode == 1) {
            state.backgroundPicture = FadeOrCopy(picture, mode, state.backColour);
        } else if (hasFile) {
            Image image;
            state.backgroundPicture =
                image.LoadFromFile(options.fileName->c_str()) ? image.SaveToBytes(kPngFormat) : ByteArray{};
        } else {
            state.backgroundPicture = *options.pictureBytes;
        }
    } else {
        state.backgroundPicture.clear();
        state.backColour = *options.backColour;
        if (followBack)
            state.accentColour = state.backColour;
    }

    for (int index = 1; index <= RecordCount(); ++index) {
        WindowRecord* record = RecordAt(index);
        if (!IsWindowVisible(record->window))
            continue;
        RenderWindowImage(index, nullptr, false);
        InvalidateRect(record->window, nullptr, FALSE);
        for (HWND child = FindWindowExA(record->window, nullptr, nullptr, nullptr); child;
             child = FindWindowExA(record->window, child, nullptr, nullptr)) {
            if (IsWindowVisible(child))
                InvalidateRect(child, nullptr, TRUE);
        }
        record->headers.ForEach([](int, const HeaderRecord& header) {
            if (header.window)
                InvalidateRect(header.window, nullptr, TRUE);
        });
    }
}

bool SkinEngine::SetWindowPicture(HWND window, const ByteArray& pictureBytes, std::optional<int> pictureMode)
{
    WindowRecord* record = RecordOfWindow(window);
    if (!record || pictureBytes.empty())
        return false;
    if (pictureMode)
        record->pictureMode = *pictureMode;
    PictureSource picture;
    picture.bytes = &pictureBytes;
    record->pictureColour = AverageColour(picture, kAverageSamples);
    const int mode = record->pictureMode;
    record->windowPicture = (mode == 0 || mode == 1) ? FadeOrCopy(picture, mode, record->pictureColour) : pictureBytes;
    record->needsRender = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

void SkinEngine::PaintBackground(Graphics& graphics, int index)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    const SkinModuleState& state = SkinModule();
    RECT client{};
    GetClientRect(record->window, &client);
    const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);

    graphics.Clear(kMagenta);
    GraphicsPath outline;
    outline.Create();
    AddRoundRect(outline, 0, 0, width, height, 4);
    graphics.SetClipPath(outline);

    const bool ownPicture = !record->windowPicture.empty();
    SolidBrush fill;
    fill.Create(ToArgb(ownPicture ? record->pictureColour : state.backColour, 255));
    graphics.FillPath(fill, outline);

    const ByteArray& bytes = ownPicture ? record->windowPicture : state.backgroundPicture;
    const int mode = ownPicture ? record->pictureMode : state.backgroundPictureMode;
    if (!bytes.empty()) {
        if (mode == 4) {
            PaintMirroredRow(graphics, bytes, client.right);
        } else {
            if (const Image* cached = CachedPicture(bytes)) {
                const Image& picture = *cached;
                const float pw = static_cast<float>(picture.GetWidth());
                const float ph = static_cast<float>(picture.GetHeight());
                switch (mode) {
                case 0:
                    graphics.DrawImageRect(picture, 0, 0, pw, ph);
                    break;
                case 1:
                    graphics.DrawImageRect(picture, width - pw, 0, pw, ph);
                    break;
                case 2:
                    graphics.DrawImageRect(picture, (width - pw) / 2, (height - ph) / 2, pw, ph);
                    break;
                case 3:
                    graphics.DrawImageRect(picture, 0, 0, width, height);
                    break;
                default:
                    break;
                }
            }
        }
    }

    if (record->captionGloss) {
        LinearGradientBrush gloss;
        gloss.Create({0, 0}, {0, static_cast<float>(record->captionHeight)}, ToArgb(0xFFFFFF, 150),
                     ToArgb(0xFFFFFF, 0));
        graphics.FillRectangle(gloss, 0, 0, width, static_cast<float>(record->captionHeight));
    }
}
