// Edit controls and combo boxes on real skinned windows: which controls
// are taken (once), the skin frame of edits in their states, the washed
// background and when it is repainted, and the skin's combo face with its
// drop button and text, probed on the screen.
#include "control_test_support.h"

#include <initializer_list>
#include <vector>

#include "control_setup.h"
#include "edits_combos.h"
#include "graphics.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

using namespace control_test;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kWash = 160;

class EditsCombosTest : public SkinnedControlsTest {
protected:
    // A new host, skinned later with translucent controls or without.
    HWND HostWith(bool translucent)
    {
        if (translucent)
            engine->SetControlEffects(true, kWash);
        else
            engine->SetControlEffects(true);
        return Host();
    }
    // The frame-image pixel behind point (x, y) of the control's window.
    COLORREF Behind(int recordIndex, HWND control, int x, int y)
    {
        const RECT offset = RectInOwner(control);
        return GetPixel(RecordAt(recordIndex)->BackgroundDC(), offset.left + x, offset.top + y);
    }
    // The window's outermost line, black at alpha 80, over the skin face:
    // white, or the skin washed with white; the face alone at `face`.
    void ExpectFaceInsideDarkLine(int recordIndex, HWND control, bool translucent, std::initializer_list<POINT> face)
    {
        const SIZE size = SizeOf(control);
        const auto faceAt = [&](POINT p) {
            return translucent ? Blend(kWhite, kWash, Behind(recordIndex, control, p.x, p.y)) : kWhite;
        };
        const int middle = size.cy / 2;
        for (POINT p : {POINT{0, middle}, POINT{size.cx - 1, middle}, POINT{size.cx / 2, 0},
                        POINT{size.cx / 2, size.cy - 1}})
            EXPECT_TRUE(Near(WindowPixel(control, p.x, p.y), Blend(kBlack, 80, faceAt(p)))) << p.x << "," << p.y;
        for (POINT p : face)
            EXPECT_TRUE(Near(WindowPixel(control, p.x, p.y), faceAt(p))) << p.x << "," << p.y;
    }
    static SIZE SizeOf(HWND window)
    {
        RECT r;
        GetWindowRect(window, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    static void MoveMouseAway(HWND host)
    {
        RECT r;
        GetWindowRect(host, &r);
        MoveMouseTo({r.right - 3, r.bottom - 3});
    }
    // The host active and focused, the mouse off its controls.
    static void ActivateWithMouseAway(HWND host)
    {
        SetForegroundWindow(host);
        SetFocus(host);
        MoveMouseAway(host);
        PumpMessages();
    }
    static void MoveMouseOnto(HWND control, int x, int y)
    {
        RECT r;
        GetWindowRect(control, &r);
        MoveMouseTo({r.left + x, r.top + y});
    }
};

// Counts the background erasures a window receives.
class EraseCounter {
public:
    explicit EraseCounter(HWND window)
    {
        target_ = window;
        count_ = 0;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
    }
    EraseCounter(const EraseCounter&) = delete;
    EraseCounter& operator=(const EraseCounter&) = delete;
    ~EraseCounter() { UnhookWindowsHookEx(hook_); }
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->hwnd == target_ && message->message == WM_ERASEBKGND)
            ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND target_ = nullptr;
    static inline int count_ = 0;
    HHOOK hook_ = nullptr;
};

TEST_F(EditsCombosTest, SetUpTakesEachControlOnceAndTheComboEditOnlyWhenTranslucent)
{
    for (const bool translucent : {false, true}) {
        SCOPED_TRACE(translucent ? "translucent" : "opaque");
        HWND host = HostWith(translucent);
        HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {10, 10, 170, 34});
        HWND memo = CreateChild(host, "Edit", ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, {10, 40, 170, 120});
        HWND list = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {190, 10, 360, 120});
        HWND dropDown = CreateChild(host, "ComboBox", CBS_DROPDOWN, 0, {190, 50, 360, 160});
        HWND simple = CreateChild(host, "ComboBox", CBS_SIMPLE, 0, {190, 90, 360, 200});
        // Taken by another unit before: left alone.
        HWND foreign = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {10, 130, 170, 154});
        SetPropA(foreign, "Hw_hProc", reinterpret_cast<HANDLE>(GetWindowLongPtrA(foreign, GWLP_WNDPROC)));
        for (HWND control : {edit, memo})
            SetPropA(control, "Kj_Ztys", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(RGB(200, 0, 0))));
        HWND dropDownEdit = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
        HWND simpleEdit = FindWindowExA(simple, nullptr, "Edit", nullptr);
        ASSERT_NE(dropDownEdit, nullptr);
        ASSERT_NE(simpleEdit, nullptr);

        const int index = Skin(host);
        ASSERT_GE(index, 1);
        std::vector<HWND> edits = {edit, memo};
        if (translucent)
            edits.insert(edits.end(), {dropDownEdit, simpleEdit});
        const std::vector<HWND> combos = {list, dropDown, simple};
        for (int round = 1; round <= 2; ++round) {
            SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
            const WindowRecord& record = *RecordAt(index);
            ASSERT_EQ(record.edits.Count(), static_cast<int>(edits.size()));
            for (int i = 1; i <= record.edits.Count(); ++i) {
                const EditRecord& entry = *record.edits.At(i);
                EXPECT_EQ(entry.window, edits[static_cast<size_t>(i - 1)]) << "edit " << i;
                EXPECT_EQ(FindEditRecord(index, entry.window), i);
                EXPECT_EQ(Property(entry.window, "Hw_lbID"), i);
                EXPECT_EQ(Property(entry.window, "Hw_FuID"), index);
                EXPECT_EQ(Property(entry.window, "Kj_Ztys"), 0) << "registering resets the text colour";
                EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(entry.window, "Hw_hProc")), entry.oldProc);
                EXPECT_EQ(GetWindowLongPtrA(entry.window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&EditProc));
            }
            ASSERT_EQ(record.comboBoxes.Count(), 3);
            for (int i = 1; i <= 3; ++i) {
                const ComboRecord& entry = *record.comboBoxes.At(i);
                EXPECT_EQ(entry.window, combos[static_cast<size_t>(i - 1)]) << "combo " << i;
                EXPECT_EQ(Property(entry.window, "Hw_lbID"), i);
                EXPECT_EQ(Property(entry.window, "Hw_FuID"), index);
                EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(entry.window, "Hw_hProc")), entry.oldProc);
                EXPECT_EQ(GetWindowLongPtrA(entry.window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ComboProc));
            }
            EXPECT_EQ(FindEditRecord(index, foreign), 0);
            EXPECT_EQ(GetPropA(foreign, "Hw_lbID"), nullptr);
            if (!translucent) {
                EXPECT_EQ(GetPropA(dropDownEdit, "Hw_hProc"), nullptr);
            }
            SkinEditsAndCombos(index, host);
        }
        // Taken once: each still reaches its own procedure (a second
        // subclass would call itself without end).
        EXPECT_EQ(SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("关机")), 0);
        EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 1);
        SetWindowTextA(dropDown, "重启");
        EXPECT_EQ(GetWindowTextLengthA(dropDownEdit), 4);
        SetWindowTextA(edit, "注销");
        EXPECT_EQ(GetWindowTextLengthA(edit), 4);
        Repaint(host);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        DestroyWindow(host);
    }
}

