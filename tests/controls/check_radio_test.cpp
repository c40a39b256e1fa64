// Skinned check boxes and radio buttons: the set-up, the two embedded
// pictures, and what the screen shows for each check state, on hover and
// right after a click.
#include "button_test_support.h"

#include <span>
#include <string>

#include "bitmap.h"
#include "control_setup.h"
#include "embedded.h"
#include "skin_primitives.h"

using namespace button_test;

namespace {

constexpr int kWidth = 120, kHeight = 21;
// The 13 x 13 mark of a 21-pixel-high check box starts at (0, 4).
constexpr int kMarkTop = (kHeight - 13) / 2;

// Interior colour of both check-box pictures by x + y.
COLORREF Ramp(int sum)
{
    static const DWORD table[] = {0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1, 0xEBE9E3,
                                  0xEDEBE5, 0xF0EDE8, 0xF2EFEA, 0xF4F1EC, 0xF7F3EF, 0xF7F4F0, 0xF8F5F1,
                                  0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7, 0xFCFAF9, 0xFCFBFA, 0xFDFCFC};
    const DWORD v = table[sum - 2];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

bool IsTick(int x, int y)
{
    static const POINT ticks[] = {{9, 3}, {8, 4}, {9, 4}, {3, 5}, {7, 5}, {8, 5}, {9, 5}, {3, 6}, {4, 6}, {6, 6}, {7, 6},
                                  {8, 6}, {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}};
    for (const POINT& p : ticks)
        if (p.x == x && p.y == y)
            return true;
    return false;
}

constexpr COLORREF kTick = RGB(0x24, 0x6E, 0x75);
constexpr COLORREF kMarkBorder = RGB(0x18, 0x51, 0x84);

LONG_PTR ProcedureOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }

class CheckRadioTest : public SkinnedParentTest {
protected:
    void SetUp() override
    {
        SkinnedParentTest::SetUp();
        SetCursorPos(1200, 1000);
    }
    HWND Add(DWORD style, const char* text, int id, int y = 80)
    {
        return AddButton(parent, style, text, 40, y, kWidth, kHeight, id);
    }
    // The part of the screen showing the 13 x 13 mark of a check box.
    static Pixels MarkOnScreen(HWND box)
    {
        const Pixels all = Screen(box);
        Pixels mark{13, 13, {}};
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x)
                mark.values.push_back(all.At(x, kMarkTop + y));
        return mark;
    }
};

