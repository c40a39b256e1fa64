// The drawing primitives every skin painter shares.
#include "engine_fixture.h"

#include "graphics_path.h"
#include "skin_primitives.h"

namespace {

TEST(ToArgb, SwapsRedAndBlueAndTakesTheAlphasLowByte)
{
    EXPECT_EQ(ToArgb(0x00112233, 0x80, true), 0x80332211u);
    EXPECT_EQ(ToArgb(0x00112233, 0x80, false), 0xFF332211u);
    EXPECT_EQ(ToArgb(0x00112233, 300, true), 0x2C332211u);
    EXPECT_EQ(ToArgb(RGB(34, 202, 221), 255), 0xFF22CADDu);
}

std::vector<std::pair<float, float>> PointsOf(const GraphicsPath& path)
{
    std::vector<std::pair<float, float>> points;
    for (const Gdiplus::PointF& p : path.GetPathPoints())
        points.emplace_back(p.X, p.Y);
    return points;
}

std::vector<std::pair<float, float>> RoundRectPoints(float size, int corner)
{
    GraphicsPath path;
    path.Create();
    AddRoundRect(path, 0, 0, size, size, corner);
    return PointsOf(path);
}

TEST(AddRoundRect, ClampsTheCornerTo1Through100)
{
    GdiplusSession session;
    EXPECT_EQ(RoundRectPoints(300, 150), RoundRectPoints(300, 100));
    EXPECT_EQ(RoundRectPoints(50, 0), RoundRectPoints(50, 1));
    EXPECT_NE(RoundRectPoints(300, 40), RoundRectPoints(300, 100));

    // The first arc starts at the top edge, `corner` in from the right; the
    // bottom-right arc's box is one pixel larger and so reaches the bottom.
    GraphicsPath path;
    path.Create();
    AddRoundRect(path, 10, 20, 200, 30, 8);
    const auto points = PointsOf(path);
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.front().first, 10 + 200 - 8 + 4, 0.01);
    EXPECT_NEAR(points.front().second, 20, 0.01);
    const Gdiplus::RectF bounds = path.GetBounds();
    EXPECT_NEAR(bounds.X, 10, 0.01);
    EXPECT_NEAR(bounds.Y, 20, 0.01);
    EXPECT_NEAR(bounds.X + bounds.Width, 210, 0.01);
    EXPECT_NEAR(bounds.Y + bounds.Height, 50, 0.01);
    EXPECT_TRUE(path.IsVisible(100, 35));
    GraphicsPath round;
    round.Create();
    AddRoundRect(round, 10, 20, 200, 100, 40);
    EXPECT_TRUE(round.IsVisible(15, 60));
    EXPECT_FALSE(round.IsVisible(12, 22)) << "the corner is cut";
}

TEST(WindowTests, RecogniseAutoRadioButtonsAndOwnerDrawListBoxes)
{
    EXPECT_TRUE(IsAutoRadioButtonStyle(0x50010009));
    EXPECT_FALSE(IsAutoRadioButtonStyle(0x5001000B));
    EXPECT_FALSE(IsAutoRadioButtonStyle(BS_RADIOBUTTON));
    EXPECT_FALSE(IsAutoRadioButtonStyle(BS_AUTOCHECKBOX));

    HWND parent = CreateTestWindow(200, 200);
    HWND owner = CreateWindowExA(0, "ListBox", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0, 50, 50,
                                 parent, nullptr, nullptr, nullptr);
    HWND plain = CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsOwnerDrawListBox(owner));
    EXPECT_FALSE(IsOwnerDrawListBox(plain));
    EXPECT_EQ(GetClassNameText(owner), "ListBox");
    DestroyWindow(parent);
}

TEST(ClientRectInWindow, AssumesEqualBordersAnd17PixelScrollBars)
{
    // A 100 x 50 window whose client area is 96 x 46: borders of 2.
    HWND parent = CreateTestWindow(300, 300);
    HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, "Static", "", WS_CHILD | WS_BORDER, 0, 0, 100, 50, parent,
                                 nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(plain, &client);
    ASSERT_EQ(client.right, 100 - 2 * ((100 - client.right) / 2));
    const RECT r = ClientRectInWindow(plain);
    const int border = (100 - client.right) / 2;
    EXPECT_EQ(r.left, border);
    EXPECT_EQ(r.top, (50 - client.bottom) / 2);
    EXPECT_EQ(r.right, border + client.right);
    EXPECT_EQ(r.bottom, r.top + client.bottom);

    HWND scrolled = CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", WS_CHILD | WS_VSCROLL | LBS_DISABLENOSCROLL, 0,
                                    0, 100, 50, parent, nullptr, nullptr, nullptr);
    RECT scrolledClient;
    GetClientRect(scrolled, &scrolledClient);
    RECT outer;
    GetWindowRect(scrolled, &outer);
    const RECT s = ClientRectInWindow(scrolled);
    EXPECT_EQ(s.left, (outer.right - outer.left - (scrolledClient.right + 17)) / 2);
    EXPECT_EQ(s.right - s.left, scrolledClient.right) << "the client width itself is not altered";
    DestroyWindow(parent);
}

