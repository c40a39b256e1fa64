// Skinned push buttons: the set-up, the subclass procedure's hover, click
// and caption handling, and the face painters, on real windows with
// real messages; pixels are read from the screen or from the painters.
#include "button_test_support.h"

#include <string>

#include "bitmap.h"
#include "button_painters.h"
#include "control_setup.h"
#include "graphics.h"

using namespace button_test;

namespace {

constexpr int kWidth = 100, kHeight = 30;
constexpr RECT kWholeButton{0, 0, kWidth, kHeight};

LONG_PTR ProcedureOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }

class PushButtonTest : public SkinnedParentTest {
protected:
    void SetUp() override
    {
        SkinnedParentTest::SetUp();
        // Keep the real cursor away from the test windows.
        SetCursorPos(1200, 1000);
    }
    HWND Add(DWORD style, const char* text, int id, int x = 40, int y = 80)
    {
        return AddButton(parent, style, text, x, y, kWidth, kHeight, id);
    }
    static Pixels Look(HWND button, UINT state) { return Painted(button, &PaintDrawnButton, state); }
    // The mouse really over the button, then the move it gets.
    static void MoveOnto(HWND button)
    {
        POINT centre{kWidth / 2, kHeight / 2};
        ClientToScreen(button, &centre);
        SetCursorPos(centre.x, centre.y);
        SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(kWidth / 2, kHeight / 2));
    }
    void ExpectNoMemoryDCs() { EXPECT_TRUE(SkinModule().memoryDCList.empty()); }
};

TEST_F(PushButtonTest, SetUpTakesOverPlainPushButtonsOnly)
{
    const struct {
        DWORD style;
        bool skinned;
    } cases[] = {{BS_PUSHBUTTON, true},   {BS_OWNERDRAW, false},   {BS_DEFPUSHBUTTON, true},
                 {BS_GROUPBOX, false},    {BS_USERBUTTON, true},   {BS_3STATE, false},
                 {BS_AUTO3STATE, false},  {BS_RADIOBUTTON, false}, {BS_PUSHBUTTON | BS_FLAT, true}};
    std::vector<HWND> buttons;
    std::vector<LONG_PTR> styles, procedures;
    for (const auto& c : cases) {
        buttons.push_back(Add(c.style, "按钮", 100 + static_cast<int>(buttons.size())));
        styles.push_back(GetWindowLongPtrA(buttons.back(), GWL_STYLE));
        procedures.push_back(ProcedureOf(buttons.back()));
    }
    engine->SkinWindow(parent);

    const WindowRecord& record = Record();
    int expectedIndex = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE("style " + std::to_string(cases[i].style));
        HWND button = buttons[i];
        if (!cases[i].skinned) {
            EXPECT_EQ(IntProperty(button, "Hw_lbID"), 0);
            EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE), styles[i]);
            EXPECT_EQ(ProcedureOf(button), procedures[i]);
            continue;
        }
        ++expectedIndex;
        EXPECT_EQ(IntProperty(button, "Hw_lbID"), expectedIndex) << "the first fills entry 1";
        EXPECT_EQ(IntProperty(button, "Hw_FuID"), 1);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(button, "Hw_hProc")), procedures[i]);
        EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE), styles[i] | BS_OWNERDRAW);
        EXPECT_EQ(ProcedureOf(button), reinterpret_cast<LONG_PTR>(&ButtonProc));
        const ButtonRecord* entry = record.buttons.At(expectedIndex);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->window, button);
        EXPECT_EQ(entry->kind, kButtonDrawn);
        EXPECT_EQ(entry->text, "按钮");
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(entry->oldProc), procedures[i]);
        const ControlFont font = ReadControlFont(button);
        EXPECT_FALSE(font.name.empty());
        EXPECT_EQ(entry->fontName, font.name);
        EXPECT_EQ(entry->fontSize, font.size);
        EXPECT_EQ(entry->fontStyle, font.style);
    }
    EXPECT_EQ(record.buttons.Count(), 4);

    // A second run registers nothing and never wraps ButtonProc in itself.
    SkinPushButtons(1, parent);
    EXPECT_EQ(Record().buttons.Count(), 4);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(buttons[0], "Hw_hProc")), procedures[0]);
    EXPECT_EQ(FindButtonRecord(1, buttons[4]), 3);
    EXPECT_EQ(FindButtonRecord(1, buttons[1]), 0);
}

