// Frames and group boxes on real skinned windows: registration, the
// skin's painting (or not) of the frame, group-box captions placed by
// their alignment, translucent frames on moves and alpha changes, panes
// docked in a frame, and the services a frame gives its controls.
#include "control_test_support.h"

#include <string>

#include "frames.h"
#include "headers.h"
#include "skin_primitives.h"

namespace {

using namespace control_test;

constexpr COLORREF kRed = RGB(255, 0, 0);

// A plain container whose own painting fills it with red.
LRESULT CALLBACK RedPanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        HBRUSH red = CreateSolidBrush(kRed);
        FillRect(reinterpret_cast<HDC>(wParam), &client, red);
        DeleteObject(red);
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreatePanel(HWND parent, RECT r)
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &RedPanelProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FramesTestPanel";
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered ? CreateChild(parent, "FramesTestPanel", WS_CLIPCHILDREN, 0, r) : nullptr;
}

bool HasUpdateRegion(HWND window)
{
    RECT update{};
    return GetUpdateRect(window, &update, FALSE) != 0;
}

class FramesTest : public SkinnedControlsTest {
protected:
    FrameEntry& EntryOf(int index, HWND frame)
    {
        WindowRecord& record = *RecordAt(index);
        return *record.frames.At(record.frames.Find(frame));
    }
};