TEST(CheckPictures, AreMadeExactlyFromThePixelTables)
{
    // GDI+ runs inside an engine; start one for the decoding.
    auto engine = std::make_unique<SkinEngine>();
    engine->StartModule();
    const struct {
        resources::Bytes bytes;
        bool mark;
    } pictures[] = {{resources::CheckBoxFrame(), false}, {resources::CheckBoxMark(), true}};
    for (const auto& p : pictures) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.CreateFromBytes(std::span<const BYTE>(p.bytes.data(), p.bytes.size())));
        ASSERT_EQ(bitmap.GetWidth(), 13u);
        ASSERT_EQ(bitmap.GetHeight(), 13u);
        int wrong = 0;
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) {
                Gdiplus::ARGB expected;
                const bool border = x == 0 || y == 0 || x == 12 || y == 12;
                if (border)
                    expected = p.mark ? 0xFF185184 : 0xE6030303;
                else if (p.mark && IsTick(x, y))
                    expected = 0xFF246E75;
                else
                    expected = ToArgb(Ramp(x + y), 255);
                const Gdiplus::ARGB actual = bitmap.GetPixel(x, y);
                if (actual != expected) {
                    ++wrong;
                    ADD_FAILURE() << (p.mark ? "mark" : "frame") << " (" << x << ", " << y << "): " << std::hex
                                  << actual << " != " << expected;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    engine.reset();
    FreeSkinModule();
}

TEST_F(CheckRadioTest, SetUpTakesOverCheckBoxesAndAutomaticRadioButtons)
{
    const struct {
        DWORD style;
        int kind; // -1: left native
    } cases[] = {{BS_CHECKBOX, kButtonCheck},          {BS_RADIOBUTTON, -1}, {BS_AUTOCHECKBOX, kButtonCheck},
                 {BS_3STATE, -1},                      {BS_AUTO3STATE, -1},  {BS_AUTORADIOBUTTON, kButtonRadio},
                 {BS_GROUPBOX, -1},                    {BS_OWNERDRAW, -1},   {BS_AUTOCHECKBOX | BS_LEFTTEXT, kButtonCheck}};
    std::vector<HWND> buttons;
    std::vector<LONG_PTR> styles, procedures;
    int y = 0;
    for (const auto& c : cases) {
        buttons.push_back(Add(c.style, "选项", 200 + static_cast<int>(buttons.size()), y));
        y += 24;
        styles.push_back(GetWindowLongPtrA(buttons.back(), GWL_STYLE));
        procedures.push_back(ProcedureOf(buttons.back()));
    }
    SendMessageA(buttons[2], BM_SETCHECK, BST_CHECKED, 0);
    engine->SkinWindow(parent);

    const WindowRecord& record = Record();
    int expectedIndex = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE("style " + std::to_string(cases[i].style));
        HWND button = buttons[i];
        EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE), styles[i]) << "the style is never changed";
        if (cases[i].kind < 0) {
            EXPECT_EQ(IntProperty(button, "Hw_lbID"), 0);
            EXPECT_EQ(ProcedureOf(button), procedures[i]);
            continue;
        }
        ++expectedIndex;
        EXPECT_EQ(IntProperty(button, "Hw_lbID"), expectedIndex);
        EXPECT_EQ(IntProperty(button, "Hw_FuID"), 1);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(button, "Hw_hProc")), procedures[i]);
        EXPECT_EQ(ProcedureOf(button), reinterpret_cast<LONG_PTR>(&ButtonProc));
        const ButtonRecord* entry = record.buttons.At(expectedIndex);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->window, button);
        EXPECT_EQ(entry->kind, cases[i].kind);
        EXPECT_EQ(entry->text, "选项");
        EXPECT_EQ(entry->ownerWindow, parent);
        EXPECT_EQ(entry->checkState, i == 2 ? 1 : 0);
        EXPECT_EQ(entry->fontName, ReadControlFont(button).name);
        EXPECT_EQ(entry->fontSize, ReadControlFont(button).size);
    }
    EXPECT_EQ(record.buttons.Count(), 4);

    // Run again: nothing is registered or subclassed a second time.
    SkinCheckAndRadioButtons(1, parent);
    EXPECT_EQ(Record().buttons.Count(), 4);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(buttons[0], "Hw_hProc")), procedures[0]);
}

// Answers BM_GETCHECK with "indeterminate", which only three-state boxes
// (not skinned) can hold; everything else goes on to the skin.
LRESULT CALLBACK IndeterminateProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BM_GETCHECK)
        return BST_INDETERMINATE;
    return CallWindowProcA(reinterpret_cast<WNDPROC>(GetPropA(window, "test_next")), window, message, wParam,
                           lParam);
}

