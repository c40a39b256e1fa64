#pragma once
// A GDI+ bitmap: an image with pixels the program can make, read and
// write, and hand to GDI as a DIB section.
#include "image.h"

#include <memory>
#include <optional>
#include <type_traits>

namespace gdip {
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromFile);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromFileICM);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromStream);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromStreamICM);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromScan0);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromHICON);
GDIPLUS_FLAT_FUNCTION(GdipCreateBitmapFromHBITMAP);
GDIPLUS_FLAT_FUNCTION(GdipCreateHBITMAPFromBitmap);
GDIPLUS_FLAT_FUNCTION(GdipBitmapGetPixel);
GDIPLUS_FLAT_FUNCTION(GdipBitmapSetPixel);
GDIPLUS_FLAT_FUNCTION(GdipBitmapSetResolution);
}  // namespace gdip

struct HBitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
// A GDI bitmap handed out by Bitmap::GetHBITMAP; its owner deletes it.
using UniqueHBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, HBitmapDeleter>;

class Bitmap : public Image {
public:
    using ARGB = Gdiplus::ARGB;

    Bitmap() = default;

    // Every creator disposes of what the wrapper held first.
    bool CreateFromFile(const char* file, bool useIcm = false);
    bool CreateFromFileW(const wchar_t* file, bool useIcm = false);
    // Keeps a copy of `bytes` for as long as the bitmap lives.
    bool CreateFromBytes(std::span<const BYTE> bytes, bool useIcm = false);
    // `pixels` null: GDI+ allocates (and then `stride` must be 0).
    bool CreateFromScan0(INT width, INT height, INT stride, Gdiplus::PixelFormat format, BYTE* pixels);
    // A blank bitmap, 32-bit ARGB unless another format is given.
    bool Create(INT width, INT height, Gdiplus::PixelFormat format = PixelFormat32bppARGB)
    {
        return CreateFromScan0(width, height, 0, format, nullptr);
    }
    bool CreateFromHICON(HICON icon);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);

    // A new 32-bit DIB section of the pixels over `background`; null on
    // failure (an Empty bitmap included).
    UniqueHBitmap GetHBITMAP(ARGB background) const;
    ARGB GetPixel(INT x, INT y) const { return GetValueOf<ARGB>(Native(), gdip::GdipBitmapGetPixel, x, y); }
    bool SetPixel(INT x, INT y, ARGB colour) { return Record(gdip::GdipBitmapSetPixel(Native(), x, y, colour)); }
    bool SetResolution(REAL xDpi, REAL yDpi) { return Record(gdip::GdipBitmapSetResolution(Native(), xDpi, yDpi)); }

    // The canvas that holds a width x height picture turned by `angle`
    // degrees: the box of the turned pixel centres.
    static Gdiplus::SizeF GetRotatedSize(REAL width, REAL height, int angle);
    // Draws this bitmap turned by `angle` degrees (clockwise) about its
    // centre into a new canvas, given to `target` on success; this bitmap
    // is unchanged. The canvas is `canvasSize`, or GetRotatedSize of this
    // bitmap; without a background it starts fully transparent.
    bool Rotate(REAL angle, Bitmap& target, std::optional<ARGB> background = std::nullopt,
                std::optional<Gdiplus::InterpolationMode> interpolation = std::nullopt,
                std::optional<Gdiplus::SizeF> canvasSize = std::nullopt) const;

    // A bitmap is made by its own creators only.
    bool LoadFromFile(const char*, bool = false) = delete;
    bool LoadFromFileW(const wchar_t*, bool = false) = delete;
    bool LoadFromBytes(std::span<const BYTE>, bool = false) = delete;

private:
    Gdiplus::GpBitmap* Native() const noexcept { return static_cast<Gdiplus::GpBitmap*>(GetNativeHandle()); }
};
