#pragma once
// A GDI+ pen for outlines and lines.
#include "brush.h"
#include "gdiplus_flat.h"
#include "gdiplus_object.h"

class Pen : public OwnedGdiplusObject<Gdiplus::GpPen, gdip::GdipDeletePen> {
public:
    using REAL = Gdiplus::REAL;

    // GDI+ under Wine accepts only world and pixel units for pens.
    bool Create(Gdiplus::ARGB colour, REAL width, Gdiplus::Unit unit = Gdiplus::UnitWorld)
    {
        Release();
        return Record(gdip::GdipCreatePen1(colour, width, unit, OutHandle()));
    }
    bool CreateFromBrush(const Brush& brush, REAL width, Gdiplus::Unit unit = Gdiplus::UnitWorld)
    {
        Release();
        return Record(gdip::GdipCreatePen2(brush.GetNativeHandle(), width, unit, OutHandle()));
    }
    bool SetWidth(REAL width) { return Record(gdip::GdipSetPenWidth(Handle(), width)); }
    REAL GetWidth() const { return GetValue<REAL>(gdip::GdipGetPenWidth); }
    bool SetColor(Gdiplus::ARGB colour) { return Record(gdip::GdipSetPenColor(Handle(), colour)); }
    Gdiplus::ARGB GetColor() const { return GetValue<Gdiplus::ARGB>(gdip::GdipGetPenColor); }
    bool SetDashStyle(Gdiplus::DashStyle style) { return Record(gdip::GdipSetPenDashStyle(Handle(), style)); }
    bool ScaleTransformAt(REAL sx, REAL sy, Gdiplus::PointF centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Handle(), gdip::GdipTranslatePenTransform, centre, order,
                              [&] { return gdip::GdipScalePenTransform(Handle(), sx, sy, order); });
    }
    bool RotateTransformAt(REAL angle, Gdiplus::PointF centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend)
    {
        return TransformAbout(Handle(), gdip::GdipTranslatePenTransform, centre, order,
                              [&] { return gdip::GdipRotatePenTransform(Handle(), angle, order); });
    }
};
