#pragma once
// A GDI+ region: clip areas and the results of character-range measuring.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"
#include "graphics_path.h"

class Graphics;

class Region : public OwnedGdiplusObject<Gdiplus::GpRegion, gdip::GdipDeleteRegion> {
public:
    // An infinite region.
    bool Create()
    {
        Release();
        return Record(gdip::GdipCreateRegion(OutHandle()));
    }
    bool CreateFromRect(Gdiplus::RectF rect)
    {
        Release();
        return Record(gdip::GdipCreateRegionRect(&rect, OutHandle()));
    }
    bool CreateFromPath(const GraphicsPath& path)
    {
        Release();
        return Record(gdip::GdipCreateRegionPath(path.GetNativeHandle(), OutHandle()));
    }
    // Takes over a region made elsewhere (e.g. by Graphics), releasing any
    // region this wrapper held.
    void Adopt(Gdiplus::GpRegion* region) noexcept
    {
        Release();
        SetNativeHandle(region);
    }
    bool CombineRect(Gdiplus::RectF rect, Gdiplus::CombineMode mode)
    {
        return Record(gdip::GdipCombineRegionRect(Handle(), &rect, mode));
    }
    // IsEmpty() tells whether the wrapper holds a region; IsEmpty(graphics)
    // whether that region covers nothing.
    using GdiplusObject<Gdiplus::GpRegion>::IsEmpty;
    // Bounds on the surface of `graphics`; all 0 when the call fails.
    Gdiplus::RectF GetBounds(const Graphics& graphics) const;
    bool IsEmpty(const Graphics& graphics) const;
    bool IsVisiblePoint(Gdiplus::REAL x, Gdiplus::REAL y, const Graphics& graphics) const;
    // A GDI region the caller owns (DeleteObject), or null.
    HRGN GetHRGN(const Graphics& graphics) const;
};
