#include "dib_graphics.h"

namespace {

// True when the DC's logical (0, 0) is the bitmap's top-left pixel.
bool MapsOriginToCorner(HDC dc)
{
    POINT viewport{}, window{};
    if (!GetViewportOrgEx(dc, &viewport) || !GetWindowOrgEx(dc, &window) || viewport.x != 0 || viewport.y != 0 ||
        window.x != 0 || window.y != 0 || GetMapMode(dc) != MM_TEXT)
        return false;
    if (GetGraphicsMode(dc) != GM_ADVANCED)
        return true;
    XFORM transform{};
    return GetWorldTransform(dc, &transform) && transform.eM11 == 1 && transform.eM12 == 0 && transform.eM21 == 0 &&
           transform.eM22 == 1 && transform.eDx == 0 && transform.eDy == 0;
}

} // namespace

std::optional<DibView> ViewDib(HDC dc)
{
    DIBSECTION dib{};
    HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
    if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32 || dib.dsBmih.biCompression != BI_RGB || dib.dsBm.bmWidth <= 0 ||
        dib.dsBm.bmHeight <= 0)
        return std::nullopt;
    GdiFlush();
    auto* first = static_cast<BYTE*>(dib.dsBm.bmBits);
    const ptrdiff_t stride = dib.dsBm.bmWidthBytes;
    DibView view{first, stride, dib.dsBm.bmWidth, dib.dsBm.bmHeight};
    if (view.height == 1)
        return view;
    if (!MapsOriginToCorner(dc))
        return std::nullopt;

    // Which row in memory does GDI's top-left pixel live in?
    auto* firstRow = reinterpret_cast<DWORD*>(first);
    auto* lastRow = reinterpret_cast<DWORD*>(first + stride * (view.height - 1));
    const DWORD firstSaved = *firstRow, lastSaved = *lastRow;
    // A marker that differs from both pixels in colour.
    DWORD marker = 0x010203;
    while ((firstSaved & 0xFFFFFF) == marker || (lastSaved & 0xFFFFFF) == marker)
        marker += 0x010101;
    SetPixelV(dc, 0, 0, RGB((marker >> 16) & 0xFF, (marker >> 8) & 0xFF, marker & 0xFF));
    GdiFlush();
    const bool topDown = (*firstRow & 0xFFFFFF) == marker;
    const bool bottomUp = (*lastRow & 0xFFFFFF) == marker;
    *firstRow = firstSaved;
    *lastRow = lastSaved;
    if (topDown == bottomUp)
        return std::nullopt;
    if (bottomUp) {
        view.top = first + stride * (view.height - 1);
        view.stride = -stride;
    }
    return view;
}

DibGraphics::DibGraphics(HDC dc)
{
    if (const std::optional<DibView> view = ViewDib(dc)) {
        if (pixels_.CreateFromScan0(view->width, view->height, static_cast<INT>(view->stride), PixelFormat32bppRGB,
                                    view->top) &&
            graphics_.CreateFromImage(pixels_)) {
            overPixels_ = true;
            return;
        }
    }
    graphics_.CreateFromHDC(dc);
}
