#pragma once
// A GDI+ path: the outlines the skin engine fills and strokes.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"

#include <span>
#include <vector>

class GraphicsPath : public OwnedGdiplusObject<Gdiplus::GpPath, gdip::GdipDeletePath> {
public:
    using REAL = Gdiplus::REAL;

    bool Create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate)
    {
        Release();
        return Record(gdip::GdipCreatePath(fillMode, OutHandle()));
    }
    bool Reset() { return Record(gdip::GdipResetPath(Handle())); }
    bool StartFigure() { return Record(gdip::GdipStartPathFigure(Handle())); }
    bool CloseFigure() { return Record(gdip::GdipClosePathFigure(Handle())); }
    bool AddLine(REAL x1, REAL y1, REAL x2, REAL y2) { return Record(gdip::GdipAddPathLine(Handle(), x1, y1, x2, y2)); }
    bool AddLine2(std::span<const Gdiplus::PointF> points)
    {
        return Record(gdip::GdipAddPathLine2(Handle(), ArrayOrNull(points), CountOf(points)));
    }
    bool AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
    {
        return Record(gdip::GdipAddPathArc(Handle(), x, y, width, height, startAngle, sweepAngle));
    }
    bool AddRectangle(REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipAddPathRectangle(Handle(), x, y, width, height));
    }
    bool AddEllipse(REAL x, REAL y, REAL width, REAL height)
    {
        return Record(gdip::GdipAddPathEllipse(Handle(), x, y, width, height));
    }
    bool AddPolygon(std::span<const Gdiplus::PointF> points)
    {
        return Record(gdip::GdipAddPathPolygon(Handle(), ArrayOrNull(points), CountOf(points)));
    }
    // A rectangle with corners rounded by a box of `percent` (clamped to
    // 1..100) of its width and height; 100 gives an ellipse-like outline.
    bool AddRoundRectPercent(REAL x, REAL y, REAL width, REAL height, int percent);

    INT GetPointCount() const { return GetValue<INT>(gdip::GdipGetPointCount); }
    // The path's points; empty when the path is Empty or has none.
    std::vector<Gdiplus::PointF> GetPathPoints() const;
    // Bounding box in world units; all 0 when the call fails.
    Gdiplus::RectF GetBounds() const;
    bool IsVisible(REAL x, REAL y) const;
};
