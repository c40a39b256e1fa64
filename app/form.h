#pragma once
// The window layer: creates a top-level window and its controls from a
// design table, keeps the timers and the tray icon, and turns Win32
// messages into the application's events.
#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include "tray_icon.h"

struct ControlDesign {
    int id;
    const char* name; // design name, for diagnostics
    const char* className;
    int x, y, width, height; // client coordinates of the window
    const char* text;
    DWORD style; // added to WS_CHILD | WS_VISIBLE
    DWORD exStyle;
};

struct FormDesign {
    const char* className;
    const char* title;
    int width, height; // outer size; the window is centred on the screen
    DWORD style;
    DWORD exStyle;
    std::span<const ControlDesign> controls;
};

// The events the layer delivers. Every handler is optional.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void OnCreated() {}
    virtual void OnWillBeDestroyed() {}
    virtual void OnTrayEvent(TrayEvent) {}
    virtual void OnTimer(UINT_PTR /*timer*/) {}
    virtual void OnClicked(int /*control*/) {}
    virtual void OnDateTimeChanged(int /*control*/) {}
    virtual void OnMenuSelected(UINT /*item*/) {}
};

class Form {
public:
    explicit Form(FormEvents& events) : events_(events) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    // Creates the window and its controls; OnCreated runs before it returns.
    bool Create(const FormDesign& design, HICON bigIcon, HICON smallIcon);

    HWND Window() const { return window_; }
    HWND Control(int id) const;

    // A period of 0 stops the timer. Setting a running timer restarts it.
    void SetTimerPeriod(UINT_PTR timer, UINT milliseconds);
    UINT TimerPeriod(UINT_PTR timer) const;

    TrayIcon& Tray() { return tray_; }

    // Brings the window forward and tracks `menu` at the cursor (right
    // aligned, 5 pixels up and left); the chosen item arrives as
    // OnMenuSelected.
    void PopUpMenu(HMENU menu);

    // Whatever closes the window: the will-be-destroyed event, then the
    // tray icon goes and the window is destroyed.
    void Close();

    // Keyboard handling of the message loop: Tab between the controls and
    // Esc closing the window. Returns true when the message was consumed.
    bool PreTranslate(MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(const FormDesign& design);
    void RunWillBeDestroyed();

    FormEvents& events_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_;
    std::vector<int> controlIds_;
    std::map<UINT_PTR, UINT> timerPeriods_;
    TrayIcon tray_;
    bool willBeDestroyedRan_ = false;
};

// Message the shell broadcasts when the task bar is created anew.
UINT TaskbarCreatedMessage();
