// Title and status-bar text painting, glows, and backgrounds taken from
// windows that another component prepared.
#include "engine_fixture.h"

#include "bitmap.h"
#include "brush.h"
#include "graphics.h"
#include "graphics_path.h"
#include "record_builder.h"
#include "skin_primitives.h"

namespace {

int CountPixels(HDC dc, RECT area, const std::function<bool(COLORREF)>& match)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += match(PixelAt(dc, x, y)) ? 1 : 0;
    return count;
}

bool IsBright(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200; }

class StatusTitleTest : public EngineTest {
protected:
    int SkinPlain(HWND window, SkinWindowOptions options)
    {
        engine->frameBorder = 3;
        const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
        SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
        BackgroundPictureOptions dark;
        dark.backColour = RGB(0, 0, 0);
        engine->SetBackgroundPicture(dark);
        return index;
    }
};

TEST_F(StatusTitleTest, SetTitleFontRepaintsTheTitleInItsNewColour)
{
    HWND window = CreateTestWindow(360, 270, WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX);
    SetWindowTextA(window, "标题 Title");
    windows = {window};
    SkinWindowOptions options;
    options.resizable = false;
    const int index = SkinPlain(window, options);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = RecordAt(index)->BackgroundDC();
    const RECT titleBox{29, 8, 29 + 249, 40};
    EXPECT_GT(CountPixels(frame, titleBox, IsBright), 20);
    const auto isRed = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; };
    EXPECT_EQ(CountPixels(frame, titleBox, isRed), 0);
    EXPECT_TRUE(engine->SetTitleFont(window, std::nullopt, 16, RGB(255, 0, 0), RGB(0, 0, 0), false));
    EXPECT_GT(CountPixels(frame, titleBox, isRed), 20) << "repainted in red";
    EXPECT_EQ(CountPixels(frame, titleBox, IsBright), 0) << "the old white title is gone";
    EXPECT_EQ(RecordAt(index)->titleFontSize, 16);
    EXPECT_EQ(RecordAt(index)->titleFontName, "宋体") << "left out, kept";
}

TEST_F(StatusTitleTest, StatusPartsShowTheirTextPlainAndWithHalo)
{
    HWND window = CreateTestWindow(360, 270, WS_POPUP | WS_VISIBLE);
    windows = {window};
    SkinWindowOptions options;
    options.statusBarHeight = 20;
    options.statusBarParts = std::vector<StatusPart>{{100, "", {}, 0}, {-1, "", {}, 0}};
    const int index = SkinPlain(window, options);
    WindowRecord& record = *RecordAt(index);
    engine->SetStatusBarStyle(window, false, false, 0, 0xFFFFFF);
    record.statusBarParts[0].textColour = RGB(255, 255, 255);
    engine->RenderWindowImage(index, nullptr, false);
    HDC frame = record.BackgroundDC();
    const RECT first{3, 246, 103, 266}, second{103, 246, 357, 266};
    const int blank = CountPixels(frame, first, IsBright);

    EXPECT_TRUE(engine->SetStatusPart(window, 1, "状态 ready"));
    EXPECT_GT(CountPixels(frame, first, IsBright), blank + 20) << "white text on the dark bar";
    EXPECT_FALSE(engine->SetStatusPart(window, 3, "no such part"));
    EXPECT_FALSE(engine->SetStatusPart(window, 0, "no such part"));

    // With the halo the text is black over a soft white glow.
    engine->SetStatusBarStyle(window, false, true, RGB(0, 0, 0), RGB(255, 255, 255));
    EXPECT_TRUE(engine->SetStatusPart(window, 2, "光环 halo"));
    EXPECT_GT(CountPixels(frame, second, [](COLORREF c) { return GetRValue(c) > 60; }), 40) << "the halo";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST(DrawGlow, StrokesFadeOutwardFromThePath)
{
    GdiplusSession session;
    Bitmap canvas;
    ASSERT_TRUE(canvas.Create(60, 60));
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromImage(canvas));
        graphics.Clear(0xFF000000);
        GraphicsPath path;
        path.Create();
        path.AddLine(30, 5, 30, 55);
        DrawGlow(graphics, path, 8, RGB(255, 255, 255), 40);
    }
    const auto level = [&](int x) { return (canvas.GetPixel(x, 30) >> 16) & 0xFF; };
    EXPECT_GT(level(30), level(32));
    EXPECT_GT(level(32), 0u);
    EXPECT_EQ(level(36), 0u) << "no further than half the count";
}

TEST(AddTabOutline, IsOpenAtTheBottom)
{
    GdiplusSession session;
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    AddTabOutline(path, 10, 10, 40, 20, 6);
    const auto points = path.GetPathPoints();
    ASSERT_GE(points.size(), 2u);
    EXPECT_EQ(points.front().X, 10);
    EXPECT_EQ(points.front().Y, 30);
    EXPECT_EQ(points.back().X, 50);
    EXPECT_EQ(points.back().Y, 30);
    const Gdiplus::RectF bounds = path.GetBounds();
    EXPECT_NEAR(bounds.Y, 10, 0.01);
}

class HolderTest : public EngineTest {};

// A window marked by another component supplies its own painted
// background through "Wxk_Cj"; controls under it copy from there.
TEST_F(HolderTest, ControlsUnderAHolderCopyItsBackground)
{
    HWND top = CreateTestWindow(200, 150);
    windows = {top};
    HWND holder = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 20, 20, 150, 100, top, nullptr, nullptr, nullptr);
    HWND control = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, holder, nullptr, nullptr, nullptr);
    RegisterWindow(top, RGB(0, 0, 255));
    HDC screen = GetDC(nullptr);
    HDC holderDC = CreateCompatibleDC(screen);
    HBITMAP holderBitmap = CreateCompatibleBitmap(screen, 150, 100);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(holderDC, holderBitmap);
    RECT all{0, 0, 150, 100};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(holderDC, &all, green);
    DeleteObject(green);
    SetPixel(holderDC, 10, 10, RGB(255, 0, 0));
    SetPropA(holder, "Wxk_Zpf", reinterpret_cast<HANDLE>(1));
    SetPropA(holder, "Wxk_Cj", holderDC);

    HDC dc = CaptureBackground(control, RECT{0, 0, 40, 20});
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(PixelAt(dc, 0, 0), RGB(255, 0, 0)) << "copied from the holder at the control's place";
    EXPECT_EQ(PixelAt(dc, 20, 10), RGB(0, 255, 0));
    ReleaseMemoryDC(dc);

    // The holder itself, with no holder above it, shows the window's frame image.
    HDC own = CaptureBackground(holder, RECT{0, 0, 150, 100});
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(PixelAt(own, 5, 5), RGB(0, 0, 255));
    ReleaseMemoryDC(own);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    RemovePropA(holder, "Wxk_Zpf");
    RemovePropA(holder, "Wxk_Cj");
    SelectObject(holderDC, previous);
    DeleteObject(holderBitmap);
    DeleteDC(holderDC);
}

} // namespace
