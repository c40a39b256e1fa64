// Drawing straight into a DIB section's pixels: the rows are found the
// right way up for top-down and bottom-up bitmaps alike, the pixel used to
// find out is left as it was, translucent drawing composes as it does
// through the DC, and DCs whose pixels cannot be reached are drawn on
// through the DC.
#include "brush.h"
#include "dib_graphics.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kWidth = 20, kHeight = 12;

// A memory DC holding a 32-bit DIB section, top-down or bottom-up, filled
// with `background`.
class DibCanvas {
public:
    DibCanvas(bool topDown, COLORREF background)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = topDown ? -kHeight : kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(RECT{0, 0, kWidth, kHeight}, background);
    }
    ~DibCanvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc_; }
    DWORD* Memory() const { return static_cast<DWORD*>(bits_); }
    void Fill(RECT rect, COLORREF colour) const
    {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &rect, brush);
        DeleteObject(brush);
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= 2 && std::abs(GetGValue(a) - GetGValue(b)) <= 2 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 2;
}

constexpr COLORREF kGreen = RGB(0, 200, 0), kRed = RGB(220, 0, 0), kBlue = RGB(0, 0, 230);

class DibOrientation : public testing::TestWithParam<bool> {};

TEST_P(DibOrientation, ViewDibFindsTheTopRowAndLeavesThePixelItTriedAsItWas)
{
    DibCanvas canvas(GetParam(), kGreen);
    canvas.Fill(RECT{0, 0, kWidth, 3}, kRed); // the top three rows, as GDI sees them
    // Corner pixels with an alpha byte GDI would not write.
    DWORD* memory = canvas.Memory();
    DWORD* lastRow = memory + (kHeight - 1) * kWidth;
    memory[0] |= 0x7F000000;
    *lastRow |= 0x7F000000;
    const DWORD firstBefore = memory[0], lastBefore = *lastRow;

    const std::optional<DibView> view = ViewDib(canvas.Dc());
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->width, kWidth);
    EXPECT_EQ(view->height, kHeight);
    EXPECT_EQ(view->Row(0)[5] & 0xFFFFFF, 0xDC0000u);          // red, 0x00RRGGBB
    EXPECT_EQ(view->Row(kHeight - 1)[5] & 0xFFFFFF, 0x00C800u); // green
    EXPECT_EQ(memory[0], firstBefore);
    EXPECT_EQ(*lastRow, lastBefore);
}

TEST_P(DibOrientation, DrawingOverThePixelsLandsWhereItDoesThroughTheDC)
{
    DibCanvas over(GetParam(), kGreen), through(GetParam(), kGreen);
    const auto draw = [](Graphics& graphics) {
        SolidBrush blue, wash;
        blue.Create(0xFF0000E6u);
        wash.Create(0x80FFFFFFu); // half-transparent white
        graphics.FillRectangle(blue, 0, 0, 10, 4);
        graphics.FillRectangle(wash, 0, 6, static_cast<float>(kWidth), 6);
    };
    {
        DibGraphics canvas(over.Dc());
        EXPECT_TRUE(canvas.OverPixels());
        draw(canvas.Get());
    }
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(through.Dc()));
        draw(graphics);
    }
    EXPECT_EQ(GetPixel(over.Dc(), 2, 2), kBlue);
    EXPECT_EQ(GetPixel(over.Dc(), 15, 2), kGreen);
    const COLORREF washed = GetPixel(over.Dc(), 5, 9);
    EXPECT_TRUE(Near(washed, GetPixel(through.Dc(), 5, 9))) << std::hex << washed;
    EXPECT_TRUE(Near(washed, RGB(128, 228, 128))) << std::hex << washed;
}

INSTANTIATE_TEST_SUITE_P(TopDownAndBottomUp, DibOrientation, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "TopDown" : "BottomUp";
                         });

TEST(DibGraphicsTest, DCsWhosePixelsCannotBeReachedAreDrawnOnThroughTheDC)
{
    // A screen-compatible bitmap, and a DIB section behind a moved origin.
    HDC screen = GetDC(nullptr);
    HDC compatible = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(compatible, bitmap);
    DibCanvas moved(true, kGreen);
    SetViewportOrgEx(moved.Dc(), 4, 4, nullptr);

    for (HDC dc : {compatible, moved.Dc()}) {
        EXPECT_FALSE(ViewDib(dc).has_value());
        {
            DibGraphics canvas(dc);
            EXPECT_FALSE(canvas.OverPixels());
            SolidBrush red;
            red.Create(0xFFDC0000u);
            canvas.Get().FillRectangle(red, 0, 0, 3, 3);
        }
        EXPECT_EQ(GetPixel(dc, 1, 1), kRed);
    }
    // The moved canvas kept its other pixels.
    SetViewportOrgEx(moved.Dc(), 0, 0, nullptr);
    EXPECT_EQ(GetPixel(moved.Dc(), 0, 0), kGreen);
    EXPECT_EQ(GetPixel(moved.Dc(), 10, 10), kGreen);

    SelectObject(compatible, previous);
    DeleteObject(bitmap);
    DeleteDC(compatible);
}

} // namespace
