#pragma once
// Expected colours of translucent linear gradients, for probing skin
// pictures made of stacked GDI+ fills.
#include "control_test_support.h"
#include "skin_primitives.h"

namespace control_test {

// A translucent colour: COLORREF and alpha 0..255.
struct Tint {
    COLORREF colour;
    int alpha;
};

// The colour GDI+ lays over `below` at fraction `t` (0..1) of a gradient
// from `from` to `to`: alpha and the alpha-weighted colour interpolated
// channel by channel.
inline COLORREF OverGradient(COLORREF below, Tint from, Tint to, double t)
{
    const double alpha = from.alpha + (to.alpha - from.alpha) * t;
    if (alpha <= 0)
        return below;
    const auto mix = [&](int a, int b) {
        return static_cast<int>((a * from.alpha * (1 - t) + b * to.alpha * t) / alpha + 0.5);
    };
    const COLORREF colour = RGB(mix(GetRValue(from.colour), GetRValue(to.colour)),
                                mix(GetGValue(from.colour), GetGValue(to.colour)),
                                mix(GetBValue(from.colour), GetBValue(to.colour)));
    return Blend(colour, static_cast<int>(alpha + 0.5), below);
}

// Fraction of pixel `position` (its centre) along a gradient from `start`
// to `end`.
inline double GradientFraction(int position, double start, double end)
{
    return (position + 0.5 - start) / (end - start);
}

// The frame-image pixel behind point (x, y) of a control.
inline COLORREF BehindControl(int recordIndex, HWND control, int x, int y)
{
    const RECT offset = RectInOwner(control);
    return GetPixel(RecordAt(recordIndex)->BackgroundDC(), offset.left + x, offset.top + y);
}

} // namespace control_test
