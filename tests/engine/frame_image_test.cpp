// The frame image of a skinned window: background and picture in every
// mode, border, title, caption buttons, the rounded region, the colour
// scheme, and pictures that do not decode.
#include "engine_fixture.h"

#include <embedded.h>

#include <functional>

#include "bitmap.h"
#include "brush.h"
#include "graphics.h"
#include "record_builder.h"
#include "skin_primitives.h"
#include "skin_pictures.h"

namespace {

constexpr COLORREF kMagentaRef = RGB(255, 0, 255);
constexpr DWORD kAppStyle = WS_POPUP | WS_MINIMIZEBOX | WS_VISIBLE;

// A PNG picture of `width` x `height` made of vertical bands of colour:
// `colourAt(x)` gives the colour of column x.
ByteArray BandsPicture(int width, int height, const std::function<COLORREF(int)>& colourAt)
{
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.Create(width, height));
    {
        Graphics graphics;
        graphics.CreateFromImage(bitmap);
        for (int x = 0; x < width; ++x) {
            SolidBrush brush;
            brush.Create(ToArgb(colourAt(x), 255));
            graphics.FillRectangle(brush, static_cast<float>(x), 0, 1, static_cast<float>(height));
        }
    }
    return bitmap.SaveToBytes(kPngFormat);
}

ByteArray SolidPicture(int width, int height, COLORREF colour)
{
    return BandsPicture(width, height, [colour](int) { return colour; });
}

bool Near(COLORREF a, COLORREF b, int tolerance = 3)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class FrameImageTest : public EngineTest {
protected:
    // A window skinned like the application's, or with the given options.
    int Skin(HWND window, SkinWindowOptions options = AppOptions())
    {
        engine->frameBorder = 3;
        const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
        SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
        return index;
    }
    static SkinWindowOptions AppOptions()
    {
        SkinWindowOptions options;
        options.resizable = false;
        options.showTitle = true;
        return options;
    }
    void SetPicture(const ByteArray& bytes, int mode)
    {
        BackgroundPictureOptions options;
        options.pictureBytes = bytes;
        options.pictureMode = mode;
        engine->SetBackgroundPicture(options);
    }
    HDC Frame(int index) { return RecordAt(index)->BackgroundDC(); }
};

TEST_F(FrameImageTest, ApplicationWindowImage)
{
    HWND window = CreateTestWindow(360, 270, kAppStyle);
    SetWindowTextA(window, "‘铜鹭’自动关机助手");
    windows = {window};
    // Dark green left half, dark blue right half, stretched (mode 3).
    SetPicture(BandsPicture(36, 27, [](int x) { return x < 18 ? RGB(0, 80, 0) : RGB(0, 0, 80); }), 3);
    const int index = Skin(window);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = Frame(index);
    ASSERT_NE(frame, nullptr);

    EXPECT_EQ(PixelAt(frame, 0, 0), kMagentaRef) << "outside the rounded clip";
    EXPECT_EQ(PixelAt(frame, 359, 269), kMagentaRef);
    EXPECT_TRUE(Near(PixelAt(frame, 90, 150), RGB(0, 80, 0), 6)) << "left half of the stretched picture";
    EXPECT_TRUE(Near(PixelAt(frame, 270, 150), RGB(0, 0, 80), 6)) << "right half";
    // Border: black (alpha 180) outermost, white (alpha 180) inside it.
    const COLORREF outer = PixelAt(frame, 0, 150), inner = PixelAt(frame, 1, 150);
    EXPECT_LT(GetGValue(outer), 30);
    EXPECT_GT(GetRValue(inner), 170);
    // Title: white text in the box from x = 29, 249 wide.
    int white = 0;
    for (int y = 8; y < 28; ++y)
        for (int x = 29; x < 29 + 249; ++x)
            white += Near(PixelAt(frame, x, y), RGB(255, 255, 255), 40) ? 1 : 0;
    EXPECT_GT(white, 30) << "title pixels";
    // The strip's buttons drew their pictures: white glyph pixels there.
    const CaptionButton& close = RecordAt(index)->captionButtons.back();
    int glyph = 0;
    for (int y = 1; y < 19; ++y)
        for (int x = static_cast<int>(close.rect.x); x < static_cast<int>(close.rect.x) + 38; ++x)
            glyph += Near(PixelAt(frame, x, y), RGB(255, 255, 255), 40) ? 1 : 0;
    EXPECT_GT(glyph, 10) << "close button glyph";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    // The window region has rounded corners.
    // Wine keeps the region clipped to the window rectangle, so compare
    // within it: the corners are cut either way.
    HRGN expected = CreateRoundRectRgn(0, 0, 361, 271, 5, 5);
    HRGN windowRect = CreateRectRgn(0, 0, 360, 270);
    CombineRgn(expected, expected, windowRect, RGN_AND);
    DeleteObject(windowRect);
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, actual), ERROR);
    HRGN whole = CreateRectRgn(0, 0, 360, 270);
    CombineRgn(actual, actual, whole, RGN_AND);
    DeleteObject(whole);
    EXPECT_TRUE(EqualRgn(expected, actual));
    EXPECT_FALSE(PtInRegion(actual, 0, 0)) << "corner cut";
    EXPECT_TRUE(PtInRegion(actual, 180, 0));
    DeleteObject(expected);
    DeleteObject(actual);
    EXPECT_NE(GetPropA(window, "Ck_Ycjdx"), nullptr);
    EXPECT_EQ(GetPropA(window, "Ck_wtjbdx"), RecordAt(index)->background.Bitmap());
}