TEST_F(EditsCombosTest, NothingIsTakenWhileControlsAreNotSkinned)
{
    engine->SetControlEffects(false);
    HWND host = Host();
    HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {10, 10, 170, 34});
    HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {190, 10, 360, 120});
    const int index = Skin(host);
    EXPECT_EQ(RecordAt(index)->edits.At(1)->window, nullptr);
    EXPECT_EQ(RecordAt(index)->comboBoxes.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(edit, "Hw_hProc"), nullptr);
    EXPECT_EQ(GetPropA(combo, "Hw_hProc"), nullptr);
}

TEST_F(EditsCombosTest, EditRingIsWhiteOrWashedWithAThinDarkLine)
{
    for (const bool translucent : {false, true}) {
        SCOPED_TRACE(translucent ? "translucent" : "opaque");
        HWND host = HostWith(translucent);
        HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66});
        const int index = Skin(host);
        ASSERT_EQ(FindEditRecord(index, edit), 1);
        const SIZE size = SizeOf(edit);
        // The empty client area too: the edit's own white, or the washed skin.
        const RECT client = ClientRectInWindow(edit);
        ExpectFaceInsideDarkLine(index, edit, translucent,
                                 {{1, size.cy / 2}, {size.cx / 2, 1}, {client.left + 30, client.top + 3}});
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        DestroyWindow(host);
    }
}

