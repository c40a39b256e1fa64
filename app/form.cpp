#include "form.h"

#include <commctrl.h>

#include <cstring>

namespace {

// Passed through CreateWindowExA to WM_NCCREATE and WM_CREATE.
struct FormCreateParams {
    Form* form;
    const FormDesign* design;
};

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool RegisterFormClass(const char* className, HICON bigIcon, HICON smallIcon, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = bigIcon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

Form::~Form()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

bool Form::Create(const FormDesign& design, HICON bigIcon, HICON smallIcon)
{
    if (!RegisterFormClass(design.className, bigIcon, smallIcon, &Form::WindowProc))
        return false;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - design.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - design.height) / 2;
    // The controls are made in WM_CREATE from this design.
    FormCreateParams params{this, &design};
    HWND window = CreateWindowExA(design.exStyle, design.className, design.title, design.style, x, y,
                                  design.width, design.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  &params);
    return window != nullptr;
}

HWND Form::Control(int id) const
{
    for (size_t i = 0; i < controlIds_.size(); ++i) {
        if (controlIds_[i] == id)
            return controls_[i];
    }
    return nullptr;
}

void Form::CreateControls(const FormDesign& design)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const ControlDesign& control : design.controls) {
        HWND child = CreateWindowExA(control.exStyle, control.className, control.text,
                                     WS_CHILD | WS_VISIBLE | control.style, control.x, control.y,
                                     control.width, control.height, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                                     nullptr);
        if (child)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
        controls_.push_back(child);
        controlIds_.push_back(control.id);
    }
}

void Form::SetTimerPeriod(UINT_PTR timer, UINT milliseconds)
{
    if (milliseconds == 0) {
        KillTimer(window_, timer);
        timerPeriods_.erase(timer);
    } else {
        SetTimer(window_, timer, milliseconds, nullptr);
        timerPeriods_[timer] = milliseconds;
    }
}

UINT Form::TimerPeriod(UINT_PTR timer) const
{
    const auto found = timerPeriods_.find(timer);
    return found == timerPeriods_.end() ? 0 : found->second;
}

void Form::PopUpMenu(HMENU menu)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(window_);
    TrackPopupMenu(menu, TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, window_, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageA(window_, WM_NULL, 0, 0);
}

void Form::RunWillBeDestroyed()
{
    if (willBeDestroyedRan_)
        return;
    willBeDestroyedRan_ = true;
    events_.OnWillBeDestroyed();
}

void Form::Close()
{
    if (!window_)
        return;
    RunWillBeDestroyed();
    tray_.Remove();
    DestroyWindow(window_);
}

bool Form::PreTranslate(MSG& message)
{
    if (!window_ || !IsWindow(window_))
        return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd))
        return false;
    // Esc anywhere in the window closes it; Tab and the arrow keys move
    // between the controls as in a dialog.
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    return IsDialogMessageA(window_, &message) != FALSE;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* given = static_cast<const FormCreateParams*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(given->form));
        given->form->window_ = window;
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        form->CreateControls(*static_cast<const FormCreateParams*>(create->lpCreateParams)->design);
        form->tray_.SetOwner(window);
        form->events_.OnCreated();
        return 0;
    }
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (!from && HIWORD(wParam) == 0) {
            events_.OnMenuSelected(static_cast<UINT>(id));
        } else if (from && (HIWORD(wParam) == BN_CLICKED)) {
            events_.OnClicked(id);
        }
        return 0;
    }
    case WM_NOTIFY: {
        NMHDR header;
        std::memcpy(&header, reinterpret_cast<const void*>(lParam), sizeof header);
        if (header.code == static_cast<UINT>(DTN_DATETIMECHANGE))
            events_.OnDateTimeChanged(static_cast<int>(header.idFrom));
        return 0;
    }
    case WM_TIMER:
        events_.OnTimer(wParam);
        return 0;
    case kTrayCallbackMessage:
        if (const auto event = TrayEventFromCallback(lParam))
            events_.OnTrayEvent(*event);
        return 0;
    case WM_LBUTTONDOWN:
        // No system caption: dragging the window's background moves it,
        // unless a skin has taken the window over and moves it by its own
        // caption.
        if (GetPropA(window_, "Hw_lbID"))
            return 0;
        ReleaseCapture();
        SendMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return 0;
    case WM_DESTROY:
        // Destroyed without going through Close (by the system, say).
        RunWillBeDestroyed();
        tray_.Remove();
        for (const auto& [timer, period] : timerPeriods_)
            KillTimer(window_, timer);
        timerPeriods_.clear();
        return 0;
    case WM_NCDESTROY: {
        HWND window = window_;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        controls_.clear();
        controlIds_.clear();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    default:
        if (message == TaskbarCreatedMessage() && message != 0) {
            tray_.Restore();
            return 0;
        }
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}