TEST_F(FrameImageTest, WithoutFrameOnlyTheBackgroundIsRendered)
{
    const ByteArray picture = SolidPicture(10, 10, RGB(0, 0, 120));
    SetPicture(picture, 3);
    HWND window = CreateTestWindow(200, 120, WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX);
    SetWindowTextA(window, "Title");
    windows = {window};
    SkinWindowOptions options = AppOptions();
    options.drawFrame = false;
    const int index = Skin(window, options);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = Frame(index);
    for (int y = 2; y < 118; y += 3)
        for (int x = 2; x < 198; x += 3)
            ASSERT_TRUE(Near(PixelAt(frame, x, y), RGB(0, 0, 120), 4)) << x << "," << y;
}

TEST_F(FrameImageTest, PictureModesPlaceThePicture)
{
    HWND window = CreateTestWindow(100, 60, WS_POPUP | WS_VISIBLE);
    windows = {window};
    SkinWindowOptions options = AppOptions();
    options.drawFrame = false;
    const int index = Skin(window, options);
    const ByteArray picture = SolidPicture(20, 10, RGB(200, 0, 0));
    struct {
        int mode;
        POINT inside, outside;
    } cases[] = {
        {0, {5, 5}, {30, 30}},   // top-left, natural size (fade aside)
        {1, {95, 2}, {30, 30}},  // top-right
        {2, {50, 30}, {10, 10}}, // centred
        {3, {10, 50}, {-1, -1}}, // stretched everywhere
        {9, {-1, -1}, {50, 30}}, // not painted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SetPicture(picture, c.mode);
        engine->RenderWindowImage(index, nullptr, false);
        const COLORREF back = SkinModule().backColour & 0xFFFFFF;
        if (c.inside.x >= 0) {
            EXPECT_TRUE(Near(PixelAt(Frame(index), c.inside.x, c.inside.y), RGB(200, 0, 0), 12));
        }
        if (c.outside.x >= 0) {
            EXPECT_TRUE(Near(PixelAt(Frame(index), c.outside.x, c.outside.y), back, 3));
        }
    }
}

TEST_F(FrameImageTest, ModeFourMirrorsEverySecondCopy)
{
    HWND window = CreateTestWindow(100, 30, WS_POPUP | WS_VISIBLE);
    windows = {window};
    SkinWindowOptions options = AppOptions();
    options.drawFrame = false;
    const int index = Skin(window, options);
    // 40 wide: red on the left half, blue on the right.
    SetPicture(BandsPicture(40, 30, [](int x) { return x < 20 ? RGB(255, 0, 0) : RGB(0, 0, 255); }), 4);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = Frame(index);
    const struct {
        int x;
        COLORREF colour;
    } columns[] = {{5, RGB(255, 0, 0)},  {35, RGB(0, 0, 255)}, // first copy as it is
                   {45, RGB(0, 0, 255)}, {75, RGB(255, 0, 0)}, // second copy mirrored
                   {85, RGB(255, 0, 0)}, {98, RGB(255, 0, 0)}};
    for (const auto& column : columns)
        EXPECT_TRUE(Near(PixelAt(frame, column.x, 15), column.colour, 10)) << column.x;
}

