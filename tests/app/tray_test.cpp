// Tray mode: hiding to the notification area, the icon's events and menu.
#include "window_fixture.h"

#include <shellapi.h>

#include <embedded.h>

namespace {

// Asks the shell whether the window's icon is there: adding an id that is
// already present fails. An add that succeeds is undone at once.
bool TrayIconPresent(HWND window)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    if (Shell_NotifyIconA(NIM_ADD, &data)) {
        Shell_NotifyIconA(NIM_DELETE, &data);
        return false;
    }
    return true;
}

void SendTrayEvent(HWND window, UINT mouseMessage)
{
    SendMessageA(window, kTrayCallbackMessage, kTrayIconId, mouseMessage);
}

TEST(TrayEvents, MapMouseMessagesToEventTypes)
{
    EXPECT_EQ(TrayEventFromCallback(WM_LBUTTONUP), TrayEvent::LeftButtonUp);
    EXPECT_EQ(TrayEventFromCallback(WM_LBUTTONDBLCLK), TrayEvent::DoubleClick);
    EXPECT_EQ(TrayEventFromCallback(WM_RBUTTONUP), TrayEvent::RightButtonUp);
    EXPECT_EQ(TrayEventFromCallback(WM_CONTEXTMENU), TrayEvent::RightButtonUp);
    for (UINT other : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONUP})
        EXPECT_EQ(TrayEventFromCallback(other), std::nullopt) << other;
}

TEST(TrayTooltip, IsCutWithoutSplittingACharacter)
{
    EXPECT_EQ(CutTooltip("单击显示助手，右击显示菜单", 62), "单击显示助手，右击显示菜单");
    EXPECT_EQ(CutTooltip(std::string(70, 'a'), 62), std::string(62, 'a'));
    // 31 Chinese characters fill 62 bytes; a 32nd does not fit.
    std::string chinese;
    for (int i = 0; i < 32; ++i)
        chinese += "鹭";
    EXPECT_EQ(CutTooltip(chinese, 62).size(), 62u);
    EXPECT_EQ(CutTooltip("a" + chinese, 62).size(), 61u);
}

TEST(TrayPicture, MakesA48PixelIconFromTheStoredBytes)
{
    EXPECT_EQ(resources::TrayIcon().size(), 9662u);
    UniqueIcon icon = IconFromIcoBytes(resources::TrayIcon());
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 48);
    EXPECT_EQ(colour.bmHeight, 48);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(IconFromIcoBytes({}), nullptr);
    const unsigned char truncated[] = {0, 0, 1, 0, 1, 0, 48, 48, 0, 0, 1, 0, 32, 0, 0xff, 0xff, 0, 0, 22, 0, 0, 0};
    EXPECT_EQ(IconFromIcoBytes(truncated), nullptr);
}

TEST_F(StartupWindowTest, HidingShowsTheIconAndLeftClickBringsTheWindowBack)
{
    CreateWindowUnderTest();
    EXPECT_FALSE(TrayIconPresent(Window()));
    Click(kButtonToTray);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_TRUE(window->GetForm().Tray().IsShown());
    EXPECT_TRUE(TrayIconPresent(Window()));

    SendTrayEvent(Window(), WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_FALSE(window->GetForm().Tray().IsShown());
    EXPECT_FALSE(TrayIconPresent(Window()));

    // The double click that follows the button-up does nothing more.
    SendTrayEvent(Window(), WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_FALSE(TrayIconPresent(Window()));
    EXPECT_TRUE(fakes.prompts.calls.empty());
}

TEST_F(StartupWindowTest, CountdownGoesOnWhileHidden)
{
    CreateWindowUnderTest();
    const SYSTEMTIME now = At(2026, 12, 11, 8, 0, 0);
    ShowNowAndTarget(now, AddSeconds(now, 90));
    Click(kButtonStartTask);
    Click(kButtonToTray);
    EXPECT_EQ(CountdownPeriod(), 1000u);
    EXPECT_EQ(window->GetForm().TimerPeriod(kClockTimer), 1000u);
    Tick(kCountdownTimer);
    EXPECT_EQ(WindowText(Control(kLabelCountdown)), "0时     1分     30秒");
}

TEST_F(StartupWindowTest, ShowAssistantMenuItemActsLikeALeftClick)
{
    CreateWindowUnderTest();
    Click(kButtonToTray);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(kMenuShowAssistant, 0), 0);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_FALSE(TrayIconPresent(Window()));
    // "关于铜鹭" does nothing.
    Click(kButtonToTray);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(kMenuAbout, 0), 0);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_TRUE(TrayIconPresent(Window()));
    EXPECT_TRUE(fakes.prompts.calls.empty());
}

