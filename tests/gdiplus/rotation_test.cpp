#include "bitmap.h"
#include "graphics.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr Gdiplus::ARGB kRed = 0xffff0000u;
constexpr Gdiplus::ARGB kBlue = 0xff0000ffu;
constexpr Gdiplus::ARGB kWhite = 0xffffffffu;
constexpr Gdiplus::ARGB kBlack = 0xff000000u;

// 100 x 50: the left half red, the right half blue.
void MakeHalves(Bitmap& bitmap)
{
    ASSERT_TRUE(bitmap.Create(100, 50));
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(bitmap));
    SolidBrush red, blue;
    red.Create(kRed);
    blue.Create(kBlue);
    graphics.FillRectangle(red, 0, 0, 50, 50);
    graphics.FillRectangle(blue, 50, 0, 50, 50);
}

int Alpha(Gdiplus::ARGB colour)
{
    return static_cast<int>(colour >> 24);
}

int Red(Gdiplus::ARGB colour)
{
    return static_cast<int>((colour >> 16) & 0xff);
}

TEST(RotationTest, RotatedSizeIsTheBoxOfTheTurnedPixelCentres)
{
    const struct {
        int angle;
        float width, height, tolerance;
    } cases[] = {
        {0, 99.0f, 49.0f, 1e-4f},
        {90, 49.0f, 99.0f, 1e-3f},
        {45, 104.65f, 104.65f, 0.01f},
        {180, 99.0f, 49.0f, 1e-3f},
    };
    for (const auto& c : cases) {
        const Gdiplus::SizeF size = Bitmap::GetRotatedSize(100, 50, c.angle);
        EXPECT_NEAR(size.Width, c.width, c.tolerance) << c.angle;
        EXPECT_NEAR(size.Height, c.height, c.tolerance) << c.angle;
    }
    // Whole pixels at 90 degrees, once truncated as Rotate does.
    const Gdiplus::SizeF quarter = Bitmap::GetRotatedSize(100, 50, 90);
    EXPECT_EQ(static_cast<int>(quarter.Width), 49);
    EXPECT_EQ(static_cast<int>(quarter.Height), 99);
}

TEST(RotationTest, ZeroDegreesGivesACanvasOnePixelSmallerWithThePictureShiftedHalfAPixel)
{
    // White with one black column at x = 60.
    Bitmap source;
    ASSERT_TRUE(source.Create(100, 50));
    {
        Graphics graphics;
        graphics.CreateFromImage(source);
        graphics.Clear(kWhite);
    }
    for (int y = 0; y < 50; ++y)
        source.SetPixel(60, y, kBlack);

    Bitmap turned;
    ASSERT_TRUE(source.Rotate(0, turned, std::nullopt, Gdiplus::InterpolationModeBilinear));
    EXPECT_EQ(turned.GetWidth(), 99u);
    EXPECT_EQ(turned.GetHeight(), 49u);
    // Moved half a pixel to the left, the column lands on 59 and 60 (split
    // between them, or on one of them where GDI+ rounds): together they
    // hold one column's worth of black, and nothing else darkens.
    int darkness = 0;
    for (int x = 57; x <= 62; ++x) {
        const int dark = 255 - Red(turned.GetPixel(x, 20));
        if (x == 59 || x == 60)
            darkness += dark;
        else
            EXPECT_EQ(dark, 0) << "column " << x;
    }
    EXPECT_NEAR(darkness, 255, 8);
    EXPECT_EQ(turned.GetPixel(30, 20), kWhite);
    EXPECT_EQ(turned.GetPixel(80, 20), kWhite);
    // The source is not changed.
    EXPECT_EQ(source.GetWidth(), 100u);
    EXPECT_EQ(source.GetPixel(60, 20), kBlack);
}

TEST(RotationTest, QuarterTurnIsClockwise)
{
    Bitmap source;
    MakeHalves(source);
    Bitmap turned;
    ASSERT_TRUE(source.Rotate(90, turned));
    EXPECT_EQ(turned.GetWidth(), 49u);
    EXPECT_EQ(turned.GetHeight(), 99u);
    EXPECT_EQ(turned.GetPixel(24, 10), kRed);
    EXPECT_EQ(turned.GetPixel(24, 90), kBlue);
}

TEST(RotationTest, ExplicitSizeIsTheCanvasEvenWhenThePictureDoesNotFit)
{
    Bitmap source;
    MakeHalves(source);
    Bitmap turned;
    ASSERT_TRUE(source.Rotate(0, turned, std::nullopt, std::nullopt, Gdiplus::SizeF(40, 30)));
    EXPECT_EQ(turned.GetWidth(), 40u);
    EXPECT_EQ(turned.GetHeight(), 30u);
    // The source's middle 40 x 30 pixels, centred: the colour edge at 20.
    EXPECT_EQ(turned.GetPixel(5, 15), kRed);
    EXPECT_EQ(turned.GetPixel(35, 15), kBlue);
    EXPECT_EQ(Alpha(turned.GetPixel(0, 0)), 255);
}

TEST(RotationTest, CornersOutsideTheTurnedPictureShowTheBackgroundOrNothing)
{
    const struct {
        std::optional<Gdiplus::ARGB> background;
        Gdiplus::ARGB corner;
    } cases[] = {{std::nullopt, 0u}, {kWhite, kWhite}};
    Bitmap source;
    MakeHalves(source);
    for (const auto& c : cases) {
        Bitmap turned;
        ASSERT_TRUE(source.Rotate(45, turned, c.background));
        EXPECT_EQ(turned.GetWidth(), 104u);
        const int last = static_cast<int>(turned.GetWidth()) - 1;
        for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_EQ(turned.GetPixel(x, y), c.corner) << x << "," << y;
        EXPECT_EQ(Alpha(turned.GetPixel(52, 52)), 255);
    }
}

TEST(RotationTest, RotatingAnEmptyBitmapFailsAndLeavesTheTarget)
{
    const Bitmap empty;
    Bitmap target;
    ASSERT_TRUE(target.Create(3, 3));
    EXPECT_FALSE(empty.Rotate(30, target));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(target.GetWidth(), 3u);
}

}  // namespace