TEST_F(PushButtonTest, NothingIsTakenOverWithControlSkinningOff)
{
    HWND button = Add(BS_PUSHBUTTON, "按钮", 100);
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE), procedure = ProcedureOf(button);
    engine->SetControlEffects(false);
    engine->SkinWindow(parent);
    EXPECT_EQ(IntProperty(button, "Hw_lbID"), 0);
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE), style);
    EXPECT_EQ(ProcedureOf(button), procedure);
    EXPECT_EQ(Record().buttons.At(1)->window, nullptr);
}

TEST_F(PushButtonTest, FaceLooksOfTheStates)
{
    HWND button = Add(BS_PUSHBUTTON, "", 100);
    SkinAndShow();
    const Pixels normal = Look(button, 0), hot = Look(button, ODS_HOTLIGHT), focus = Look(button, ODS_FOCUS),
                 pressed = Look(button, ODS_SELECTED), disabled = Look(button, ODS_DISABLED);
    ExpectNoMemoryDCs();
    const int mid = kWidth / 2;

    // Outside the rounded corner only the background shows, except on the
    // disabled face, which fills the whole rectangle in silver.
    EXPECT_EQ(normal.At(0, 0), kBackColour);
    EXPECT_EQ(hot.At(0, 0), kBackColour);
    EXPECT_EQ(disabled.At(0, 0), RGB(0xC0, 0xC0, 0xC0));
    // The face is a translucent white: lighter than the background.
    EXPECT_GT(Red(normal.At(mid, kHeight / 2)), Red(kBackColour));
    EXPECT_EQ(Red(normal.At(mid, kHeight / 2)), Blue(normal.At(mid, kHeight / 2)));
    // The hot outline is the accent colour itself; the normal one a grey
    // darker than the face.
    EXPECT_EQ(hot.At(mid, 0), kAccent);
    EXPECT_EQ(Red(normal.At(mid, 0)), Blue(normal.At(mid, 0)));
    EXPECT_LT(Red(normal.At(mid, 0)), Red(normal.At(mid, kHeight / 2)));
    // Focus: an accent glow around a lighter outline.
    EXPECT_GT(Blue(focus.At(mid, 0)), Red(focus.At(mid, 0)) + 20);
    EXPECT_GT(Blue(focus.At(mid, 1)), Red(focus.At(mid, 1)) + 10);
    // Pressed: the accent tint inside the face, none on a normal one.
    EXPECT_GT(Blue(pressed.At(mid, 4)), Red(pressed.At(mid, 4)) + 20);
    EXPECT_EQ(Blue(normal.At(mid, 4)), Red(normal.At(mid, 4)));

    // Painting into a caller's DC leaves that DC to the caller.
    Pixels twice = DrawOffScreen(kWidth, kHeight, [&](HDC dc) {
        HGDIOBJ surface = GetCurrentObject(dc, OBJ_BITMAP);
        PaintDrawnButton(button, dc, ODS_HOTLIGHT, kWholeButton);
        PaintDrawnButton(button, dc, ODS_HOTLIGHT, kWholeButton);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), surface);
        EXPECT_NE(GetPixel(dc, mid, 0), CLR_INVALID);
    });
    EXPECT_EQ(twice, hot);
    ExpectNoMemoryDCs();
}

