// The engine's smaller window methods on real skinned windows: picture
// buttons, the caption-button strip, the standard caption buttons'
// pictures, docked panes, control text colours and the back colour.
#include "engine_fixture.h"

#include <commctrl.h>

#include <string>

#include "pump.h"
#include "skin_primitives.h"

namespace {

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHost(DWORD style, int x = 60, int y = 60)
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &HostProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WindowMethodsTestHost";
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered ? CreateWindowExA(0, "WindowMethodsTestHost", "方法", style | WS_VISIBLE, x, y, 360, 270,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)
                      : nullptr;
}

HWND CreateChild(HWND parent, const char* className, DWORD style, RECT r, const char* text = "")
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

int Property(HWND window, const char* name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

std::string ToolText(HWND toolTip, HWND owner)
{
    char text[80] = "";
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = 1;
    info.lpszText = text;
    SendMessageA(toolTip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

class WindowMethodsTest : public EngineTest {
protected:
    HWND Host(DWORD style = WS_POPUP, int x = 60)
    {
        HWND host = CreateHost(style, x);
        windows.push_back(host);
        return host;
    }
    int Skin(HWND host)
    {
        engine->SkinWindow(host);
        PumpMessages();
        return Property(host, "Hw_lbID");
    }
};

TEST_F(WindowMethodsTest, PictureButtonOnATakenButtonKeepsItsEntryAndSubclassing)
{
    HWND host = Host();
    HWND first = CreateChild(host, "Button", BS_PUSHBUTTON, {10, 10, 90, 40}, "一");
    HWND taken = CreateChild(host, "Button", BS_PUSHBUTTON, {10, 50, 90, 80}, "二");
    const int index = Skin(host);
    WindowRecord& record = *RecordAt(index);
    ASSERT_EQ(record.buttons.Find(taken), 2);
    const HANDLE previous = GetPropA(taken, "Hw_hProc");
    const WNDPROC oldProc = record.buttons.At(2)->oldProc;

    const ByteArray picture{1, 2, 3};
    ASSERT_TRUE(engine->SkinImageButton(taken, picture, 2, "提示"));
    EXPECT_EQ(record.buttons.Find(taken), 2);
    EXPECT_EQ(record.buttons.Count(), 2);
    // Not subclassed again (the tooltip subclasses the button itself, so
    // the procedure slot is no witness): the replaced procedure is still
    // the button's own, and messages still reach it.
    EXPECT_EQ(GetPropA(taken, "Hw_hProc"), previous);
    EXPECT_EQ(record.buttons.At(2)->oldProc, oldProc);
    EXPECT_EQ(SendMessageA(taken, WM_GETTEXTLENGTH, 0, 0), 2);
    const ButtonRecord& entry = *record.buttons.At(2);
    EXPECT_EQ(entry.kind, kButtonIcon);
    EXPECT_EQ(entry.pictures[0], picture);
    EXPECT_EQ(entry.iconOption, 2);
    EXPECT_EQ(entry.text, "二");
    ASSERT_NE(entry.toolTip.GetWindow(), nullptr);
    EXPECT_EQ(ToolText(entry.toolTip.GetWindow(), taken), "提示");

    // A second call keeps the tooltip window and changes its text.
    const HWND toolTip = entry.toolTip.GetWindow();
    ASSERT_TRUE(engine->SkinImageButton(taken, picture, 0, "新提示"));
    EXPECT_EQ(entry.toolTip.GetWindow(), toolTip);
    EXPECT_EQ(ToolText(toolTip, taken), "新提示");
    EXPECT_EQ(record.buttons.Find(first), 1);
}

TEST_F(WindowMethodsTest, StatePictureButtonTakesANewButtonWithItsPictures)
{
    HWND host = Host();
    // Owner-drawn buttons are not taken by the set-up.
    HWND button = CreateChild(host, "Button", BS_OWNERDRAW, {10, 10, 90, 40}, "图");
    const int index = Skin(host);
    WindowRecord& record = *RecordAt(index);
    ASSERT_EQ(record.buttons.Find(button), 0);
    const ByteArray normal{1}, hot{2}, pressed{3}, disabled{4};
    ASSERT_TRUE(engine->SkinStateImageButton(button, normal, hot, pressed, disabled));
    const int i = record.buttons.Find(button);
    ASSERT_EQ(i, 1) << "fills the empty first entry";
    const ButtonRecord& entry = *record.buttons.At(i);
    EXPECT_EQ(entry.kind, kButtonPicture);
    EXPECT_EQ(entry.pictures[0], normal);
    EXPECT_EQ(entry.pictures[1], hot);
    EXPECT_EQ(entry.pictures[2], pressed);
    EXPECT_TRUE(entry.pictures[3].empty());
    EXPECT_EQ(entry.pictures[4], disabled);
    EXPECT_EQ(entry.toolTip.GetWindow(), nullptr) << "no text, no tooltip";
    EXPECT_EQ(Property(button, "Hw_lbID"), i);
    EXPECT_EQ(Property(button, "Hw_FuID"), index);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(button, "Hw_hProc")), entry.oldProc);
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(WindowMethodsTest, PictureButtonsOutsideSkinnedWindowsAreRefused)
{
    HWND host = Host();
    HWND button = CreateChild(host, "Button", BS_PUSHBUTTON, {10, 10, 90, 40}, "外");
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    EXPECT_FALSE(engine->SkinImageButton(button, ByteArray{1}));
    EXPECT_FALSE(engine->SkinStateImageButton(button, ByteArray{1}));
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE), style);
    EXPECT_EQ(GetPropA(button, "Hw_hProc"), nullptr);
}

