#pragma once
// The assistant's one window, its controls and their handlers.
#include <windows.h>

#include <string>

#include "form.h"

class SkinEngine;
#include "handles.h"
#include "services.h"

// Control identifiers (design names in the comments).
enum ControlId : int {
    kLabelCurrentCaption = 1001, // 标签5
    kPickerCurrent,              // 日期框1
    kLabelTargetCaption,         // 标签1
    kPickerTarget,               // 日期框2
    kLabelCountdownCaption,      // 标签2
    kLabelCountdown,             // 标签3
    kRadioShutDown,              // 单选框_关机
    kRadioRestart,               // 单选框_重启
    kRadioLogOff,                // 单选框_注销
    kRadioSleep,                 // 单选框_休眠
    kCheckStartWithWindows,      // 选择框_开机自动运行
    kButtonToTray,               // 按钮_到托盘
    kButtonStartTask,            // 按钮_开启任务
};

// Timers of the window.
enum TimerId : UINT_PTR {
    kCountdownTimer = 1, // 时钟1
    kClockTimer = 2,     // 时钟2
};

// Items of the pop-up menu "托盘".
enum MenuItemId : UINT {
    kMenuShowAssistant = 2001, // 显示助手
    kMenuCloseAssistant,       // 关闭助手
    kMenuAbout,                // 关于铜鹭
};

inline constexpr const char* kWindowClassName = "TongluAutoShutdownWindow";
inline constexpr const char* kDateTimeFormat = "yyyy年MM月dd号 HH时mm分ss秒";
inline constexpr const char* kMakerWebPage = "https://tonglu.example.org/";
inline constexpr const char* kPromptCaption = "温馨提示：";
inline constexpr const char* kClosingPromptText = "亲，铜鹭软件工作室又有新作品啦！进去看看吧？";
inline constexpr const char* kPastTargetText = "亲，时光是不可以倒流的！^_^";
inline constexpr const char* kTrayTooltip = "单击显示助手，右击显示菜单";

const FormDesign& StartupWindowDesign();

class StartupWindow final : public FormEvents {
public:
    // With a skin engine the created event dresses the window with the
    // skin; without one Windows draws it.
    explicit StartupWindow(AppServices& services, SkinEngine* skin = nullptr)
        : services_(services), skin_(skin), form_(*this)
    {
    }
    StartupWindow(const StartupWindow&) = delete;
    StartupWindow& operator=(const StartupWindow&) = delete;

    // Creates the window with its controls; the created event runs inside.
    bool Create();

    HWND Window() const { return form_.Window(); }
    HWND Control(int id) const { return form_.Control(id); }
    Form& GetForm() { return form_; }
    HMENU TrayMenu() const { return trayMenu_.get(); }
    const std::string& RunDirectory() const { return runDirectory_; }

    // Part of the program's end: frees what the window layer left.
    void ReleaseProgramState() { runDirectory_.clear(); }

private:
    // Window events.
    void OnCreated() override;
    void OnWillBeDestroyed() override;
    void OnTrayEvent(TrayEvent event) override;
    void OnTimer(UINT_PTR timer) override;
    void OnClicked(int control) override;
    void OnDateTimeChanged(int control) override;
    void OnMenuSelected(UINT item) override;

    // Countdown and power action.
    void OnClockTick();
    void OnCountdownTick();
    void ValidateTarget();
    void StartCountdown();
    void SetDisplayFormat(int picker);
    double ReadPicker(int picker) const;
    int ChosenPowerAction() const;

    // Skin.
    void DressWithSkin();
    void ChangeSkin();

    // Tray mode.
    void HideToTray();
    void ShowFromTray();

    bool IsChecked(int control) const;

    AppServices& services_;
    SkinEngine* skin_;
    Form form_;
    std::string runDirectory_;
    UniqueFont countdownFont_;
    UniqueMenu trayMenu_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
};
