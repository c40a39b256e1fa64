#pragma once
// What the benchmarks share: a clock, medians, a message pump and the
// time of one paint of a control.
#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds on the performance counter.
inline double Seconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Time of one paint of `control`, done `count` times: into a memory DC
// (WM_PRINTCLIENT, no screen involved), or on the screen, frame and client
// area.
inline double PaintTime(HWND control, int count, bool offScreen)
{
    RECT rect;
    GetClientRect(control, &rect);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(rect.right, 1), std::max<LONG>(rect.bottom, 1));
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const double start = Seconds();
    for (int i = 0; i < count; ++i) {
        if (offScreen)
            SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        else
            RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
    const double elapsed = (Seconds() - start) / count;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return elapsed;
}