TEST_F(EditsCombosTest, HoverAndFocusLightTheEditFrameInTheAccentColour)
{
    HWND host = Host();
    HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66});
    HWND other = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 100, 200, 126});
    const int index = Skin(host);
    ActivateWithMouseAway(host);
    const WindowRecord& record = *RecordAt(index);
    const EditRecord& entry = *record.edits.At(FindEditRecord(index, edit));
    const int middle = SizeOf(edit).cy / 2;
    const COLORREF accent = Blend(SkinModule().accentColour, 180, kWhite);
    const COLORREF line = Blend(kBlack, 80, kWhite);

    const struct {
        const char* step;
        void (*act)(HWND edit, HWND other, HWND host);
        bool (*done)(const WindowRecord& record, const EditRecord& entry);
        COLORREF pixels[3]; // x = 0, 1, 2 on the middle row
    } steps[] = {
        {"mouse over", [](HWND edit, HWND, HWND) { MoveMouseOnto(edit, 40, 8); },
         [](const WindowRecord& r, const EditRecord&) { return r.hotControlClass == kEditHoverClass; },
         {accent, accent, kWhite}},
        {"mouse away", [](HWND, HWND, HWND host) { MoveMouseAway(host); },
         [](const WindowRecord& r, const EditRecord&) { return r.hotControlIndex == 0; }, {line, kWhite, kWhite}},
        {"focus", [](HWND edit, HWND, HWND) { SetFocus(edit); },
         [](const WindowRecord&, const EditRecord& e) { return e.focused == 1; }, {accent, kWhite, kWhite}},
        {"focus elsewhere", [](HWND, HWND other, HWND) { SetFocus(other); },
         [](const WindowRecord&, const EditRecord& e) { return e.focused == 0; }, {line, kWhite, kWhite}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act(edit, other, host);
        ASSERT_TRUE(PumpUntil([&] { return step.done(record, entry); }));
        PumpFor(50);
        for (int x = 0; x < 3; ++x)
            EXPECT_TRUE(Near(WindowPixel(edit, x, middle), step.pixels[x])) << "x = " << x;
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
    }
}

TEST_F(EditsCombosTest, MouseMovePaintsHotUnlessTheSameEditIsHotAlready)
{
    HWND host = Host();
    HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66});
    HWND elsewhere = CreateChild(host, "Static", 0, 0, {20, 100, 200, 126});
    const int index = Skin(host);
    MoveMouseAway(host);
    PumpMessages();
    WindowRecord& record = *RecordAt(index);
    const int editIndex = FindEditRecord(index, edit);
    const int middle = SizeOf(edit).cy / 2;
    const COLORREF accent = Blend(SkinModule().accentColour, 180, kWhite);

    const struct {
        const char* remembered;
        int hotIndex, hotClass;
        bool sameParent, repaintedHot;
    } cases[] = {
        {"this edit", editIndex, kEditHoverClass, true, false},
        {"same index and class, other parent", editIndex, kEditHoverClass, false, true},
        {"same index, other class", editIndex, 4, true, true},
        {"other index", editIndex + 1, kEditHoverClass, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remembered);
        PaintEditFrame(edit, false, false);
        record.hotControlIndex = c.hotIndex;
        record.hotControlClass = c.hotClass;
        record.hotControlParent = c.sameParent ? host : elsewhere;
        SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
        EXPECT_TRUE(Near(WindowPixel(edit, 1, middle), c.repaintedHot ? accent : kWhite));
        EXPECT_EQ(record.hotControlIndex, editIndex);
        EXPECT_EQ(record.hotControlClass, kEditHoverClass);
        EXPECT_EQ(record.hotControlParent, host);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        PumpMessages(); // the leave that the tracking posts
    }
}

