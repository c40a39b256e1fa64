#include "brush.h"

#include <algorithm>

namespace {

// GDI+ reads as many positions as colours: unequal arrays would make it
// read past the shorter one, so they are refused before the call.
bool BlendArraysMatch(std::span<const Gdiplus::ARGB> colours, std::span<const Gdiplus::REAL> positions)
{
    if (colours.size() == positions.size())
        return true;
    LastStatus = Gdiplus::InvalidParameter;
    return false;
}

}  // namespace

bool LinearGradientBrush::SetPresetBlend(std::span<const Gdiplus::ARGB> colours,
                                         std::span<const Gdiplus::REAL> positions)
{
    return BlendArraysMatch(colours, positions) &&
           Record(gdip::GdipSetLinePresetBlend(Native(), ArrayOrNull(colours), ArrayOrNull(positions),
                                               CountOf(colours)));
}

bool PathGradientBrush::SetPresetBlend(std::span<const Gdiplus::ARGB> colours,
                                       std::span<const Gdiplus::REAL> positions)
{
    return BlendArraysMatch(colours, positions) &&
           Record(gdip::GdipSetPathGradientPresetBlend(Native(), ArrayOrNull(colours), ArrayOrNull(positions),
                                                       CountOf(colours)));
}

bool PathGradientBrush::SetSurroundColors(std::span<const Gdiplus::ARGB> colours, INT* count)
{
    INT used = CountOf(colours);
    if (count)
        used = std::clamp(*count, 0, used);
    const bool ok = Record(gdip::GdipSetPathGradientSurroundColorsWithCount(Native(), ArrayOrNull(colours), &used));
    if (count)
        *count = used;
    return ok;
}
