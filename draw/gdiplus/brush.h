#pragma once
// Paint sources: the common brush level and the three brushes the skin
// engine fills with. Each concrete brush keeps its handle at the brush
// level; the typed handle is the same pointer seen as its GDI+ class.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"
#include "graphics_path.h"

#include <span>

class Brush : public OwnedGdiplusObject<Gdiplus::GpBrush, gdip::GdipDeleteBrush> {
public:
    Gdiplus::BrushType GetType() const { return GetValue<Gdiplus::BrushType>(gdip::GdipGetBrushType); }

protected:
    Brush() = default;
    // Stores the handle a creator received, with its status. `created` is
    // read by reference: only after the creator call has filled it.
    template <typename Concrete>
    bool Adopt(Gdiplus::Status status, Concrete* const& created)
    {
        SetNativeHandle(created);
        return Record(status);
    }
    template <typename Concrete>
    Concrete* As() const noexcept
    {
        return static_cast<Concrete*>(Handle());
    }
};

class SolidBrush : public Brush {
public:
    bool Create(Gdiplus::ARGB colour)
    {
        Release();
        Gdiplus::GpSolidFill* created = nullptr;
        return Adopt(gdip::GdipCreateSolidFill(colour, &created), created);
    }
    bool SetColor(Gdiplus::ARGB colour) { return Record(gdip::GdipSetSolidFillColor(Native(), colour)); }
    Gdiplus::ARGB GetColor() const { return GetValueOf<Gdiplus::ARGB>(Native(), gdip::GdipGetSolidFillColor); }

private:
    Gdiplus::GpSolidFill* Native() const noexcept { return As<Gdiplus::GpSolidFill>(); }
};

class LinearGradientBrush : public Brush {
public:
    // A gradient from `start` to `end`, tiled beyond them.
    bool Create(Gdiplus::PointF start, Gdiplus::PointF end, Gdiplus::ARGB startColour, Gdiplus::ARGB endColour)
    {
        Release();
        Gdiplus::GpLineGradient* created = nullptr;
        return Adopt(
            gdip::GdipCreateLineBrush(&start, &end, startColour, endColour, Gdiplus::WrapModeTile, &created),
            created);
    }
    // Colours at positions (0..1); both arrays must have the same length.
    bool SetPresetBlend(std::span<const Gdiplus::ARGB> colours, std::span<const Gdiplus::REAL> positions);
    INT GetPresetBlendCount() const { return GetValueOf<INT>(Native(), gdip::GdipGetLinePresetBlendCount); }
    bool SetLinearBlend(Gdiplus::REAL focus, Gdiplus::REAL scale)
    {
        return Record(gdip::GdipSetLineLinearBlend(Native(), focus, scale));
    }
    bool TranslateTransform(Gdiplus::REAL dx, Gdiplus::REAL dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return Record(gdip::GdipTranslateLineTransform(Native(), dx, dy, order));
    }
    bool ScaleTransformAt(Gdiplus::REAL sx, Gdiplus::REAL sy, Gdiplus::PointF centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Native(), gdip::GdipTranslateLineTransform, centre, order,
                              [&] { return gdip::GdipScaleLineTransform(Native(), sx, sy, order); });
    }
    bool RotateTransformAt(Gdiplus::REAL angle, Gdiplus::PointF centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Native(), gdip::GdipTranslateLineTransform, centre, order,
                              [&] { return gdip::GdipRotateLineTransform(Native(), angle, order); });
    }

private:
    Gdiplus::GpLineGradient* Native() const noexcept { return As<Gdiplus::GpLineGradient>(); }
};

class PathGradientBrush : public Brush {
public:
    bool CreateFromPath(const GraphicsPath& path)
    {
        Release();
        Gdiplus::GpPathGradient* created = nullptr;
        return Adopt(gdip::GdipCreatePathGradientFromPath(path.GetNativeHandle(), &created), created);
    }
    bool SetCenterColor(Gdiplus::ARGB colour)
    {
        return Record(gdip::GdipSetPathGradientCenterColor(Native(), colour));
    }
    Gdiplus::ARGB GetCenterColor() const
    {
        return GetValueOf<Gdiplus::ARGB>(Native(), gdip::GdipGetPathGradientCenterColor);
    }
    bool SetCenterPoint(Gdiplus::PointF centre)
    {
        return Record(gdip::GdipSetPathGradientCenterPoint(Native(), &centre));
    }
    // Colours along the path. `count` (optional) says how many of them to
    // use, at most the array's length; GDI+ writes back how many it took.
    bool SetSurroundColors(std::span<const Gdiplus::ARGB> colours, INT* count = nullptr);
    INT GetSurroundColorCount() const
    {
        return GetValueOf<INT>(Native(), gdip::GdipGetPathGradientSurroundColorCount);
    }
    bool SetPresetBlend(std::span<const Gdiplus::ARGB> colours, std::span<const Gdiplus::REAL> positions);
    bool ScaleTransformAt(Gdiplus::REAL sx, Gdiplus::REAL sy, Gdiplus::PointF centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Native(), gdip::GdipTranslatePathGradientTransform, centre, order,
                              [&] { return gdip::GdipScalePathGradientTransform(Native(), sx, sy, order); });
    }
    bool RotateTransformAt(Gdiplus::REAL angle, Gdiplus::PointF centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Native(), gdip::GdipTranslatePathGradientTransform, centre, order,
                              [&] { return gdip::GdipRotatePathGradientTransform(Native(), angle, order); });
    }

private:
    Gdiplus::GpPathGradient* Native() const noexcept { return As<Gdiplus::GpPathGradient>(); }
};
