// Skinned up-down controls on real windows: the set-up, which half is
// under the mouse, and the painted halves (unlit, lit, pressed, vertical
// and horizontal) probed on the screen.
#include "gradient_colours.h"
#include "mouse_test_support.h"
#include "painted_control_test_support.h"

#include <commctrl.h>

#include "control_setup.h"
#include "pump.h"
#include "skin_primitives.h"
#include "up_downs.h"

namespace {

using namespace control_test;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
// A vertical control 16 x 44 (the width the control keeps; halves 22 high) and a horizontal one 44 x 24
// (halves 22 wide).
constexpr RECT kVerticalPlace{40, 40, 56, 84};
constexpr RECT kHorizontalPlace{100, 40, 144, 64};
constexpr int kHalf = 22;
// Probes in each half's gradient, away from the arrow and the outline.
constexpr int kAcross = 4;
constexpr int kNearStart = 3, kNearEnd = 18;

bool IsBlack(COLORREF pixel) { return GetRValue(pixel) < 40 && GetGValue(pixel) < 40 && GetBValue(pixel) < 40; }

class UpDownsTest : public SkinnedControlsTest {
protected:
    void SetUp() override
    {
        SkinnedControlsTest::SetUp();
        ParkMouse();
    }
    // The colour expected at `position` (x of a horizontal, y of a vertical
    // control) of a half whose gradient runs from `start` to `end`: the
    // background under the white body, under the half's gradient.
    static COLORREF Expected(HWND control, int x, int y, Tint from, Tint to, double start, double end, bool vertical)
    {
        const COLORREF body = Blend(kWhite, 160, BehindControl(Property(control, "Hw_FuID"), control, x, y));
        return OverGradient(body, from, to, GradientFraction(vertical ? y : x, start, end));
    }
    static Tint Accent(int alpha) { return {SkinModule().accentColour, alpha}; }
    // Probes both ends of the vertical control's top (0) or bottom (1) half.
    static void ExpectVerticalHalf(HWND control, int half, Tint from, Tint to, int tolerance = 6)
    {
        const double start = half == 0 ? 0 : kHalf, end = half == 0 ? kHalf - 1 : 2 * kHalf;
        for (int row : {kNearStart, kNearEnd}) {
            const int y = half * kHalf + row;
            EXPECT_TRUE(Near(WindowPixel(control, kAcross, y),
                             Expected(control, kAcross, y, from, to, start, end, true), tolerance))
                << "half " << half << ", y " << y;
        }
    }
};

TEST_F(UpDownsTest, SetUpTakesEachUpDownOnce)
{
    HWND host = Host();
    HWND vertical = CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    HWND horizontal = CreateChild(host, UPDOWN_CLASSA, UDS_HORZ, 0, kHorizontalPlace);
    // A control another unit has already taken.
    HWND taken = CreateChild(host, UPDOWN_CLASSA, 0, 0, {160, 40, 184, 84});
    const auto takenProc = GetWindowLongPtrA(taken, GWLP_WNDPROC);
    SetPropA(taken, "Hw_hProc", reinterpret_cast<HANDLE>(takenProc));

    const int index = Skin(host);
    ASSERT_GE(index, 1);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
        const WindowRecord& record = *RecordAt(index);
        ASSERT_EQ(record.upDowns.Count(), 2);
        const struct {
            HWND control;
            int horizontal;
        } expected[] = {{vertical, 0}, {horizontal, 1}};
        for (int i = 1; i <= 2; ++i) {
            const UpDownRecord& entry = *record.upDowns.At(i);
            ExpectTakenOver(entry, expected[i - 1].control, i, index, &UpDownProc);
            EXPECT_EQ(entry.horizontal, expected[i - 1].horizontal);
        }
        EXPECT_EQ(GetWindowLongPtrA(taken, GWLP_WNDPROC), takenProc);
        SkinUpDowns(index, host);
    }
    // Taken once: the control still reaches its own procedure (a second
    // subclass would call itself without end).
    SendMessageA(vertical, UDM_SETRANGE32, 0, 50);
    SendMessageA(vertical, UDM_SETPOS32, 0, 7);
    EXPECT_EQ(SendMessageA(vertical, UDM_GETPOS32, 0, 0), 7);
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(UpDownsTest, NothingIsTakenWhileControlsAreNotSkinned)
{
    engine->SetControlEffects(false);
    HWND host = Host();
    HWND control = CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    const int index = Skin(host);
    EXPECT_EQ(RecordAt(index)->upDowns.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(control, "Hw_hProc"), nullptr);
}

TEST_F(UpDownsTest, HalfAtSplitsBeyondHalfTheSize)
{
    HWND host = Host();
    CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    CreateChild(host, UPDOWN_CLASSA, UDS_HORZ, 0, kHorizontalPlace);
    const int index = Skin(host);
    const struct {
        int control, x, y, half;
    } cases[] = {
        // Vertical, 44 high: rows up to 22 are the up half.
        {1, 8, 0, 0}, {1, 8, 22, 0}, {1, 8, 23, 1}, {1, 8, 43, 1}, {1, 30, 5, 0},
        // Horizontal, 44 wide: columns up to 22 are the left half.
        {2, 0, 12, 0}, {2, 22, 12, 0}, {2, 23, 12, 1}, {2, 43, 30, 1},
        // No such entry or record.
        {3, 40, 40, 0}, {0, 40, 40, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpDownHalfAt(index, c.control, MAKELPARAM(c.x, c.y)), c.half)
            << "control " << c.control << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(UpDownHalfAt(index + 1, 1, MAKELPARAM(40, 40)), 0);
}

TEST_F(UpDownsTest, UntouchedControlShowsBothHalvesWithArrowsTheTopOneBrighter)
{
    HWND host = Host();
    HWND control = CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    Skin(host);
    ASSERT_TRUE(SkinModule().memoryDCList.empty());

    ExpectVerticalHalf(control, 0, {kWhite, 60}, Accent(100));
    ExpectVerticalHalf(control, 1, {kWhite, 20}, Accent(100));
    // The top half starts whiter than it would with the bottom half's alpha.
    EXPECT_FALSE(Near(WindowPixel(control, kAcross, kNearStart),
                      Expected(control, kAcross, kNearStart, {kWhite, 20}, Accent(100), 0, kHalf - 1, true), 3));

    // Arrows centred in their halves: up at (4, 9), 7 x 4, widening
    // downward; down at (4, 31), narrowing.
    for (int x = 4; x < 11; ++x) {
        EXPECT_TRUE(IsBlack(WindowPixel(control, x, 12))) << "up arrow's base, x " << x;
        EXPECT_TRUE(IsBlack(WindowPixel(control, x, 31))) << "down arrow's base, x " << x;
    }
    EXPECT_TRUE(IsBlack(WindowPixel(control, 7, 9)));
    EXPECT_FALSE(IsBlack(WindowPixel(control, 6, 9)));
    EXPECT_TRUE(IsBlack(WindowPixel(control, 7, 34)));
    EXPECT_FALSE(IsBlack(WindowPixel(control, 6, 34)));
    // The outline: black at alpha 100 down the left side.
    EXPECT_FALSE(Near(WindowPixel(control, 0, 10), WindowPixel(control, kAcross, 10), 10));
    // Printed into a DC of ours, the control shows the same picture.
    EXPECT_EQ(PrintedClient(control), WindowPicture(control));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(UpDownsTest, MouseLightsTheHalfUnderItAndRepaintsOnlyWhenTheHalfChanges)
{
    HWND host = Host();
    HWND control = CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    const int index = Skin(host);
    const UpDownRecord& entry = EntryOf(control, &WindowRecord::upDowns);
    const Tint litFrom{kWhite, 100}, litTo = Accent(150);

    MoveOnto(control, 8, 6);
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 1; }));
    EXPECT_EQ(entry.hotHalf, 0);
    EXPECT_EQ(RecordAt(index)->hotControlClass, kUpDownHoverClass);
    EXPECT_EQ(RecordAt(index)->hotControlIndex, 1);
    ExpectVerticalHalf(control, 0, litFrom, litTo);
    ExpectVerticalHalf(control, 1, {kWhite, 20}, Accent(100));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    MoveOnto(control, 8, 30);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotHalf == 1; }));
    ExpectVerticalHalf(control, 0, {kWhite, 60}, Accent(100));
    ExpectVerticalHalf(control, 1, litFrom, litTo);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    // Within the same half nothing is painted again: a mark put on the
    // control stays.
    {
        HDC dc = GetWindowDC(control);
        SetPixel(dc, kAcross, kHalf + kNearStart, kMagenta);
        ReleaseDC(control, dc);
    }
    MoveOnto(control, 9, 36);
    PumpFor(100);
    EXPECT_EQ(WindowPixel(control, kAcross, kHalf + kNearStart), kMagenta);

    // Back to the up half: painted at once.
    MoveOnto(control, 9, 8);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotHalf == 0; }));
    ExpectVerticalHalf(control, 0, litFrom, litTo);
    ExpectVerticalHalf(control, 1, {kWhite, 20}, Accent(100));

    // Leaving puts both halves back.
    ParkMouse();
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 0; }));
    EXPECT_EQ(RecordAt(index)->hotControlIndex, 0);
    ExpectVerticalHalf(control, 0, {kWhite, 60}, Accent(100));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(UpDownsTest, PressedHalfIsInvertedWhileTheControlRepeats)
{
    HWND host = Host();
    HWND control = CreateChild(host, UPDOWN_CLASSA, 0, 0, kVerticalPlace);
    SendMessageA(control, UDM_SETRANGE32, 0, 1000);
    SendMessageA(control, UDM_SETPOS32, 0, 500);
    Skin(host);
    const UpDownRecord& entry = EntryOf(control, &WindowRecord::upDowns);
    MoveOnto(control, 8, 30);
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 1 && entry.hotHalf == 1; }));

    PressMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return entry.pressed == 1; }));
    // Held long enough for the control to repeat.
    PumpFor(900);
    EXPECT_LT(SendMessageA(control, UDM_GETPOS32, 0, 0), 499) << "the control auto-repeats";
    // Accent at the top of the gradient, white at the bottom.
    ExpectVerticalHalf(control, 1, Accent(100), {kWhite, 150});
    ExpectVerticalHalf(control, 0, {kWhite, 60}, Accent(100));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    PressMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return entry.pressed == 0; }));
    PumpMessages();
    ExpectVerticalHalf(control, 1, {kWhite, 100}, Accent(150));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(UpDownsTest, HorizontalControlShowsLeftAndRightArrowsAndLightsTheRightHalfBeyondTheMiddle)
{
    HWND host = Host();
    HWND control = CreateChild(host, UPDOWN_CLASSA, UDS_HORZ, 0, kHorizontalPlace);
    Skin(host);
    const UpDownRecord& entry = EntryOf(control, &WindowRecord::upDowns);

    // Left arrow at (9, 8), 4 x 7, growing rightward; right arrow at
    // (31, 8), shrinking.
    for (int y = 8; y < 15; ++y) {
        EXPECT_TRUE(IsBlack(WindowPixel(control, 12, y))) << "left arrow's base, y " << y;
        EXPECT_TRUE(IsBlack(WindowPixel(control, 31, y))) << "right arrow's base, y " << y;
    }
    EXPECT_TRUE(IsBlack(WindowPixel(control, 9, 11)));
    EXPECT_FALSE(IsBlack(WindowPixel(control, 9, 10)));
    EXPECT_TRUE(IsBlack(WindowPixel(control, 34, 11)));
    EXPECT_FALSE(IsBlack(WindowPixel(control, 34, 10)));

    // Gradients run from left to right in each half.
    const auto expectHalf = [&](int half, Tint from, Tint to) {
        const double start = half == 0 ? 0 : kHalf - 1, end = half == 0 ? kHalf - 1 : 2 * kHalf;
        for (int column : {3, 18}) {
            const int x = half * kHalf + column;
            EXPECT_TRUE(Near(WindowPixel(control, x, 3), Expected(control, x, 3, from, to, start, end, false), 6))
                << "half " << half << ", x " << x;
        }
    };
    expectHalf(0, {kWhite, 20}, Accent(100));
    expectHalf(1, {kWhite, 20}, Accent(100));

    MoveOnto(control, 23, 12);
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 1; }));
    EXPECT_EQ(entry.hotHalf, 1);
    expectHalf(0, {kWhite, 20}, Accent(100));
    expectHalf(1, {kWhite, 100}, Accent(150));

    MoveOnto(control, 22, 12);
    ASSERT_TRUE(PumpUntil([&] { return entry.hotHalf == 0; }));
    expectHalf(0, {kWhite, 100}, Accent(150));
    expectHalf(1, {kWhite, 20}, Accent(100));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

} // namespace