class PrimitivesTest : public EngineTest {};

TEST(CopyExceptKey, CopiesAllButTheKeyColourLikeTransparentBlt)
{
    constexpr COLORREF kKey = RGB(255, 0, 255);
    // A source with a key-coloured left half and a blue right half; the
    // target grey. Between DIB sections, and from a DIB to a device bitmap
    // (the system's blit): the same pixels.
    const auto makeDc = [](HBITMAP bitmap, COLORREF fill, HGDIOBJ& previous) {
        HDC dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
        RECT all{0, 0, 8, 4};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        return dc;
    };
    HGDIOBJ sourcePrevious = nullptr;
    HDC source = makeDc(CreateArgbSurface(8, 4), RGB(0, 0, 200), sourcePrevious);
    RECT left{0, 0, 4, 4};
    HBRUSH key = CreateSolidBrush(kKey);
    FillRect(source, &left, key);
    DeleteObject(key);
    HDC screen = GetDC(nullptr);
    for (const bool dib : {true, false}) {
        SCOPED_TRACE(dib ? "DIB target" : "device bitmap target");
        HGDIOBJ previous = nullptr;
        HDC target = makeDc(dib ? CreateArgbSurface(8, 4) : CreateCompatibleBitmap(screen, 8, 4), RGB(90, 90, 90),
                            previous);
        CopyExceptKey(target, 2, 1, 6, 3, source, 1, 0, kKey);
        EXPECT_EQ(GetPixel(target, 1, 1), RGB(90, 90, 90)) << "outside the area";
        EXPECT_EQ(GetPixel(target, 3, 2), RGB(90, 90, 90)) << "key pixel: target kept";
        EXPECT_EQ(GetPixel(target, 5, 2), RGB(0, 0, 200)) << "other pixel: copied";
        EXPECT_EQ(GetPixel(target, 7, 3), RGB(0, 0, 200));
        EXPECT_EQ(GetPixel(target, 5, 0), RGB(90, 90, 90)) << "above the area";
        DeleteObject(SelectObject(target, previous));
        DeleteDC(target);
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(SelectObject(source, sourcePrevious));
    DeleteDC(source);
}

TEST_F(PrimitivesTest, LookupsWalkTheParentChain)
{
    HWND top = CreateTestWindow(200, 200);
    HWND unskinned = CreateTestWindow(200, 200);
    windows = {top, unskinned};
    HWND panel = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top, nullptr, nullptr, nullptr);
    HWND inner = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, panel, nullptr, nullptr, nullptr);
    HWND stray = CreateWindowExA(0, "Button", "", WS_CHILD, 5, 5, 50, 20, unskinned, nullptr, nullptr, nullptr);
    const int index = RegisterWindow(top, RGB(0, 0, 255));
    EXPECT_EQ(FindWindowRecord(top), index);
    EXPECT_EQ(FindWindowRecord(panel), 0);
    EXPECT_EQ(FindAncestorRecord(inner), index);
    EXPECT_EQ(FindAncestorRecord(stray), 0);
    EXPECT_EQ(FindAncestorRecord(top), 0);

    WindowRecord* record = RecordAt(index);
    const int frame = record->frames.Append();
    record->frames.At(frame)->window = panel;
    record->frames.At(frame)->tintChildren = true;
    EXPECT_EQ(FindFrameEntry(index, panel), 1);
    EXPECT_EQ(FindAncestorFrame(index, inner, top), 1);
    EXPECT_EQ(FindAncestorFrame(index, inner, panel), 0) << "stops at the stop window";

    int r = 0, f = 0;
    HWND holder = nullptr;
    EXPECT_EQ(FindOwnerRecord(panel, r, f, holder, true), 1);
    EXPECT_EQ(r, index);
    r = 0;
    EXPECT_EQ(FindOwnerRecord(inner, r, f, holder, true), 0) << "under a frame, not directly under the window";
    EXPECT_EQ(r, index);
    EXPECT_EQ(f, 1);

    // A holder window marked by another component wins.
    SetPropA(panel, "Wxk_Zpf", reinterpret_cast<HANDLE>(1));
    r = f = 0;
    holder = nullptr;
    EXPECT_EQ(FindOwnerRecord(inner, r, f, holder, true), 0);
    EXPECT_EQ(holder, panel);
    holder = nullptr;
    EXPECT_EQ(FindOwnerRecord(inner, r, f, holder, false), 0) << "without holders the frame is found";
    EXPECT_EQ(holder, nullptr);
    RemovePropA(panel, "Wxk_Zpf");
}

