// The clock, the countdown and the power action of the main window.
#include <windows.h>
#include <commctrl.h>

#include "countdown_math.h"
#include "startup_window.h"

void StartupWindow::SetDisplayFormat(int picker)
{
    SendMessageA(Control(picker), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kDateTimeFormat));
}

double StartupWindow::ReadPicker(int picker) const
{
    SYSTEMTIME value{};
    SendMessageA(Control(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    value.wMilliseconds = 0;
    return ToOleDate(value);
}

void StartupWindow::OnClockTick()
{
    const SYSTEMTIME now = services_.clock.Now();
    SendMessageA(Control(kPickerCurrent), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
}

void StartupWindow::StartCountdown() { form_.SetTimerPeriod(kCountdownTimer, 1000); }

void StartupWindow::ValidateTarget()
{
    const double current = ReadPicker(kPickerCurrent);
    const double target = ReadPicker(kPickerTarget);
    if (SecondsBetween(target, current) > 0)
        return; // a valid target does not start the countdown
    form_.SetTimerPeriod(kCountdownTimer, 0);
    services_.prompts.Show(kPastTargetText, kPromptCaption, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

int StartupWindow::ChosenPowerAction() const
{
    if (IsChecked(kRadioShutDown))
        return static_cast<int>(PowerAction::ShutDown);
    if (IsChecked(kRadioLogOff))
        return static_cast<int>(PowerAction::LogOff);
    if (IsChecked(kRadioRestart))
        return static_cast<int>(PowerAction::Restart);
    return static_cast<int>(PowerAction::Sleep);
}

void StartupWindow::OnCountdownTick()
{
    const double current = ReadPicker(kPickerCurrent);
    const double target = ReadPicker(kPickerTarget);
    const std::string text = CountdownText(SplitCountdown(SecondsBetween(target, current)));
    SetWindowTextA(Control(kLabelCountdown), text.c_str());
    if (current != target)
        return;
    // A refused action is not reported; the countdown goes on.
    services_.power.Run(ChosenPowerAction(), true);
}