TEST_F(FramesTest, RegisteredOnceFirstFillingEntryOneAndTheirControlsSkinned)
{
    HWND host = Host();
    HWND first = CreatePanel(host, {10, 10, 180, 120});
    HWND second = CreatePanel(host, {190, 10, 360, 120});
    HWND inner = CreateChild(first, "Button", BS_PUSHBUTTON, 0, {10, 10, 90, 40}, "确定");
    const int index = Skin(host);
    ASSERT_GE(index, 1);
    const WindowRecord& record = *RecordAt(index);
    ASSERT_EQ(record.frames.Count(), 1);
    EXPECT_EQ(record.frames.At(1)->window, nullptr) << "the list starts with one empty entry";
    EXPECT_EQ(record.buttons.Find(inner), 0) << "SkinWindow takes direct children only";

    const auto procedureOf = [](HWND w) { return GetWindowLongPtrA(w, GWLP_WNDPROC); };
    engine->SkinFrame(first);
    const LONG_PTR installed = procedureOf(first);
    engine->SkinFrame(first);
    EXPECT_EQ(procedureOf(first), installed) << "subclassed once";
    engine->SkinFrame(second);
    ASSERT_EQ(record.frames.Count(), 2);
    EXPECT_EQ(record.frames.At(1)->window, first);
    EXPECT_EQ(record.frames.At(2)->window, second);
    for (int i : {1, 2}) {
        const FrameEntry& entry = *record.frames.At(i);
        EXPECT_EQ(Property(entry.window, "Hw_lbID"), i);
        EXPECT_EQ(Property(entry.window, "Hw_FuID"), index);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(entry.window, "Hw_hProc")), entry.oldProc);
        EXPECT_TRUE(entry.tintChildren);
        EXPECT_EQ(entry.tintAlpha, 255);
        EXPECT_TRUE(entry.needsRepaint);
        EXPECT_FALSE(entry.rounded);
    }
    EXPECT_GE(record.buttons.Find(inner), 1) << "the frame's controls join the record";

    // The frame passes its owner-drawn button's WM_DRAWITEM to the skin:
    // the button no longer shows the system face.
    Repaint(host);
    RECT client;
    GetClientRect(inner, &client);
    EXPECT_NE(ClientPixel(inner, client.right / 2, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(record.frames.At(1)->needsRepaint) << "a full paint ran";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(FramesTest, AWindowOutsideEverySkinnedWindowIsLeftAlone)
{
    HWND loose = Host(500, 60);
    HWND panel = CreatePanel(loose, {10, 10, 100, 100});
    const LONG_PTR procedure = GetWindowLongPtrA(panel, GWLP_WNDPROC);
    engine->SkinFrame(panel);
    EXPECT_EQ(GetWindowLongPtrA(panel, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropA(panel, "Hw_lbID"), nullptr);
    EXPECT_EQ(GetPropA(panel, "Hw_hProc"), nullptr);
}

TEST_F(FramesTest, TheSkinPaintsTheFrameUnlessItLeavesItsChildrenUntinted)
{
    HWND host = Host();
    HWND painted = CreatePanel(host, {10, 10, 180, 120});
    HWND ownPainting = CreatePanel(host, {190, 10, 360, 120});
    HWND inner = CreateChild(ownPainting, "Button", BS_PUSHBUTTON, 0, {10, 10, 90, 40}, "取消");
    const int index = Skin(host);
    engine->SkinFrame(painted);
    engine->SkinFrame(ownPainting, false);
    Repaint(host);
    // The skinned frame shows the frame image behind it, not its red.
    const RECT place = RectInOwner(painted);
    EXPECT_TRUE(Near(ClientPixel(painted, 50, 80), GetPixel(RecordAt(index)->BackgroundDC(), place.left + 50,
                                                            place.top + 80)));
    EXPECT_EQ(ClientPixel(ownPainting, 120, 80), kRed) << "paint, erase and show stay the frame's own";
    EXPECT_GE(RecordAt(index)->buttons.Find(inner), 1) << "its controls are still skinned";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(FramesTest, GroupBoxCaptionIsPlacedByItsAlignmentBits)
{
    const struct {
        const char* name;
        DWORD alignment;
        char where; // 'r' right, 'l' left, 'c' centre
    } kCases[] = {{"none", 0, 'r'}, {"BS_LEFT", BS_LEFT, 'l'}, {"BS_RIGHT", BS_RIGHT, 'r'},
                  {"BS_CENTER", BS_CENTER, 'c'}};
    HWND host = Host(60, 60, 380, 420);
    std::vector<HWND> boxes;
    int top = 10;
    for (const auto& c : kCases) {
        boxes.push_back(CreateChild(host, "Button", BS_GROUPBOX | c.alignment, 0, {10, top, 350, top + 90}, "分组"));
        top += 100;
    }
    for (HWND box : boxes)
        SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const int index = Skin(host);
    for (size_t i = 0; i < boxes.size(); ++i) {
        engine->SkinFrame(boxes[i]);
        engine->SetControlTextColour(boxes[i], kRed);
    }
    Repaint(host);
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(kCases[i].name);
        HWND box = boxes[i];
        const FrameEntry& entry = EntryOf(index, box);
        ASSERT_TRUE(entry.rounded);
        ASSERT_GT(entry.fontSize, 0);
        RECT client;
        GetClientRect(box, &client);
        const int w = client.right;
        const int t = MeasureTextWidth("分组", entry.fontName, entry.fontSize, entry.fontStyle);
        const int x = kCases[i].where == 'l' ? 10 : kCases[i].where == 'r' ? w - t - 10 : (w - t) / 2;
        // The caption's red pixels lie inside (x, x + t), starting near x.
        int first = -1, last = -1;
        for (int px = 0; px < w; ++px) {
            for (int py = 1; py < entry.fontSize + 4; ++py) {
                const COLORREF p = ClientPixel(box, px, py);
                if (GetRValue(p) > 180 && GetGValue(p) < 110 && GetBValue(p) < 110) {
                    if (first < 0)
                        first = px;
                    last = px;
                    break;
                }
            }
        }
        ASSERT_GE(first, 0) << "no caption drawn";
        EXPECT_GE(first, x - 1);
        EXPECT_LE(first, x + 4);
        EXPECT_LE(last, x + t);
        // The outline runs at y 5 away from the caption and not through it.
        const int away = kCases[i].where == 'l' ? w - 40 : 30;
        const RECT place = RectInOwner(box);
        const COLORREF behind = GetPixel(RecordAt(index)->BackgroundDC(), place.left + away, place.top + 5);
        EXPECT_TRUE(Near(ClientPixel(box, away, 5), Blend(RGB(0, 0, 0), 40, behind)));
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(FramesTest, TranslucentFramesRepaintOnMovesAndAlphaChanges)
{
    HWND host = Host();
    HWND opaque = CreatePanel(host, {10, 10, 110, 110});
    HWND translucent = CreatePanel(host, {120, 10, 220, 110});
    HWND untinted = CreatePanel(host, {230, 10, 330, 110});
    const int index = Skin(host);
    engine->SkinFrame(opaque, true, RGB(0, 0, 200), 255);
    engine->SkinFrame(translucent, true, RGB(0, 0, 200), 90);
    engine->SkinFrame(untinted, true, 0, 90);
    Repaint(host);

    MoveWindow(opaque, 12, 12, 100, 100, FALSE);
    MoveWindow(translucent, 122, 12, 100, 100, FALSE);
    EXPECT_FALSE(HasUpdateRegion(opaque)) << "alpha 255: the frame looks the same anywhere";
    EXPECT_TRUE(HasUpdateRegion(translucent));
    Repaint(host);

    engine->SetFrameAlpha(untinted, 30);
    EXPECT_EQ(EntryOf(index, untinted).tintAlpha, 90) << "no tint: nothing changes";
    EXPECT_FALSE(HasUpdateRegion(untinted));
    engine->SetFrameAlpha(translucent, 0x1C8);
    EXPECT_EQ(EntryOf(index, translucent).tintAlpha, 0xC8) << "the low byte";
    EXPECT_TRUE(HasUpdateRegion(translucent));
    Repaint(host);
    // The tint: blue at the new alpha over the frame image.
    const RECT place = RectInOwner(translucent);
    const COLORREF behind = GetPixel(RecordAt(index)->BackgroundDC(), place.left + 50, place.top + 50);
    EXPECT_TRUE(Near(ClientPixel(translucent, 50, 50), Blend(RGB(0, 0, 200), 0xC8, behind), 6));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(FramesTest, DockedPanesFollowTheFramesSize)
{
    HWND host = Host();
    HWND panel = CreatePanel(host, {10, 10, 200, 150});
    HWND pane = CreateChild(panel, "Static", 0, 0, {0, 0, 10, 10});
    const int index = Skin(host);
    engine->SkinFrame(panel);
    EntryOf(index, panel).dockedPanes.push_back({pane, 20});
    Repaint(host);
    MoveWindow(panel, 10, 10, 240, 160, TRUE);
    RECT r;
    GetWindowRect(pane, &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 240 - 2);
    EXPECT_EQ(r.bottom, 160);
    EXPECT_TRUE(EntryOf(index, panel).needsRepaint);
}

} // namespace
