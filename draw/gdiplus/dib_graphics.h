#pragma once
// Drawing straight into the pixels of the 32-bit DIB section selected into
// a memory DC.
#include <windows.h>

#include <cstddef>
#include <optional>

#include "bitmap.h"
#include "graphics.h"

// The pixels of a 32-bit DIB section, top row first.
struct DibView {
    BYTE* top = nullptr;  // the first byte of the top row
    ptrdiff_t stride = 0; // bytes from a row to the one below (negative when bottom-up)
    int width = 0, height = 0;

    DWORD* Row(int y) const { return reinterpret_cast<DWORD*>(top + stride * y); }
};

// The pixels of the 32-bit uncompressed DIB section selected into `dc`,
// with any GDI drawing on it finished. The system does not say whether a
// DIB section is top-down (GetObject reports a positive height either
// way), so one pixel is written through the DC to find out and then put
// back. Meant for plain memory DCs: nothing when the DC holds another kind
// of bitmap, maps its logical origin elsewhere, or clips that pixel away.
std::optional<DibView> ViewDib(HDC dc);

// A Graphics over a memory DC that draws straight into the pixels of its
// 32-bit DIB section. GDI+ then composes in the bitmap's own memory
// instead of going through the DC on every call, about twice as fast for
// the skin's translucent fills and text. For any other DC it draws on the
// DC. The DC's clipping and viewport do not apply over the pixels. The
// drawing has reached the bitmap when the object is dropped.
class DibGraphics {
public:
    explicit DibGraphics(HDC dc);
    DibGraphics(const DibGraphics&) = delete;
    DibGraphics& operator=(const DibGraphics&) = delete;

    Graphics& Get() { return graphics_; }
    // True when drawing goes straight into the DIB's pixels.
    bool OverPixels() const { return overPixels_; }

private:
    Bitmap pixels_;     // wraps the DIB's memory; outlives the graphics
    Graphics graphics_; // declared after pixels_: released first
    bool overPixels_ = false;
};
