// Labels over the skin on real skinned windows: key-coloured pixels show
// the background picture, registration order, labels holding child
// windows registered as frames.
#include "control_test_support.h"

#include <commctrl.h>
#include <embedded.h>

#include <cstdlib>
#include <vector>

#include "button_test_support.h"
#include "frames.h"
#include "labels.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

using namespace control_test;

HWND CreateLabel(HWND parent, const char* className, const char* text, DWORD style, RECT r)
{
    return CreateChild(parent, className, style, 0, r, text);
}

class LabelsTest : public SkinnedControlsTest {
protected:
    void SetUp() override
    {
        SkinnedControlsTest::SetUp();
        host = CreateHost();
        windows.push_back(host);
        engine->SkinWindow(host);
        index = Property(host, "Hw_lbID");
    }
    // The frame image's pixel behind client pixel (x, y) of `label`.
    COLORREF Behind(HWND label, int x, int y)
    {
        const RECT inHost = RectInOwner(label), client = ClientRectInWindow(label);
        return GetPixel(RecordAt(index)->BackgroundDC(), inHost.left + client.left + x, inHost.top + client.top + y);
    }
    // Counts client pixels (on a grid) for which `matches(pixel, behind)` holds.
    template <typename Match>
    int CountPixels(HWND label, Match matches, int* probed)
    {
        RECT client;
        GetClientRect(label, &client);
        int count = 0;
        *probed = 0;
        for (int y = 0; y < client.bottom; y += 2) {
            for (int x = 0; x < client.right; x += 2) {
                ++*probed;
                count += matches(ClientPixel(label, x, y), Behind(label, x, y)) ? 1 : 0;
            }
        }
        return count;
    }

    HWND host = nullptr;
    int index = 0;
};

TEST_F(LabelsTest, KeyColouredPixelsShowTheBackgroundPicture)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const struct {
        const char* name;
        std::optional<COLORREF> key;
        DWORD style;
        bool showsPicture;
    } cases[] = {
        {"default key: the face colour", std::nullopt, 0, true},
        {"bordered, centred", face, WS_BORDER | SS_CENTER | SS_CENTERIMAGE, true},
        {"another key colour", RGB(1, 2, 3), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND label = CreateLabel(host, "Static", "倒计时", c.style, {20, 40, 244, 72});
        engine->SkinLabel(label, c.key);
        Repaint(host);
        int probed = 0;
        const int picture = CountPixels(label, [](COLORREF p, COLORREF b) { return p == b; }, &probed);
        const int opaque = CountPixels(label, [face](COLORREF p, COLORREF) { return p == face; }, &probed);
        if (c.showsPicture) {
            // All but the text.
            EXPECT_GT(picture, probed * 8 / 10);
            EXPECT_LT(picture, probed);
            EXPECT_EQ(opaque, 0);
        } else {
            EXPECT_GT(opaque, probed * 8 / 10);
        }
        // A new text is shown through the key colour too.
        SetWindowTextA(label, "剩余 10 秒");
        PumpMessages();
        const int opaqueAfter = CountPixels(label, [face](COLORREF p, COLORREF) { return p == face; }, &probed);
        if (c.showsPicture)
            EXPECT_EQ(opaqueAfter, 0);
        else
            EXPECT_GT(opaqueAfter, probed * 7 / 10);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        DestroyWindow(label);
    }
}

