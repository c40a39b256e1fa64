#pragma once
// What the tests of controls the skin paints whole (trackbars, progress
// bars) share: the check of a take-over, and pictures of a control (its
// window rectangle as its window DC holds it, its client area as it paints
// itself into a DC of ours on WM_PRINTCLIENT) to compare pixel by pixel.
#include "button_test_support.h"
#include "control_test_support.h"

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

// Entry `index` of record `recordIndex` holds `control`, which the
// set-up subclassed with `procedure` and marked with its properties.
template <typename Entry>
void ExpectTakenOver(const Entry& entry, HWND control, int index, int recordIndex, WNDPROC procedure)
{
    EXPECT_EQ(entry.window, control);
    EXPECT_EQ(Property(control, "Hw_lbID"), index);
    EXPECT_EQ(Property(control, "Hw_FuID"), recordIndex);
    EXPECT_NE(entry.oldProc, nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(control, "Hw_hProc")), entry.oldProc);
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(procedure));
}

} // namespace control_test