TEST_F(EditsCombosTest, TranslucentEditsAreRepaintedOverTheirBackgroundWhenTheTextMoves)
{
    // `pressed`: the left button went down in the edit first.
    const struct {
        const char* name;
        bool translucent, scrollBars, throughCombo, pressed;
        UINT message;
        WPARAM wParam;
        bool repainted;
    } cases[] = {
        {"key, no scroll bars", true, false, false, false, WM_KEYDOWN, VK_RIGHT, true},
        {"key, scroll bars", true, true, false, false, WM_KEYDOWN, VK_RIGHT, false},
        {"key, opaque", false, false, false, false, WM_KEYDOWN, VK_RIGHT, false},
        {"drag, no scroll bars", true, false, false, true, WM_MOUSEMOVE, MK_LBUTTON, true},
        {"drag, scroll bars", true, true, false, true, WM_MOUSEMOVE, MK_LBUTTON, false},
        {"mouse move without button", true, false, false, false, WM_MOUSEMOVE, 0, false},
        {"scrolling, scroll bars", true, true, false, false, WM_VSCROLL, SB_LINEDOWN, true},
        {"scrolling, opaque", false, true, false, false, WM_VSCROLL, SB_LINEDOWN, false},
        {"scroll notice through the combo", true, false, true, false, WM_COMMAND, EN_VSCROLL, true},
        {"change notice through the combo", true, false, true, false, WM_COMMAND, EN_CHANGE, true},
        {"focus notice through the combo", true, false, true, false, WM_COMMAND, EN_SETFOCUS, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND host = HostWith(c.translucent);
        HWND edit = nullptr, combo = nullptr;
        if (c.throughCombo) {
            combo = CreateChild(host, "ComboBox", CBS_DROPDOWN, 0, {20, 40, 200, 160});
            edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
        } else {
            edit = CreateChild(host, "Edit", ES_MULTILINE | (c.scrollBars ? WS_VSCROLL | WS_HSCROLL : 0),
                               WS_EX_CLIENTEDGE, {20, 40, 200, 120});
        }
        const int index = Skin(host);
        ASSERT_GE(FindEditRecord(index, edit), 1);
        if (c.pressed)
            SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        UpdateWindow(edit);
        ValidateRect(edit, nullptr);
        if (c.throughCombo)
            SendMessageA(combo, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), c.wParam), reinterpret_cast<LPARAM>(edit));
        else
            SendMessageA(edit, c.message, c.wParam, MAKELPARAM(5, 5));
        if (c.pressed)
            SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        RECT update{}, client{};
        GetClientRect(edit, &client);
        const bool invalid = GetUpdateRect(edit, &update, FALSE) != 0;
        EXPECT_EQ(invalid, c.repainted);
        if (c.repainted) {
            EXPECT_TRUE(EqualRect(&update, &client)) << "the whole client area";
        }
        EraseCounter erasures(edit);
        UpdateWindow(edit);
        EXPECT_EQ(erasures.Count() > 0, c.repainted) << "repainted with erasing";
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        DestroyWindow(host);
    }
}

TEST_F(EditsCombosTest, TranslucentBrushesLiveUntilTheEditIsDestroyed)
{
    engine->SetControlEffects(true, kWash);
    HWND host = Host();
    HWND edit = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66}, "文字");
    HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWN, 0, {20, 80, 200, 200});
    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    Skin(host);
    // The window answers for its own edits, the combo for its edit.
    for (HWND control : {edit, comboEdit}) {
        auto brush = static_cast<HGDIOBJ>(GetPropA(control, "Kj_dxjb"));
        auto bitmap = static_cast<HGDIOBJ>(GetPropA(control, "Kj_wtjb"));
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        DestroyWindow(control == edit ? edit : combo);
        EXPECT_EQ(GetObjectType(brush), 0u) << "deleted with the edit";
        EXPECT_EQ(GetObjectType(bitmap), 0u);
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(EditsCombosTest, DrawEditBorderDrawsOnlyForEditsUnderASkinnedWindow)
{
    HWND host = Host();
    HWND skinned = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66});
    Skin(host);
    HWND plainHost = CreateHost(460, 60);
    windows.push_back(plainHost);
    HWND plain = CreateChild(plainHost, "Edit", 0, WS_EX_CLIENTEDGE, {20, 40, 200, 66});
    for (HWND edit : {skinned, plain}) {
        const SIZE size = SizeOf(edit);
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP surface = CreateArgbSurface(size.cx, size.cy);
        HGDIOBJ previous = SelectObject(dc, surface);
        RECT all{0, 0, size.cx, size.cy};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        {
            Graphics graphics;
            graphics.CreateFromHDC(dc);
            DrawEditBorder(edit, false, false, graphics);
        }
        const bool drawn = GetPixel(dc, 0, size.cy / 2) != kWhite;
        EXPECT_EQ(drawn, edit == skinned);
        SelectObject(dc, previous);
        DeleteObject(surface);
        DeleteDC(dc);
    }
}

