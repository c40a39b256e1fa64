// Decoded pictures kept between paints: found again by their bytes, a
// changed picture decoded anew, undecodable bytes answered with nothing,
// and pictures pushed out by newer ones decoded again when asked for.
#include "bitmap.h"
#include "graphics.h"
#include "picture_cache.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A PNG of a 1 x 1 picture of `colour`.
std::vector<BYTE> PngOf(Gdiplus::ARGB colour)
{
    Bitmap bitmap;
    if (!bitmap.Create(1, 1) || !bitmap.SetPixel(0, 0, colour))
        return {};
    return bitmap.SaveToBytes(Image::kPngFormat);
}

Gdiplus::ARGB PixelOf(const Image* picture)
{
    Bitmap copy;
    if (!picture || !copy.Create(1, 1))
        return 0;
    {
        Graphics graphics;
        graphics.CreateFromImage(copy);
        graphics.DrawImageRect(*picture, 0, 0, 1, 1);
    }
    return copy.GetPixel(0, 0);
}

class PictureCacheTest : public testing::Test {
protected:
    void TearDown() override { ClearPictureCache(); }
};

TEST_F(PictureCacheTest, SameBytesGiveTheSamePictureAndOtherBytesAnother)
{
    const std::vector<BYTE> red = PngOf(0xFFFF0000), blue = PngOf(0xFF0000FF);
    ASSERT_FALSE(red.empty());
    const Image* first = CachedPicture(red);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(PixelOf(first), 0xFFFF0000u);
    // Equal bytes at another address are the same picture.
    const std::vector<BYTE> again(red);
    EXPECT_EQ(CachedPicture(again), first);
    const Image* other = CachedPicture(blue);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, first);
    EXPECT_EQ(PixelOf(other), 0xFF0000FFu);
    EXPECT_EQ(CachedPicture(red), first) << "still kept";
}

TEST_F(PictureCacheTest, UndecodableBytesGiveNothingAndTheEmptyPicture)
{
    const std::vector<BYTE> garbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
    EXPECT_EQ(CachedPicture(garbage), nullptr);
    EXPECT_EQ(CachedPicture(garbage), nullptr);
    EXPECT_EQ(CachedPicture({}), nullptr);
    const Image& empty = CachedPictureOrEmpty(garbage);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetWidth(), 0u);
}

TEST_F(PictureCacheTest, PicturesPushedOutAreDecodedAgainWhenAskedFor)
{
    const std::vector<BYTE> first = PngOf(0xFF102030);
    ASSERT_NE(CachedPicture(first), nullptr);
    // Many other pictures since: the first may be gone, but asking for it
    // again still gives its pixels.
    for (Gdiplus::ARGB colour = 1; colour <= 60; ++colour)
        ASSERT_NE(CachedPicture(PngOf(0xFF000000 | colour)), nullptr);
    EXPECT_EQ(PixelOf(CachedPicture(first)), 0xFF102030u);
    ClearPictureCache();
    EXPECT_EQ(PixelOf(CachedPicture(first)), 0xFF102030u);
}

} // namespace