TEST_F(LabelsTest, ControlsPaintingIntoAGivenDCShowTheWashedBackground)
{
    HWND trackbar = CreateLabel(host, TRACKBAR_CLASSA, "", TBS_HORZ | TBS_NOTICKS, {20, 120, 260, 160});
    engine->SkinLabel(trackbar);
    Repaint(host);
    const int wash = SkinModule().washAlpha;
    int probed = 0;
    const int washed = CountPixels(
        trackbar, [wash](COLORREF p, COLORREF b) { return Near(p, Blend(RGB(255, 255, 255), wash, b)); }, &probed);
    EXPECT_GT(washed, probed / 2) << "the face-coloured background shows the washed picture";
    EXPECT_LT(washed, probed) << "the channel and thumb stay";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(LabelsTest, LabelsFillTheirEntriesInCallOrder)
{
    std::vector<HWND> labels;
    for (int i = 0; i < 4; ++i)
        labels.push_back(CreateLabel(host, "Static", "标签", 0, {20, 20 + 40 * i, 120, 44 + 40 * i}));
    const WindowRecord& record = *RecordAt(index);
    EXPECT_EQ(record.labels.Count(), 1);
    EXPECT_EQ(record.labels.At(1)->window, nullptr) << "one empty entry before the first label";
    for (HWND label : {labels[2], labels[0], labels[3], labels[1]})
        engine->SkinLabel(label, RGB(9, 9, 9));
    engine->SkinLabel(labels[0]); // taken already: nothing changes
    const std::vector<HWND> order = {labels[2], labels[0], labels[3], labels[1]};
    ASSERT_EQ(record.labels.Count(), 4);
    for (int i = 1; i <= 4; ++i) {
        const LabelEntry& entry = *record.labels.At(i);
        EXPECT_EQ(entry.window, order[static_cast<size_t>(i - 1)]) << i;
        EXPECT_EQ(entry.keyColour, RGB(9, 9, 9));
        EXPECT_EQ(Property(entry.window, "Kj_lbID"), i);
        EXPECT_EQ(Property(entry.window, "Kj_FuID"), index);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(entry.window, "Kj_hProc")), entry.oldProc);
        EXPECT_NE(entry.oldProc, nullptr);
    }
    EXPECT_EQ(GetPropA(labels[0], "Hw_lbID"), nullptr) << "no children: no frame";
    EXPECT_EQ(record.frames.At(1)->window, nullptr);

    // A label outside every skinned window is left alone.
    HWND loose = CreateLabel(CreateHost(), "Static", "", 0, {0, 0, 10, 10});
    windows.push_back(GetParent(loose));
    engine->SkinLabel(loose);
    EXPECT_EQ(GetPropA(loose, "Kj_hProc"), nullptr);
}

TEST_F(LabelsTest, ALabelHoldingChildWindowsBecomesAFrameThatLeavesItsPaintingAlone)
{
    HWND label = CreateLabel(host, "Static", "", 0, {20, 40, 300, 240});
    HWND list = CreateLabel(label, "ListBox", "", WS_BORDER, {10, 10, 150, 100});
    engine->SkinLabel(label, std::nullopt, RGB(0, 0, 200), 90);

    const WindowRecord& record = *RecordAt(index);
    ASSERT_EQ(record.frames.Count(), 1);
    const FrameEntry& frame = *record.frames.At(1);
    EXPECT_EQ(frame.window, label);
    EXPECT_FALSE(frame.tintChildren);
    EXPECT_EQ(frame.tintColour, RGB(0, 0, 200));
    EXPECT_EQ(frame.tintAlpha, 90);
    EXPECT_TRUE(frame.needsRepaint);
    EXPECT_EQ(Property(label, "Hw_lbID"), 1);
    EXPECT_EQ(Property(label, "Hw_FuID"), index);
    EXPECT_EQ(Property(label, "Mb_zpf"), 0);
    // The frame procedure hands on to the label procedure.
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(label, "Hw_hProc")), frame.oldProc);
    EXPECT_NE(frame.oldProc, nullptr);
    // The label's children are skinned.
    EXPECT_EQ(record.listControls.Find(list), 1);
    EXPECT_EQ(Property(list, "Hw_FuID"), index);

    // Registered once.
    engine->SkinFrame(label);
    EXPECT_EQ(record.frames.Count(), 1);
    EXPECT_EQ(record.listControls.Count(), 1);

    // Painting still goes through the label procedure: below the list the
    // label shows the picture under the tint it was given.
    Repaint(host);
    RECT client;
    GetClientRect(label, &client);
    int probed = 0, tinted = 0;
    for (int y = 120; y < client.bottom; y += 3) {
        for (int x = 0; x < client.right; x += 3) {
            ++probed;
            tinted += Near(ClientPixel(label, x, y), Blend(RGB(0, 0, 200), 90, Behind(label, x, y))) ? 1 : 0;
        }
    }
    EXPECT_EQ(tinted, probed);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(LabelsTest, PrintingGivesTheLookOnTheScreen)
{
    HWND label = CreateLabel(host, "Static", "倒计时", SS_CENTER, {20, 40, 244, 72});
    engine->SkinLabel(label);
    Repaint(host);
    const button_test::Pixels printed = button_test::DrawOffScreen(224, 32, [label](HDC dc) {
        SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    EXPECT_EQ(printed, button_test::Surface(label));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

} // namespace
