// Turning a bitmap by any angle into a canvas large enough for all of it.
#include "bitmap.h"
#include "graphics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.1415926535;

}  // namespace

Gdiplus::SizeF Bitmap::GetRotatedSize(REAL width, REAL height, int angle)
{
    const REAL theta = static_cast<REAL>(angle * kPi / 180.0);
    const REAL s = std::sin(theta);
    const REAL c = std::cos(theta);
    // Corners of the box through the outer pixel centres, centred on 0.
    const REAL a = (width - 1) / 2;
    const REAL b = (height - 1) / 2;
    const Gdiplus::PointF corners[4] = {{-a, b}, {a, b}, {-a, -b}, {a, -b}};
    Gdiplus::PointF turned[4];
    for (int i = 0; i < 4; ++i)
        turned[i] = {c * corners[i].X + s * corners[i].Y, -s * corners[i].X + c * corners[i].Y};
    // Opposite corners span the box whatever the angle.
    const REAL newWidth = std::max(std::fabs(turned[3].X - turned[0].X), std::fabs(turned[2].X - turned[1].X));
    const REAL newHeight = std::max(std::fabs(turned[3].Y - turned[0].Y), std::fabs(turned[2].Y - turned[1].Y));
    return {newWidth, newHeight};
}

bool Bitmap::Rotate(REAL angle, Bitmap& target, std::optional<ARGB> background,
                    std::optional<Gdiplus::InterpolationMode> interpolation,
                    std::optional<Gdiplus::SizeF> canvasSize) const
{
    if (IsEmpty()) {
        LastStatus = Gdiplus::InvalidParameter;
        return false;
    }
    const REAL width = static_cast<REAL>(GetWidth());
    const REAL height = static_cast<REAL>(GetHeight());
    const Gdiplus::SizeF size = canvasSize.value_or(GetRotatedSize(width, height, static_cast<int>(angle)));

    Bitmap canvas;
    if (!canvas.Create(static_cast<INT>(size.Width), static_cast<INT>(size.Height)))
        return false;
    // Same resolution as the source, so its pixels land one to one.
    if (!canvas.SetResolution(GetHorizontalResolution(), GetVerticalResolution()))
        return false;

    Gdiplus::Status drawn = Gdiplus::GenericError;
    {
        Graphics graphics;
        if (!graphics.CreateFromImage(canvas))
            return false;
        if (background) {
            SolidBrush brush;
            if (!brush.Create(*background) || !graphics.FillRectangle(brush, 0, 0, size.Width, size.Height))
                return false;
        }
        if (interpolation && !graphics.SetInterpolationMode(*interpolation))
            return false;
        // Read last step first: centre the source on the canvas, then turn
        // it about the canvas centre.
        const bool placed = graphics.TranslateTransform(size.Width / 2, size.Height / 2) &&
                            graphics.RotateTransform(angle) &&
                            graphics.TranslateTransform(-size.Width / 2, -size.Height / 2) &&
                            graphics.TranslateTransform((size.Width - width) / 2, (size.Height - height) / 2);
        if (!placed)
            return false;
        graphics.DrawImage(*this, 0, 0);
        drawn = LastStatus;
        graphics.ResetTransform();
    }
    LastStatus = drawn;
    if (drawn != Gdiplus::Ok)
        return false;
    target = std::move(canvas);
    return true;
}
