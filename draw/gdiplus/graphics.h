#pragma once
// A GDI+ drawing surface on a device context or an image.
//
// Images are taken as any wrapper whose GetNativeHandle() gives a
// Gdiplus::GpImage* (Image, Bitmap): the image wrappers build on this
// layer, so Graphics does not include them.
#include "brush.h"
#include "gdiplus_flat.h"
#include "gdiplus_object.h"
#include "graphics_path.h"
#include "pen.h"
#include "region.h"
#include "text.h"

#include <optional>
#include <span>

class Graphics : public OwnedGdiplusObject<Gdiplus::GpGraphics, gdip::GdipDeleteGraphics> {
public:
    using REAL = Gdiplus::REAL;
    using ARGB = Gdiplus::ARGB;

    // Draws on `dc`; with `device`, GDI+ is told the device handle as well.
    bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
    bool CreateFromHWND(HWND window, bool useIcm = false);
    // Draws into the pixels of `image`.
    template <typename ImageLike>
    bool CreateFromImage(const ImageLike& image)
    {
        Release();
        return Record(gdip::GdipGetImageGraphicsContext(image.GetNativeHandle(), OutHandle()));
    }
    void Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush)
    {
        gdip::GdipFlush(Handle(), intention);
    }

    bool SetCompositingQuality(Gdiplus::CompositingQuality quality)
    {
        return Record(gdip::GdipSetCompositingQuality(Handle(), quality));
    }
    bool SetCompositingMode(Gdiplus::CompositingMode mode)
    {
        return Record(gdip::GdipSetCompositingMode(Handle(), mode));
    }
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode)
    {
        return Record(gdip::GdipSetInterpolationMode(Handle(), mode));
    }
    bool SetSmoothingMode(Gdiplus::SmoothingMode mode) { return Record(gdip::GdipSetSmoothingMode(Handle(), mode)); }
    Gdiplus::SmoothingMode GetSmoothingMode() const
    {
        return GetValue<Gdiplus::SmoothingMode>(gdip::GdipGetSmoothingMode);
    }
    bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode)
    {
        return Record(gdip::GdipSetPixelOffsetMode(Handle(), mode));
    }
    bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint)
    {
        return Record(gdip::GdipSetTextRenderingHint(Handle(), hint));
    }
    bool SetPageUnit(Gdiplus::Unit unit) { return Record(gdip::GdipSetPageUnit(Handle(), unit)); }

    bool ResetTransform() { return Record(gdip::GdipResetWorldTransform(Handle())); }
    bool TranslateTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return Record(gdip::GdipTranslateWorldTransform(Handle(), dx, dy, order));
    }
    bool ScaleTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return Record(gdip::GdipScaleWorldTransform(Handle(), sx, sy, order));
    }
    bool RotateTransform(REAL angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return Record(gdip::GdipRotateWorldTransform(Handle(), angle, order));
    }
    // Scale or rotate about `centre`, which stays where it is.
    bool ScaleTransformAt(REAL sx, REAL sy, Gdiplus::PointF centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Handle(), gdip::GdipTranslateWorldTransform, centre, order,
                              [&] { return gdip::GdipScaleWorldTransform(Handle(), sx, sy, order); });
    }
    bool RotateTransformAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Handle(), gdip::GdipTranslateWorldTransform, centre, order,
                              [&] { return gdip::GdipRotateWorldTransform(Handle(), angle, order); });
    }
    // Maps `points` in place from one coordinate space to another.
    bool TransformPoints(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                         std::span<Gdiplus::PointF> points)
    {
        return Record(gdip::GdipTransformPoints(Handle(), destination, source, ArrayOrNull(points), CountOf(points)));
    }

    bool Clear(ARGB colour) { return Record(gdip::GdipGraphicsClear(Handle(), colour)); }
    bool DrawLine(const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2)
    {
        return Record(gdip::GdipDrawLine(Handle(), pen.GetNativeHandle(), x1, y1, x2, y2));
    }
    bool DrawLines(const Pen& pen, std::span<const Gdiplus::PointF> points)
    {
        return Record(gdip::GdipDrawLines(Handle(), pen.GetNativeHandle(), ArrayOrNull(points), CountOf(points)));
    }
    bool DrawRectangle(const Pen& pen, REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipDrawRectangle(Handle(), pen.GetNativeHandle(), x, y, width, height));
    }
    bool DrawEllipse(const Pen& pen, REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipDrawEllipse(Handle(), pen.GetNativeHandle(), x, y, width, height));
    }
    bool DrawPolygon(const Pen& pen, std::span<const Gdiplus::PointF> points)
    {
        return Record(gdip::GdipDrawPolygon(Handle(), pen.GetNativeHandle(), ArrayOrNull(points), CountOf(points)));
    }
    bool DrawPath(const Pen& pen, const GraphicsPath& path)
    {
        return Record(gdip::GdipDrawPath(Handle(), pen.GetNativeHandle(), path.GetNativeHandle()));
    }
    bool FillRectangle(const Brush& brush, REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipFillRectangle(Handle(), brush.GetNativeHandle(), x, y, width, height));
    }
    bool FillRectangleRecord(const Brush& brush, Gdiplus::RectF rect)
    {
        return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
    }
    bool FillRectangles(const Brush& brush, std::span<const Gdiplus::RectF> rects)
    {
        return Record(gdip::GdipFillRectangles(Handle(), brush.GetNativeHandle(), ArrayOrNull(rects), CountOf(rects)));
    }
    bool FillPolygon(const Brush& brush, std::span<const Gdiplus::PointF> points,
                     Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate)
    {
        return Record(gdip::GdipFillPolygon(Handle(), brush.GetNativeHandle(), ArrayOrNull(points), CountOf(points),
                                            fillMode));
    }
    bool FillEllipse(const Brush& brush, REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipFillEllipse(Handle(), brush.GetNativeHandle(), x, y, width, height));
    }
    bool FillPath(const Brush& brush, const GraphicsPath& path)
    {
        return Record(gdip::GdipFillPath(Handle(), brush.GetNativeHandle(), path.GetNativeHandle()));
    }
    bool FillRegion(const Brush& brush, const Region& region)
    {
        return Record(gdip::GdipFillRegion(Handle(), brush.GetNativeHandle(), region.GetNativeHandle()));
    }

    // Text is ANSI in the process code page. An Empty format means the
    // default layout.
    bool DrawString(const char* text, const Font& font, const Brush& brush, Gdiplus::RectF layout,
                    const StringFormat& format = StringFormat{});
    bool DrawStringW(const wchar_t* text, const Font& font, const Brush& brush, Gdiplus::RectF layout,
                     const StringFormat& format = StringFormat{});
    // The bounding box of `text` laid out in `layout`.
    bool MeasureString(const char* text, const Font& font, Gdiplus::RectF layout, const StringFormat& format,
                       Gdiplus::RectF& bounds);
    // One region per character range set on `format`, handed to the
    // wrappers of `regions` (whose old regions are released).
    bool MeasureCharacterRanges(const char* text, const Font& font, Gdiplus::RectF layout,
                                const StringFormat& format, std::span<Region> regions);

    template <typename ImageLike>
    bool DrawImage(const ImageLike& image, REAL x, REAL y)
    {
        return Record(gdip::GdipDrawImage(Handle(), image.GetNativeHandle(), x, y));
    }
    // The whole image stretched into the rectangle.
    template <typename ImageLike>
    bool DrawImageRect(const ImageLike& image, REAL x, REAL y, REAL width, REAL height,
                       Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel)
    {
        return DrawWholeImage(image.GetNativeHandle(), x, y, width, height, sourceUnit);
    }
    template <typename ImageLike>
    bool DrawImageRectRect(const ImageLike& image, Gdiplus::RectF destination, Gdiplus::RectF source,
                           Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel)
    {
        return Record(gdip::GdipDrawImageRectRect(Handle(), image.GetNativeHandle(), destination.X, destination.Y,
                                                  destination.Width, destination.Height, source.X, source.Y,
                                                  source.Width, source.Height, sourceUnit, nullptr, nullptr,
                                                  nullptr));
    }

    bool SetClipPath(const GraphicsPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace)
    {
        return Record(gdip::GdipSetClipPath(Handle(), path.GetNativeHandle(), mode));
    }
    bool SetClipRect(REAL x, REAL y, REAL width, REAL height, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace)
    {
        return Record(gdip::GdipSetClipRect(Handle(), x, y, width, height, mode));
    }
    bool SetClipRegion(const Region& region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace)
    {
        return Record(gdip::GdipSetClipRegion(Handle(), region.GetNativeHandle(), mode));
    }
    bool ResetClip() { return Record(gdip::GdipResetClip(Handle())); }
    Gdiplus::RectF GetClipBounds() const;

private:
    bool DrawWholeImage(Gdiplus::GpImage* image, REAL x, REAL y, REAL width, REAL height, Gdiplus::Unit sourceUnit);
};
