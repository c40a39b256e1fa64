// The main window, its countdown and its closing, driven with real messages.
#include "window_fixture.h"

#include <cstring>

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    RECT rect; // client coordinates
    const char* text;
};

const ExpectedControl kExpectedControls[] = {
    {kLabelCurrentCaption, "Static", {24, 48, 112, 72}, "本机现行时间："},
    {kPickerCurrent, "SysDateTimePick32", {120, 48, 336, 72}, nullptr},
    {kLabelTargetCaption, "Static", {24, 86, 112, 110}, "任务执行时间："},
    {kPickerTarget, "SysDateTimePick32", {120, 86, 336, 110}, nullptr},
    {kLabelCountdownCaption, "Static", {24, 131, 112, 155}, "执行倒计时间："},
    {kLabelCountdown, "Static", {112, 124, 336, 156}, ""},
    {kRadioShutDown, "Button", {48, 170, 104, 194}, "关机"},
    {kRadioRestart, "Button", {117, 170, 173, 194}, "重启"},
    {kRadioLogOff, "Button", {186, 170, 242, 194}, "注销"},
    {kRadioSleep, "Button", {256, 170, 312, 194}, "休眠"},
    {kCheckStartWithWindows, "Button", {24, 208, 144, 240}, "开机自动运行"},
    {kButtonToTray, "Button", {176, 208, 240, 240}, "后台运行"},
    {kButtonStartTask, "Button", {272, 208, 336, 240}, "开启任务"},
};

TEST_F(StartupWindowTest, WindowIsCentredBorderlessAndTitled)
{
    CreateWindowUnderTest();
    RECT outer;
    GetWindowRect(Window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 360);
    EXPECT_EQ(outer.bottom - outer.top, 270);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 360) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 270) / 2);
    const LONG_PTR style = GetWindowLongPtrA(Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_FALSE(GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowText(Window()), "‘铜鹭’自动关机助手");
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 270);
}

TEST_F(StartupWindowTest, EveryControlHasItsClassTextAndRectangle)
{
    CreateWindowUnderTest();
    for (const ExpectedControl& expected : kExpectedControls) {
        SCOPED_TRACE(expected.id);
        HWND control = GetDlgItem(Window(), expected.id);
        ASSERT_NE(control, nullptr);
        char className[64] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, expected.className);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, expected.rect.left);
        EXPECT_EQ(rect.top, expected.rect.top);
        EXPECT_EQ(rect.right, expected.rect.right);
        EXPECT_EQ(rect.bottom, expected.rect.bottom);
        if (expected.text) {
            EXPECT_EQ(WindowText(control), expected.text);
        }
        EXPECT_TRUE(IsWindowVisible(control));
    }
}

TEST_F(StartupWindowTest, ControlsStartInTheirDesignState)
{
    CreateWindowUnderTest();
    EXPECT_TRUE(Checked(kRadioShutDown));
    EXPECT_FALSE(Checked(kRadioRestart));
    EXPECT_FALSE(Checked(kRadioLogOff));
    EXPECT_FALSE(Checked(kRadioSleep));
    EXPECT_TRUE(Checked(kCheckStartWithWindows));

    auto buttonType = [&](int id) { return GetWindowLongPtrA(Control(id), GWL_STYLE) & BS_TYPEMASK; };
    EXPECT_EQ(buttonType(kRadioSleep), BS_AUTORADIOBUTTON);
    EXPECT_EQ(buttonType(kCheckStartWithWindows), BS_AUTOCHECKBOX);
    EXPECT_TRUE(GetWindowLongPtrA(Control(kRadioShutDown), GWL_STYLE) & BS_MULTILINE);
    EXPECT_TRUE(GetWindowLongPtrA(Control(kPickerCurrent), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongPtrA(Control(kPickerTarget), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    const LONG_PTR countdownStyle = GetWindowLongPtrA(Control(kLabelCountdown), GWL_STYLE);
    EXPECT_TRUE(countdownStyle & WS_BORDER);
    EXPECT_EQ(countdownStyle & SS_TYPEMASK, SS_CENTER);
    EXPECT_TRUE(countdownStyle & SS_CENTERIMAGE);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Control(kLabelCountdown), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "华文行楷");
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Control(kLabelTargetCaption), WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));

    // Both pickers start at the clock's time; only the clock runs.
    const SYSTEMTIME now = fakes.clock.now;
    for (int id : {kPickerCurrent, kPickerTarget}) {
        const SYSTEMTIME shown = Picker(id);
        EXPECT_EQ(shown.wYear, now.wYear);
        EXPECT_EQ(shown.wHour, now.wHour);
        EXPECT_EQ(shown.wSecond, now.wSecond);
    }
    EXPECT_EQ(window->GetForm().TimerPeriod(kClockTimer), 1000u);
    EXPECT_EQ(CountdownPeriod(), 0u);
}

