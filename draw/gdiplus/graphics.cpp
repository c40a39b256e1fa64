#include "graphics.h"

#include <vector>

bool Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device)
{
    Release();
    if (device)
        return Record(gdip::GdipCreateFromHDC2(dc, *device, OutHandle()));
    return Record(gdip::GdipCreateFromHDC(dc, OutHandle()));
}

bool Graphics::CreateFromHWND(HWND window, bool useIcm)
{
    Release();
    if (useIcm)
        return Record(gdip::GdipCreateFromHWNDICM(window, OutHandle()));
    return Record(gdip::GdipCreateFromHWND(window, OutHandle()));
}

bool Graphics::DrawString(const char* text, const Font& font, const Brush& brush, Gdiplus::RectF layout,
                          const StringFormat& format)
{
    const WideText wide(text);
    return Record(gdip::GdipDrawString(Handle(), wide.c_str(), wide.Length(), font.GetNativeHandle(), &layout,
                                       format.GetNativeHandle(), brush.GetNativeHandle()));
}

bool Graphics::DrawStringW(const wchar_t* text, const Font& font, const Brush& brush, Gdiplus::RectF layout,
                           const StringFormat& format)
{
    const wchar_t* passed = text ? text : L"";
    return Record(gdip::GdipDrawString(Handle(), passed, lstrlenW(passed), font.GetNativeHandle(), &layout,
                                       format.GetNativeHandle(), brush.GetNativeHandle()));
}

bool Graphics::MeasureString(const char* text, const Font& font, Gdiplus::RectF layout, const StringFormat& format,
                             Gdiplus::RectF& bounds)
{
    const WideText wide(text);
    return Record(gdip::GdipMeasureString(Handle(), wide.c_str(), wide.Length(), font.GetNativeHandle(), &layout,
                                          format.GetNativeHandle(), &bounds, nullptr, nullptr));
}

bool Graphics::MeasureCharacterRanges(const char* text, const Font& font, Gdiplus::RectF layout,
                                      const StringFormat& format, std::span<Region> regions)
{
    // Native regions for GDI+ to fill, owned here until handed over.
    std::vector<Region> measured(regions.size());
    std::vector<Gdiplus::GpRegion*> handles;
    handles.reserve(regions.size());
    for (Region& region : measured) {
        if (!region.Create())
            return false;
        handles.push_back(region.GetNativeHandle());
    }
    const WideText wide(text);
    if (!Record(gdip::GdipMeasureCharacterRanges(Handle(), wide.c_str(), wide.Length(), font.GetNativeHandle(), layout,
                                                 format.GetNativeHandle(), CountOf(regions), ArrayOrNull(std::span(handles)))))
        return false;
    for (size_t i = 0; i < regions.size(); ++i)
        regions[i] = std::move(measured[i]);
    return true;
}

bool Graphics::DrawWholeImage(Gdiplus::GpImage* image, REAL x, REAL y, REAL width, REAL height,
                              Gdiplus::Unit sourceUnit)
{
    const UINT imageWidth = GetValueOf<UINT>(image, gdip::GdipGetImageWidth);
    const UINT imageHeight = GetValueOf<UINT>(image, gdip::GdipGetImageHeight);
    return Record(gdip::GdipDrawImageRectRect(Handle(), image, x, y, width, height, 0.0f, 0.0f,
                                              static_cast<REAL>(imageWidth), static_cast<REAL>(imageHeight),
                                              sourceUnit, nullptr, nullptr, nullptr));
}

Gdiplus::RectF Graphics::GetClipBounds() const
{
    Gdiplus::RectF bounds;
    return Record(gdip::GdipGetClipBounds(Handle(), &bounds)) ? bounds : Gdiplus::RectF{};
}

// Region queries need the surface the region is measured on.
Gdiplus::RectF Region::GetBounds(const Graphics& graphics) const
{
    Gdiplus::RectF bounds;
    return Record(gdip::GdipGetRegionBounds(Handle(), graphics.GetNativeHandle(), &bounds)) ? bounds
                                                                                           : Gdiplus::RectF{};
}

bool Region::IsEmpty(const Graphics& graphics) const
{
    BOOL empty = FALSE;
    return Record(gdip::GdipIsEmptyRegion(Handle(), graphics.GetNativeHandle(), &empty)) && empty;
}

bool Region::IsVisiblePoint(Gdiplus::REAL x, Gdiplus::REAL y, const Graphics& graphics) const
{
    BOOL visible = FALSE;
    return Record(gdip::GdipIsVisibleRegionPoint(Handle(), x, y, graphics.GetNativeHandle(), &visible)) && visible;
}

HRGN Region::GetHRGN(const Graphics& graphics) const
{
    HRGN region = nullptr;
    return Record(gdip::GdipGetRegionHRgn(Handle(), graphics.GetNativeHandle(), &region)) ? region : nullptr;
}