TEST_F(WindowMethodsTest, CaptionButtonStripOfSkinnedAndOtherWindows)
{
    HWND host = Host(WS_POPUP | WS_MINIMIZEBOX);
    HWND plain = Host(WS_POPUP, 500);
    const int index = Skin(host);
    const WindowRecord& record = *RecordAt(index);
    const RECT strip = engine->GetCaptionButtonStrip(host);
    EXPECT_EQ(strip.left, record.stripX);
    EXPECT_EQ(strip.top, record.stripY);
    EXPECT_EQ(strip.right - strip.left, record.stripWidth);
    EXPECT_EQ(strip.bottom - strip.top, record.stripHeight);
    EXPECT_GT(record.stripWidth, 0);
    const RECT none = engine->GetCaptionButtonStrip(plain);
    EXPECT_TRUE(IsRectEmpty(&none));
}

TEST_F(WindowMethodsTest, CaptionButtonImagesGoToTheStandardButtonsByStyle)
{
    const ByteArray minimise{1}, maximise{2}, restore{3}, close{4};
    const struct {
        const char* name;
        DWORD style;
    } kCases[] = {{"close only", WS_POPUP},
                  {"minimise", WS_POPUP | WS_MINIMIZEBOX},
                  {"maximise", WS_POPUP | WS_MAXIMIZEBOX},
                  {"both", WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        HWND host = Host(c.style);
        const int index = Skin(host);
        WindowRecord& record = *RecordAt(index);
        // An application button goes in front of the standard ones.
        ASSERT_TRUE(engine->AddCaptionButton(host, ByteArray{9}, "皮肤", [] {}));
        const int n = static_cast<int>(record.captionButtons.size());
        std::vector<CaptionButton> before(record.captionButtons.begin(), record.captionButtons.end());

        ASSERT_TRUE(engine->SetCaptionButtonImages(host, minimise, maximise, restore, close));
        EXPECT_EQ(record.Button(n)->picture, close);
        const bool hasMin = c.style & WS_MINIMIZEBOX, hasMax = c.style & WS_MAXIMIZEBOX;
        if (hasMax) {
            EXPECT_EQ(record.Button(n - 1)->picture, maximise);
            EXPECT_EQ(record.Button(n - 1)->alternatePicture, restore);
        }
        if (hasMin) {
            EXPECT_EQ(record.Button(hasMax ? n - 2 : n - 1)->picture, minimise);
        }
        const int standard = 1 + (hasMin ? 1 : 0) + (hasMax ? 1 : 0);
        for (int i = 1; i <= n - standard; ++i)
            EXPECT_EQ(record.Button(i)->picture, before[static_cast<size_t>(i - 1)].picture) << "button " << i;

        // Omitted pictures stay.
        ASSERT_TRUE(engine->SetCaptionButtonImages(host, {}, {}, {}, ByteArray{7}));
        EXPECT_EQ(record.Button(n)->picture, ByteArray{7});
        if (hasMax) {
            EXPECT_EQ(record.Button(n - 1)->picture, maximise);
        }
    }
    EXPECT_FALSE(engine->SetCaptionButtonImages(Host(WS_POPUP, 500), minimise));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(WindowMethodsTest, DockedPanesEndAboveTheStatusBar)
{
    HWND host = Host();
    HWND pane = CreateChild(host, "Static", 0, {0, 0, 10, 10});
    SkinWindowOptions options;
    options.statusBarHeight = 22;
    engine->SkinWindow(host, options);
    const int index = Property(host, "Hw_lbID");
    RecordAt(index)->dockedPanes.push_back({pane, 30});
    engine->LayoutDockedPanes(index);
    RECT client, r;
    GetClientRect(host, &client);
    GetWindowRect(pane, &r);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, client.right - 2);
    EXPECT_EQ(r.bottom, client.bottom - 25);
}

TEST_F(WindowMethodsTest, ControlTextColourGoesToTheControlOrItsEdit)
{
    HWND host = Host();
    HWND edit = CreateChild(host, "Edit", 0, {10, 10, 100, 30});
    HWND combo = CreateChild(host, "ComboBox", CBS_DROPDOWN, {10, 40, 100, 140});
    HWND dropList = CreateChild(host, "ComboBox", CBS_DROPDOWNLIST, {10, 150, 100, 250});
    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    engine->SetControlTextColour(edit, RGB(1, 2, 3));
    engine->SetControlTextColour(combo, RGB(4, 5, 6));
    engine->SetControlTextColour(dropList, RGB(7, 8, 9));
    engine->SetControlTextColour(nullptr, RGB(7, 8, 9));
    EXPECT_EQ(Property(edit, "Kj_Ztys"), static_cast<int>(RGB(1, 2, 3)));
    EXPECT_EQ(Property(comboEdit, "Kj_Ztys"), static_cast<int>(RGB(4, 5, 6)));
    EXPECT_EQ(GetPropA(combo, "Kj_Ztys"), nullptr);
    EXPECT_EQ(GetPropA(dropList, "Kj_Ztys"), nullptr) << "a drop-down list has no edit";
}

TEST_F(WindowMethodsTest, DefaultBackColourIsTheFaceColourUntilAPictureSetsIt)
{
    EXPECT_EQ(engine->GetDefaultBackColour(), GetSysColor(COLOR_BTNFACE));
    BackgroundPictureOptions options;
    options.backColour = RGB(10, 120, 30);
    options.pictureMode = 3;
    engine->SetBackgroundPicture(options);
    EXPECT_EQ(engine->GetDefaultBackColour(), SkinModule().backColour);
    EXPECT_EQ(engine->GetDefaultBackColour(), RGB(10, 120, 30));
}

} // namespace
