#pragma once
// Pictures of a control painted whole: its window rectangle as its window
// DC holds it, and its client area as it paints itself into a DC of ours
// on WM_PRINTCLIENT. For comparing two controls pixel by pixel.
#include "button_test_support.h"

namespace control_test {

using button_test::Pixels;

// The whole window rectangle, non-client area included.
inline Pixels WindowPicture(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    return button_test::DrawOffScreen(width, height, [&](HDC dc) {
        HDC own = GetWindowDC(window);
        BitBlt(dc, 0, 0, width, height, own, 0, 0, SRCCOPY);
        ReleaseDC(window, own);
    });
}

// The client area as the control paints it on WM_PRINTCLIENT.
inline Pixels PrintedClient(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return button_test::DrawOffScreen(client.right, client.bottom, [&](HDC dc) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

} // namespace control_test