// Geometry of a combo's drop button, from its outline's left column.
struct DropButtonProbe {
    int outlineLeft; // window x of the outline's left column
    int width;
};

TEST_F(EditsCombosTest, DropButtonWidthFollowsTheComboStyle)
{
    HWND host = Host();
    const struct {
        const char* name;
        DWORD style;
        int buttonWidth; // 0: none
    } cases[] = {
        {"drop-down list", CBS_DROPDOWNLIST, 17},
        {"drop-down", CBS_DROPDOWN, 18},
        {"simple", CBS_SIMPLE, 0},
    };
    std::vector<HWND> combos;
    int top = 20;
    for (const auto& c : cases) {
        combos.push_back(CreateChild(host, "ComboBox", c.style, 0, {20, top, 200, top + 90}));
        top += c.style == CBS_SIMPLE ? 100 : 40;
    }
    const int index = Skin(host);
    const COLORREF outline = Blend(kBlack, 80, kWhite);
    for (size_t i = 0; i < combos.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        HWND combo = combos[i];
        ASSERT_EQ(RecordAt(index)->comboBoxes.Find(combo), static_cast<int>(i + 1));
        const SIZE size = SizeOf(combo);
        const int middle = size.cy / 2;
        const int right = size.cx - 3; // the outline's right column
        if (cases[i].buttonWidth == 0) {
            // The edit spans the width; no button face is drawn over it.
            for (int x = size.cx - 22; x < size.cx - 2; ++x)
                EXPECT_TRUE(Near(WindowPixel(combo, x, 4), kWhite, 8)) << "x = " << x;
            continue;
        }
        const int left = size.cx - cases[i].buttonWidth - 2;
        EXPECT_TRUE(Near(WindowPixel(combo, left, middle), outline, 8)) << "left outline";
        EXPECT_TRUE(Near(WindowPixel(combo, right, middle), outline, 8)) << "right outline";
        EXPECT_FALSE(Near(WindowPixel(combo, left - 1, middle), outline, 8)) << "outside the button";
        // The face: accent from alpha 30 at the top to alpha 100 at the
        // bottom (the arrow sits in the middle columns).
        const COLORREF accent = SkinModule().accentColour;
        const int height = size.cy - 4;
        const auto faceAt = [&](int y) {
            const float alpha = 30 + 70.0f * static_cast<float>(y - 2) / static_cast<float>(height - 2);
            return Blend(accent, static_cast<int>(alpha), kWhite);
        };
        for (int y : {4, static_cast<int>(size.cy) - 5})
            EXPECT_TRUE(Near(WindowPixel(combo, left + 2, y), faceAt(y), 12)) << "y = " << y;
        // The arrow: black in the button's middle column.
        const int arrowTop = 2 + (height - 4) / 2;
        EXPECT_TRUE(Near(WindowPixel(combo, left + cases[i].buttonWidth / 2, arrowTop), kBlack, 40));
    }
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

// Rows of dark (text) pixels in the text area of a drop-down list.
std::vector<int> DarkRows(HWND combo)
{
    RECT r;
    GetWindowRect(combo, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<int> rows;
    for (int y = 1; y < height - 1; ++y) {
        for (int x = 2; x < width - 21; ++x) {
            const COLORREF pixel = WindowPixel(combo, x, y);
            if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 300) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

TEST_F(EditsCombosTest, DropDownListShowsItsSelectionInTheSmallFixedFont)
{
    HWND host = Host(60, 60, 380, 300);
    HFONT large = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "SimSun");
    ASSERT_NE(large, nullptr);
    const struct {
        const char* name;
        HFONT font;
    } cases[] = {{"system font", nullptr}, {"large own font", large}};
    std::vector<HWND> combos;
    int top = 20;
    for (const auto& c : cases) {
        HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {20, top, 300, top + 150});
        if (c.font)
            SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
        for (const char* item : {"关机", "重新启动"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(combo, CB_SETCURSEL, 1, 0);
        combos.push_back(combo);
        top += 80;
    }
    HWND empty = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {20, top, 300, top + 150});
    Skin(host);
    for (size_t i = 0; i < combos.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        HWND combo = combos[i];
        const int height = SizeOf(combo).cy;
        const std::vector<int> rows = DarkRows(combo);
        ASSERT_FALSE(rows.empty()) << "the selected text is drawn";
        const int first = rows.front(), last = rows.back();
        const int textTop = (height - 12) / 2;
        EXPECT_GE(first, textTop - 1);
        EXPECT_LE(last, textTop + 14) << "12-pixel text, whatever the combo's font (height " << height << ")";
        EXPECT_LE(last - first + 1, 14);
    }
    EXPECT_GT(SizeOf(combos[1]).cy, SizeOf(combos[0]).cy + 8) << "the large font makes the combo taller";
    EXPECT_TRUE(DarkRows(empty).empty()) << "no selection, no text";
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    for (HWND combo : combos)
        DestroyWindow(combo);
    DeleteObject(large);
}

TEST_F(EditsCombosTest, ComboFaceIsWhiteOrWashedInsideTheSkinFrame)
{
    for (const bool translucent : {false, true}) {
        SCOPED_TRACE(translucent ? "translucent" : "opaque");
        HWND host = HostWith(translucent);
        HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {20, 40, 200, 160});
        const int index = Skin(host);
        const SIZE size = SizeOf(combo);
        ExpectFaceInsideDarkLine(index, combo, translucent,
                                 {{1, size.cy / 2}, {size.cx / 2, size.cy / 2}, {size.cx - 21, 2}});
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        DestroyWindow(host);
    }
}

TEST_F(EditsCombosTest, HoverAndFocusLightTheComboFrame)
{
    HWND host = Host();
    HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, 0, {20, 40, 200, 160});
    HWND other = CreateChild(host, "Edit", 0, WS_EX_CLIENTEDGE, {20, 100, 200, 126});
    const int index = Skin(host);
    ActivateWithMouseAway(host);
    const WindowRecord& record = *RecordAt(index);
    const ComboRecord& entry = *record.comboBoxes.At(record.comboBoxes.Find(combo));
    const SIZE size = SizeOf(combo);
    const int middle = size.cy / 2, buttonLeft = size.cx - 19;
    const COLORREF accent = Blend(SkinModule().accentColour, 200, kWhite);
    const COLORREF line = Blend(kBlack, 80, kWhite);

    const struct {
        const char* step;
        void (*act)(HWND combo, HWND other, HWND host);
        bool (*done)(const WindowRecord& record, const ComboRecord& entry);
        COLORREF frame, buttonOutline;
    } steps[] = {
        {"mouse over", [](HWND combo, HWND, HWND) { MoveMouseOnto(combo, 30, 8); },
         [](const WindowRecord& r, const ComboRecord&) { return r.hotControlClass == kComboHoverClass; }, accent,
         accent},
        {"mouse away", [](HWND, HWND, HWND host) { MoveMouseAway(host); },
         [](const WindowRecord& r, const ComboRecord&) { return r.hotControlIndex == 0; }, line, line},
        {"focus", [](HWND combo, HWND, HWND) { SetFocus(combo); },
         [](const WindowRecord&, const ComboRecord& e) { return e.focused == 1; }, accent, line},
        {"focus elsewhere", [](HWND, HWND other, HWND) { SetFocus(other); },
         [](const WindowRecord&, const ComboRecord& e) { return e.focused == 0; }, line, line},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act(combo, other, host);
        ASSERT_TRUE(PumpUntil([&] { return step.done(record, entry); }));
        PumpFor(50);
        EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), step.frame, 6));
        EXPECT_TRUE(Near(WindowPixel(combo, buttonLeft, middle), step.buttonOutline, 8));
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
    }
}

} // namespace

