// Skinned header controls on real windows: the set-up (headers in the
// window and inside list views), the item under the mouse, the text
// measure, and the painted items (gradients, hot and pressed items, the
// stretched last column, caption placement and colour) probed on the
// screen.
#include "gradient_colours.h"
#include "mouse_test_support.h"
#include "painted_control_test_support.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "control_setup.h"
#include "headers.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

using namespace control_test;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr RECT kHeaderPlace{20, 20, 340, 44};

HFONT CaptionFont()
{
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return font;
}

struct Column {
    int width;
    const char* text;
    int format;
};

void AddItems(HWND header, const std::vector<Column>& columns)
{
    for (const Column& column : columns) {
        HDITEMA item{};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
        item.cxy = column.width;
        item.pszText = const_cast<char*>(column.text);
        item.fmt = HDF_STRING | column.format;
        SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)),
                     reinterpret_cast<LPARAM>(&item));
    }
}

HWND AddHeader(HWND host, DWORD style, const std::vector<Column>& columns, RECT place = kHeaderPlace)
{
    HWND header = CreateChild(host, WC_HEADERA, HDS_HORZ | style, 0, place);
    SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont()), FALSE);
    AddItems(header, columns);
    return header;
}

HWND AddListView(HWND host, RECT place, const std::vector<Column>& columns)
{
    HWND view = CreateChild(host, WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, place);
    SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont()), FALSE);
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_FMT;
        column.cx = columns[i].width;
        column.pszText = const_cast<char*>(columns[i].text);
        column.fmt = columns[i].format;
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    return view;
}