TEST_F(CheckRadioTest, CheckBoxShowsTheFrameOrTheMark)
{
    const struct {
        const char* name;
        bool checked, indeterminate;
    } cases[] = {{"unchecked", false, false}, {"checked", true, false}, {"indeterminate", false, true}};
    std::vector<HWND> boxes;
    for (const auto& c : cases) {
        boxes.push_back(Add(BS_CHECKBOX, "开机启动", 300, 40 + 30 * static_cast<int>(boxes.size())));
        if (c.checked)
            SendMessageA(boxes.back(), BM_SETCHECK, BST_CHECKED, 0);
    }
    SkinAndShow();
    HWND indeterminate = boxes[2];
    SetPropA(indeterminate, "test_next", reinterpret_cast<HANDLE>(GetWindowLongPtrA(indeterminate, GWLP_WNDPROC)));
    SetWindowLongPtrA(indeterminate, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&IndeterminateProcedure));
    InvalidateRect(indeterminate, nullptr, TRUE);
    UpdateWindow(indeterminate);

    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const Pixels mark = MarkOnScreen(boxes[i]);
        int wrong = 0;
        for (int y = 1; y < 12; ++y) {
            for (int x = 1; x < 12; ++x) {
                const COLORREF expected = cases[i].checked && IsTick(x, y) ? kTick : Ramp(x + y);
                wrong += mark.At(x, y) == expected ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0) << "the interior, pixel for pixel";
        if (cases[i].checked) {
            EXPECT_EQ(mark.At(0, 0), kMarkBorder);
            EXPECT_EQ(mark.At(12, 6), kMarkBorder);
        } else {
            // The frame's border: RGB (3, 3, 3) at alpha 230 over the grey.
            EXPECT_LT(Red(mark.At(0, 6)), 20);
            EXPECT_LT(Red(mark.At(6, 12)), 20);
            EXPECT_EQ(Red(mark.At(6, 12)), Blue(mark.At(6, 12)));
        }
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(CheckRadioTest, ClickShowsTheNewCheckAtOnce)
{
    HWND box = Add(BS_AUTOCHECKBOX, "选项", 300, 40);
    HWND first = Add(BS_AUTORADIOBUTTON | WS_GROUP, "关机", 301, 80);
    HWND second = Add(BS_AUTORADIOBUTTON, "重启", 302, 110);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SkinAndShow();
    // The dot of a radio button: teal when checked, the white disc when not.
    const auto dotIsTeal = [](HWND radio) {
        const COLORREF c = Screen(radio).At(7, kHeight / 2);
        return Green(c) > Red(c) + 40;
    };
    EXPECT_TRUE(dotIsTeal(first));
    EXPECT_FALSE(dotIsTeal(second));
    EXPECT_EQ(MarkOnScreen(box).At(9, 3), Ramp(12));

    // No paint message is let through before looking: the painting comes
    // from the click itself.
    const LPARAM point = MAKELPARAM(5, kHeight / 2);
    SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(second, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(dotIsTeal(second)) << "the clicked one repaints checked";
    EXPECT_FALSE(dotIsTeal(first)) << "the one that lost the check repaints too";

    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(box, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(MarkOnScreen(box).At(9, 3), kTick);
    SendMessageA(box, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(box, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(MarkOnScreen(box).At(9, 3), Ramp(12)) << "the space key unchecks it on screen too";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(CheckRadioTest, HoverTintsTheMarkAndLeavingRestoresIt)
{
    HWND box = Add(BS_AUTOCHECKBOX, "选项", 300);
    SkinAndShow();
    const Pixels before = MarkOnScreen(box);
    POINT centre{6, kHeight / 2};
    ClientToScreen(box, &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(6, kHeight / 2));
    const Pixels hot = MarkOnScreen(box);
    // The accent gradient starts at the top left of the mark.
    EXPECT_GT(Blue(hot.At(4, 4)) - Red(hot.At(4, 4)), Blue(before.At(4, 4)) - Red(before.At(4, 4)) + 15);
    EXPECT_EQ(Record().hotControlIndex, 1);
    SendMessageA(box, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(MarkOnScreen(box), before);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(CheckRadioTest, CaptionRightOfTheMarkInTheControlsTextColour)
{
    HWND box = Add(BS_CHECKBOX, "开机启动", 300, 80);
    HWND radio = Add(BS_AUTORADIOBUTTON, "关机", 301, 110);
    SkinAndShow();
    const auto black = [](COLORREF c) { return Red(c) + Green(c) + Blue(c) < 150; };
    const auto red = [](COLORREF c) { return Red(c) > 150 && Green(c) < 90 && Blue(c) < 90; };
    for (HWND control : {box, radio}) {
        const Pixels shown = Screen(control);
        EXPECT_GT(CountPixels(shown, RECT{17, 0, kWidth, kHeight}, black), 20);
        EXPECT_EQ(CountPixels(shown, RECT{15, 0, 17, kHeight}, black), 0) << "nothing between mark and caption";
        SetPropA(control, "Kj_Ztys", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(RGB(220, 0, 0))));
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        const Pixels coloured = Screen(control);
        EXPECT_GT(CountPixels(coloured, RECT{17, 0, kWidth, kHeight}, red), 20);
        EXPECT_EQ(CountPixels(coloured, RECT{17, 0, kWidth, kHeight}, black), 0);
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(CheckRadioTest, PrintingGivesTheLookOnTheScreen)
{
    HWND box = Add(BS_AUTOCHECKBOX, "选项", 300, 40);
    HWND radio = Add(BS_AUTORADIOBUTTON | WS_GROUP, "关机", 301, 80);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    SkinAndShow();
    for (HWND button : {box, radio}) {
        RECT client;
        GetClientRect(button, &client);
        const Pixels printed = DrawOffScreen(client.right, client.bottom, [button](HDC dc) {
            SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
        EXPECT_EQ(printed, Surface(button));
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

} // namespace
