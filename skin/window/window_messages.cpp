// The window procedure of skinned top-level windows: painting from the
// frame image, the caption buttons' hover fade, press and action, size
// limits and the maximise correction, control backgrounds, and releasing
// the window's record when it is destroyed.
#include "skin_engine.h"

#include <windowsx.h>
#include <commctrl.h>

#include <cstring>

#include "child_services.h"
#include "control_setup.h"
#include "skin_primitives.h"
#include "working_set.h"

namespace {

constexpr int kFadeSteps = 8;
constexpr int kFadeStepAlpha = 30;
constexpr UINT kFadeInterval = 20;

UINT_PTR FadeTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

int TaskBarHeight()
{
    HWND taskBar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskBar)
        return 0;
    RECT rect{};
    GetWindowRect(taskBar, &rect);
    return rect.bottom - rect.top;
}

// Removes the window's record and renumbers the windows of the others.
void ReleaseRecord(HWND window)
{
    auto& table = SkinModule().windowTable;
    const int index = FindWindowRecord(window);
    if (index == 0)
        return;
    WindowRecord& record = *table[static_cast<size_t>(index - 1)];
    record.edits.ForEach([](int, const EditRecord& edit) {
        if (!edit.window)
            return;
        DeleteObjectProperty(edit.window, "Kj_wtjb");
        DeleteObjectProperty(edit.window, "Kj_dxjb");
    });
    RemovePropA(window, "Ck_Ycjdx");
    RemovePropA(window, "Ck_wtjbdx");
    table.erase(table.begin() + (index - 1)); // its DCs and bitmaps go with it

    for (int j = 1; j <= RecordCount(); ++j) {
        WindowRecord& other = *RecordAt(j);
        SetIndexProperty(other.window, "Hw_lbID", j);
        other.ForEachControlList([j](auto& list) {
            list.ForEach([j](int, const auto& control) { SetIndexProperty(control.window, "Hw_FuID", j); });
        });
        other.frames.ForEach([j](int, const FrameEntry& frame) { SetIndexProperty(frame.window, "Hw_FuID", j); });
        other.labels.ForEach([j](int, const LabelEntry& label) { SetIndexProperty(label.window, "Kj_FuID", j); });
    }
}

} // namespace