TEST_F(FrameImageTest, FadePictureFadesTheLastThirtyColumnsAndRows)
{
    const ByteArray picture = SolidPicture(100, 100, RGB(255, 0, 0));
    PictureSource source;
    source.bytes = &picture;
    const ByteArray faded = FadePicture(source, std::nullopt, RGB(0, 0, 255), 1);
    ASSERT_FALSE(faded.empty());
    Bitmap result;
    ASSERT_TRUE(result.CreateFromBytes(faded));
    const auto red = [&](int x, int y) { return (result.GetPixel(x, y) >> 16) & 0xFF; };
    const auto blue = [&](int x, int y) { return result.GetPixel(x, y) & 0xFF; };
    EXPECT_EQ(red(10, 10), 255u) << "untouched";
    EXPECT_EQ(red(69, 10), 255u) << "column 69 is left of the fade";
    EXPECT_GT(blue(99, 10), 200u) << "the last column is the fade colour";
    EXPECT_GT(blue(10, 99), 200u) << "the last row is the fade colour";
    EXPECT_GT(blue(85, 10), 60u);
    EXPECT_LT(blue(85, 10), 200u) << "half way";
    // Side 0 fades the first columns instead.
    const ByteArray left = FadePicture(source, std::nullopt, RGB(0, 0, 255), 0);
    Bitmap leftResult;
    ASSERT_TRUE(leftResult.CreateFromBytes(left));
    EXPECT_GT(leftResult.GetPixel(0, 10) & 0xFF, 200u);
    EXPECT_EQ((leftResult.GetPixel(99, 10) >> 16) & 0xFF, 255u);
}

TEST_F(FrameImageTest, ColourSchemeFollowsTheSettings)
{
    const ByteArray picture = SolidPicture(30, 30, RGB(10, 200, 30));
    PictureSource source;
    source.bytes = &picture;
    const COLORREF first = AverageColour(source, 2000);
    EXPECT_EQ(first, AverageColour(source, 2000));
    EXPECT_TRUE(Near(first & 0xFFFFFF, RGB(10, 200, 30), 2));
    EXPECT_EQ(first >> 24, 0xFFu);

    // Accent -1 follows the picture; no accent resets it.
    BackgroundPictureOptions follow;
    follow.pictureBytes = picture;
    follow.accentColour = kAccentFollowsBackColour;
    engine->SetBackgroundPicture(follow);
    EXPECT_EQ(SkinModule().accentColour, SkinModule().backColour);
    EXPECT_EQ(SkinModule().backgroundPictureMode, 4);
    BackgroundPictureOptions plain;
    plain.pictureBytes = picture;
    plain.pictureMode = 2;
    engine->SetBackgroundPicture(plain);
    EXPECT_EQ(SkinModule().accentColour, RGB(34, 202, 221));
    EXPECT_EQ(SkinModule().backgroundPicture, picture) << "bytes kept as given";

    // Only a back colour: no picture, the mode stays.
    BackgroundPictureOptions colourOnly;
    colourOnly.backColour = RGB(1, 2, 3);
    engine->SetBackgroundPicture(colourOnly);
    EXPECT_TRUE(SkinModule().backgroundPicture.empty());
    EXPECT_EQ(SkinModule().backColour, RGB(1, 2, 3));
    EXPECT_EQ(SkinModule().backgroundPictureMode, 2);

    // Nothing given: only the accent is reset.
    SkinModule().accentColour = 5;
    engine->SetBackgroundPicture({});
    EXPECT_EQ(SkinModule().accentColour, RGB(34, 202, 221));
    EXPECT_EQ(SkinModule().backColour, RGB(1, 2, 3));
}

TEST_F(FrameImageTest, PictureFileIsStoredAsPng)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "skin-picture.bmp";
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(8, 8));
    ASSERT_TRUE(bitmap.SaveToFile(file.c_str()));
    BackgroundPictureOptions options;
    options.fileName = file;
    engine->SetBackgroundPicture(options);
    const ByteArray& stored = SkinModule().backgroundPicture;
    ASSERT_GE(stored.size(), 8u);
    EXPECT_EQ(stored[1], 'P');
    EXPECT_EQ(stored[2], 'N');
    EXPECT_EQ(stored[3], 'G');
    DeleteFileA(file.c_str());
}