TEST_F(PushButtonTest, HoverPaintsHotAndLeavingPaintsFocusedOrNormal)
{
    HWND first = Add(BS_PUSHBUTTON, "第一", 100, 40, 80);
    HWND second = Add(BS_DEFPUSHBUTTON, "第二", 101, 180, 80);
    SkinAndShow();
    WindowRecord& record = Record();
    EXPECT_EQ(Screen(first), Look(first, 0));

    MoveOnto(first);
    EXPECT_EQ(Screen(first), Look(first, ODS_HOTLIGHT));
    EXPECT_EQ(record.hotControlIndex, 1);
    EXPECT_EQ(record.controlUnderMouse, 1);
    EXPECT_EQ(record.hotControlClass, kHotClassButton);
    ExpectNoMemoryDCs();

    // Straight from one button onto the other: the second is hot, and the
    // first, left behind, goes back to normal on its real WM_MOUSELEAVE.
    MoveOnto(second);
    EXPECT_EQ(Screen(second), Look(second, ODS_HOTLIGHT));
    EXPECT_EQ(record.hotControlIndex, 2);
    ASSERT_TRUE(PumpUntil([&] { return Screen(first) == Look(first, 0); }));

    // Away from all of them.
    SetCursorPos(1200, 1000);
    ASSERT_TRUE(PumpUntil([&] { return record.hotControlIndex == 0; }));
    EXPECT_EQ(Screen(second), Look(second, 0));

    // A focused button goes back to its focused look.
    SetFocus(first);
    PumpMessages();
    EXPECT_EQ(Screen(first), Look(first, ODS_FOCUS)) << "Windows' own redraw with the focus";
    MoveOnto(first);
    EXPECT_EQ(Screen(first), Look(first, ODS_HOTLIGHT));
    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Screen(first), Look(first, ODS_FOCUS));
    EXPECT_EQ(record.hotControlIndex, 0);

    // Another class's control with the same index was hot (a trackbar 1):
    // the button with index 1 is still painted hot.
    record.hotControlIndex = 1;
    record.hotControlClass = 2;
    MoveOnto(first);
    EXPECT_EQ(Screen(first), Look(first, ODS_HOTLIGHT));
    EXPECT_EQ(record.hotControlClass, kHotClassButton);
    ExpectNoMemoryDCs();
}

TEST_F(PushButtonTest, AfterAClickTheNextMoveShowsHotAgain)
{
    HWND button = Add(BS_PUSHBUTTON, "点我", 100);
    SkinAndShow();
    MoveOnto(button);
    const LPARAM centre = MAKELPARAM(kWidth / 2, kHeight / 2);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    UpdateWindow(button);
    EXPECT_EQ(Screen(button), Look(button, ODS_SELECTED | ODS_FOCUS)) << "Windows draws it pressed";
    SendMessageA(button, WM_LBUTTONUP, 0, centre);
    UpdateWindow(button);
    EXPECT_EQ(Record().hotControlIndex, 0);
    EXPECT_EQ(Screen(button), Look(button, ODS_FOCUS)) << "released: Windows' own redraw";
    EXPECT_EQ(CountNotifications(100, BN_CLICKED), 1);
    SendMessageA(button, WM_MOUSEMOVE, 0, centre);
    EXPECT_EQ(Screen(button), Look(button, ODS_HOTLIGHT));
    ExpectNoMemoryDCs();
}

TEST_F(PushButtonTest, DoubleClickActsAsOneClick)
{
    HWND skinned = Add(BS_PUSHBUTTON, "双击", 100);
    SkinAndShow();
    // The same owner-drawn button without the skin, for comparison.
    HWND plain = Add(BS_OWNERDRAW, "双击", 101, 180, 80);
    const LPARAM centre = MAKELPARAM(kWidth / 2, kHeight / 2);
    for (HWND button : {skinned, plain}) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        SendMessageA(button, WM_LBUTTONUP, 0, centre);
        SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, centre);
        SendMessageA(button, WM_LBUTTONUP, 0, centre);
    }
    PumpMessages();
    EXPECT_EQ(CountNotifications(100, BN_CLICKED), 1);
    EXPECT_EQ(CountNotifications(100, BN_DOUBLECLICKED), 0);
    EXPECT_EQ(CountNotifications(101, BN_DOUBLECLICKED), 1) << "unskinned, the double click is reported";
}

TEST_F(PushButtonTest, SetWindowTextChangesTheDrawnCaption)
{
    HWND button = Add(BS_PUSHBUTTON, "", 100);
    SkinAndShow();
    const RECT caption{10, 4, kWidth - 10, kHeight - 4};
    EXPECT_EQ(CountPixels(Screen(button), caption, IsDark), 0);

    SetWindowTextA(button, "确定确定");
    UpdateWindow(button);
    EXPECT_EQ(Record().buttons.At(1)->text, "确定确定");
    const Pixels withText = Screen(button);
    EXPECT_GT(CountPixels(withText, caption, IsDark), 40);
    EXPECT_EQ(withText, Look(button, 0));

    SetWindowTextA(button, "");
    UpdateWindow(button);
    EXPECT_EQ(CountPixels(Screen(button), caption, IsDark), 0);
    ExpectNoMemoryDCs();
}