void SkinEngine::RunCaptionButton(int index, int number)
{
    WindowRecord* record = RecordAt(index);
    CaptionButton* button = record ? record->Button(number) : nullptr;
    if (!button)
        return;
    HWND window = record->window;
    switch (button->kind) {
    case kCaptionClose:
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case kCaptionMaximize:
        record->needsRender = true;
        record->minimised = false;
        if (record->maximised) {
            record->maximised = false;
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            record->maximised = true;
            SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kCaptionMinimize:
        record->minimised = true;
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kCaptionHelp:
        if (record->helpRoutine)
            record->helpRoutine();
        break;
    case kCaptionMenu:
        if (record->menuRoutine)
            record->menuRoutine();
        break;
    case kCaptionApplication:
        if (button->routine) {
            // The routine may outlive changes to the button list.
            SkinRoutine routine = button->routine;
            routine();
        }
        break;
    default:
        break;
    }
}

LRESULT SkinEngine::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = ReplacedProc(window);
    const auto passOn = [&]() -> LRESULT {
        return IsWindow(window) ? CallProcOrDefault(previous, window, message, wParam, lParam) : 0;
    };
    int index = 0;
    WindowRecord* record = RecordOfWindow(window, &index);
    // A window whose index no longer leads to a record (a message after
    // a failed take-over, or one a component sends late) gets only its own
    // procedure.
    if (!record || record->window != window) {
        if (message == WM_NCDESTROY)
            KillTimer(window, FadeTimerId(window));
        return passOn();
    }
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);

    switch (message) {
    case WM_DESTROY:
    case WM_MOVE:
        break;
    case WM_NCDESTROY:
        ReleaseRecord(window);
        KillTimer(window, FadeTimerId(window));
        RemovePropA(window, "Hw_lbID");
        RemovePropA(window, "Hw_hProc");
        return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
    case WM_SHOWWINDOW:
        if (wParam == 1) {
            if (record->minimised) {
                record->minimised = false;
            } else {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(window, &paint);
                RenderWindowImage(index, dc, true);
                EndPaint(window, &paint);
            }
        }
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (!record->minimised) {
            if (record->needsRender) {
                RenderWindowImage(index, dc, true);
                record->needsRender = false;
            } else {
                PresentWindowImage(index, dc);
            }
        }
        EndPaint(window, &paint);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_LBUTTONDBLCLK:
        if (y <= record->captionHeight && record->resizable) {
            if (const int maximise = FindMaximizeButton(index))
                RunCaptionButton(index, maximise);
        }
        break;
    case WM_MOUSEMOVE: {
        RECT client{};
        GetClientRect(window, &client);
        if (!record->mouseInside) {
            TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
            TrackMouseEvent(&track);
        }
        if (record->drawFrame) {
            if (record->stripX - 2 <= x && x <= record->stripX + record->stripWidth && 0 <= y &&
                y <= record->stripHeight) {
                if (!record->hoverTimerRunning) {
                    SetTimer(window, FadeTimerId(window), kFadeInterval, nullptr);
                    record->hoverTimerRunning = true;
                }
            } else {
                record->hoverTimerRunning = false;
            }
            pressedButton = CaptionButtonAt(index, x, y);
            if (record->hotButton > 0 && record->hotButton != pressedButton) {
                if (record->fadeOut.step < kFadeSteps && record->fadeOut.button > 0)
                    PaintCaptionButton(index, record->fadeOut.button, nullptr, false, 0);
                record->fadeOut = {record->hotButton, 0};
            }
            if (pressedButton > 0 && pressedButton != record->hotButton)
                record->fadeIn = {pressedButton, 0};
            record->hotButton = pressedButton;
            if (!record->maximised)
                UpdateSizingCursor(index, lParam, client);
        }
        break;
    }
    case WM_MOUSEHOVER:
        record->mouseInside = true;
        break;
    case WM_MOUSELEAVE:
        record->mouseInside = false;
        if (record->hotButton > 0 && record->drawFrame) {
            if (record->fadeIn.step < kFadeSteps && record->fadeOut.step < kFadeSteps) {
                if (record->fadeOut.button > 0)
                    PaintCaptionButton(index, record->fadeOut.button);
                record->fadeIn = {};
            }
            record->fadeOut = {record->hotButton, 0};
            record->hotButton = 0;
        }
        break;
    case WM_TIMER:
        if (wParam != FadeTimerId(window))
            break;
        if (record->fadeIn.button > 0 && record->fadeIn.step < kFadeSteps) {
            ++record->fadeIn.step;
            PaintCaptionButton(index, record->fadeIn.button, nullptr, false, record->fadeIn.step * kFadeStepAlpha);
        }
        if (record->fadeOut.button > 0 && record->fadeOut.step < kFadeSteps) {
            ++record->fadeOut.step;
            PaintCaptionButton(index, record->fadeOut.button, nullptr, false,
                               kFadeSteps * kFadeStepAlpha - record->fadeOut.step * kFadeStepAlpha);
        }
        if ((!record->mouseInside || !record->hoverTimerRunning) &&
            (record->fadeOut.step >= kFadeSteps || record->fadeOut.button == 0)) {
            record->hoverTimerRunning = false;
            KillTimer(window, FadeTimerId(window));
            record->hotButton = 0;
            record->fadeIn = {};
            record->fadeOut = {};
        }
        break;
    case WM_GETMINMAXINFO: {
        MINMAXINFO limits;
        std::memcpy(&limits, reinterpret_cast<const void*>(lParam), sizeof limits);
        limits.ptMinTrackSize = {record->minTrackWidth, record->minTrackHeight};
        if (record->maximised)
            limits.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - TaskBarHeight()};
        else
            limits.ptMaxTrackSize = {record->maxTrackWidth, record->maxTrackHeight};
        std::memcpy(reinterpret_cast<void*>(lParam), &limits, sizeof limits);
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        RECT client{};
        GetClientRect(window, &client);
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
        if (record->showMaximizeButton && client.right == screenWidth && client.bottom == screenHeight) {
            record->maximised = true;
            SetWindowPos(window, nullptr, 0, 0, screenWidth, screenHeight - TaskBarHeight(),
                         SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
        LayoutCaptionButtons(index);
        if (record->statusBarHeight > 0)
            LayoutStatusBar(index);
        break;
    }
    case WM_SIZE:
        record->hotButton = 0;
        if (SkinModule().firstSizePending) {
            record->needsRender = false;
            SkinModule().firstSizePending = false;
        } else {
            record->needsRender = true;
        }
        LayoutDockedPanes(index);
        break;
    case WM_LBUTTONDOWN: {
        RECT client{};
        GetClientRect(window, &client);
        record->fadeIn.button = 0;
        if (record->drawFrame) {
            if (!record->maximised && !record->minimised)
                BeginMoveOrSize(index, lParam, client);
            // The press may have moved the window or run a modal loop:
            // look the record up again.
            record = RecordAt(index);
            if (!record || record->window != window)
                return passOn();
            pressedButton = CaptionButtonAt(index, x, y);
            if (pressedButton > 0)
                PaintCaptionButton(index, pressedButton, nullptr, true);
        }
        break;
    }
    case WM_LBUTTONUP:
        if (pressedButton > 0 && pressedButton <= static_cast<int>(record->captionButtons.size()) &&
            record->drawFrame)
            RunCaptionButton(index, pressedButton);
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_MAXIMIZE) {
            record->maximised = true;
            record->needsRender = true;
        } else if (wParam == SC_RESTORE) {
            record->needsRender = true;
            record->minimised = false;
        } else if (wParam == SC_MINIMIZE) {
            record->needsRender = true;
            record->minimised = true;
        }
        break;
    case WM_QUERYOPEN:
        record->minimised = false;
        break;
    case WM_SETTEXT:
        if (record->showTitle && record->drawFrame)
            PaintTitle(index, nullptr, std::string(lParam ? reinterpret_cast<const char*>(lParam) : ""));
        break;
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        LRESULT answer = 0;
        if (AnswerChildMessage(index, message, wParam, lParam, answer))
            return answer;
        break;
    }
    case WM_CTLCOLORSCROLLBAR:
        break;
    case WM_ACTIVATEAPP:
        if (wParam == 0)
            StartWorkingSetTrim();
        break;
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_HSCROLL:
        break;
    case WM_COMMAND:
    case WM_NOTIFY: {
        LRESULT answer = 0;
        if (AnswerChildMessage(index, message, wParam, lParam, answer))
            return answer;
        break;
    }
    default:
        break;
    }
    return passOn();
}
