// List-like controls on real skinned windows: which controls are taken,
// their skin frame around the native face, and the frame's hover and
// focus colours, probed on the screen.
#include "control_test_support.h"

#include <commctrl.h>
#include <embedded.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "control_setup.h"
#include "list_controls.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

constexpr COLORREF kColourKey = RGB(255, 0, 255);

using namespace control_test;

class ListControlsTest : public SkinnedControlsTest {};

TEST_F(ListControlsTest, SetUpTakesEachClassOnceInPassOrder)
{
    HWND host = Host();
    // Created in an order unlike the passes': the passes decide the order.
    HWND picker = CreateChild(host, DATETIMEPICK_CLASSA, 0, WS_EX_CLIENTEDGE, {10, 10, 170, 36});
    HWND address = CreateChild(host, WC_IPADDRESSA, 0, WS_EX_CLIENTEDGE, {10, 40, 170, 64});
    HWND tree = CreateChild(host, WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, {10, 70, 120, 150});
    HWND sortedView = CreateChild(host, WC_LISTVIEWA, LVS_REPORT | LVS_SORTASCENDING, WS_EX_CLIENTEDGE,
                                  {130, 70, 240, 150});
    HWND view = CreateChild(host, WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, {250, 70, 370, 150});
    HWND dropDown = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {180, 10, 280, 120});
    HWND ownerDrawn = CreateChild(host, "ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0,
                                  {10, 160, 120, 270});
    HWND simple = CreateChild(host, "ComboBox", CBS_SIMPLE, 0, {130, 160, 240, 270});
    HWND listBox = CreateChild(host, "ListBox", WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, {250, 160, 370, 270});
    HWND simpleList = FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
    HWND ownerDrawnList = FindWindowExA(ownerDrawn, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(simpleList, nullptr);
    ASSERT_NE(ownerDrawnList, nullptr);
    ASSERT_TRUE(GetWindowLongPtrA(ownerDrawnList, GWL_STYLE) & LBS_OWNERDRAWFIXED);
    ASSERT_EQ(FindWindowExA(dropDown, nullptr, "ComboLBox", nullptr), nullptr) << "a drop-down list is no child";

    const int index = Skin(host);
    ASSERT_GE(index, 1);
    const std::vector<HWND> expected = {listBox, simpleList, view, tree, address, picker};
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
        const WindowRecord& record = *RecordAt(index);
        ASSERT_EQ(record.listControls.Count(), static_cast<int>(expected.size()));
        for (int i = 1; i <= record.listControls.Count(); ++i) {
            const ListRecord& entry = *record.listControls.At(i);
            EXPECT_EQ(entry.window, expected[static_cast<size_t>(i - 1)]) << "entry " << i;
            EXPECT_EQ(Property(entry.window, "Hw_lbID"), i);
            EXPECT_EQ(Property(entry.window, "Hw_FuID"), index);
            EXPECT_NE(entry.oldProc, nullptr);
            EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(entry.window, "Hw_hProc")), entry.oldProc);
        }
        // (The combo boxes themselves are the edit and combo set-up's.)
        for (HWND untouched : {sortedView, ownerDrawnList})
            EXPECT_EQ(GetPropA(untouched, "Hw_lbID"), nullptr);
        for (HWND combo : {dropDown, simple, ownerDrawn})
            EXPECT_EQ(RecordAt(index)->listControls.Find(combo), 0);
        SkinListControls(index, host);
    }
    // Taken once: the controls still reach their own procedures (a second
    // subclass would call itself without end).
    EXPECT_EQ(SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("一")), 0);
    EXPECT_EQ(SendMessageA(simple, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("二")), 0);
    EXPECT_EQ(SendMessageA(simpleList, LB_GETCOUNT, 0, 0), 1);
    SYSTEMTIME time{};
    EXPECT_EQ(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)), GDT_VALID);
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(ListControlsTest, NothingIsTakenWhileControlsAreNotSkinned)
{
    engine->SetControlEffects(false);
    HWND host = Host();
    HWND picker = CreateChild(host, DATETIMEPICK_CLASSA, 0, WS_EX_CLIENTEDGE, {10, 10, 170, 36});
    const int index = Skin(host);
    EXPECT_EQ(RecordAt(index)->listControls.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(picker, "Hw_hProc"), nullptr);
}