TEST_F(StartupWindowTest, ShowingTheIconAgainReplacesIt)
{
    CreateWindowUnderTest();
    TrayIcon& tray = window->GetForm().Tray();
    tray.Show(resources::TrayIcon(), kTrayTooltip);
    const HICON first = tray.Icon();
    tray.Show(resources::TrayIcon(), kTrayTooltip);
    EXPECT_NE(tray.Icon(), first);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced icon handle is destroyed";
    EXPECT_TRUE(TrayIconPresent(Window()));
    tray.Show({}, "");
    EXPECT_FALSE(tray.IsShown());
    EXPECT_FALSE(TrayIconPresent(Window()));
}

TEST_F(StartupWindowTest, CloseAssistantWhileHiddenPromptsAndLeavesNoIcon)
{
    CreateWindowUnderTest();
    Click(kButtonToTray);
    HWND hidden = Window();
    SendMessageA(hidden, WM_COMMAND, MAKEWPARAM(kMenuCloseAssistant, 0), 0);
    EXPECT_FALSE(IsWindow(hidden));
    ASSERT_EQ(fakes.prompts.calls.size(), 1u);
    EXPECT_EQ(fakes.prompts.calls[0].text, kClosingPromptText);
    EXPECT_FALSE(fakes.prompts.windowVisibleAtPrompt[0]) << "the prompt comes while the window is still hidden";
    EXPECT_FALSE(TrayIconPresent(hidden));
}

// Explorer forgets every icon when it restarts and then broadcasts
// "TaskbarCreated": the hidden window must add its icon again, or the user
// has no way back to it.
TEST_F(StartupWindowTest, TaskbarCreatedAddsTheIconAgainOnlyWhileHidden)
{
    CreateWindowUnderTest();
    SendMessageA(Window(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(TrayIconPresent(Window()));

    Click(kButtonToTray);
    NOTIFYICONDATAA forget{};
    forget.cbSize = NOTIFYICONDATAA_V2_SIZE;
    forget.hWnd = Window();
    forget.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &forget));
    ASSERT_FALSE(TrayIconPresent(Window()));
    SendMessageA(Window(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(TrayIconPresent(Window()));
}

// Records the menu the window pops up and closes it at once.
class MenuWatcher {
public:
    explicit MenuWatcher(HWND window) : window_(window)
    {
        instance_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWatcher::Procedure)));
        SetTimer(nullptr, 0, 300, &MenuWatcher::EndMenuLater);
    }
    ~MenuWatcher()
    {
        if (IsWindow(window_))
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        instance_ = nullptr;
    }
    HMENU popped = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITMENUPOPUP)
            instance_->popped = reinterpret_cast<HMENU>(wParam);
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU)
            EndMenu();
        return CallWindowProcA(instance_->previous_, window, message, wParam, lParam);
    }
    static void CALLBACK EndMenuLater(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        EndMenu();
    }
    static inline MenuWatcher* instance_ = nullptr;
    HWND window_;
    WNDPROC previous_;
};

TEST_F(StartupWindowTest, RightClickPopsUpTheTrayMenu)
{
    CreateWindowUnderTest();
    Click(kButtonToTray);
    for (UINT message : {static_cast<UINT>(WM_RBUTTONUP), static_cast<UINT>(WM_CONTEXTMENU)}) {
        SCOPED_TRACE(message);
        MenuWatcher watcher(Window());
        SendTrayEvent(Window(), message);
        EXPECT_EQ(watcher.popped, window->TrayMenu());
    }
    // Choosing nothing leaves the window hidden with its icon.
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_TRUE(TrayIconPresent(Window()));
}

} // namespace
