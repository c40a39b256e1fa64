#include "bitmap.h"
#include "graphics.h"
#include "image.h"
#include "pixel_canvas.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr Gdiplus::ARGB kRed = 0xffff0000u;
constexpr Gdiplus::ARGB kGreen = 0xff00ff00u;
constexpr Gdiplus::ARGB kBlue = 0xff0000ffu;
constexpr Gdiplus::ARGB kWhite = 0xffffffffu;

// The GDI+ encoder parameter "quality", a LONG from 0 to 100.
constexpr char kQualityParameter[] = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";

constexpr std::array<BYTE, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

// A bitmap of the given pixels, row by row.
template <size_t N>
void Paint(Bitmap& bitmap, int width, const std::array<Gdiplus::ARGB, N>& pixels)
{
    ASSERT_TRUE(bitmap.Create(width, static_cast<int>(N) / width));
    for (size_t i = 0; i < N; ++i)
        ASSERT_TRUE(bitmap.SetPixel(static_cast<int>(i) % width, static_cast<int>(i) / width, pixels[i]));
}

std::vector<BYTE> PngOfTwoByTwo()
{
    Bitmap bitmap;
    Paint(bitmap, 2, std::array{kRed, kGreen, kBlue, kWhite});
    return bitmap.SaveToBytes(Image::kPngFormat);
}

std::string TempFile(const char* name)
{
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + name;
}

std::vector<BYTE> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ImageTest, PngOfOnePixelStartsWithTheSignatureAndLoadsBack)
{
    Bitmap bitmap;
    Paint(bitmap, 1, std::array{kBlue});
    const std::vector<BYTE> png = bitmap.SaveToBytes(Image::kPngFormat);
    EXPECT_EQ(LastStatus, Gdiplus::Ok);
    ASSERT_GT(png.size(), kPngSignature.size());
    EXPECT_TRUE(std::equal(kPngSignature.begin(), kPngSignature.end(), png.begin()));

    Bitmap loaded;
    ASSERT_TRUE(loaded.CreateFromBytes(png));
    EXPECT_EQ(loaded.GetWidth(), 1u);
    EXPECT_EQ(loaded.GetRawFormat(), Image::kPngFormat);
    EXPECT_EQ(loaded.GetPixel(0, 0), kBlue);
}

TEST(ImageTest, LoadedBytesOutliveTheCallersCopy)
{
    Image image;
    {
        std::vector<BYTE> png = PngOfTwoByTwo();
        ASSERT_TRUE(image.LoadFromBytes(png));
        std::fill(png.begin(), png.end(), BYTE{0});
    }
    EXPECT_EQ(image.GetWidth(), 2u);
    EXPECT_EQ(image.GetType(), Gdiplus::ImageTypeBitmap);
    // Encoding reads every pixel: the image still has its own bytes.
    Bitmap again;
    ASSERT_TRUE(again.CreateFromBytes(image.SaveToBytes()));
    EXPECT_EQ(again.GetPixel(1, 1), kWhite);
}

TEST(ImageTest, LowerCaseFormatFindsNoEncoderAndGivesNoBytes)
{
    Bitmap bitmap;
    Paint(bitmap, 1, std::array{kRed});
    std::string lower = Image::kPngFormat;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(bitmap.SaveToBytes(lower.c_str()).empty());
    EXPECT_NE(LastStatus, Gdiplus::Ok);
    // A bitmap made in memory has no encoder of its own raw format either.
    EXPECT_TRUE(bitmap.SaveToBytes().empty());
}

TEST(ImageTest, SaveToFileWritesBmpUnlessToldOtherwise)
{
    Bitmap bitmap;
    Paint(bitmap, 2, std::array{kRed, kGreen, kBlue, kWhite});
    const std::string path = TempFile("image_test_default.bmp");
    ASSERT_TRUE(bitmap.SaveToFile(path.c_str()));
    const std::vector<BYTE> bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');

    Image loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path.c_str()));
    EXPECT_EQ(loaded.GetRawFormat(), Image::kBmpFormat);
    EXPECT_EQ(loaded.GetHeight(), 2u);
    loaded.Dispose();

    // No encoder for the format: the existing file is left as it was.
    EXPECT_FALSE(bitmap.SaveToFile(path.c_str(), "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"));
    EXPECT_EQ(ReadFile(path), bytes);
    DeleteFileA(path.c_str());
}

