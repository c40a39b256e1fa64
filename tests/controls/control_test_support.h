#pragma once
// What the control tests share: a plain host window to skin, child
// controls, repaints, pixels as they reached the screen, colour blending
// and comparison, real mouse moves, and a fixture with the default skin.
#include "engine_fixture.h"

#include <embedded.h>

#include <cstdlib>

#include "pump.h"
#include "skin_module.h"

namespace control_test {

inline LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// A visible pop-up window with the face colour as its class brush.
inline HWND CreateHost(int x = 60, int y = 60, int width = 380, int height = 280, const char* title = "控件")
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &HostProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "ControlTestHost";
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(0, "ControlTestHost", title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

inline HWND CreateChild(HWND parent, const char* className, DWORD style, DWORD extendedStyle, RECT r,
                        const char* text = "", int id = 0)
{
    return CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

inline int Property(HWND window, const char* name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

// Invalidates the window with its frame and children and paints it all now.
inline void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
}

// Pixel in window coordinates (non-client area included), as on the screen.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetWindowDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// Pixel in client coordinates, as on the screen.
inline COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// `top` at `alpha` over `bottom`, per channel.
inline COLORREF Blend(COLORREF top, int alpha, COLORREF bottom)
{
    const auto mix = [alpha](int t, int b) { return (t * alpha + b * (255 - alpha) + 127) / 255; };
    return RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
               mix(GetBValue(top), GetBValue(bottom)));
}

// Every channel within `tolerance`.
inline testing::AssertionResult Near(COLORREF actual, COLORREF expected, int tolerance = 4)
{
    if (std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
        std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
        std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance)
        return testing::AssertionSuccess();
    char text[80];
    wsprintfA(text, "%06lX is not near %06lX (0x00BBGGRR)", actual, expected);
    return testing::AssertionFailure() << text;
}

// Moves the real mouse (the system then sends the moves and leaves).
inline void MoveMouseTo(POINT screen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

// An engine skinning controls (translucency off) over the default
// background picture.
class SkinnedControlsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        engine->SetControlEffects(true);
        BackgroundPictureOptions background;
        background.pictureBytes =
            ByteArray(resources::DefaultBackground().begin(), resources::DefaultBackground().end());
        background.pictureMode = 3;
        engine->SetBackgroundPicture(background);
    }
    void TearDown() override
    {
        engine->SetControlEffects(true);
        EngineTest::TearDown();
    }
    HWND Host(int x = 60, int y = 60, int width = 380, int height = 280)
    {
        HWND host = CreateHost(x, y, width, height);
        windows.push_back(host);
        return host;
    }
    // Skins the host, paints it and returns its record index. The window
    // system maps a new window a moment later; until then the real mouse
    // moves past it, so give it that moment.
    int Skin(HWND host)
    {
        engine->SkinWindow(host);
        Repaint(host);
        PumpFor(50);
        return Property(host, "Hw_lbID");
    }
};

} // namespace control_test
