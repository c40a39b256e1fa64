// A soak of the skinned main window: hover over every control and caption
// button many times, and change the skin's picture again and again with
// valid and corrupt files. Nothing crashes, no memory DC is left behind
// and the process memory stays flat.
#include "skinned_fixture.h"

#include <cstdio>
#include <memory>

#include "bitmap.h"
#include "graphics.h"
#include "process_memory.h"
#include "skin_engine.h"
#include "skin_pictures.h"

namespace {

class SkinSoakTest : public SkinnedWindowTest {};

TEST_F(SkinSoakTest, HoverAndSkinChangesLeaveNothingBehind)
{
    CreateSkinnedWindow();
    const int index = IndexOf(Window());
    ASSERT_EQ(index, 1);

    // Two picture files: a valid PNG and a corrupt one.
    const std::string valid = TempFile("soak-valid.png"), corrupt = TempFile("soak-corrupt.png");
    {
        Bitmap picture;
        ASSERT_TRUE(picture.Create(64, 48));
        Graphics graphics;
        graphics.CreateFromImage(picture);
        graphics.Clear(0xFF3080C0);
        graphics.Delete();
        const ByteArray png = picture.SaveToBytes(kPngFormat);
        WriteFileBytes(valid, std::string(png.begin(), png.end()));
        WriteFileBytes(corrupt, std::string(png.begin(), png.begin() + 40) + std::string(200, '\x5a'));
    }

    std::vector<HWND> targets;
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        targets.push_back(child);
    const WindowRecord& record = *RecordAt(index);
    std::vector<LPARAM> captionPoints;
    for (const CaptionButton& button : record.captionButtons)
        captionPoints.push_back(MAKELPARAM(static_cast<int>(button.rect.x) + 8, static_cast<int>(button.rect.y) + 8));

    const auto hoverCycle = [&](int i) {
        const size_t slot = static_cast<size_t>(i) % (targets.size() + captionPoints.size());
        if (slot < targets.size()) {
            SendMessageA(targets[slot], WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
            SendMessageA(targets[slot], WM_MOUSELEAVE, 0, 0);
        } else {
            SendMessageA(Window(), WM_MOUSEMOVE, 0, captionPoints[slot - targets.size()]);
            SendMessageA(Window(), WM_TIMER, reinterpret_cast<WPARAM>(Window()), 0);
            SendMessageA(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(180, 200));
            SendMessageA(Window(), WM_MOUSELEAVE, 0, 0);
        }
    };
    const auto skinChange = [&](int i) {
        BackgroundPictureOptions options;
        options.fileName = i % 2 == 0 ? valid : corrupt;
        skin->SetBackgroundPicture(options);
    };

    // Warm up, then measure.
    for (int i = 0; i < 200; ++i)
        hoverCycle(i);
    for (int i = 0; i < 20; ++i)
        skinChange(i);
    PumpMessages();
    const size_t before = CommittedBytes();
    const DWORD start = GetTickCount();
    for (int i = 0; i < 20000; ++i) {
        hoverCycle(i);
        if (i % 10 == 0)
            skinChange(i / 10);
        if (i % 200 == 0)
            PumpMessages();
    }
    PumpMessages();
    const size_t after = CommittedBytes();
    std::printf("soak: 20000 hover cycles and 2000 skin changes in %lu ms; memory %zu -> %zu bytes\n",
                GetTickCount() - start, before, after);

    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_LT(after, before + 4 * 1024 * 1024);
    EXPECT_TRUE(fakes.prompts.calls.empty());
    DeleteFileA(valid.c_str());
    DeleteFileA(corrupt.c_str());
}

} // namespace
