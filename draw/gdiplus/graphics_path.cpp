#include "graphics_path.h"

#include <algorithm>
#include <cmath>

bool GraphicsPath::AddRoundRectPercent(REAL x, REAL y, REAL width, REAL height, int percent)
{
    percent = std::clamp(percent, 1, 100);
    const REAL cw = std::trunc(width * static_cast<REAL>(percent) / 100.0f);
    const REAL ch = std::trunc(height * static_cast<REAL>(percent) / 100.0f);
    return AddArc(x + width - cw, y, cw, ch, 270.0f, 90.0f) &&
           AddArc(x + width - cw, y + height - ch, cw, ch, 0.0f, 90.0f) &&
           AddArc(x, y + height - ch, cw, ch, 90.0f, 90.0f) && AddArc(x, y, cw, ch, 180.0f, 90.0f) && CloseFigure();
}

std::vector<Gdiplus::PointF> GraphicsPath::GetPathPoints() const
{
    const INT count = GetPointCount();
    if (count <= 0)
        return {};
    std::vector<Gdiplus::PointF> points(static_cast<size_t>(count));
    if (!Record(gdip::GdipGetPathPoints(Handle(), points.data(), count)))
        return {};
    return points;
}

Gdiplus::RectF GraphicsPath::GetBounds() const
{
    Gdiplus::RectF bounds;
    if (!Record(gdip::GdipGetPathWorldBounds(Handle(), &bounds, nullptr, nullptr)))
        return {};
    return bounds;
}

bool GraphicsPath::IsVisible(REAL x, REAL y) const
{
    BOOL visible = FALSE;
    return Record(gdip::GdipIsVisiblePathPoint(Handle(), x, y, nullptr, &visible)) && visible;
}
