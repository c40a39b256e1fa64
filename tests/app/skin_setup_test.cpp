// The main window dressed with the skin: caption, labels, controls and the
// skin-change button, on the real window with fake services.
#include "skinned_fixture.h"

#include <psapi.h>

#include <memory>

#include "bitmap.h"
#include "brush.h"
#include "graphics.h"
#include "skin_engine.h"
#include "skin_pictures.h"

namespace {

// A PNG of vertical bands: `colourAt(x)` is the colour of column x.
ByteArray BandsPng(int width, int height, COLORREF (*colourAt)(int))
{
    Bitmap bitmap;
    bitmap.Create(width, height);
    {
        Graphics graphics;
        graphics.CreateFromImage(bitmap);
        for (int x = 0; x < width; ++x) {
            SolidBrush brush;
            brush.Create(0xFF000000u | (GetRValue(colourAt(x)) << 16) | (GetGValue(colourAt(x)) << 8) |
                         GetBValue(colourAt(x)));
            graphics.FillRectangle(brush, static_cast<float>(x), 0, 1, static_cast<float>(height));
        }
    }
    return bitmap.SaveToBytes(kPngFormat);
}

void WriteBytes(const std::string& path, const ByteArray& bytes)
{
    WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}


TEST_F(SkinnedWindowTest, StartUpDressesTheWindow)
{
    CreateSkinnedWindow();
    EXPECT_EQ(IndexOf(Window()), 1);
    WindowRecord& record = Record();
    EXPECT_FALSE(record.resizable);
    EXPECT_TRUE(record.showTitle);
    EXPECT_TRUE(record.drawFrame);
    EXPECT_EQ(record.stripWidth, 95);
    ASSERT_EQ(record.captionButtons.size(), 3u);
    EXPECT_EQ(record.captionButtons[0].kind, kCaptionApplication);
    EXPECT_EQ(record.captionButtons[0].toolTipText, "换皮肤");
    EXPECT_EQ(record.captionButtons[1].kind, kCaptionMinimize);
    EXPECT_EQ(record.captionButtons[2].kind, kCaptionClose);
    EXPECT_EQ(SkinModule().backgroundPictureMode, 3);
    EXPECT_EQ(SkinModule().accentColour, RGB(34, 202, 221));
    EXPECT_NE(SkinModule().moduleIcon, nullptr);

    // The four labels in the order 标签1, 标签2, 标签3, 标签5.
    const int order[] = {kLabelTargetCaption, kLabelCountdownCaption, kLabelCountdown, kLabelCurrentCaption};
    ASSERT_EQ(record.labels.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(record.labels.At(i + 1)->window, Control(order[i])) << i;
    // The date-time pickers are list-like controls of the skin.
    EXPECT_GE(record.listControls.Find(Control(kPickerCurrent)), 1);
    EXPECT_GE(record.listControls.Find(Control(kPickerTarget)), 1);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(SkinnedWindowTest, TheScreenShowsTheSkin)
{
    CreateSkinnedWindow();
    RECT onScreen;
    GetWindowRect(Window(), &onScreen);
    HDC screen = GetDC(nullptr);
    const auto at = [&](int x, int y) { return GetPixel(screen, onScreen.left + x, onScreen.top + y); };
    // The dark green band of the backdrop behind the caption.
    const COLORREF caption = at(200, 20);
    EXPECT_GT(GetGValue(caption), GetRValue(caption) + 20);
    // White title pixels in the title box.
    int white = 0;
    for (int y = 8; y < 28; ++y)
        for (int x = 29; x < 200; ++x)
            white += Near(at(x, y), RGB(255, 255, 255), 30) ? 1 : 0;
    EXPECT_GT(white, 30);
    ReleaseDC(nullptr, screen);
    // The corners are cut off by the window region.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 180, 135));
    DeleteObject(region);
}

TEST_F(SkinnedWindowTest, CancellingTheSkinChangeChangesNothing)
{
    CreateSkinnedWindow();
    const ByteArray before = SkinModule().backgroundPicture;
    const COLORREF back = SkinModule().backColour;
    ClickSkinChange();
    EXPECT_EQ(fakes.fileDialog.calls, 1);
    EXPECT_EQ(SkinModule().backgroundPicture, before);
    EXPECT_EQ(SkinModule().backColour, back);
    EXPECT_EQ(SkinModule().backgroundPictureMode, 3);
}

TEST_F(SkinnedWindowTest, ChosenPictureIsRepeatedMirroredFromTheTopLeft)
{
    CreateSkinnedWindow();
    // 100 wide: red on the left 50 columns, blue on the right.
    const std::string file = TempFile("skin-choice.png");
    WriteBytes(file, BandsPng(100, 300, [](int x) { return x < 50 ? RGB(230, 20, 20) : RGB(20, 20, 230); }));
    fakes.fileDialog.choice = file;
    ClickSkinChange();
    EXPECT_EQ(fakes.fileDialog.calls, 1);
    EXPECT_EQ(SkinModule().backgroundPictureMode, 4);
    const COLORREF back = SkinModule().backColour & 0xFFFFFF;
    EXPECT_GT(GetRValue(back), 90) << "the colours come from the picture";
    EXPECT_GT(GetBValue(back), 90);
    UpdateWindow(Window());
    HDC frame = Record().BackgroundDC();
    const struct {
        int x;
        COLORREF colour;
    } columns[] = {{20, RGB(230, 20, 20)}, {80, RGB(20, 20, 230)},   // first copy
                   {120, RGB(20, 20, 230)}, {180, RGB(230, 20, 20)}, // mirrored
                   {220, RGB(230, 20, 20)}, {280, RGB(20, 20, 230)}};
    for (const auto& column : columns)
        EXPECT_TRUE(Near(GetPixel(frame, column.x, 200), column.colour, 12)) << column.x;
    DeleteFileA(file.c_str());
}

TEST_F(SkinnedWindowTest, UndecodableFileLeavesNoPictureAndNothingBreaks)
{
    CreateSkinnedWindow();
    const std::string file = TempFile("skin-broken.png");
    WriteFileBytes(file, "this is not a picture at all");
    fakes.fileDialog.choice = file;
    ClickSkinChange();
    EXPECT_TRUE(SkinModule().backgroundPicture.empty());
    EXPECT_EQ(SkinModule().backColour, 0xFF000000u);
    InvalidateRect(Window(), nullptr, TRUE);
    UpdateWindow(Window());
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    DeleteFileA(file.c_str());
}

TEST_F(SkinnedWindowTest, ClosingThroughTheSkinnedCloseButton)
{
    CreateSkinnedWindow();
    const CaptionButton& close = Record().captionButtons[2];
    const LPARAM at = MAKELPARAM(static_cast<int>(close.rect.x) + 10, static_cast<int>(close.rect.y) + 8);
    SendMessageA(Window(), WM_MOUSEMOVE, 0, at);
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(Window(), WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(IsWindow(window->Window()));
    EXPECT_EQ(fakes.prompts.calls.size(), 1u) << "the closing prompt";
    EXPECT_EQ(RecordCount(), 0) << "the record is released";
    window.reset();
}

} // namespace
