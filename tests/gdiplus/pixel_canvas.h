#pragma once
// A 32-bit top-down DIB section selected into a memory DC, for drawing
// with GDI+ and probing the resulting pixels.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <type_traits>

class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF background) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.reset(CreateCompatibleDC(nullptr));
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_.get(), bitmap_.get());
        const RECT all{0, 0, width, height};
        std::unique_ptr<std::remove_pointer_t<HBRUSH>, ObjectDeleter> brush(CreateSolidBrush(background));
        FillRect(dc_.get(), &all, brush.get());
    }
    ~PixelCanvas() { SelectObject(dc_.get(), previous_); }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return dc_.get(); }
    bool Valid() const { return dc_ && bitmap_ && bits_; }

    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const std::uint32_t bgra = bits_[y * width_ + x];
        return RGB((bgra >> 16) & 0xff, (bgra >> 8) & 0xff, bgra & 0xff);
    }
    // Pixels of the rectangle [x0, x1) x [y0, y1) that differ from `colour`.
    int CountOtherThan(COLORREF colour, int x0, int y0, int x1, int y1) const
    {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += Pixel(x, y) != colour;
        return count;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    struct DcDeleter {
        void operator()(HDC dc) const { DeleteDC(dc); }
    };
    struct ObjectDeleter {
        void operator()(HGDIOBJ object) const { DeleteObject(object); }
    };
    int width_;
    int height_;
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc_;
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter> bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Colour channels within `tolerance` of the expected ones.
inline bool Near(COLORREF actual, COLORREF expected, int tolerance)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}