// Pictures that do not decode: no crash, nothing painted, the engine goes on.
TEST_F(FrameImageTest, BadPicturesPaintNothing)
{
    HWND window = CreateTestWindow(120, 80, WS_POPUP | WS_VISIBLE);
    windows = {window};
    SkinWindowOptions options = AppOptions();
    options.drawFrame = false;
    const int index = Skin(window, options);
    const ByteArray png = SolidPicture(16, 16, RGB(200, 0, 0));
    ByteArray random(3000);
    for (size_t i = 0; i < random.size(); ++i)
        random[i] = static_cast<std::uint8_t>((i * 2654435761u) >> 13);
    // A PNG header claiming 0 x 0 pixels.
    ByteArray zero(png.begin(), png.begin() + 33);
    for (int i = 16; i < 24; ++i)
        zero[static_cast<size_t>(i)] = 0;
    const struct {
        const char* name;
        ByteArray bytes;
    } cases[] = {{"truncated", ByteArray(png.begin(), png.begin() + png.size() / 2)},
                 {"random", random},
                 {"zero size", zero}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetPicture(c.bytes, 3);
        EXPECT_EQ(SkinModule().backColour, 0xFF000000u) << "black from a picture that does not load";
        engine->RenderWindowImage(index, nullptr, false);
        EXPECT_EQ(PixelAt(Frame(index), 60, 40), RGB(0, 0, 0));
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        for (int mode : {0, 1}) {
            SetPicture(c.bytes, mode);
            EXPECT_TRUE(SkinModule().backgroundPicture.empty());
        }
    }
    // An empty picture is no picture at all: nothing changes but the accent.
    SetPicture(png, 3);
    const COLORREF back = SkinModule().backColour;
    SetPicture({}, 3);
    EXPECT_EQ(SkinModule().backColour, back);
    // The engine still works.
    engine->RenderWindowImage(index, nullptr, false);
    EXPECT_TRUE(Near(PixelAt(Frame(index), 60, 40), RGB(200, 0, 0), 6));
}

TEST_F(FrameImageTest, HugePictureIsStretchedWithoutTrouble)
{
    Bitmap huge;
    ASSERT_TRUE(huge.Create(10000, 10000, PixelFormat1bppIndexed));
    const ByteArray bytes = huge.SaveToBytes(kPngFormat);
    ASSERT_FALSE(bytes.empty());
    HWND window = CreateTestWindow(120, 80, WS_POPUP | WS_VISIBLE);
    windows = {window};
    const int index = Skin(window);
    SetPicture(bytes, 3);
    engine->RenderWindowImage(index, nullptr, false);
    EXPECT_EQ(PixelAt(Frame(index), 60, 60), RGB(0, 0, 0));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(FrameImageTest, HoverAlphaZeroPaintsLikeANormalButton)
{
    HWND window = CreateTestWindow(360, 270, kAppStyle);
    windows = {window};
    SetPicture(SolidPicture(10, 10, RGB(40, 90, 40)), 3);
    const int index = Skin(window);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = Frame(index);
    const CaptionButton& button = RecordAt(index)->captionButtons[0];
    const int x0 = static_cast<int>(button.rect.x) - 2;
    const auto snapshot = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 20; ++y)
            for (int x = x0; x < x0 + 30; ++x)
                pixels.push_back(PixelAt(frame, x, y));
        return pixels;
    };
    engine->PaintCaptionButton(index, 1);
    const std::vector<COLORREF> normal = snapshot();
    engine->PaintCaptionButton(index, 1, nullptr, false, 0);
    EXPECT_EQ(snapshot(), normal) << "glow and outline fully transparent";
    // Full hover lights the button with the accent colour at its top.
    engine->PaintCaptionButton(index, 1, nullptr, false, 240);
    const COLORREF lit = PixelAt(frame, static_cast<int>(button.rect.x) + 2, 3);
    EXPECT_GT(GetBValue(lit), 120) << "accent RGB(34, 202, 221) over green";
    engine->PaintCaptionButton(index, 1, nullptr, false, 0);
    EXPECT_EQ(snapshot(), normal) << "the caption cache repairs the area";
    // The pressed look differs from both.
    engine->PaintCaptionButton(index, 1, nullptr, true);
    EXPECT_NE(snapshot(), normal);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

} // namespace
