// The controls gallery, skinned: every control class it holds is taken
// over, the translucency switch repaints everything, and a long hover
// soak over all its controls leaves nothing behind.
#include "engine_fixture.h"

#include <vector>

#include "controls_window.h"
#include "gallery_window.h"
#include "process_memory.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

// Every window below `parent`, depth first.
void CollectDescendants(HWND parent, std::vector<HWND>& into)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        into.push_back(child);
        CollectDescendants(child, into);
    }
}

class GalleryControlsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetGalleryBackground(*engine);
        window = CreateControlsWindow(engine.get(), 20, 20);
        windows.push_back(window);
        PumpMessages();
    }
    void TearDown() override
    {
        engine->SetControlEffects(true);
        EngineTest::TearDown();
    }
    WindowRecord& Record() { return *RecordAt(IndexProperty(window, "Hw_lbID")); }
    HWND Item(int id) { return GetDlgItem(window, id); }

    HWND window = nullptr;
};

TEST_F(GalleryControlsTest, EveryClassIsTakenOver)
{
    ASSERT_NE(window, nullptr);
    WindowRecord& record = Record();
    const struct {
        int id;
        int listed; // 1-based index in its list, 0 when not in that list
        const char* list;
    } kExpected[] = {{kGalleryEdit, record.edits.Find(Item(kGalleryEdit)), "edits"},
                     {kGalleryScrolledEdit, record.edits.Find(Item(kGalleryScrolledEdit)), "edits"},
                     {kGalleryDropDownList, record.comboBoxes.Find(Item(kGalleryDropDownList)), "comboBoxes"},
                     {kGalleryListBox, record.listControls.Find(Item(kGalleryListBox)), "listControls"},
                     {kGalleryListView, record.listControls.Find(Item(kGalleryListView)), "listControls"},
                     {kGalleryTreeView, record.listControls.Find(Item(kGalleryTreeView)), "listControls"},
                     {kGalleryIpAddress, record.listControls.Find(Item(kGalleryIpAddress)), "listControls"},
                     {kGalleryDateTime, record.listControls.Find(Item(kGalleryDateTime)), "listControls"},
                     {kGalleryTrackbar, record.trackbars.Find(Item(kGalleryTrackbar)), "trackbars"},
                     {kGalleryVerticalTrackbar, record.trackbars.Find(Item(kGalleryVerticalTrackbar)), "trackbars"},
                     {kGalleryUpDown, record.upDowns.Find(Item(kGalleryUpDown)), "upDowns"},
                     {kGalleryHorizontalUpDown, record.upDowns.Find(Item(kGalleryHorizontalUpDown)), "upDowns"},
                     {kGalleryHeader, record.headers.Find(Item(kGalleryHeader)), "headers"},
                     {kGalleryProgress, record.progressBars.Find(Item(kGalleryProgress)), "progressBars"},
                     {kGalleryVerticalProgress, record.progressBars.Find(Item(kGalleryVerticalProgress)),
                      "progressBars"},
                     {kGalleryGroupCentre, record.frames.Find(Item(kGalleryGroupCentre)), "frames"},
                     {kGalleryFrame, record.frames.Find(Item(kGalleryFrame)), "frames"},
                     {kGalleryPushButton, record.buttons.Find(Item(kGalleryPushButton)), "buttons"},
                     {kGalleryCheckBox, record.buttons.Find(Item(kGalleryCheckBox)), "buttons"},
                     {kGalleryRadio, record.buttons.Find(Item(kGalleryRadio)), "buttons"}};
    for (const auto& e : kExpected)
        EXPECT_GE(e.listed, 1) << "control " << e.id << " in " << e.list;

    // The list view's own header is taken too, and the frame's controls.
    HWND viewHeader = FindWindowExA(Item(kGalleryListView), nullptr, "SysHeader32", nullptr);
    ASSERT_NE(viewHeader, nullptr);
    EXPECT_GE(record.headers.Find(viewHeader), 1);
    EXPECT_GE(record.buttons.Find(GetDlgItem(Item(kGalleryFrame), kGalleryFrameButton)), 1);
    EXPECT_GE(record.buttons.Find(GetDlgItem(Item(kGalleryFrame), kGalleryFrameCheck)), 1);

    const ButtonRecord* icon = record.buttons.At(record.buttons.Find(Item(kGalleryIconButton)));
    const ButtonRecord* picture = record.buttons.At(record.buttons.Find(Item(kGalleryPictureButton)));
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(icon->kind, kButtonIcon);
    EXPECT_EQ(picture->kind, kButtonPicture);
    EXPECT_TRUE(record.frames.At(record.frames.Find(Item(kGalleryGroupLeft)))->rounded);

    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(GalleryControlsTest, TheSwitchTurnsTranslucentControlsOnAndOff)
{
    HWND toggle = Item(kGalleryTranslucentSwitch);
    ASSERT_FALSE(SkinModule().translucentControls);
    // The edit's client area: opaque white, then the washed skin.
    HWND edit = Item(kGalleryEdit);
    RECT client;
    GetClientRect(edit, &client);
    const auto probe = [&] {
        HDC dc = GetDC(edit);
        const COLORREF pixel = GetPixel(dc, client.right - 3, client.bottom / 2);
        ReleaseDC(edit, dc);
        return pixel;
    };
    EXPECT_EQ(probe(), RGB(255, 255, 255));
    SendMessageA(toggle, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_TRUE(SkinModule().translucentControls);
    EXPECT_EQ(SkinModule().washAlpha, 160);
    EXPECT_NE(probe(), RGB(255, 255, 255)) << "the skin shows through the wash";
    SendMessageA(toggle, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(SkinModule().translucentControls);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(GalleryControlsTest, HoverSoakOverEveryControlLeavesNothingBehind)
{
    std::vector<HWND> targets;
    CollectDescendants(window, targets);
    ASSERT_GT(targets.size(), 30u);
    const auto cycle = [&](int i) {
        HWND target = targets[static_cast<size_t>(i) % targets.size()];
        RECT client;
        GetClientRect(target, &client);
        SendMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
        SendMessageA(target, WM_MOUSELEAVE, 0, 0);
    };
    for (int i = 0; i < 500; ++i)
        cycle(i);
    PumpMessages();
    const size_t before = CommittedBytes();
    for (int i = 0; i < 20000; ++i) {
        cycle(i);
        if (i % 500 == 0)
            PumpMessages();
    }
    PumpMessages();
    const size_t after = CommittedBytes();
    std::printf("hover soak: %zu controls, 20000 cycles, committed %zu -> %zu bytes\n", targets.size(), before,
                after);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_LT(after, before + 2 * 1024 * 1024) << "memory grows with hovering";
    EXPECT_TRUE(IsWindow(window));
}

} // namespace
