#pragma once
// What the benchmarks share: a clock, medians, a message pump and the
// time of one paint of a control.
#include <windows.h>

#include <algorithm>
#include <cstdio>
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

// One control class's paints, skinned against Windows' own paint of an
// unskinned twin: into a memory DC (WM_PRINTCLIENT) and on the screen,
// medians over `rounds` rounds of `count` paints.
struct PaintComparison {
    bool printed = false; // the skinned control answers WM_PRINTCLIENT
    double skinnedOffScreen = 0, nativeOffScreen = 0, skinnedScreen = 0, nativeScreen = 0;

    // Like against like: off screen when the skinned control can be
    // printed, on the screen otherwise (its skin lies in its frame, or it
    // paints only through a DC of its own).
    double Ratio() const
    {
        return printed ? skinnedOffScreen / nativeOffScreen : skinnedScreen / nativeScreen;
    }
};

inline PaintComparison ComparePaints(HWND skinned, HWND native, bool printed, int rounds, int count)
{
    std::vector<double> skinnedOff, nativeOff, skinnedOn, nativeOn;
    for (int round = 0; round < rounds; ++round) {
        if (printed)
            skinnedOff.push_back(PaintTime(skinned, count, true));
        nativeOff.push_back(PaintTime(native, count, true));
        skinnedOn.push_back(PaintTime(skinned, count, false));
        nativeOn.push_back(PaintTime(native, count, false));
        Pump();
    }
    PaintComparison result;
    result.printed = printed;
    result.skinnedOffScreen = printed ? Median(skinnedOff) : 0;
    result.nativeOffScreen = Median(nativeOff);
    result.skinnedScreen = Median(skinnedOn);
    result.nativeScreen = Median(nativeOn);
    return result;
}

inline void PrintComparisonHeader()
{
    std::printf("%-20s %24s %24s %8s\n", "control", "off screen us (sk/nat)", "on screen us (sk/nat)", "ratio");
}

inline void PrintComparison(const char* name, const PaintComparison& c)
{
    char offScreen[32] = "-";
    if (c.printed)
        std::snprintf(offScreen, sizeof offScreen, "%.1f / %.1f", c.skinnedOffScreen * 1e6, c.nativeOffScreen * 1e6);
    std::printf("%-20s %24s %11.1f / %10.1f %8.2f %s\n", name, offScreen, c.skinnedScreen * 1e6, c.nativeScreen * 1e6,
                c.Ratio(), c.printed ? "off screen" : "on screen");
}