TEST_F(StartupWindowTest, TrayMenuHasItsItemsInOrder)
{
    CreateWindowUnderTest();
    HMENU menu = window->TrayMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    const struct {
        UINT type;
        const char* text;
    } expected[] = {{MFT_STRING, "显示助手"}, {MFT_SEPARATOR, nullptr}, {MFT_STRING, "关闭助手"},
                    {MFT_SEPARATOR, nullptr}, {MFT_STRING, "关于铜鹭"}};
    for (int i = 0; i < 5; ++i) {
        char text[64] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item));
        EXPECT_EQ(item.fType & MFT_SEPARATOR, expected[i].type & MFT_SEPARATOR) << i;
        if (expected[i].text) {
            EXPECT_STREQ(text, expected[i].text);
        }
    }
}

TEST_F(StartupWindowTest, ClockTickShowsTheCurrentTime)
{
    CreateWindowUnderTest();
    fakes.clock.now = At(2027, 3, 4, 5, 6, 7);
    Tick(kClockTimer);
    const SYSTEMTIME shown = Picker(kPickerCurrent);
    EXPECT_EQ(shown.wYear, 2027);
    EXPECT_EQ(shown.wMonth, 3);
    EXPECT_EQ(shown.wDay, 4);
    EXPECT_EQ(shown.wHour, 5);
    EXPECT_EQ(shown.wMinute, 6);
    EXPECT_EQ(shown.wSecond, 7);
}

struct TickCase {
    int targetOffset; // seconds from the shown current time
    const char* text;
};

class CountdownTickTest : public StartupWindowTest, public testing::WithParamInterface<TickCase> {};