TEST(ImageTest, EmptyOrGarbageBytesFailToLoad)
{
    const std::vector<BYTE> garbage(64, 0x5a);
    for (const std::vector<BYTE>& bytes : {std::vector<BYTE>{}, garbage}) {
        Image image;
        EXPECT_FALSE(image.LoadFromBytes(bytes)) << bytes.size() << " bytes";
        EXPECT_NE(LastStatus, Gdiplus::Ok);
        EXPECT_TRUE(image.IsEmpty());
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.CreateFromBytes(bytes));
        EXPECT_TRUE(bitmap.IsEmpty());
    }
}

// The bytes of a small enhanced metafile holding one filled rectangle.
std::vector<BYTE> EmfBytes()
{
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    const RECT box{0, 0, 20, 20};
    FillRect(recorder, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    std::vector<BYTE> bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(metafile);
    return bytes;
}

TEST(ImageTest, OnlyABitmapPicturesPixelsCanBeRead)
{
    Image picture;
    ASSERT_TRUE(picture.LoadFromBytes(PngOfTwoByTwo()));
    EXPECT_EQ(picture.GetBitmapPixel(0, 0), kRed);
    EXPECT_EQ(picture.GetBitmapPixel(1, 1), kWhite);
    EXPECT_FALSE(picture.GetBitmapPixel(2, 0).has_value());

    EXPECT_FALSE(Image().GetBitmapPixel(0, 0).has_value());
    Image metafile;
    ASSERT_TRUE(metafile.LoadFromBytes(EmfBytes()));
    ASSERT_EQ(metafile.GetType(), Gdiplus::ImageTypeMetafile);
    EXPECT_FALSE(metafile.GetBitmapPixel(0, 0).has_value());
}

TEST(ImageTest, DisposeTwiceReleasesOnceAndKeepsTheStatus)
{
    Image image;
    ASSERT_TRUE(image.LoadFromBytes(PngOfTwoByTwo()));
    EXPECT_TRUE(image.Dispose());
    EXPECT_TRUE(image.IsEmpty());
    LastStatus = Gdiplus::Aborted;
    EXPECT_FALSE(image.Dispose());
    EXPECT_EQ(LastStatus, Gdiplus::Aborted);
}

TEST(ImageTest, GettersOnAnEmptyImageGiveZeroAndInvalidParameter)
{
    const Bitmap empty;
    EXPECT_EQ(empty.GetWidth(), 0u);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    LastStatus = Gdiplus::Ok;
    EXPECT_EQ(empty.GetPixel(0, 0), 0u);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    LastStatus = Gdiplus::Ok;
    EXPECT_EQ(empty.GetHBITMAP(0), nullptr);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST(ImageTest, GetHbitmapGivesA32BitDibSectionOfThePixels)
{
    Bitmap bitmap;
    Paint(bitmap, 2, std::array{kRed, kGreen, kBlue, Gdiplus::ARGB{0}});
    UniqueHBitmap dib = bitmap.GetHBITMAP(0);
    ASSERT_NE(dib, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(dib.get(), sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
    EXPECT_EQ(section.dsBm.bmWidth, 2);
    ASSERT_NE(section.dsBm.bmBits, nullptr);
    // Bottom-up or top-down, the red pixel is on the other row than blue.
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    const bool topDown = section.dsBmih.biHeight < 0;
    EXPECT_EQ(bits[topDown ? 0 : 2] & 0xffffffu, kRed & 0xffffffu);
    EXPECT_EQ(bits[topDown ? 2 : 0] & 0xffffffu, kBlue & 0xffffffu);
}

TEST(ImageTest, CreateFromHiconTakesTheIconsPixels)
{
    constexpr int kSize = 16;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueHBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(colour, nullptr);
    std::fill_n(static_cast<std::uint32_t*>(bits), kSize * kSize, 0xff00ff00u);
    UniqueHBitmap mask(CreateBitmap(kSize, kSize, 1, 1, nullptr));
    ICONINFO iconInfo{TRUE, 0, 0, mask.get(), colour.get()};
    HICON icon = CreateIconIndirect(&iconInfo);
    ASSERT_NE(icon, nullptr);

    Bitmap bitmap;
    EXPECT_TRUE(bitmap.CreateFromHICON(icon));
    DestroyIcon(icon);
    EXPECT_EQ(bitmap.GetWidth(), static_cast<UINT>(kSize));
    EXPECT_EQ(bitmap.GetPixel(5, 5), kGreen);
}

TEST(ImageTest, RotateFlipTurnsThePixels)
{
    struct Case {
        Gdiplus::RotateFlipType type;
        UINT width;
        Gdiplus::ARGB topLeft;
    };
    // Source: red green / blue white.
    const Case cases[] = {
        {Gdiplus::RotateNoneFlipX, 2, kGreen},
        {Gdiplus::RotateNoneFlipY, 2, kBlue},
        {Gdiplus::Rotate90FlipNone, 2, kBlue},
        {Gdiplus::Rotate180FlipNone, 2, kWhite},
    };
    for (const Case& c : cases) {
        Bitmap bitmap;
        Paint(bitmap, 2, std::array{kRed, kGreen, kBlue, kWhite});
        EXPECT_TRUE(bitmap.RotateFlip(c.type));
        EXPECT_EQ(bitmap.GetWidth(), c.width);
        EXPECT_EQ(bitmap.GetPixel(0, 0), c.topLeft) << "type " << c.type;
    }
    Bitmap tall;
    Paint(tall, 2, std::array{kRed, kGreen});
    tall.RotateFlip(Gdiplus::Rotate90FlipNone);
    EXPECT_EQ(tall.GetWidth(), 1u);
    EXPECT_EQ(tall.GetHeight(), 2u);
}

TEST(ImageTest, CloneIsAnIndependentCopy)
{
    Bitmap bitmap;
    Paint(bitmap, 1, std::array{kRed});
    Image copy;
    ASSERT_TRUE(bitmap.Clone(copy));
    bitmap.Dispose();
    Bitmap back;
    ASSERT_TRUE(back.CreateFromBytes(copy.SaveToBytes(Image::kPngFormat)));
    EXPECT_EQ(back.GetPixel(0, 0), kRed);
}

TEST(ImageTest, MovingHandsOverImageAndBytes)
{
    Image first;
    ASSERT_TRUE(first.LoadFromBytes(PngOfTwoByTwo()));
    Image second = std::move(first);
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_EQ(second.GetWidth(), 2u);
    Image third;
    ASSERT_TRUE(third.LoadFromBytes(PngOfTwoByTwo()));
    third = std::move(second);
    EXPECT_EQ(third.GetWidth(), 2u);
    EXPECT_FALSE(third.SaveToBytes(Image::kPngFormat).empty());
}

TEST(ImageTest, EncodersListPngAndBmpByFormat)
{
    const std::vector<ImageEncoder> encoders = GetImageEncoders();
    const struct {
        const char* format;
        const char* mimeType;
    } expected[] = {{Image::kPngFormat, "image/png"}, {Image::kBmpFormat, "image/bmp"}};
    for (const auto& e : expected) {
        const auto found = std::find_if(encoders.begin(), encoders.end(),
                                        [&](const ImageEncoder& encoder) { return encoder.formatId == e.format; });
        ASSERT_NE(found, encoders.end()) << e.format;
        EXPECT_EQ(found->mimeType, e.mimeType);
        EXPECT_EQ(found->clsid.size(), 38u);
        EXPECT_EQ(found->signaturePattern.size(), static_cast<size_t>(found->signatureCount) * found->signatureSize);
    }
}

TEST(ImageTest, SavingWithEncoderParametersGivesADecodablePicture)
{
    Bitmap bitmap;
    Paint(bitmap, 2, std::array{kRed, kGreen, kBlue, kWhite});
    const ULONG quality = 50;
    const EncoderParameterList parameters{{kQualityParameter, 1, Gdiplus::EncoderParameterValueTypeLong,
                                           std::vector<BYTE>(reinterpret_cast<const BYTE*>(&quality),
                                                             reinterpret_cast<const BYTE*>(&quality) + sizeof quality)}};
    const std::vector<BYTE> jpeg = bitmap.SaveToBytes(Image::kJpegFormat, &parameters);
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xff);
    EXPECT_EQ(jpeg[1], 0xd8);
    Image loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(jpeg));
    EXPECT_EQ(loaded.GetRawFormat(), Image::kJpegFormat);
}

TEST(ImageTest, ImageDrawnStretchedFillsTheRectangle)
{
    // 20 x 20 in four solid quadrants, drawn into 40 x 40 at (10, 10).
    Bitmap quadrants;
    ASSERT_TRUE(quadrants.Create(20, 20));
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromImage(quadrants));
        const struct {
            float x, y;
            Gdiplus::ARGB colour;
        } fills[] = {{0, 0, kRed}, {10, 0, kGreen}, {0, 10, kBlue}, {10, 10, kWhite}};
        for (const auto& f : fills) {
            SolidBrush brush;
            brush.Create(f.colour);
            graphics.FillRectangle(brush, f.x, f.y, 10, 10);
        }
    }
    Image image;
    ASSERT_TRUE(image.LoadFromBytes(quadrants.SaveToBytes(Image::kPngFormat)));
    PixelCanvas canvas(60, 60, RGB(0, 0, 0));
    ASSERT_TRUE(canvas.Valid());
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(canvas.Dc()));
        ASSERT_TRUE(graphics.DrawImageRect(image, 10, 10, 40, 40));
    }
    const struct {
        int x, y;
        COLORREF colour;
    } probes[] = {
        {15, 15, RGB(255, 0, 0)},   {25, 25, RGB(255, 0, 0)},     {45, 15, RGB(0, 255, 0)},
        {15, 45, RGB(0, 0, 255)},   {45, 45, RGB(255, 255, 255)}, {35, 35, RGB(255, 255, 255)},
        {5, 30, RGB(0, 0, 0)},      {55, 30, RGB(0, 0, 0)},       {30, 5, RGB(0, 0, 0)},
        {30, 55, RGB(0, 0, 0)},
    };
    for (const auto& p : probes)
        EXPECT_TRUE(Near(canvas.Pixel(p.x, p.y), p.colour, 8))
            << p.x << "," << p.y << " " << std::hex << canvas.Pixel(p.x, p.y);
}

SIZE_T CommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Load, encode and release as the skin engine does with its pictures.
size_t ImageCycle(const std::vector<BYTE>& png)
{
    Bitmap bitmap;
    bitmap.CreateFromBytes(png);
    Image image;
    image.LoadFromBytes(bitmap.SaveToBytes(Image::kPngFormat));
    return image.GetWidth();
}

TEST(ImageLeaks, TenThousandLoadEncodeCyclesLeaveProcessMemoryFlat)
{
    const std::vector<BYTE> png = PngOfTwoByTwo();
    ASSERT_EQ(ImageCycle(png), 2u);
    for (int i = 0; i < 500; ++i)
        ImageCycle(png);
    const SIZE_T before = CommittedBytes();
    ASSERT_GT(before, 0u);
    constexpr int kCycles = 10000;
    for (int i = 0; i < kCycles; ++i)
        ImageCycle(png);
    const long long growth = static_cast<long long>(CommittedBytes()) - static_cast<long long>(before);
    std::printf("image cycles: committed bytes before %llu, growth %lld over %d cycles\n",
                static_cast<unsigned long long>(before), growth, kCycles);
    // One leaked image, stream or block per cycle would add far more.
    EXPECT_LT(growth, 256 * 1024);
}

}  // namespace