TEST_F(ListControlsTest, DateTimePickerKeepsItsNativeFaceInsideTheSkinFrame)
{
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 9;
    time.wHour = 21;
    time.wMinute = 30;
    const RECT place{20, 40, 200, 68};
    const auto makePicker = [&](HWND host) {
        HWND picker = CreateChild(host, DATETIMEPICK_CLASSA, 0, WS_EX_CLIENTEDGE, place);
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("yyyy'年'MM'月'dd'日' HH:mm"));
        SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
        return picker;
    };
    HWND host = Host(60, 60);
    HWND picker = makePicker(host);
    HWND plainHost = Host(460, 60);
    HWND twin = makePicker(plainHost);
    const int index = Skin(host);
    Repaint(plainHost);
    ASSERT_EQ(RecordAt(index)->listControls.Find(picker), 1);

    RECT outer, client;
    GetWindowRect(picker, &outer);
    GetClientRect(picker, &client);
    const int height = outer.bottom - outer.top, width = outer.right - outer.left;
    const int middle = height / 2;
    // The frame: a black line at alpha 90 over an opaque white ring.
    const COLORREF line = Blend(RGB(0, 0, 0), 90, RGB(255, 255, 255));
    for (POINT p : {POINT{0, middle}, POINT{width - 1, middle}, POINT{width / 2, 0}, POINT{width / 2, height - 1}})
        EXPECT_TRUE(Near(WindowPixel(picker, p.x, p.y), line)) << p.x << "," << p.y;
    EXPECT_EQ(WindowPixel(picker, 1, middle), RGB(255, 255, 255));
    EXPECT_FALSE(Near(WindowPixel(twin, 0, middle), line)) << "the system border differs from the skin's";

    // The face: every client pixel as the unskinned twin shows it.
    int probed = 0, same = 0;
    for (int y = 0; y < client.bottom; y += 2) {
        for (int x = 0; x < client.right; x += 2) {
            ++probed;
            same += ClientPixel(picker, x, y) == ClientPixel(twin, x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(same, probed);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(ListControlsTest, HoverAndFocusLightTheFrameInTheAccentColour)
{
    HWND host = Host();
    HWND picker = CreateChild(host, DATETIMEPICK_CLASSA, 0, WS_EX_CLIENTEDGE, {20, 40, 200, 68});
    HWND other = CreateChild(host, "ListBox", 0, WS_EX_CLIENTEDGE, {20, 100, 200, 200});
    const int index = Skin(host);
    SetForegroundWindow(host);
    SetFocus(host);
    PumpMessages();
    const ListRecord& entry = *RecordAt(index)->listControls.At(RecordAt(index)->listControls.Find(picker));
    RECT outer;
    GetWindowRect(picker, &outer);
    const int middle = (outer.bottom - outer.top) / 2;
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF accent = Blend(SkinModule().accentColour, 200, white);
    const COLORREF line = Blend(RGB(0, 0, 0), 90, white);

    const struct {
        const char* step;
        void (*act)(HWND picker, HWND other, HWND host);
        bool (*done)(const ListRecord& entry);
        COLORREF outerPixel, innerPixel; // x = 0 and x = 1 on the middle row
    } steps[] = {
        {"mouse over",
         [](HWND picker, HWND, HWND) {
             RECT r;
             GetWindowRect(picker, &r);
             MoveMouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
         },
         [](const ListRecord& e) { return e.hot == 1; }, accent, accent},
        {"mouse away",
         [](HWND, HWND, HWND host) {
             RECT r;
             GetWindowRect(host, &r);
             MoveMouseTo({r.right - 5, r.bottom - 5});
         },
         [](const ListRecord& e) { return e.hot == 0; }, line, white},
        {"focus", [](HWND picker, HWND, HWND) { SetFocus(picker); },
         [](const ListRecord& e) { return e.focused == 1; }, accent, white},
        {"focus elsewhere", [](HWND, HWND other, HWND) { SetFocus(other); },
         [](const ListRecord& e) { return e.focused == 0; }, line, white},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act(picker, other, host);
        ASSERT_TRUE(PumpUntil([&] { return step.done(entry); }));
        EXPECT_TRUE(Near(WindowPixel(picker, 0, middle), step.outerPixel));
        EXPECT_TRUE(Near(WindowPixel(picker, 1, middle), step.innerPixel));
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
    }
    EXPECT_EQ(RecordAt(index)->hotControlIndex, 0) << "leaving clears the hot control";
}

TEST_F(ListControlsTest, FrameAndScrollBarGeometry)
{
    HWND host = Host();
    const struct {
        DWORD style, extendedStyle;
        bool framed;
    } cases[] = {
        {WS_BORDER, 0, true},
        {0, WS_EX_CLIENTEDGE, true},
        {0, WS_EX_DLGMODALFRAME, true},
        {0, WS_EX_STATICEDGE, false},
        {0, 0, false},
    };
    for (const auto& c : cases) {
        HWND box = CreateChild(host, "ListBox", c.style, c.extendedStyle, {10, 10, 130, 100});
        EXPECT_EQ(HasFrame(box), c.framed) << std::hex << c.style << " " << c.extendedStyle;
        EXPECT_FALSE(HasScrollBars(box));
        EXPECT_EQ(ScrollBarRegion(box), nullptr);
        DestroyWindow(box);
    }

    const int bar = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    HWND both = CreateChild(host, "ListBox", WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL, WS_EX_CLIENTEDGE,
                            {10, 10, 130, 100});
    RECT outer, client;
    GetWindowRect(both, &outer);
    GetClientRect(both, &client);
    const RECT inner = InnerRectInWindow(both);
    EXPECT_EQ(inner.left, 2);
    EXPECT_EQ(inner.top, 2);
    EXPECT_EQ(inner.right, 2 + client.right + bar);
    EXPECT_EQ(inner.bottom, 2 + client.bottom + barHeight);
    // The two bars and the corner square between them.
    const UniqueRegion bars = ScrollBarRegion(both);
    ASSERT_NE(bars, nullptr);
    RECT box;
    EXPECT_EQ(GetRgnBox(bars.get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, outer.left + 2);
    EXPECT_EQ(box.top, outer.top + 2);
    EXPECT_EQ(box.right, outer.left + inner.right);
    EXPECT_EQ(box.bottom, outer.top + inner.bottom);
    EXPECT_TRUE(PtInRegion(bars.get(), outer.left + inner.right - 1, outer.top + inner.bottom - 1)) << "corner";
    EXPECT_FALSE(PtInRegion(bars.get(), outer.left + 5, outer.top + 5)) << "client area";
}

TEST_F(ListControlsTest, TranslucentTreeShowsItsItemsOverTheWashedBackground)
{
    engine->SetControlEffects(true, 160);
    HWND host = Host();
    HWND tree = CreateChild(host, WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, {20, 40, 200, 200});
    HWND view = CreateChild(host, WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, {210, 40, 370, 200});
    TVINSERTSTRUCTA item{};
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT;
    item.item.pszText = const_cast<char*>("关机任务");
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const int index = Skin(host);
    ASSERT_EQ(RecordAt(index)->listControls.Count(), 2);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), kColourKey);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);

    RECT client;
    GetClientRect(tree, &client);
    const RECT inWindow = ClientRectInWindow(tree);
    const RECT inHost = RectInOwner(tree);
    HDC frame = RecordAt(index)->BackgroundDC();
    int keyPixels = 0, washed = 0, probed = 0;
    for (int y = 0; y < client.bottom; y += 3) {
        for (int x = 0; x < client.right; x += 3) {
            const COLORREF pixel = ClientPixel(tree, x, y);
            keyPixels += pixel == kColourKey ? 1 : 0;
            const COLORREF behind = GetPixel(frame, inHost.left + inWindow.left + x, inHost.top + inWindow.top + y);
            washed += Near(pixel, Blend(RGB(255, 255, 255), 160, behind)) ? 1 : 0;
            ++probed;
        }
    }
    EXPECT_EQ(keyPixels, 0);
    EXPECT_GT(washed, probed * 9 / 10) << "the empty part of the tree shows the washed background";
    EXPECT_LT(washed, probed) << "the item is drawn";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(ListControlsTest, ScrollingATranslucentListInvalidatesAllOfIt)
{
    engine->SetControlEffects(true, 160);
    HWND host = Host();
    HWND box = CreateChild(host, "ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, {20, 40, 200, 120});
    for (int i = 0; i < 30; ++i)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("项目"));
    Skin(host);
    for (UINT message : {WM_VSCROLL, WM_MOUSEWHEEL}) {
        ValidateRect(box, nullptr);
        SendMessageA(box, message, message == WM_VSCROLL ? SB_LINEDOWN : MAKEWPARAM(0, -WHEEL_DELTA), 0);
        RECT update{}, client{};
        GetUpdateRect(box, &update, FALSE);
        GetClientRect(box, &client);
        EXPECT_TRUE(EqualRect(&update, &client)) << message;
    }
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

} // namespace