TEST_P(CountdownTickTest, ShowsTheRemainingTime)
{
    CreateWindowUnderTest();
    const SYSTEMTIME now = At(2026, 12, 11, 10, 30, 0);
    ShowNowAndTarget(now, AddSeconds(now, GetParam().targetOffset));
    Click(kButtonStartTask);
    EXPECT_EQ(CountdownPeriod(), 1000u);
    EXPECT_EQ(WindowText(Control(kLabelCountdown)), "") << "empty until the first tick";
    Tick(kCountdownTimer);
    EXPECT_EQ(WindowText(Control(kLabelCountdown)), GetParam().text);
    EXPECT_TRUE(fakes.power.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Part, CountdownTickTest,
                         testing::Values(TickCase{3723, "1时     2分     3秒"}, TickCase{59, "0时     0分     59秒"},
                                         TickCase{60, "0时     1分     0秒"}, TickCase{-5, "0时     -1分     -4秒"},
                                         TickCase{-1, "0时     0分     0秒"},
                                         TickCase{2 * 86400, "48时     0分     0秒"}));

struct ActionCase {
    int radio;
    int action;
};

class PowerActionTest : public StartupWindowTest, public testing::WithParamInterface<ActionCase> {};

TEST_P(PowerActionTest, FiresOnceWhenTheShownTimeReachesTheTarget)
{
    CreateWindowUnderTest();
    Click(GetParam().radio);
    ASSERT_TRUE(Checked(GetParam().radio));
    const SYSTEMTIME start = At(2026, 12, 11, 22, 59, 58);
    const SYSTEMTIME target = AddSeconds(start, 2);
    ShowNowAndTarget(start, target);
    Click(kButtonStartTask);

    Tick(kCountdownTimer);
    EXPECT_TRUE(fakes.power.calls.empty());
    fakes.clock.now = AddSeconds(start, 1);
    Tick(kClockTimer);
    Tick(kCountdownTimer);
    EXPECT_TRUE(fakes.power.calls.empty());

    fakes.clock.now = target;
    Tick(kClockTimer);
    Tick(kCountdownTimer);
    ASSERT_EQ(fakes.power.calls.size(), 1u);
    EXPECT_EQ(fakes.power.calls[0].action, GetParam().action);
    EXPECT_TRUE(fakes.power.calls[0].force);
    EXPECT_EQ(WindowText(Control(kLabelCountdown)), "0时     0分     0秒");

    // The next second no longer equals the target: nothing fires again.
    fakes.clock.now = AddSeconds(target, 1);
    Tick(kClockTimer);
    Tick(kCountdownTimer);
    EXPECT_EQ(fakes.power.calls.size(), 1u);
    EXPECT_EQ(CountdownPeriod(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(Radios, PowerActionTest,
                         testing::Values(ActionCase{kRadioShutDown, 1}, ActionCase{kRadioRestart, 2},
                                         ActionCase{kRadioLogOff, 3}, ActionCase{kRadioSleep, 4}));

TEST_F(StartupWindowTest, RefusedPowerActionKeepsCountingDown)
{
    CreateWindowUnderTest();
    fakes.power.accept = false;
    const SYSTEMTIME now = At(2026, 12, 11, 8, 0, 0);
    ShowNowAndTarget(now, now);
    Click(kButtonStartTask);
    Tick(kCountdownTimer);
    ASSERT_EQ(fakes.power.calls.size(), 1u);
    EXPECT_EQ(CountdownPeriod(), 1000u);
    EXPECT_TRUE(fakes.prompts.calls.empty());
    fakes.clock.now = AddSeconds(now, 5);
    Tick(kClockTimer);
    Tick(kCountdownTimer);
    EXPECT_EQ(WindowText(Control(kLabelCountdown)), "0时     -1分     -4秒");
}

TEST_F(StartupWindowTest, TargetNotAfterTheShownTimeIsRefusedAndStopsTheCountdown)
{
    CreateWindowUnderTest();
    const SYSTEMTIME now = At(2026, 12, 11, 9, 0, 0);
    for (int offset : {0, -1, -3600}) {
        SCOPED_TRACE(offset);
        fakes.prompts.calls.clear();
        Click(kButtonStartTask);
        ASSERT_EQ(CountdownPeriod(), 1000u);
        ShowNowAndTarget(now, AddSeconds(now, offset));
        NotifyDateTimeChanged(kPickerTarget);
        EXPECT_EQ(CountdownPeriod(), 0u);
        ASSERT_EQ(fakes.prompts.calls.size(), 1u);
        EXPECT_EQ(fakes.prompts.calls[0].text, "亲，时光是不可以倒流的！^_^");
        EXPECT_EQ(fakes.prompts.calls[0].caption, "温馨提示：");
        EXPECT_EQ(fakes.prompts.calls[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION | MB_TASKMODAL));
    }
}

TEST_F(StartupWindowTest, ValidTargetNeitherPromptsNorStartsTheCountdown)
{
    CreateWindowUnderTest();
    const SYSTEMTIME now = At(2026, 12, 11, 9, 0, 0);
    ShowNowAndTarget(now, AddSeconds(now, 1));
    NotifyDateTimeChanged(kPickerTarget);
    EXPECT_TRUE(fakes.prompts.calls.empty());
    EXPECT_EQ(CountdownPeriod(), 0u);
    // Nor does it stop one that runs.
    Click(kButtonStartTask);
    NotifyDateTimeChanged(kPickerTarget);
    EXPECT_EQ(CountdownPeriod(), 1000u);
}

TEST_F(StartupWindowTest, ClosingPromptsAndOpensTheWebPageOnYes)
{
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        fakes.Reset();
        fakes.prompts.answer = answer;
        CreateWindowUnderTest();
        SendMessageA(Window(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(window->Window()));
        ASSERT_EQ(fakes.prompts.calls.size(), 1u);
        EXPECT_EQ(fakes.prompts.calls[0].text, "亲，铜鹭软件工作室又有新作品啦！进去看看吧？");
        EXPECT_EQ(fakes.prompts.calls[0].caption, "温馨提示：");
        EXPECT_EQ(fakes.prompts.calls[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL));
        if (answer == IDYES) {
            ASSERT_EQ(fakes.browser.opened.size(), 1u);
            EXPECT_EQ(fakes.browser.opened[0].rfind("https://", 0), 0u);
        } else {
            EXPECT_TRUE(fakes.browser.opened.empty());
        }
        window.reset();
    }
}

TEST_F(StartupWindowTest, EscapeInAControlClosesTheWindow)
{
    CreateWindowUnderTest();
    for (int id : {kButtonStartTask, kPickerTarget}) {
        SCOPED_TRACE(id);
        if (!window) {
            fakes.Reset();
            CreateWindowUnderTest();
        }
        SetFocus(Control(id));
        PostMessageA(Control(id), WM_KEYDOWN, VK_ESCAPE, 0);
        StartupWindow& under = *window;
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(under.Window()); },
                              [&](MSG& message) { DispatchProgramMessage(under, message); }));
        EXPECT_EQ(fakes.prompts.calls.size(), 1u);
        window.reset();
    }
}

TEST_F(StartupWindowTest, OtherKeysDoNotClose)
{
    CreateWindowUnderTest();
    SetFocus(Control(kButtonStartTask));
    PostMessageA(Control(kButtonStartTask), WM_KEYDOWN, VK_F5, 0);
    StartupWindow& under = *window;
    PumpUntil([] { return false; }, [&](MSG& message) { DispatchProgramMessage(under, message); }, 100);
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_TRUE(fakes.prompts.calls.empty());
}

} // namespace
