#include "startup_window.h"

#include <commctrl.h>

#include "settings.h"

namespace {

constexpr DWORD kLabelStyle = SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD kPickerStyle = WS_TABSTOP | DTS_SHORTDATEFORMAT;
constexpr DWORD kRadioStyle = WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;

const ControlDesign kControls[] = {
    {kLabelCurrentCaption, "标签5", "Static", 24, 48, 88, 24, "本机现行时间：", kLabelStyle, 0},
    {kPickerCurrent, "日期框1", DATETIMEPICK_CLASSA, 120, 48, 216, 24, "", kPickerStyle, WS_EX_CLIENTEDGE},
    {kLabelTargetCaption, "标签1", "Static", 24, 86, 88, 24, "任务执行时间：", kLabelStyle, 0},
    {kPickerTarget, "日期框2", DATETIMEPICK_CLASSA, 120, 86, 216, 24, "", kPickerStyle, WS_EX_CLIENTEDGE},
    {kLabelCountdownCaption, "标签2", "Static", 24, 131, 88, 24, "执行倒计时间：", kLabelStyle, 0},
    {kLabelCountdown, "标签3", "Static", 112, 124, 224, 32, "", WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0},
    {kRadioShutDown, "单选框_关机", "Button", 48, 170, 56, 24, "关机", kRadioStyle | WS_GROUP, 0},
    {kRadioRestart, "单选框_重启", "Button", 117, 170, 56, 24, "重启", kRadioStyle, 0},
    {kRadioLogOff, "单选框_注销", "Button", 186, 170, 56, 24, "注销", kRadioStyle, 0},
    {kRadioSleep, "单选框_休眠", "Button", 256, 170, 56, 24, "休眠", kRadioStyle, 0},
    {kCheckStartWithWindows, "选择框_开机自动运行", "Button", 24, 208, 120, 32, "开机自动运行",
     WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX | BS_MULTILINE, 0},
    {kButtonToTray, "按钮_到托盘", "Button", 176, 208, 64, 32, "后台运行", kButtonStyle | WS_GROUP, 0},
    {kButtonStartTask, "按钮_开启任务", "Button", 272, 208, 64, 32, "开启任务", kButtonStyle, 0},
};

const FormDesign kDesign{
    kWindowClassName,
    kProgramName,
    360,
    270,
    WS_POPUP | WS_MINIMIZEBOX | WS_VISIBLE,
    WS_EX_APPWINDOW,
    kControls,
};

UniqueMenu BuildTrayMenu()
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return menu;
    AppendMenuA(menu.get(), MF_STRING, kMenuShowAssistant, "显示助手");
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.get(), MF_STRING, kMenuCloseAssistant, "关闭助手");
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.get(), MF_STRING, kMenuAbout, "关于铜鹭");
    return menu;
}

UniqueIcon LoadAppIcon(int size)
{
    return UniqueIcon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace

const FormDesign& StartupWindowDesign() { return kDesign; }

bool StartupWindow::Create()
{
    trayMenu_ = BuildTrayMenu();
    bigIcon_ = LoadAppIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadAppIcon(GetSystemMetrics(SM_CXSMICON));
    return form_.Create(kDesign, bigIcon_.get(), smallIcon_.get());
}

bool StartupWindow::IsChecked(int control) const
{
    return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void StartupWindow::OnCreated()
{
    // Initial state of the controls the design table cannot express.
    const SYSTEMTIME now = services_.clock.Now();
    for (int picker : {kPickerCurrent, kPickerTarget})
        SendMessageA(Control(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
    countdownFont_.reset(CreateFontA(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, "华文行楷"));
    SendMessageA(Control(kLabelCountdown), WM_SETFONT, reinterpret_cast<WPARAM>(countdownFont_.get()), FALSE);
    SendMessageA(Control(kRadioShutDown), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(Control(kCheckStartWithWindows), BM_SETCHECK, BST_CHECKED, 0);
    form_.SetTimerPeriod(kClockTimer, 1000);

    // The created event proper.
    runDirectory_ = ReadRunDirectory();
    if (WantsStartWithWindows(runDirectory_))
        RegisterStartWithWindows(kProgramName, runDirectory_ + ExecutableFileName(), StartupFolder());
    if (skin_)
        DressWithSkin();
    SetDisplayFormat(kPickerCurrent);
    SetDisplayFormat(kPickerTarget);
}

void StartupWindow::OnWillBeDestroyed()
{
    if (IsChecked(kCheckStartWithWindows))
        WriteStartWithWindows(runDirectory_);
    const int answer = services_.prompts.Show(kClosingPromptText, kPromptCaption,
                                              MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL);
    if (answer == IDYES)
        services_.browser.Open(kMakerWebPage);
}

void StartupWindow::OnTimer(UINT_PTR timer)
{
    if (timer == kClockTimer)
        OnClockTick();
    else if (timer == kCountdownTimer)
        OnCountdownTick();
}

void StartupWindow::OnClicked(int control)
{
    if (control == kButtonStartTask)
        StartCountdown();
    else if (control == kButtonToTray)
        HideToTray();
}

void StartupWindow::OnDateTimeChanged(int control)
{
    if (control == kPickerTarget)
        ValidateTarget();
    else if (control == kPickerCurrent)
        SetDisplayFormat(kPickerCurrent);
}

void StartupWindow::OnMenuSelected(UINT item)
{
    if (item == kMenuShowAssistant)
        ShowFromTray();
    else if (item == kMenuCloseAssistant)
        form_.Close();
    // "关于铜鹭" has no handler.
}