TEST_F(PrimitivesTest, CaptureBackgroundCopiesTheFrameImageBehindTheControl)
{
    HWND top = CreateTestWindow(200, 150);
    windows = {top};
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 40, 30, 60, 20, top, nullptr, nullptr, nullptr);
    const int index = RegisterWindow(top, RGB(0, 0, 255));
    // Mark one pixel of the frame image right behind the button's origin.
    SetPixel(RecordAt(index)->BackgroundDC(), 40, 30, RGB(255, 255, 0));

    const RECT whole{0, 0, 60, 20};
    HDC dc = CaptureBackground(button, whole);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(SkinModule().memoryDCList.size(), 1u);
    EXPECT_EQ(PixelAt(dc, 0, 0), RGB(255, 255, 0));
    EXPECT_EQ(PixelAt(dc, 30, 10), RGB(0, 0, 255));
    EXPECT_TRUE(ReleaseMemoryDC(dc));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_FALSE(ReleaseMemoryDC(dc)) << "released twice";
    EXPECT_FALSE(ReleaseMemoryDC(nullptr));
}

TEST_F(PrimitivesTest, FrameTintIsLaidOverTheCapturedBackground)
{
    HWND top = CreateTestWindow(200, 150);
    windows = {top};
    HWND panel = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 20, 20, 120, 100, top, nullptr, nullptr, nullptr);
    HWND inner = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, panel, nullptr, nullptr, nullptr);
    const int index = RegisterWindow(top, RGB(0, 0, 0));
    WindowRecord* record = RecordAt(index);
    FrameEntry& frame = *record->frames.At(record->frames.Append());
    frame.window = panel;
    frame.tintAlpha = 255;

    // Tint 0 adds nothing, whatever the alpha.
    HDC plain = CaptureBackground(inner, RECT{0, 0, 40, 20});
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(PixelAt(plain, 5, 5), RGB(0, 0, 0));
    ReleaseMemoryDC(plain);

    frame.tintColour = RGB(255, 0, 0);
    frame.tintAlpha = 128;
    HDC tinted = CaptureBackground(inner, RECT{0, 0, 40, 20});
    ASSERT_NE(tinted, nullptr);
    const COLORREF pixel = PixelAt(tinted, 5, 5);
    EXPECT_NEAR(GetRValue(pixel), 128, 2);
    EXPECT_EQ(GetGValue(pixel), 0);
    EXPECT_EQ(GetBValue(pixel), 0);
    ReleaseMemoryDC(tinted);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(PrimitivesTest, NothingToCaptureUnderAnUnskinnedWindow)
{
    HWND top = CreateTestWindow(100, 100);
    windows = {top};
    HWND child = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, top, nullptr, nullptr, nullptr);
    EXPECT_EQ(CaptureBackground(child, RECT{0, 0, 20, 20}), nullptr);
    EXPECT_TRUE(SkinModule().memoryDCList.empty()) << "no DC is left behind";
    EXPECT_EQ(MakeFrostedClientBitmap(child), nullptr);
}

TEST_F(PrimitivesTest, FrostedBitmapWashesTheBackgroundWhite)
{
    HWND top = CreateTestWindow(200, 150);
    windows = {top};
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, top, nullptr, nullptr, nullptr);
    RegisterWindow(top, RGB(0, 0, 0));
    HBITMAP frosted = MakeFrostedClientBitmap(edit);
    ASSERT_NE(frosted, nullptr);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(probe, frosted);
    const COLORREF pixel = PixelAt(probe, 3, 3);
    EXPECT_NEAR(GetRValue(pixel), 160, 2) << "white at the default wash alpha over black";
    SelectObject(probe, previous);
    DeleteDC(probe);
    DeleteObject(frosted);
}

TEST_F(PrimitivesTest, ChildClippedDcLeavesChildrenAlone)
{
    HWND top = CreateTestWindow(200, 100);
    windows = {top};
    HWND child = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 50, 20, 40, 30, top, nullptr, nullptr, nullptr);
    HWND see = CreateWindowExA(WS_EX_TRANSPARENT, "Static", "", WS_CHILD | WS_VISIBLE, 120, 20, 40, 30, top, nullptr,
                               nullptr, nullptr);
    (void)see;
    const RECT inParent = ChildRectInParent(child);
    EXPECT_EQ(inParent.left, 50);
    EXPECT_EQ(inParent.top, 20);
    EXPECT_EQ(inParent.right, 90);
    EXPECT_EQ(inParent.bottom, 50);

    HDC dc = GetDCExcludingChildren(top, nullptr, false);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(PtVisible(dc, 60, 30), FALSE) << "inside the opaque child";
    EXPECT_NE(PtVisible(dc, 130, 30), FALSE) << "a transparent child is painted over";
    EXPECT_NE(PtVisible(dc, 10, 10), FALSE);
    ReleaseDC(top, dc);
}

} // namespace