RECT ItemRect(HWND header, int item)
{
    RECT rect{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

class HeadersTest : public SkinnedControlsTest {
protected:
    void SetUp() override
    {
        SkinnedControlsTest::SetUp();
        ParkMouse();
    }
};

// How an item's row looks, stacked as the painter stacks it.
struct Look {
    bool hasButtons = true;
    bool hot = false;
    bool pressed = false;
};

COLORREF ItemColour(int y, int height, Look look, COLORREF below = kWhite)
{
    const COLORREF accent = SkinModule().accentColour;
    const double t = GradientFraction(y, 0, height);
    COLORREF colour = look.hasButtons ? OverGradient(below, {kWhite, 80}, {accent, 120}, t)
                                      : OverGradient(below, {accent, 60}, {accent, 10}, t);
    if (look.hot)
        colour = OverGradient(colour, {accent, 60}, {kBlack, 30}, t);
    if (look.pressed)
        colour = OverGradient(colour, {kBlack, 30}, {kWhite, 120}, t);
    return colour;
}

// Probes two rows of the item, `fromRight` pixels left of its right edge
// (clear of the separator and of a left-aligned caption).
void ExpectItem(HWND header, int item, Look look, int fromRight = 8)
{
    const RECT rect = ItemRect(header, item);
    const int height = rect.bottom - rect.top;
    for (int y : {3, height - 3}) {
        EXPECT_TRUE(Near(ClientPixel(header, rect.right - fromRight, y), ItemColour(y, height, look), 5))
            << "item " << item << ", row " << y << (look.hot ? ", hot" : "") << (look.pressed ? ", pressed" : "");
    }
}

bool IsDark(COLORREF pixel) { return GetRValue(pixel) < 110 && GetGValue(pixel) < 110 && GetBValue(pixel) < 110; }

// The columns (relative to the item) and rows holding the caption's dark
// pixels.
struct Ink {
    int left = INT_MAX, right = -1, bottom = -1;
    int darkest = 255 * 3;
    bool reddish = false;
};

Ink InkOf(HWND header, int item)
{
    const RECT rect = ItemRect(header, item);
    Ink ink;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right - 1; ++x) {
            const COLORREF pixel = ClientPixel(header, x, y);
            ink.reddish = ink.reddish || GetRValue(pixel) > GetGValue(pixel) + 60;
            ink.darkest = std::min(ink.darkest, GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel));
            if (!IsDark(pixel))
                continue;
            ink.left = std::min(ink.left, static_cast<int>(x - rect.left));
            ink.right = std::max(ink.right, static_cast<int>(x - rect.left));
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

TEST_F(HeadersTest, SetUpTakesHeadersInTheWindowAndInListViewsOnce)
{
    HWND host = Host();
    HWND view = AddListView(host, {20, 100, 340, 180}, {{100, "列", 0}});
    HWND buttons = AddHeader(host, HDS_BUTTONS, {{100, "名称", 0}});
    HWND plain = AddHeader(host, 0, {{100, "名称", 0}}, {20, 50, 340, 74});
    HWND sortedView = AddListView(host, {20, 190, 340, 270}, {{100, "列", 0}});
    SetWindowLongPtrA(sortedView, GWL_STYLE, GetWindowLongPtrA(sortedView, GWL_STYLE) | LVS_SORTASCENDING);
    // A header another unit has already taken.
    HWND taken = AddHeader(host, 0, {{50, "另", 0}}, {20, 80, 340, 96});
    const auto takenProc = GetWindowLongPtrA(taken, GWLP_WNDPROC);
    SetPropA(taken, "Hw_hProc", reinterpret_cast<HANDLE>(takenProc));
    HWND viewHeader = FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
    HWND sortedHeader = FindWindowExA(sortedView, nullptr, WC_HEADERA, nullptr);
    ASSERT_NE(viewHeader, nullptr);
    ASSERT_NE(sortedHeader, nullptr);

    const int index = Skin(host);
    ASSERT_GE(index, 1);
    // Headers in the window first, then those of the list views.
    const std::vector<HWND> expected = {buttons, plain, viewHeader, sortedHeader};
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
        const WindowRecord& record = *RecordAt(index);
        ASSERT_EQ(record.headers.Count(), static_cast<int>(expected.size()));
        for (int i = 1; i <= record.headers.Count(); ++i) {
            const HeaderRecord& entry = *record.headers.At(i);
            SCOPED_TRACE(i);
            ExpectTakenOver(entry, expected[static_cast<size_t>(i - 1)], i, index, &HeaderProc);
            EXPECT_EQ(entry.hasButtons, (GetWindowLongPtrA(entry.window, GWL_STYLE) & HDS_BUTTONS) ? 1 : 0);
            // Every header gets its caption font, those in the window too.
            EXPECT_FALSE(entry.fontName.empty());
            EXPECT_GT(entry.fontSize, 0);
        }
        EXPECT_EQ(record.headers.At(1)->hasButtons, 1);
        EXPECT_EQ(record.headers.At(2)->hasButtons, 0);
        EXPECT_EQ(GetWindowLongPtrA(taken, GWLP_WNDPROC), takenProc);
        SkinHeaders(index, host);
    }
    // Taken once: the headers still reach their own procedures (a second
    // subclass would call itself without end).
    EXPECT_EQ(SendMessageA(buttons, HDM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(viewHeader, HDM_GETITEMCOUNT, 0, 0), 1);
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, NothingIsTakenWhileControlsAreNotSkinned)
{
    engine->SetControlEffects(false);
    HWND host = Host();
    HWND header = AddHeader(host, HDS_BUTTONS, {{100, "名称", 0}});
    const int index = Skin(host);
    EXPECT_EQ(RecordAt(index)->headers.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(header, "Hw_hProc"), nullptr);
}

TEST_F(HeadersTest, ItemAtSparesFivePixelsAtEachDivider)
{
    HWND host = Host();
    AddHeader(host, HDS_BUTTONS, {{100, "一", 0}, {80, "二", 0}});
    const int index = Skin(host);
    const struct {
        int x, item;
    } cases[] = {{0, 0},   {4, 0},   {5, 1},   {50, 1},  {95, 1},  {96, 0},  {100, 0}, {104, 0},
                 {105, 2}, {175, 2}, {176, 0}, {180, 0}, {300, 0}, {-20, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(HeaderItemAt(index, 1, MAKELPARAM(c.x, 10)), c.item) << "x " << c.x;
    EXPECT_EQ(HeaderItemAt(index, 2, MAKELPARAM(50, 10)), 0) << "no such header";
    EXPECT_EQ(HeaderItemAt(index + 1, 1, MAKELPARAM(50, 10)), 0) << "no such record";
}

TEST_F(HeadersTest, MeasureTextWidthGrowsWithTheTextAndTheFont)
{
    const int one = MeasureTextWidth("关机", "宋体", 12, 0);
    const int two = MeasureTextWidth("关机关机", "宋体", 12, 0);
    const int three = MeasureTextWidth("关机关机关机", "宋体", 12, 0);
    EXPECT_GT(one, 2 * 10);
    EXPECT_GT(two, one + 2 * 10);
    EXPECT_NEAR(three - two, two - one, 2) << "every two characters add the same width";
    EXPECT_GT(MeasureTextWidth("关机", "宋体", 24, 0), one + 12) << "a larger font";
    EXPECT_EQ(MeasureTextWidth("", "宋体", 12, 0), 1) << "nothing measured, rounded down plus one";
}

TEST_F(HeadersTest, ItemUnderTheMouseLightsUpOncePerItemAndNotNearADivider)
{
    HWND host = Host();
    HWND header = AddHeader(host, HDS_BUTTONS, {{100, "一", 0}, {80, "二", 0}, {60, "三", 0}});
    const int index = Skin(host);
    const HeaderRecord& entry = EntryOf(header, &WindowRecord::headers);
    const Look plain, hot{true, true, false};
    for (int item : {1, 2, 3})
        ExpectItem(header, item, plain);

    MoveOnto(header, 50, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotItem == 1; }));
    EXPECT_EQ(RecordAt(index)->hotControlClass, kHeaderHoverClass);
    EXPECT_EQ(RecordAt(index)->hotControlIndex, 1);
    ExpectItem(header, 1, hot);
    ExpectItem(header, 2, plain);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    MoveOnto(header, 140, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.paintedHotItem == 2; }));
    ExpectItem(header, 1, plain);
    ExpectItem(header, 2, hot);
    ExpectItem(header, 3, plain);

    // Moving within the item paints nothing again: a mark put on it stays.
    {
        HDC dc = GetDC(header);
        SetPixel(dc, 172, 3, kMagenta);
        ReleaseDC(header, dc);
    }
    MoveOnto(header, 150, 12);
    PumpFor(100);
    EXPECT_EQ(ClientPixel(header, 172, 3), kMagenta);

    // Near the divider between items 2 and 3: no item is lit.
    MoveOnto(header, 177, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotItem == 0; }));
    EXPECT_EQ(entry.hot, 0);
    for (int item : {1, 2, 3})
        ExpectItem(header, item, plain);

    MoveOnto(header, 200, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotItem == 3; }));
    ExpectItem(header, 3, hot);
    ParkMouse();
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 0; }));
    EXPECT_EQ(RecordAt(index)->hotControlIndex, 0);
    ExpectItem(header, 3, plain);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, PressedItemIsInvertedUntilTheButtonComesUp)
{
    HWND host = Host();
    HWND header = AddHeader(host, HDS_BUTTONS, {{100, "一", 0}, {80, "二", 0}});
    Skin(host);
    const HeaderRecord& entry = EntryOf(header, &WindowRecord::headers);
    MoveOnto(header, 140, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.paintedHotItem == 2; }));

    PressMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return entry.pressedItem == 2; }));
    PumpMessages();
    EXPECT_EQ(entry.mouseDown, 1);
    ExpectItem(header, 2, {true, true, true});
    ExpectItem(header, 1, {});
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    PressMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return entry.mouseDown == 0; }));
    PumpMessages();
    EXPECT_EQ(entry.pressedItem, 0);
    ExpectItem(header, 2, {true, true, false});
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, HeaderWithoutButtonsUsesTheLightGradientAndNeverLightsAnItem)
{
    HWND host = Host();
    HWND header = AddHeader(host, 0, {{100, "一", 0}, {80, "二", 0}});
    Skin(host);
    const HeaderRecord& entry = EntryOf(header, &WindowRecord::headers);
    const Look light{false, false, false};
    ExpectItem(header, 1, light);
    ExpectItem(header, 2, light);

    MoveOnto(header, 140, 10);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotItem == 2; }));
    PumpMessages();
    ExpectItem(header, 2, light);
    PressMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return entry.mouseDown == 1; }));
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ExpectItem(header, 2, light);
    PressMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return entry.mouseDown == 0; }));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, CaptionsArePlacedByAlignmentOnOneLineAndAlwaysBlack)
{
    HWND host = Host();
    HWND header = AddHeader(host, HDS_BUTTONS,
                            {{80, "名称", 0},
                             {80, "右", HDF_RIGHT},
                             {80, "中", HDF_CENTER},
                             {60, "很长很长的右对齐标题", HDF_RIGHT}});
    // Asked for red: header captions stay black.
    SetPropA(header, "Kj_Ztys", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(RGB(255, 0, 0))));
    Skin(host);
    const HeaderRecord& entry = EntryOf(header, &WindowRecord::headers);
    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const auto widthOf = [&](const char* text) {
        return MeasureTextWidth(text, entry.fontName, entry.fontSize, entry.fontStyle);
    };
    ASSERT_GT(widthOf("右"), 1);

    const struct {
        int item;
        int start; // where the caption's layout begins
    } cases[] = {
        {1, margin},
        {2, 80 - widthOf("右")},
        {3, (80 - margin - widthOf("中")) / 2},
        // Too long for its item: from the margin, as far as the margin
        // before the right edge.
        {4, margin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const Ink ink = InkOf(header, c.item);
        ASSERT_LE(ink.left, ink.right) << "a caption is drawn";
        EXPECT_GE(ink.left, c.start);
        EXPECT_LE(ink.left, c.start + 3);
        EXPECT_LE(ink.darkest, 3 * 40) << "black ink";
        EXPECT_FALSE(ink.reddish);
    }
    const Ink right = InkOf(header, 2);
    EXPECT_GE(right.right, 80 - 8) << "a right-aligned caption that fits ends at the right edge";
    const Ink trimmed = InkOf(header, 4);
    EXPECT_LT(trimmed.right, 60 - margin) << "trimmed at the layout's end";
    EXPECT_LT(trimmed.bottom, entry.fontSize + 4) << "one line only";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, LastListViewColumnReachesTheListViewsRightEdge)
{
    HWND host = Host();
    HWND view = AddListView(host, {20, 40, 340, 200}, {{80, "名称", 0}, {100, "时间", 0}});
    Skin(host);
    HWND header = FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
    ASSERT_NE(header, nullptr);
    PumpMessages();
    RECT client{};
    GetClientRect(view, &client);
    const RECT last = ItemRect(header, 2);
    ASSERT_LT(last.right + 20, client.right);
    const int height = last.bottom - last.top;
    const COLORREF separatorTop = Blend(kBlack, 60, ItemColour(1, height, {}));

    // The whole stretch shows the item, its separator at the list view's edge.
    for (int x : {static_cast<int>(last.right) - 1, static_cast<int>(last.right) + 10, static_cast<int>(client.right) - 8}) {
        for (int y : {3, height - 3})
            EXPECT_TRUE(Near(ClientPixel(header, x, y), ItemColour(y, height, {}), 5)) << x << "," << y;
    }
    EXPECT_TRUE(Near(ClientPixel(header, client.right - 1, 1), separatorTop, 6));
    EXPECT_TRUE(Near(ClientPixel(header, 79, 1), separatorTop, 6)) << "the first column's separator";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, TranslucentHeaderShowsTheWashedBackgroundAndOutlivesTheListViewsPaint)
{
    engine->SetControlEffects(true, 160);
    HWND host = Host();
    HWND view = AddListView(host, {20, 40, 340, 200}, {{80, "名称", 0}});
    HWND lone = AddHeader(host, HDS_BUTTONS, {{100, "一", 0}}, {20, 210, 340, 234});
    const int index = Skin(host);
    HWND header = FindWindowExA(view, nullptr, WC_HEADERA, nullptr);
    const auto expectWashed = [&](HWND which, int x) {
        const int height = ItemRect(which, 1).bottom, y = height - 3;
        const COLORREF washed = Blend(kWhite, 160, BehindControl(index, which, x, y));
        EXPECT_TRUE(Near(ClientPixel(which, x, y), ItemColour(y, height, {}, washed), 6)) << x << "," << y;
    };
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after the window's paint" : "after the list view painted again");
        for (int x : {60, 200})
            expectWashed(header, x);
        expectWashed(lone, 60);
        // The list view paints over its client area, then has its header
        // paint again.
        InvalidateRect(view, nullptr, TRUE);
        UpdateWindow(view);
        PumpMessages();
    }
    // Right of a lone header's items: the skin behind it.
    const int x = 200, y = 10;
    EXPECT_TRUE(Near(ClientPixel(lone, x, y), BehindControl(index, lone, x, y), 3));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(HeadersTest, ItemIconComesFromTheHeadersCurrentImageList)
{
    HWND host = Host();
    HWND header = AddHeader(host, HDS_BUTTONS, {{120, "名称", 0}});
    Skin(host);
    // The image list arrives after the set-up.
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
    ASSERT_NE(images, nullptr);
    {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ previous = SelectObject(memory, red);
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
        const RECT all{0, 0, 16, 16};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SelectObject(memory, previous);
        ImageList_Add(images, red, nullptr);
        DeleteObject(red);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = HDF_STRING | HDF_IMAGE;
    item.iImage = 0;
    SendMessageA(header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    Repaint(host);

    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int height = ItemRect(header, 1).bottom;
    const int top = (height - 16) / 2;
    for (POINT p : {POINT{margin, top}, POINT{margin + 15, top + 15}, POINT{margin + 8, top + 8}})
        EXPECT_EQ(ClientPixel(header, p.x, p.y), RGB(255, 0, 0)) << p.x << "," << p.y;
    EXPECT_NE(ClientPixel(header, margin - 1, top + 8), RGB(255, 0, 0));
    const Ink ink = InkOf(header, 1);
    EXPECT_GE(ink.left, margin + 16) << "the caption follows the icon";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, 0);
    ImageList_Destroy(images);
}
} // namespace