TEST_F(PushButtonTest, PrintingGivesTheRestingLookWithFocusAndDisabling)
{
    HWND button = Add(BS_PUSHBUTTON, "打印", 100);
    SkinAndShow();
    const auto printed = [button] {
        return DrawOffScreen(kWidth, kHeight, [button](HDC dc) {
            SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
    };
    EXPECT_EQ(printed(), Look(button, 0));
    SetFocus(button);
    PumpMessages();
    EXPECT_EQ(printed(), Look(button, ODS_FOCUS));
    EnableWindow(button, FALSE);
    PumpMessages();
    EXPECT_EQ(printed(), Look(button, ODS_DISABLED));
    ExpectNoMemoryDCs();
}

// A picture button registered the way the picture-button methods do.
class PictureButtonTest : public PushButtonTest {
protected:
    static ByteArray RedSquare(int side)
    {
        Bitmap bitmap;
        bitmap.Create(side, side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                bitmap.SetPixel(x, y, 0xFFFF0000);
        const std::vector<BYTE> bytes = bitmap.SaveToBytes(Image::kPngFormat);
        return ByteArray(bytes.begin(), bytes.end());
    }
    HWND AddPictureButton(int kind, int width, int height)
    {
        HWND button = AddButton(parent, BS_OWNERDRAW, "", 40, 80, width, height, 100);
        engine->SkinWindow(parent);
        ButtonRecord* entry = RegisterSkinnedButton(1, button, kind);
        EXPECT_NE(entry, nullptr);
        entry->pictures[0] = RedSquare(10);
        entry->fontName = "宋体";
        entry->fontSize = 12;
        return button;
    }
};

TEST_F(PictureButtonTest, IconButtonCentresAPictureOfFourFifthsTheHeight)
{
    HWND button = AddPictureButton(kButtonIcon, 60, 40);
    RecordAt(1)->buttons.At(1)->iconOption = 1;
    Show();
    // Painted from the parent's WM_DRAWITEM: a 32 x 32 square at (14, 4).
    const Pixels shown = Screen(button);
    const auto red = [](COLORREF c) { return Red(c) > 200 && Green(c) < 60 && Blue(c) < 60; };
    EXPECT_EQ(CountPixels(shown, RECT{16, 6, 44, 34}, red), 28 * 28);
    EXPECT_EQ(CountPixels(shown, RECT{0, 0, 12, 40}, red), 0);
    EXPECT_EQ(CountPixels(shown, RECT{48, 0, 60, 40}, red), 0);
    EXPECT_EQ(CountPixels(shown, RECT{0, 36, 60, 40}, red), 0);
    ExpectNoMemoryDCs();
}

TEST_F(PictureButtonTest, ImageButtonPaintsHotBeforePressed)
{
    HWND button = AddPictureButton(kButtonPicture, 40, 40);
    Show();
    const auto look = [&](UINT state) { return Painted(button, &PaintImageButton, state); };
    const Pixels hot = look(ODS_HOTLIGHT), pressed = look(ODS_SELECTED), normal = look(0);
    EXPECT_EQ(look(ODS_HOTLIGHT | ODS_SELECTED), hot);
    EXPECT_NE(hot, pressed);
    EXPECT_NE(hot, normal);
    // The hot fall-back frames the picture with the accent colour.
    EXPECT_EQ(normal.At(13, 6), kBackColour);
    EXPECT_GT(Blue(hot.At(13, 6)), Red(hot.At(13, 6)) + 150) << "the right edge of the frame, nearly opaque";
    EXPECT_EQ(normal.At(6, 6), RGB(255, 0, 0)) << "the picture at (2, 2), its own size";
    EXPECT_EQ(normal.At(13, 13), kBackColour);
    EXPECT_EQ(Screen(button), normal) << "the owner-draw path paints the picture kind";
    ExpectNoMemoryDCs();
}

} // namespace
